// The carrier host as the registration tests meet it: a site information file
// posted over HTTP or HTTPS, or sent through the host's modem, gets a REGP
// reply the client can read, and the host keeps the registration.
#include "UnitCarrierHost.h"
#include "unitHayesDialogue.h"
#include "UnitHostForm.h"
#include "unitLinkReply.h"
#include "unitLinkSerialLine.h"
#include "unitLinkSession.h"
#include "UnitTestCertificates.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <curl/curl.h>
#include <unistd.h>

using namespace ModemLink;

namespace {
// SiteRegs.txt cut down to what the host reads: the customer and both ranges.
const QByteArray cbaSiteFile = "ZOZ SITE CONFIGURATION\r\n\r\nSec 1 : CUSTOMER INFORMATION\r\n"
                               "Name           : Acme Parts Ltd\r\n"
                               "Address_1      : Unit 4: Dock Road\r\n"
                               "City           : Leeds\r\nZip            : LS1 4AB\r\n"
                               "Country        : United Kingdom\r\n\r\nSec 9 : SHIPMENT RANGE\r\n"
                               "Range required flag     : Y\r\nQuantity                : 500\r\n"
                               "Sec 10 : LP RANGE\r\nRange required flag     : Y\r\n"
                               "Quantity                : 100\r\n";
const QByteArray cbaHeader = "REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
                             "11" +
                             QByteArray::number(cbaSiteFile.size()) +
                             "\x1C"
                             "DDMMYYYY0";

// The allocation date is today's, day first; a call across midnight may carry either day.
bool fnbToday(const QByteArray &baDate, const QDate &dtBefore) {
    return baDate == dtBefore.toString(QStringLiteral("ddMMyyyy")).toLatin1() ||
           baDate == QDate::currentDate().toString(QStringLiteral("ddMMyyyy")).toLatin1();
}

size_t fniAppend(char *pch, size_t iSize, size_t iCount, void *pBody) {
    static_cast<QByteArray *>(pBody)->append(pch, static_cast<qsizetype>(iSize * iCount));
    return iSize * iCount;
}

// The registration form posted as the client posts it; the body of a 200 reply.
QByteArray fnbaPost(const QString &stUrl, const QString &stCaFile) {
    const QByteArray baForm = "msg_type=0&msg_hdr=" + fnbaFormEncode(cbaHeader) +
                              "&msg_bdy=" + fnbaFormEncode(cbaSiteFile);
    const QByteArray baUrl = stUrl.toUtf8(), baCa = stCaFile.toLocal8Bit();
    QByteArray baBody;
    long iStatus = 0;
    CURL *pCurl = curl_easy_init();
    curl_slist *pHeaders =
        curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded");
    curl_easy_setopt(pCurl, CURLOPT_URL, baUrl.constData());
    curl_easy_setopt(pCurl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDS, baForm.constData());
    curl_easy_setopt(pCurl, CURLOPT_HTTPHEADER, pHeaders);
    curl_easy_setopt(pCurl, CURLOPT_TIMEOUT, 30L);
    if (!stCaFile.isEmpty())
        curl_easy_setopt(pCurl, CURLOPT_CAINFO, baCa.constData());
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, fniAppend);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, &baBody);
    const CURLcode iCode = curl_easy_perform(pCurl);
    curl_easy_getinfo(pCurl, CURLINFO_RESPONSE_CODE, &iStatus);
    curl_slist_free_all(pHeaders);
    curl_easy_cleanup(pCurl);
    EXPECT_EQ(iCode, CURLE_OK);
    EXPECT_EQ(iStatus, 200) << baBody.constData();
    return baBody;
}

// The host's registrations: site ID and the four range numbers, in order.
QStringList fnslRegistrations(const QString &stFile) {
    QStringList sl;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("h"));
        db.setDatabaseName(stFile);
        EXPECT_TRUE(db.open());
        QSqlQuery qry(QStringLiteral("SELECT site_id, shp_low, shp_high, lp_low, lp_high FROM "
                                     "registrations ORDER BY sequence"),
                      db);
        while (qry.next())
            sl << QStringList{qry.value(0).toString(), qry.value(1).toString(),
                              qry.value(2).toString(), qry.value(3).toString(),
                              qry.value(4).toString()}
                      .join(QLatin1Char(' '));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("h"));
    return sl;
}

const QString cstFirstRow = QStringLiteral("ACM0000000001ZOZ 1000000000 1000000499 1 100");

TrecCarrierHostOptions fnrecOptions(const QTemporaryDir &dir) {
    TrecCarrierHostOptions rec;
    rec.stDatabaseFile = dir.filePath(QStringLiteral("host.db"));
    rec.pfnLog = [](const QString &) {};
    return rec;
}
} // namespace

TEST(CarrierHost, RegistersOverHttpAndHttps) {
    const TclsTestCertificates objCertificates;
    ASSERT_TRUE(objCertificates.fnbOk()) << qPrintable(objCertificates.fnstError());
    for (const bool bHttps : {false, true}) {
        SCOPED_TRACE(bHttps ? "HTTPS" : "HTTP");
        QTemporaryDir dir;
        TrecCarrierHostOptions rec = fnrecOptions(dir);
        if (bHttps) {
            rec.stCertFile = objCertificates.fnstCertFile();
            rec.stKeyFile = objCertificates.fnstKeyFile();
        }
        TclsCarrierHost objHost;
        QString stError;
        ASSERT_TRUE(objHost.fnbStart(rec, stError)) << qPrintable(stError);
        const QDate dtBefore = QDate::currentDate();
        const QByteArray baReply = fnbaPost(objHost.fnstUrl() + QStringLiteral("zorv/sitereg"),
                                            bHttps ? objCertificates.fnstCaFile() : QString());
        TarFormFields arFields = fnarDecodeForm(baReply).value_or(TarFormFields{});
        ASSERT_EQ(arFields.size(), 16u) << baReply.constData();
        EXPECT_TRUE(fnbToday(arFields[5].second, dtBefore)) << arFields[5].second.constData();
        arFields[5].second = "today";
        const TarFormFields arExpected{{"msg_code", "REGP"},
                                       {"site_id", "ACM0000000001ZOZ"},
                                       {"shp_status", "0"},
                                       {"shp_low", "1000000000"},
                                       {"shp_high", "1000000499"},
                                       {"shp_date", "today"},
                                       {"lp_status", "0"},
                                       {"lp_low", "JZLP0000000001"},
                                       {"lp_high", "JZLP0000000100"},
                                       {"pu_status", "0"},
                                       {"pu_addr1", "Unit 4: Dock Road"},
                                       {"pu_addr2", ""},
                                       {"pu_addr3", ""},
                                       {"pu_city", "Leeds"},
                                       {"pu_postcode", "LS1 4AB"},
                                       {"pu_country", "GB"}};
        EXPECT_EQ(arFields, arExpected);
        EXPECT_EQ(fnslRegistrations(rec.stDatabaseFile), QStringList{cstFirstRow});
    }
}

// A site dials the pseudo-terminal the host publishes, sends the registration
// over the link and reads the reply with the communication library's pieces.
TEST(CarrierHost, RegistersByModem) {
    QTemporaryDir dir;
    TrecCarrierHostOptions rec = fnrecOptions(dir);
    rec.bModem = true;
    TclsCarrierHost objHost;
    QString stError;
    ASSERT_TRUE(objHost.fnbStart(rec, stError)) << qPrintable(stError);
    const int iFd = fniOpenSerialLine(objHost.fnstModemDevice().toStdString(), 9600);
    ASSERT_GE(iFd, 0) << qPrintable(objHost.fnstModemDevice());
    TclsFdLinkStream objStream(iFd);
    TrecHayesLimits recHayes;
    recHayes.iGuardMs = 50;
    recHayes.iConnectMs = 10000;
    TclsHayesDialogue objDialogue(objStream, {}, recHayes);
    ASSERT_TRUE(objDialogue.fnbInitialise());
    const QDate dtBefore = QDate::currentDate();
    ASSERT_EQ(objDialogue.fnenDial("0W0212345678"), TenuDialResult::Connected);
    TclsLinkSession objSession(objStream, {});
    ASSERT_TRUE(
        objSession.fnbSendMessage((cbaHeader + "\x1D" + cbaSiteFile + "\x1D").toStdString()));
    const std::optional<std::string> stReply = objSession.fnstReceiveMessage();
    EXPECT_TRUE(objDialogue.fnbHangUp());
    close(iFd);
    ASSERT_TRUE(stReply.has_value());

    TrecMessageHeaderStructure recHeader{};
    char achData[1024];
    recHeader.recMessageData = {achData, 0, sizeof achData};
    ASSERT_TRUE(fnbFillReplyRecord(*stReply, recHeader)) << *stReply;
    const TrecAwbLPRange &recShp = recHeader.recShipmentRange, &recLP = recHeader.recLPRange;
    EXPECT_EQ(stReply->substr(0, 20), "REGPACM0000000001ZOZ");
    const std::vector<std::string> arFields{recShp.achStatus,
                                            recShp.achLowerBound,
                                            recShp.achUpperBound,
                                            recLP.achStatus,
                                            recLP.achLowerBound,
                                            recLP.achUpperBound,
                                            recHeader.recPickup.achStatus,
                                            recHeader.recPickup.achCity,
                                            recHeader.recPickup.achCountryCode};
    EXPECT_EQ(arFields,
              (std::vector<std::string>{"0", "1000000000", "1000000499", "0", "JZLP0000000001",
                                        "JZLP0000000100", "0", "Leeds", "GB"}));
    const TShortText8 &shtDate = recShp.shtAllocationDate;
    EXPECT_TRUE(fnbToday(QByteArray(shtDate.achText, shtDate.iLength), dtBefore));
    EXPECT_EQ(fnslRegistrations(rec.stDatabaseFile), QStringList{cstFirstRow});
}
