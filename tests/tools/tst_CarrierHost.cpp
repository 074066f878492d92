// The carrier host over HTTP and HTTPS: what a client posting a registration
// gets back, what the host remembers, how it refuses, and each way it can be
// told to fail.
#include "tstCarrierHostHelpers.h"
#include "UnitCarrierHost.h"
#include "UnitTestCertificates.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <mutex>
#include <set>

namespace {
const QList<QByteArray> arReplyFieldNames{"msg_code", "site_id",   "shp_status",  "shp_low",
                                          "shp_high", "shp_date",  "lp_status",   "lp_low",
                                          "lp_high",  "pu_status", "pu_addr1",    "pu_addr2",
                                          "pu_addr3", "pu_city",   "pu_postcode", "pu_country"};

struct TrecRange {
    qint64 iLow = 0;
    qint64 iHigh = 0;
};

bool fnbDigits(const QByteArray &ba) {
    return !ba.isEmpty() &&
           std::all_of(ba.begin(), ba.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The LP range as the client stores it: code, type and the two numbers.
struct TrecLPSlices {
    QByteArray baCode, baType, baStart, baEnd;
};
TrecLPSlices fnrecSliceLP(const QByteArray &baLow, const QByteArray &baHigh) {
    return {baLow.left(1), baLow.mid(1, 3), baLow.mid(4), baHigh.mid(4, baLow.size() - 4)};
}

class CarrierHost : public ::testing::Test {
protected:
    TrecCarrierHostOptions fnrecOptions(const QString &stDatabase = QStringLiteral("host.db")) {
        TrecCarrierHostOptions rec;
        rec.stDatabaseFile = dirWork.filePath(stDatabase);
        rec.pfnLog = [this](const QString &stLine) {
            std::lock_guard lock(mtxLog);
            slLog.append(stLine);
        };
        return rec;
    }
    void pStart(TclsCarrierHost &objHost, const TrecCarrierHostOptions &rec) {
        QString stError;
        ASSERT_TRUE(objHost.fnbStart(rec, stError)) << qPrintable(stError);
    }
    QStringList fnslLog() {
        std::lock_guard lock(mtxLog);
        return slLog;
    }
    // A registration that must succeed; its decoded fields.
    TarFormFields fnarRegister(const TclsCarrierHost &objHost, const TrecTestSite &rec = {}) {
        const TrecHttpReply recReply =
            fnrecPost(objHost.fnstUrl(), fnbaRegistrationForm(fnbaSiteRegsFile(rec)));
        EXPECT_EQ(recReply.iCode, CURLE_OK);
        EXPECT_EQ(recReply.iStatus, 200) << recReply.baBody.constData();
        return fnarReplyFields(recReply);
    }

    QTemporaryDir dirWork;
    std::mutex mtxLog;
    QStringList slLog;
};

// Checks a reply to the default test site asking for 500 shipment and 100 LP numbers.
void pCheckFullReply(const TrecHttpReply &recReply, const QDate &dtBefore, const QDate &dtAfter) {
    ASSERT_EQ(recReply.iCode, CURLE_OK);
    ASSERT_EQ(recReply.iStatus, 200) << recReply.baBody.constData();
    EXPECT_EQ(recReply.baContentType, "application/x-www-form-urlencoded");
    const TarFormFields arFields = fnarReplyFields(recReply);
    QList<QByteArray> arNames;
    for (const auto &[baName, baValue] : arFields)
        arNames.append(baName);
    EXPECT_EQ(arNames, arReplyFieldNames);
    EXPECT_EQ(fnbaField(arFields, "msg_code"), "REGP");
    const QByteArray baSiteId = fnbaField(arFields, "site_id");
    EXPECT_TRUE(fnbPassesManualSiteIdRule(QString::fromLatin1(baSiteId))) << baSiteId.constData();
    EXPECT_TRUE(baSiteId.startsWith("ACM")) << baSiteId.constData();

    EXPECT_EQ(fnbaField(arFields, "shp_status"), "0");
    const QByteArray baShpLow = fnbaField(arFields, "shp_low");
    const QByteArray baShpHigh = fnbaField(arFields, "shp_high");
    EXPECT_TRUE(fnbDigits(baShpLow) && baShpLow.size() == 10) << baShpLow.constData();
    EXPECT_TRUE(fnbDigits(baShpHigh) && baShpHigh.size() == 10) << baShpHigh.constData();
    EXPECT_EQ(baShpHigh.toLongLong() - baShpLow.toLongLong() + 1, 500);
    const QByteArray baDate = fnbaField(arFields, "shp_date");
    EXPECT_TRUE(baDate == dtBefore.toString(QStringLiteral("ddMMyyyy")).toLatin1() ||
                baDate == dtAfter.toString(QStringLiteral("ddMMyyyy")).toLatin1())
        << baDate.constData();

    EXPECT_EQ(fnbaField(arFields, "lp_status"), "0");
    const QByteArray baLpHigh = fnbaField(arFields, "lp_high");
    const TrecLPSlices recLP = fnrecSliceLP(fnbaField(arFields, "lp_low"), baLpHigh);
    EXPECT_TRUE(recLP.baCode.size() == 1 && QChar::fromLatin1(recLP.baCode.at(0)).isLetter());
    EXPECT_EQ(recLP.baType.size(), 3);
    EXPECT_FALSE(recLP.baType.contains(' '));
    EXPECT_TRUE(fnbDigits(recLP.baStart) && fnbDigits(recLP.baEnd));
    EXPECT_EQ(recLP.baEnd, baLpHigh.mid(4)); // the upper number is not cut short
    EXPECT_EQ(baLpHigh.left(4), fnbaField(arFields, "lp_low").left(4));
    EXPECT_EQ(recLP.baEnd.toLongLong() - recLP.baStart.toLongLong() + 1, 100);

    EXPECT_EQ(fnbaField(arFields, "pu_status"), "0");
    EXPECT_EQ(fnbaField(arFields, "pu_addr1"), "Unit 4: Dock Road");
    EXPECT_EQ(fnbaField(arFields, "pu_addr2"), "Riverside Estate");
    EXPECT_EQ(fnbaField(arFields, "pu_addr3"), "");
    EXPECT_EQ(fnbaField(arFields, "pu_city"), "Leeds");
    EXPECT_EQ(fnbaField(arFields, "pu_postcode"), "LS1 4AB");
    EXPECT_EQ(fnbaField(arFields, "pu_country"), "GB");
    // Replies are encoded the way the client encodes its requests.
    EXPECT_TRUE(recReply.baBody.contains("&pu_addr1=Unit%204%3A%20Dock%20Road&"))
        << recReply.baBody.constData();
}
} // namespace

TEST_F(CarrierHost, RegistersOverHttpAndHttps) {
    const TclsTestCertificates objCertificates;
    ASSERT_TRUE(objCertificates.fnbOk()) << qPrintable(objCertificates.fnstError());
    for (const bool bHttps : {false, true}) {
        SCOPED_TRACE(bHttps ? "HTTPS" : "HTTP");
        TrecCarrierHostOptions rec =
            fnrecOptions(bHttps ? QStringLiteral("https.db") : QStringLiteral("http.db"));
        if (bHttps) {
            rec.stCertFile = objCertificates.fnstCertFile();
            rec.stKeyFile = objCertificates.fnstKeyFile();
        }
        TclsCarrierHost objHost;
        pStart(objHost, rec);
        EXPECT_TRUE(objHost.fnstUrl().startsWith(bHttps ? QLatin1String("https://127.0.0.1:")
                                                        : QLatin1String("http://127.0.0.1:")));
        TrecPostOptions recPost;
        recPost.stCaFile = bHttps ? objCertificates.fnstCaFile() : QString();
        const QDate dtBefore = QDate::currentDate();
        // Any path is served.
        const TrecHttpReply recReply =
            fnrecPost(objHost.fnstUrl() + QStringLiteral("zorv/sitereg"),
                      fnbaRegistrationForm(fnbaSiteRegsFile(TrecTestSite{})), recPost);
        pCheckFullReply(recReply, dtBefore, QDate::currentDate());

        const auto arRows = fnarRegistrationRows(rec.stDatabaseFile);
        ASSERT_EQ(arRows.size(), 1u);
        const TarFormFields arFields = fnarReplyFields(recReply);
        EXPECT_EQ(arRows[0].stSiteId.toLatin1(), fnbaField(arFields, "site_id"));
        EXPECT_EQ(arRows[0].stCompany, QLatin1String("Acme Parts Ltd"));
        EXPECT_EQ(arRows[0].vShpLow.toLongLong(), fnbaField(arFields, "shp_low").toLongLong());
        EXPECT_EQ(arRows[0].vShpHigh.toLongLong(), fnbaField(arFields, "shp_high").toLongLong());
        EXPECT_EQ(arRows[0].vLpLow.toLongLong(), fnbaField(arFields, "lp_low").mid(4).toLongLong());
        EXPECT_EQ(arRows[0].vLpHigh.toLongLong(),
                  fnbaField(arFields, "lp_high").mid(4).toLongLong());
        const QStringList slLog = fnslLog();
        ASSERT_EQ(slLog.size(), bHttps ? 2 : 1);
        EXPECT_TRUE(slLog.constLast().contains(QLatin1String("POST /zorv/sitereg 200 REGP ") +
                                               arRows[0].stSiteId))
            << qPrintable(slLog.constLast());
    }
}

TEST_F(CarrierHost, HttpsCertificatesAreVerified) {
    const TclsTestCertificates objCertificates;
    ASSERT_TRUE(objCertificates.fnbOk()) << qPrintable(objCertificates.fnstError());
    TrecCarrierHostOptions rec = fnrecOptions();
    rec.stCertFile = objCertificates.fnstCertFile();
    rec.stKeyFile = objCertificates.fnstKeyFile();
    TclsCarrierHost objHost;
    pStart(objHost, rec);
    const QByteArray baForm = fnbaRegistrationForm(fnbaSiteRegsFile(TrecTestSite{}));
    const QString stByName = QStringLiteral("https://localhost:%1/").arg(objHost.fniPort());
    const struct {
        QString stUrl;
        QString stCaFile;
        CURLcode iCode;
    } arCases[] = {
        {stByName, objCertificates.fnstCaFile(), CURLE_OK},
        {objHost.fnstUrl(), objCertificates.fnstOtherCaFile(), CURLE_PEER_FAILED_VERIFICATION},
    };
    for (const auto &recCase : arCases) {
        TrecPostOptions recPost;
        recPost.stCaFile = recCase.stCaFile;
        EXPECT_EQ(fnrecPost(recCase.stUrl, baForm, recPost).iCode, recCase.iCode)
            << qPrintable(recCase.stUrl) << " " << qPrintable(recCase.stCaFile);
    }
    // Plain HTTP on the HTTPS port gets no reply.
    EXPECT_NE(
        fnrecPost(QStringLiteral("http://127.0.0.1:%1/").arg(objHost.fniPort()), baForm).iStatus,
        200);
    EXPECT_EQ(fnarRegistrationRows(rec.stDatabaseFile).size(), 1u);
}

TEST_F(CarrierHost, RegistrationsNeverShareIdsOrNumbersAcrossRestarts) {
    const TrecCarrierHostOptions rec = fnrecOptions();
    const auto fnrecSite = [](const char *pchCompany, const char *pchShipments,
                              const char *pchLPs) {
        TrecTestSite recSite;
        recSite.baCompany = pchCompany;
        recSite.baShipmentQuantity = pchShipments;
        recSite.baLPQuantity = pchLPs;
        return recSite;
    };
    const std::vector<std::vector<TrecTestSite>> arRounds{
        {fnrecSite("Acme Parts Ltd", "500", "100"), fnrecSite("Bolt & Nut Co", "250", "40")},
        {fnrecSite("Cargo Kings", "1000", "1"), fnrecSite("Acme Parts Ltd", "500", "100")},
    };
    std::vector<TarFormFields> arReplies;
    for (const auto &arSites : arRounds) {
        TclsCarrierHost objHost; // a new host on the same file each round
        pStart(objHost, rec);
        for (const TrecTestSite &recSite : arSites)
            arReplies.push_back(fnarRegister(objHost, recSite));
    }
    ASSERT_EQ(arReplies.size(), 4u);
    std::set<QByteArray> setSiteIds;
    std::vector<TrecRange> arShipments, arLPs;
    const QList<QByteArray> arPrefixes{"ACM", "BOL", "CAR", "ACM"};
    for (size_t i = 0; i < arReplies.size(); ++i) {
        const QByteArray baSiteId = fnbaField(arReplies[i], "site_id");
        EXPECT_TRUE(baSiteId.startsWith(arPrefixes[static_cast<qsizetype>(i)]))
            << baSiteId.constData();
        setSiteIds.insert(baSiteId);
        arShipments.push_back({fnbaField(arReplies[i], "shp_low").toLongLong(),
                               fnbaField(arReplies[i], "shp_high").toLongLong()});
        arLPs.push_back({fnbaField(arReplies[i], "lp_low").mid(4).toLongLong(),
                         fnbaField(arReplies[i], "lp_high").mid(4).toLongLong()});
    }
    EXPECT_EQ(setSiteIds.size(), 4u);
    for (auto *parRanges : {&arShipments, &arLPs}) {
        std::sort(parRanges->begin(), parRanges->end(),
                  [](const TrecRange &a, const TrecRange &b) { return a.iLow < b.iLow; });
        for (size_t i = 1; i < parRanges->size(); ++i)
            EXPECT_GT((*parRanges)[i].iLow, (*parRanges)[i - 1].iHigh) << "range " << i;
    }
    EXPECT_EQ(fnbaField(arReplies[2], "shp_high").toLongLong() -
                  fnbaField(arReplies[2], "shp_low").toLongLong() + 1,
              1000);
    const auto arRows = fnarRegistrationRows(rec.stDatabaseFile);
    ASSERT_EQ(arRows.size(), 4u);
    for (size_t i = 0; i < arRows.size(); ++i)
        EXPECT_EQ(arRows[i].stSiteId.toLatin1(), fnbaField(arReplies[i], "site_id"));
}

TEST_F(CarrierHost, MalformedRequestsAreRefused) {
    TclsCarrierHost objHost;
    pStart(objHost, fnrecOptions());
    const QByteArray baFile = fnbaSiteRegsFile(TrecTestSite{});
    const QByteArray baForm = fnbaRegistrationForm(baFile);
    const struct {
        const char *pchName;
        QByteArray baBody;
        QByteArray baContentType;
        const char *pchMethod;
        long iStatus;
        const char *pchText;
    } arCases[] = {
        {"size one short", fnbaRegistrationForm(baFile, baFile.size() - 1),
         "application/x-www-form-urlencoded", "POST", 400, "but the body has"},
        {"not a form", baForm, "text/plain", "POST", 400, "not a form"},
        {"form with charset", QByteArray(baForm).replace("msg_type=0", "msg_type=1"),
         "application/x-www-form-urlencoded; charset=ISO-8859-1", "POST", 400, "msg_type"},
        {"no file", baForm.left(baForm.indexOf("&msg_bdy=")), "application/x-www-form-urlencoded",
         "POST", 400, "msg_bdy"},
        {"bad escape", baForm + "%G", "application/x-www-form-urlencoded", "POST", 400, "%-escape"},
        {"not a site file", fnbaRegistrationForm("Hello"), "application/x-www-form-urlencoded",
         "POST", 400, "not a site information file"},
        {"GET", "", "application/x-www-form-urlencoded", "GET", 405, "only POST"},
    };
    for (const auto &rec : arCases) {
        TrecPostOptions recPost;
        recPost.baContentType = rec.baContentType;
        recPost.pchMethod = rec.pchMethod;
        const TrecHttpReply recReply = fnrecPost(objHost.fnstUrl(), rec.baBody, recPost);
        EXPECT_EQ(recReply.iCode, CURLE_OK) << rec.pchName;
        EXPECT_EQ(recReply.iStatus, rec.iStatus) << rec.pchName;
        EXPECT_TRUE(recReply.baBody.contains(rec.pchText))
            << rec.pchName << ": " << recReply.baBody.constData();
        EXPECT_TRUE(fnslLog().constLast().contains(QString::fromLatin1(rec.pchText)))
            << rec.pchName;
    }
    // A body past the host's limit is refused before it is read; still logged.
    EXPECT_EQ(fnrecPost(objHost.fnstUrl(), QByteArray(1024 * 1024 + 1, 'a')).iStatus, 413);
    objHost.pStop();
    EXPECT_EQ(fnslLog().size(), static_cast<qsizetype>(std::size(arCases)) + 1)
        << qPrintable(fnslLog().join(QLatin1Char('\n')));
    EXPECT_TRUE(fnslLog().constLast().contains(QLatin1String("POST / 413 refused")))
        << qPrintable(fnslLog().constLast());
    EXPECT_TRUE(fnarRegistrationRows(dirWork.filePath(QStringLiteral("host.db"))).empty());
}

TEST_F(CarrierHost, RangesAndPickupFollowTheRequest) {
    TclsCarrierHost objHost;
    pStart(objHost, fnrecOptions());
    const struct {
        const char *pchName;
        void (*pfnChange)(TrecTestSite &);
        const char *pchShpStatus;
        qint64 iShipments;
        const char *pchLpStatus;
        const char *pchPickupStatus;
        const char *pchCountry;
    } arCases[] = {
        {"as asked", [](TrecTestSite &) {}, "0", 500, "0", "0", "GB"},
        {"no shipment range", [](TrecTestSite &r) { r.baShipmentFlag = "N"; }, "1", 0, "0", "0",
         "GB"},
        {"no LP range", [](TrecTestSite &r) { r.baLPFlag = "N"; }, "0", 500, "1", "0", "GB"},
        {"quantity zero", [](TrecTestSite &r) { r.baShipmentQuantity = "0"; }, "1", 0, "0", "0",
         "GB"},
        {"quantity not a number", [](TrecTestSite &r) { r.baShipmentQuantity = "many"; }, "1", 0,
         "0", "0", "GB"},
        {"quantity too large", [](TrecTestSite &r) { r.baShipmentQuantity = "1000001"; }, "1", 0,
         "0", "0", "GB"},
        {"largest quantity", [](TrecTestSite &r) { r.baShipmentQuantity = "1000000"; }, "0",
         1000000, "0", "0", "GB"},
        {"country by code", [](TrecTestSite &r) { r.baCountry = "DEU"; }, "0", 500, "0", "0", "DE"},
        {"unknown country", [](TrecTestSite &r) { r.baCountry = "Atlantis"; }, "0", 500, "0", "1",
         ""},
        {"no address", [](TrecTestSite &r) { r.baAddress1 = "  "; }, "0", 500, "0", "1", ""},
    };
    for (const auto &rec : arCases) {
        TrecTestSite recSite;
        rec.pfnChange(recSite);
        const TarFormFields arFields = fnarRegister(objHost, recSite);
        EXPECT_EQ(fnbaField(arFields, "shp_status"), rec.pchShpStatus) << rec.pchName;
        const QByteArray baLow = fnbaField(arFields, "shp_low");
        const QByteArray baHigh = fnbaField(arFields, "shp_high");
        EXPECT_EQ(baLow.isEmpty() ? 0 : baHigh.toLongLong() - baLow.toLongLong() + 1,
                  rec.iShipments)
            << rec.pchName;
        EXPECT_EQ(baLow.isEmpty(), baHigh.isEmpty()) << rec.pchName;
        EXPECT_EQ(fnbaField(arFields, "lp_status"), rec.pchLpStatus) << rec.pchName;
        EXPECT_EQ(fnbaField(arFields, "lp_low").isEmpty(), rec.pchLpStatus[0] == '1')
            << rec.pchName;
        EXPECT_EQ(fnbaField(arFields, "pu_status"), rec.pchPickupStatus) << rec.pchName;
        EXPECT_EQ(fnbaField(arFields, "pu_country"), rec.pchCountry) << rec.pchName;
        EXPECT_EQ(fnbaField(arFields, "pu_city").isEmpty(), rec.pchPickupStatus[0] == '1')
            << rec.pchName;
    }
}

TEST_F(CarrierHost, EachFailureSwitchForTheNextRequestOnly) {
    TrecCarrierHostOptions recOptions = fnrecOptions();
    TclsCarrierHost objHost;
    pStart(objHost, recOptions);
    const QByteArray baForm = fnbaRegistrationForm(fnbaSiteRegsFile(TrecTestSite{}));
    const struct {
        TenumHostFailure en;
        long iTimeoutSeconds;
        void (*pfnCheck)(const TrecHttpReply &);
    } arCases[] = {
        {TenumHostFailure::Http500, 30,
         [](const TrecHttpReply &r) {
             EXPECT_EQ(r.iCode, CURLE_OK);
             EXPECT_EQ(r.iStatus, 500);
         }},
        {TenumHostFailure::Garbage, 30,
         [](const TrecHttpReply &r) {
             EXPECT_EQ(r.iStatus, 200);
             EXPECT_FALSE(r.baBody.isEmpty());
             EXPECT_TRUE(fnbaField(fnarReplyFields(r), "msg_code").isEmpty());
         }},
        {TenumHostFailure::BlankSiteId, 30,
         [](const TrecHttpReply &r) {
             const TarFormFields ar = fnarReplyFields(r);
             EXPECT_EQ(fnbaField(ar, "msg_code"), "REGP");
             EXPECT_EQ(fnbaField(ar, "site_id"), QByteArray(16, ' '));
             EXPECT_EQ(fnbaField(ar, "shp_status"), "0");
         }},
        {TenumHostFailure::RangeStatus1, 30,
         [](const TrecHttpReply &r) {
             const TarFormFields ar = fnarReplyFields(r);
             EXPECT_TRUE(fnbPassesManualSiteIdRule(QString::fromLatin1(fnbaField(ar, "site_id"))));
             for (const char *pchField : {"shp_low", "shp_high", "lp_low", "lp_high"})
                 EXPECT_EQ(fnbaField(ar, pchField), "") << pchField;
             EXPECT_EQ(fnbaField(ar, "shp_status"), "1");
             EXPECT_EQ(fnbaField(ar, "lp_status"), "1");
         }},
        // The client gives up after a second; the host lets go when it notices.
        {TenumHostFailure::Hang, 1,
         [](const TrecHttpReply &r) {
             EXPECT_EQ(r.iCode, CURLE_OPERATION_TIMEDOUT);
             EXPECT_TRUE(r.baBody.isEmpty());
         }},
        {TenumHostFailure::Truncated, 30,
         [](const TrecHttpReply &r) {
             EXPECT_EQ(r.iCode, CURLE_PARTIAL_FILE);
             EXPECT_EQ(r.iStatus, 200);
             EXPECT_TRUE(r.baBody.startsWith("msg_code=REGP&site_id=")) << r.baBody.constData();
             EXPECT_FALSE(r.baBody.contains("pu_country"));
         }},
        {TenumHostFailure::Oversize, 30,
         [](const TrecHttpReply &r) {
             EXPECT_EQ(r.iStatus, 200);
             EXPECT_EQ(r.baBody.size(), 64 * 1024 + 1);
             EXPECT_EQ(fnbaField(fnarReplyFields(r), "site_id"), "ACM0000000001ZOZ");
         }},
        {TenumHostFailure::Redirect, 30,
         [](const TrecHttpReply &r) {
             EXPECT_EQ(r.iStatus, 307);
             EXPECT_TRUE(r.baRedirectUrl.endsWith("/moved")) << r.baRedirectUrl.constData();
         }},
    };
    for (const auto &rec : arCases) {
        SCOPED_TRACE(qPrintable(fnstHostFailureName(rec.en)));
        objHost.pFailNextRequest(rec.en);
        TrecPostOptions recPost;
        recPost.iTimeoutSeconds = rec.iTimeoutSeconds;
        rec.pfnCheck(fnrecPost(objHost.fnstUrl(), baForm, recPost));
        const TarFormFields arAfter = fnarRegister(objHost);
        EXPECT_TRUE(fnbPassesManualSiteIdRule(QString::fromLatin1(fnbaField(arAfter, "site_id"))));
    }
}

TEST_F(CarrierHost, StandingFailuresAndFailOnce) {
    const QByteArray baForm = fnbaRegistrationForm(fnbaSiteRegsFile(TrecTestSite{}));
    const struct {
        TenumHostFailure en;
        bool bOnce;
        long iFirst, iSecond;
    } arCases[] = {
        {TenumHostFailure::Http500, false, 500, 500},
        {TenumHostFailure::Http500, true, 500, 200},
        {TenumHostFailure::Garbage, true, 200, 200},
    };
    for (const auto &rec : arCases) {
        TrecCarrierHostOptions recOptions = fnrecOptions();
        recOptions.enFailure = rec.en;
        recOptions.bFailOnce = rec.bOnce;
        TclsCarrierHost objHost;
        pStart(objHost, recOptions);
        const TrecHttpReply recFirst = fnrecPost(objHost.fnstUrl(), baForm);
        const TrecHttpReply recSecond = fnrecPost(objHost.fnstUrl(), baForm);
        EXPECT_EQ(recFirst.iStatus, rec.iFirst);
        EXPECT_EQ(recSecond.iStatus, rec.iSecond);
        // Only a reply that went through carries a site ID.
        EXPECT_TRUE(fnbaField(fnarReplyFields(recFirst), "site_id").isEmpty());
        EXPECT_EQ(fnbaField(fnarReplyFields(recSecond), "site_id").isEmpty(), !rec.bOnce);
    }
}

TEST_F(CarrierHost, HangingRequestIsDroppedAtTheLimit) {
    const TclsTestCertificates objCertificates;
    ASSERT_TRUE(objCertificates.fnbOk()) << qPrintable(objCertificates.fnstError());
    for (const bool bHttps : {false, true}) {
        SCOPED_TRACE(bHttps ? "HTTPS" : "HTTP");
        TrecCarrierHostOptions recOptions = fnrecOptions();
        recOptions.enFailure = TenumHostFailure::Hang;
        recOptions.iHangLimitSeconds = 1;
        TrecPostOptions recPost;
        if (bHttps) {
            recOptions.stCertFile = objCertificates.fnstCertFile();
            recOptions.stKeyFile = objCertificates.fnstKeyFile();
            recPost.stCaFile = objCertificates.fnstCaFile();
        }
        TclsCarrierHost objHost;
        pStart(objHost, recOptions);
        // The client would wait far longer; the host closes without a byte of answer.
        const TrecHttpReply recReply = fnrecPost(
            objHost.fnstUrl(), fnbaRegistrationForm(fnbaSiteRegsFile(TrecTestSite{})), recPost);
        EXPECT_EQ(recReply.iCode, CURLE_GOT_NOTHING);
        EXPECT_EQ(recReply.iStatus, 0);
        EXPECT_TRUE(recReply.baBody.isEmpty());
        objHost.pStop();
        ASSERT_FALSE(fnslLog().isEmpty());
        EXPECT_TRUE(fnslLog().constLast().contains(QLatin1String("POST / - no answer")))
            << qPrintable(fnslLog().constLast());
    }
    EXPECT_EQ(fnslLog().size(), 2);
    EXPECT_TRUE(fnarRegistrationRows(dirWork.filePath(QStringLiteral("host.db"))).empty());
}

TEST_F(CarrierHost, StartFailuresAreReported) {
    TclsCarrierHost objBusy;
    pStart(objBusy, fnrecOptions());
    const struct {
        const char *pchName;
        void (*pfnChange)(TrecCarrierHostOptions &, int iBusyPort);
        const char *pchError;
    } arCases[] = {
        {"port in use", [](TrecCarrierHostOptions &r, int iPort) { r.iPort = iPort; },
         "cannot listen"},
        {"certificate without key",
         [](TrecCarrierHostOptions &r, int) { r.stCertFile = QStringLiteral("/x.pem"); },
         "both a certificate and a key"},
        {"unreadable certificate",
         [](TrecCarrierHostOptions &r, int) {
             r.stCertFile = QStringLiteral("/nonexistent/x.pem");
             r.stKeyFile = QStringLiteral("/nonexistent/x.key");
         },
         "cannot use the certificate"},
        {"database folder missing",
         [](TrecCarrierHostOptions &r, int) {
             r.stDatabaseFile = QStringLiteral("/nonexistent/host.db");
         },
         "cannot open"},
        {"no country list",
         [](TrecCarrierHostOptions &r, int) { r.stIsoCodesFile = QStringLiteral("/nonexistent"); },
         "cannot read"},
    };
    for (const auto &rec : arCases) {
        TrecCarrierHostOptions recOptions = fnrecOptions(QStringLiteral("other.db"));
        rec.pfnChange(recOptions, objBusy.fniPort());
        TclsCarrierHost objHost;
        QString stError;
        EXPECT_FALSE(objHost.fnbStart(recOptions, stError)) << rec.pchName;
        EXPECT_TRUE(stError.contains(QLatin1String(rec.pchError)))
            << rec.pchName << ": " << qPrintable(stError);
        EXPECT_FALSE(objHost.fnbRunning()) << rec.pchName;
    }
}
