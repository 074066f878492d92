// The summary document written for a filled installation, byte for byte; its
// escaping, colours and dates; the help file names; the file's removal.
#include "unitHelpFile.h"
#include "unitRWFormatFile.h"
#include "UnitTestInstallation.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
QByteArray fnbaRead(const QString &stFile) {
    QFile file(stFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TrecFilledHolders {
    TclsRWSendersData objSenders;
    TarDestinationBilling arBilling{{QStringLiteral("SYD"), QStringLiteral("123456789")},
                                    {QStringLiteral("MEL"), QStringLiteral("987654321")}};
    TclsRWCommSettingData objComm;
    TclsRWFTPSettingData objFTP;
    TclsRWEmailSettingData objEmail;
    TclsRWPickupData objPickup;
    TclsRWProxyServerData objProxy;
    TclsRWApplSecurityData objSecurity;

    TrecFilledHolders() {
        TclsRWSendersData &s = objSenders;
        s.stSenderCode = QStringLiteral("SMITH01");
        s.stCompany = QStringLiteral("Smith & <Sons>");
        s.stShipperName = QStringLiteral("Jane O'Hara");
        s.stCountryName = QStringLiteral("Australia");
        s.stAddress1 = QStringLiteral("12 Harbour St");
        s.stAddress2 = QStringLiteral("Level 3");
        s.stCity = QStringLiteral("Sydney");
        s.stSuburb = QStringLiteral("Pyrmont");
        s.stState = QStringLiteral("New South Wales");
        s.stAirportCode = QStringLiteral("SYD");
        s.stEmail = QStringLiteral("jane@smith.example");
        s.stTelephone = QStringLiteral("0291234567");
        s.stMobile = QStringLiteral("0412345678");
        s.stZorvAccount = QStringLiteral("123456789");
        s.stTCAccount = QStringLiteral("555");
        s.stVATGST = QStringLiteral("GST-1");
        s.stReferenceTypeCode = QStringLiteral("PO");
        s.stReferenceTypeDesc = QStringLiteral("Purchase Order");
        s.stReference = QStringLiteral("\"Quoted\" ref");
        s.stContents1 = QStringLiteral("Documents");
        s.stExportLicense = QStringLiteral("EX-9");
        s.stFederalTaxId = QStringLiteral("FT1");
        s.stStateTaxId = QStringLiteral("ST2");
        s.bDestinationBilling = true;
        objComm.iNoOfRetries = 3;
        objComm.bEODViaFTP = true;
        objComm.stGatewayIATA = QStringLiteral("SYD");
        objComm.stModemName = QStringLiteral("Standard Modem");
        TrecCommServiceBlock &recSite = objComm.arServices[csSiteRegistration];
        recSite = {true,
                   QStringLiteral("HTTPS"),
                   QString(),
                   QString(),
                   QStringLiteral("https://host.example/reg?a=1&b=2"),
                   QStringLiteral("8443")};
        objComm.arServices[csTracking] = {false,
                                          QStringLiteral("MODEM"),
                                          QStringLiteral("0299"),
                                          QStringLiteral("0298"),
                                          QString(),
                                          QString()};
        objFTP.stHost = QStringLiteral("sftp.zorv.example");
        objFTP.stPort = QStringLiteral("22");
        objFTP.stUserId = QStringLiteral("smith");
        objFTP.stPassword = QStringLiteral("FtpSecret1");
        objFTP.iManifestMode = 1;
        objEmail.stHost = QStringLiteral("smtp.smith.example");
        objEmail.stPort = QStringLiteral("587");
        objEmail.stUserId = QStringLiteral("mailer");
        objEmail.stPassword = QStringLiteral("MailSecret2");
        objPickup.slPickupLocations = {QStringLiteral("Reception"), QStringLiteral("Dock 2")};
        objPickup.iRequestCutOffMargin = 30;
        objPickup.tmDefaultCloseTime = QTime(17, 30);
        objPickup.tmDefaultReadyByTime = QTime(15, 0);
        objProxy.iConnectionType = ctProxy;
        objProxy.stHTTPProxyAddress = QStringLiteral("proxy.smith.example");
        objProxy.iHTTPPort = 8080;
        objProxy.bUserNamePwdConfirmation = true;
        objProxy.stUserName = QStringLiteral("proxyuser");
        objProxy.stPassword = QStringLiteral("ProxySecret3");
        objSecurity.bPasswordRequired = true;
        objSecurity.stPassword = QStringLiteral("AppSecret4");
    }

    QString fnstWrite(TclsFormatFile &obj) const {
        return obj.fnstFormatSummary(objSenders, arBilling, objComm, objFTP, objEmail, objPickup,
                                     objProxy, objSecurity);
    }
};

TEST(FormatFile, WritesTheWholeDocumentForAFilledInstallation) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk()) << objInstallation.fnstError().toStdString();
    TclsFormatFile obj;
    const TrecFilledHolders rec;
    ASSERT_EQ(rec.fnstWrite(obj), QStringLiteral("success"));
    const QByteArray ba = fnbaRead(objInstallation.fnstPath(QStringLiteral("Backup/Summary.html")));
    EXPECT_EQ(ba.toStdString(), fnbaRead(QStringLiteral(SUMMARY_EXPECTED_FILE)).toStdString());
    EXPECT_EQ(ba.count("Smith &amp; &lt;Sons&gt;"), 1);
    EXPECT_FALSE(ba.contains("&amp;amp;"));
    for (const char *pchSecret : {"FtpSecret1", "MailSecret2", "ProxySecret3", "AppSecret4"})
        EXPECT_FALSE(ba.contains(pchSecret)) << pchSecret;
}

TEST(FormatFile, MakesTheBackupFolderAndRemovesTheFileWhenDestroyed) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk());
    // A missing backup folder is made when the writer is created.
    ASSERT_TRUE(QDir(objInstallation.fnstPath(QStringLiteral("Backup"))).removeRecursively());
    const QString stFile = objInstallation.fnstPath(QStringLiteral("Backup/Summary.html"));
    {
        TclsFormatFile obj;
        EXPECT_EQ(obj.fnstLanguage(), QStringLiteral("English"));
        ASSERT_EQ(TrecFilledHolders().fnstWrite(obj), QStringLiteral("success"));
        EXPECT_TRUE(QFile::exists(stFile));
    }
    EXPECT_FALSE(QFile::exists(stFile));
}

TEST(FormatFile, ReportsAFileThatCannotBeWritten) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk());
    TclsFormatFile obj;
    // A folder where the file should be: nothing can be written there.
    ASSERT_TRUE(QDir().mkpath(obj.fnstSummaryFile()));
    EXPECT_EQ(TrecFilledHolders().fnstWrite(obj), QStringLiteral("unsuccess"));
}

TEST(FormatFile, EscapesEachSpecialCharacterOnce) {
    const std::pair<QString, QString> arCases[] = {
        {QStringLiteral("a>b"), QStringLiteral("a&gt;b")},
        {QStringLiteral("<x>"), QStringLiteral("&lt;x&gt;")},
        {QStringLiteral("say \"hi\""), QStringLiteral("say &quot;hi&quot;")},
        {QStringLiteral("&amp;"), QStringLiteral("&amp;amp;")},
        {QStringLiteral("a\rb\nc"), QStringLiteral("a&#13;b\nc")},
        {QStringLiteral("O'Hara"), QStringLiteral("O&#39;Hara")},
        {QStringLiteral("Zürich 北京"), QStringLiteral("Zürich 北京")},
        {QString(), QString()},
    };
    for (const auto &[stIn, stOut] : arCases)
        EXPECT_EQ(TclsFormatFile::fnstHtmlEscape(stIn), stOut) << stIn.toStdString();
}

TEST(FormatFile, WritesColoursAsRedGreenBlue) {
    const std::pair<QColor, QString> arCases[] = {
        {QColor(0xD4, 0xD0, 0xC8), QStringLiteral("#D4D0C8")},
        {QColor(0xFF, 0x00, 0x00), QStringLiteral("#FF0000")},
        {QColor(0x00, 0x00, 0x0A), QStringLiteral("#00000A")},
        {QColor(0x01, 0xAB, 0xCD), QStringLiteral("#01ABCD")},
    };
    for (const auto &[cl, st] : arCases)
        EXPECT_EQ(TclsFormatFile::fnstColToHtml(cl), st);
}

TEST(FormatFile, WritesDatesAndLeavesTheNoDateMarkerEmpty) {
    const std::pair<QDateTime, QString> arCases[] = {
        {QDateTime(QDate(2026, 3, 5), QTime(0, 0)), QStringLiteral("05-03-2026")},
        {QDateTime(QDate(1999, 11, 11), QTime(14, 20)), QString()},
        {QDateTime(), QString()},
    };
    for (const auto &[dt, st] : arCases)
        EXPECT_EQ(TclsFormatFile::fnstFormatDate(dt), st);
}

TEST(HelpFile, NamesTheHelpFileOfTheLanguage) {
    struct TrecCase {
        QString stLanguage;
        THelpFileKind kind;
        QString stFile;
    };
    const TrecCase arCases[] = {
        {QStringLiteral("CHINESE, SIMPLIFIED"), hfkWizard,
         QStringLiteral("Help_Chinese_Simplified.chm")},
        {QStringLiteral("chinese, simplified"), hfkWizard,
         QStringLiteral("Help_Chinese_Simplified.chm")},
        {QStringLiteral("Chinese, Traditional"), hfkWizard,
         QStringLiteral("Help_Chinese_Traditional.chm")},
        {QStringLiteral("cHINESE, tRADITIONAL"), hfkAdmin,
         QStringLiteral("Help_Admin_Chinese_Traditional.chm")},
        {QStringLiteral("English"), hfkWizard, QStringLiteral("Help_English.chm")},
        {QStringLiteral("German"), hfkAdmin, QStringLiteral("Help_Admin_German.chm")},
        {QStringLiteral("Chinese"), hfkWizard, QStringLiteral("Help_Chinese.chm")},
    };
    for (const TrecCase &rec : arCases)
        EXPECT_EQ(fnstHelpFileName(rec.stLanguage, rec.kind), rec.stFile)
            << rec.stLanguage.toStdString();
}

TEST(HelpFile, FindsTopicsInTheContextMap) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk());
    ASSERT_TRUE(QDir().mkpath(objInstallation.fnstPath(QStringLiteral("Help/Test"))));
    ASSERT_TRUE(
        objInstallation.fnbWriteFile(QStringLiteral("Help/Test/context.map"),
                                     "1492=welcome.html\n 1498 = sender.html#edtSenderCode\n"
                                     "x=bad.html\n14990=other.html\n"));
    const QString stFolder = objInstallation.fnstPath(QStringLiteral("Help/Test"));
    const std::pair<int, QString> arCases[] = {
        {1492, QStringLiteral("welcome.html")},
        {1498, QStringLiteral("sender.html#edtSenderCode")},
        {1499, QString()},
        {0, QString()},
    };
    for (const auto &[iContext, stTopic] : arCases)
        EXPECT_EQ(fnstHelpTopic(stFolder, iContext), stTopic) << iContext;
    EXPECT_EQ(fnstHelpTopic(objInstallation.fnstPath(QStringLiteral("Help/None")), 1492),
              QString());
}
} // namespace
