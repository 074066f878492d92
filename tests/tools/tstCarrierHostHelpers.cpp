// Building requests and posting them for the carrier host's tests.
#include "tstCarrierHostHelpers.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <utility>
#include <vector>

namespace {
// A field line: the label padded (or cut) to the width, ": ", the value.
QByteArray fnbaFieldLine(const QByteArray &baLabel, int iWidth, const QByteArray &baValue) {
    return baLabel.leftJustified(iWidth, ' ', true) + ": " + baValue + "\r\n";
}

QByteArray fnbaServiceBlock(const QByteArray &baTitle, const QByteArray &baActive) {
    return "\r\n" + fnbaFieldLine("Service", 15, baTitle) +
           fnbaFieldLine("Workstation ID", 15, "ALL") + fnbaFieldLine("Active", 15, baActive) +
           fnbaFieldLine("1st Phone No.", 15, "") + fnbaFieldLine("2nd Phone No.", 15, "") +
           fnbaFieldLine("Dial Retries", 15, "3");
}

QByteArray fnbaCustomerSection(const TrecTestSite &rec) {
    return "Sec 1 : CUSTOMER INFORMATION\r\n\r\n" + fnbaFieldLine("Name", 15, rec.baCompany) +
           fnbaFieldLine("Address_1", 15, rec.baAddress1) +
           fnbaFieldLine("Address_2", 15, rec.baAddress2) +
           fnbaFieldLine("Address_3", 15, rec.baAddress3) + fnbaFieldLine("City", 15, rec.baCity) +
           fnbaFieldLine("State", 15, rec.baState) + fnbaFieldLine("Zip", 15, rec.baPostcode) +
           fnbaFieldLine("Country", 15, rec.baCountry) +
           fnbaFieldLine("Contact Person", 15, "Jane Smith") +
           fnbaFieldLine("Phone Number", 15, "0113 496 0000") + "\r\n\r\n";
}

QByteArray fnbaMiddleSections() {
    QByteArray ba = "Sec 2 : APPLICATION INFORMATION\r\n\r\nApplication ID : ZOZ\r\n" +
                    fnbaFieldLine("ZOZ Version", 15, "5.01.02") +
                    "Site Type      : Standalone\r\n\r\n"
                    "Sec 3 : ZORV ACCOUNT NUMBERS\r\n\r\n123456789\r\n987654321\r\n---\r\n\r\n"
                    "Sec 4 : PICKUP POINT INFORMATION\r\n---\r\n\r\n"
                    "Sec 5 : COMMUNICATION WORKSTATION CONFIGURATION INFORMATION\r\n\r\n" +
                    fnbaFieldLine("Workstation Name", 17, "") +
                    fnbaFieldLine("Description", 17, "") + fnbaFieldLine("Modem Name", 17, "") +
                    fnbaFieldLine("Modem Speed", 17, "") + fnbaFieldLine("Phone Number", 17, "") +
                    "\r\n---\r\n\r\nSec 6 : TELECOMM SERVICES INFORMATION\r\n";
    for (const char *pchTitle :
         {"Site Registration", "Electronic Message", "Electronic Manifest", "Track & Trace",
          "Pickup Booking", "Automatic Shipment ID Allocation",
          "Automatic Licence Plate Number Allocation"})
        ba += fnbaServiceBlock(pchTitle, "Y");
    ba += "---\r\n\r\n" + fnbaFieldLine("Shipment Advisory", 26, "N") +
          fnbaFieldLine("Checkpoint Access", 26, "N") +
          fnbaFieldLine("Inbound Shipment Tracing", 26, "N") + "\r\n" +
          fnbaFieldLine("Shipment Tracing Size", 22, "0") + "\r\n" +
          "Sec 7 : MANIFEST SETTINGS\r\n\r\nAuto-Manifest : No\r\n\r\n"
          "Sec 8 : EMAIL ALIASES\r\n\r\n" +
          fnbaFieldLine("Alias", 8, "") + fnbaFieldLine("Address", 8, "") + "---\r\n";
    return ba;
}

QByteArray fnbaRangeSection(const QByteArray &baHeading, const QByteArray &baFlag,
                            const QByteArray &baQuantity) {
    return baHeading + "\r\n\r\n" + fnbaFieldLine("Range required flag", 24, baFlag) +
           fnbaFieldLine("Quantity", 24, baQuantity) + "\r\n";
}
} // namespace

QByteArray fnbaSiteRegsFile(const TrecTestSite &rec) {
    const QDateTime dt(QDate(2024, 3, 5), QTime(14, 7, 9));
    return "ZOZ SITE CONFIGURATION" + QByteArray(30, ' ') +
           dt.toString(QStringLiteral("dd/MM/yyyy  hh:mm:ss")).toLatin1() + "\r\n\r\n" +
           fnbaCustomerSection(rec) + fnbaMiddleSections() +
           fnbaRangeSection("Sec 9 : SHIPMENT RANGE", rec.baShipmentFlag, rec.baShipmentQuantity) +
           fnbaRangeSection("Sec 10 : LP RANGE", rec.baLPFlag, rec.baLPQuantity) +
           "Sec 11 : IATA CODE \r\n\r\n" + fnbaFieldLine("Gateway IATA Code", 24, "LBA") +
           "\r\nSec 12 : Version Update Date Time\r\n\r\n" +
           fnbaFieldLine("DateTime Format", 24, "yyyymmddhhmmss") +
           fnbaFieldLine("Date Time", 24, "20240305140709") +
           "\r\nSec 13 : PickUp Address\r\nPickUp Address Required Flag : Y";
}

namespace {
QByteArray fnbaRegistrationHeader(const QByteArray &baFile, qsizetype iAnnouncedSize) {
    const qsizetype iSize = iAnnouncedSize < 0 ? baFile.size() : iAnnouncedSize;
    return "REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
           "11" +
           QByteArray::number(iSize) +
           "\x1C"
           "DDMMYYYY0";
}
} // namespace

QByteArray fnbaRegistrationForm(const QByteArray &baFile, qsizetype iAnnouncedSize) {
    return "msg_type=0&msg_hdr=" + fnbaFormEncode(fnbaRegistrationHeader(baFile, iAnnouncedSize)) +
           "&msg_bdy=" + fnbaFormEncode(baFile);
}

QByteArray fnbaModemMessage(const QByteArray &baFile, qsizetype iAnnouncedSize) {
    return fnbaRegistrationHeader(baFile, iAnnouncedSize) + "\x1D" + baFile + "\x1D";
}

namespace {
size_t fniAppendBody(char *pch, size_t iSize, size_t iCount, void *pBody) {
    static_cast<QByteArray *>(pBody)->append(pch, static_cast<qsizetype>(iSize * iCount));
    return iSize * iCount;
}

struct TrecCurlGlobal {
    TrecCurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~TrecCurlGlobal() { curl_global_cleanup(); }
};
} // namespace

TrecHttpReply fnrecPost(const QString &stUrl, const QByteArray &baBody,
                        const TrecPostOptions &rec) {
    static TrecCurlGlobal objGlobal;
    TrecHttpReply recReply;
    CURL *pCurl = curl_easy_init();
    const QByteArray baUrl = stUrl.toUtf8();
    const QByteArray baCa = rec.stCaFile.toLocal8Bit();
    const QByteArray baTypeHeader = "Content-Type: " + rec.baContentType;
    curl_slist *pHeaders = curl_slist_append(nullptr, baTypeHeader.constData());
    curl_easy_setopt(pCurl, CURLOPT_URL, baUrl.constData());
    curl_easy_setopt(pCurl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(pCurl, CURLOPT_CUSTOMREQUEST, rec.pchMethod);
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDS, baBody.constData());
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDSIZE, static_cast<long>(baBody.size()));
    curl_easy_setopt(pCurl, CURLOPT_HTTPHEADER, pHeaders);
    curl_easy_setopt(pCurl, CURLOPT_TIMEOUT, rec.iTimeoutSeconds);
    if (!rec.stCaFile.isEmpty())
        curl_easy_setopt(pCurl, CURLOPT_CAINFO, baCa.constData());
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, fniAppendBody);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, &recReply.baBody);
    recReply.iCode = curl_easy_perform(pCurl);
    curl_easy_getinfo(pCurl, CURLINFO_RESPONSE_CODE, &recReply.iStatus);
    const char *pchType = nullptr;
    if (curl_easy_getinfo(pCurl, CURLINFO_CONTENT_TYPE, &pchType) == CURLE_OK && pchType)
        recReply.baContentType = pchType;
    const char *pchRedirect = nullptr;
    if (curl_easy_getinfo(pCurl, CURLINFO_REDIRECT_URL, &pchRedirect) == CURLE_OK && pchRedirect)
        recReply.baRedirectUrl = pchRedirect;
    curl_slist_free_all(pHeaders);
    curl_easy_cleanup(pCurl);
    return recReply;
}

TarFormFields fnarReplyFields(const TrecHttpReply &rec) {
    return fnarDecodeForm(rec.baBody).value_or(TarFormFields{});
}

QByteArray fnbaField(const TarFormFields &arFields, const char *pchName) {
    return fnbaFormField(arFields, pchName).value_or(QByteArray());
}

bool fnbPassesManualSiteIdRule(const QString &stSiteId) {
    const QString st = stSiteId.trimmed();
    if (st.size() != 16 || st.right(3).toUpper() != QLatin1String("ZOZ"))
        return false;
    bool bNumber = false;
    st.mid(3, 10).toInt(&bNumber);
    if (!bNumber)
        return false;
    for (const QChar ch : st.left(3).toUpper())
        if (ch < QLatin1Char('A') || ch > QLatin1Char('Z'))
            return false;
    return true;
}

std::vector<TrecRegistrationRow> fnarRegistrationRows(const QString &stFile) {
    std::vector<TrecRegistrationRow> ar;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tst-carrierhost"));
        db.setDatabaseName(stFile);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT site_id, company, shp_low, shp_high,"
                                              " lp_low, lp_high FROM registrations"
                                              " ORDER BY sequence")));
        while (query.next())
            ar.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2),
                          query.value(3), query.value(4), query.value(5)});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tst-carrierhost"));
    return ar;
}

QString fnstCarrierHostProgram() {
    const QString stBin = qEnvironmentVariable("WIZARD_BIN_DIR");
    return (stBin.isEmpty() ? QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() : stBin) +
           QStringLiteral("/carrier-host");
}

QStringList fnslFirstLines(QProcess &objProcess, int iCount) {
    QStringList sl;
    for (int i = 0; i < 100 && sl.size() < iCount; ++i) {
        if (!objProcess.canReadLine() && !objProcess.waitForReadyRead(100) &&
            objProcess.state() == QProcess::NotRunning)
            break;
        while (objProcess.canReadLine() && sl.size() < iCount)
            sl.append(QString::fromLocal8Bit(objProcess.readLine()).trimmed());
    }
    return sl;
}
