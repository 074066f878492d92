// What the carrier host's tests share: a site information file laid out as
// the client writes it, the registration form or modem message around it, a
// libcurl POST that reports exactly how a call ended, the host's rows, and
// the client's manual site-ID rule.
#pragma once

#include "UnitHostForm.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

#include <curl/curl.h>

struct TrecTestSite {
    QByteArray baCompany = "Acme Parts Ltd";
    QByteArray baAddress1 = "Unit 4: Dock Road";
    QByteArray baAddress2 = "Riverside Estate";
    QByteArray baAddress3;
    QByteArray baCity = "Leeds";
    QByteArray baState = "West Yorkshire";
    QByteArray baPostcode = "LS1 4AB";
    QByteArray baCountry = "United Kingdom";
    QByteArray baShipmentFlag = "Y";
    QByteArray baShipmentQuantity = "500";
    QByteArray baLPFlag = "Y";
    QByteArray baLPQuantity = "100";
};

// SiteRegs.txt as the client writes it, every line ending in CR LF.
QByteArray fnbaSiteRegsFile(const TrecTestSite &rec);

// msg_type=0&msg_hdr=...&msg_bdy=... for the file; iAnnouncedSize replaces
// the file's real size in the header when not negative.
QByteArray fnbaRegistrationForm(const QByteArray &baFile, qsizetype iAnnouncedSize = -1);

// The same request as the modem sends it: header, GS, file, GS.
QByteArray fnbaModemMessage(const QByteArray &baFile, qsizetype iAnnouncedSize = -1);

// The rows of the host's registrations table, in the order they were made.
struct TrecRegistrationRow {
    QString stSiteId, stCompany;
    QVariant vShpLow, vShpHigh, vLpLow, vLpHigh;
};
std::vector<TrecRegistrationRow> fnarRegistrationRows(const QString &stFile);

struct TrecPostOptions {
    QByteArray baContentType = "application/x-www-form-urlencoded";
    QString stCaFile; // HTTPS: the only authority trusted
    long iTimeoutSeconds = 30;
    const char *pchMethod = "POST";
};

struct TrecHttpReply {
    CURLcode iCode = CURLE_OK;
    long iStatus = 0;
    QByteArray baContentType;
    QByteArray baBody;
    QByteArray baRedirectUrl; // where a redirect points, made absolute
};

TrecHttpReply fnrecPost(const QString &stUrl, const QByteArray &baBody,
                        const TrecPostOptions &rec = {});

// The reply's fields as the client reads them; empty when they do not decode.
TarFormFields fnarReplyFields(const TrecHttpReply &rec);
QByteArray fnbaField(const TarFormFields &arFields, const char *pchName);

// The carrier-host program: in the build's bin folder when it is named,
// otherwise beside the test program.
QString fnstCarrierHostProgram();
// The first iCount lines the started program prints on standard output,
// trimmed; fewer when it ends or stays silent for ten seconds.
QStringList fnslFirstLines(QProcess &objProcess, int iCount);

// The client's check of a typed-in site ID: 16 characters after trimming,
// three letters, ten digits that make a 32-bit integer, "ZOZ".
bool fnbPassesManualSiteIdRule(const QString &stSiteId);
