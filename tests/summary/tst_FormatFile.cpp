// The summary document byte for byte, its escaping, colours and dates; the help file names.
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

TEST(FormatFile, WritesTheWholeDocumentAndRemovesItWhenDestroyed) {
    TclsTestInstallation objInstallation;
    ASSERT_TRUE(objInstallation.fnbOk()) << objInstallation.fnstError().toStdString();
    // A missing backup folder is made when the writer is created.
    ASSERT_TRUE(QDir(objInstallation.fnstPath(QStringLiteral("Backup"))).removeRecursively());
    const QString stFile = objInstallation.fnstPath(QStringLiteral("Backup/Summary.html"));
    {
        TclsFormatFile obj;
        ASSERT_EQ(TrecFilledHolders().fnstWrite(obj), QStringLiteral("success"));
        const QByteArray ba = fnbaRead(stFile);
        EXPECT_EQ(ba.toStdString(), fnbaRead(QStringLiteral(SUMMARY_EXPECTED_FILE)).toStdString());
        for (const char *pchSecret : {"FtpSecret1", "MailSecret2", "ProxySecret3", "AppSecret4"})
            EXPECT_FALSE(ba.contains(pchSecret)) << pchSecret;
    }
    EXPECT_FALSE(QFile::exists(stFile));
    // A folder where the file should be: nothing can be written there.
    TclsFormatFile obj;
    ASSERT_TRUE(QDir().mkpath(obj.fnstSummaryFile()));
    EXPECT_EQ(TrecFilledHolders().fnstWrite(obj), QStringLiteral("unsuccess"));
}

TEST(FormatFile, EscapesColoursAndDates) {
    const std::pair<QString, QString> arEscapes[] = {
        {QStringLiteral("&amp;"), QStringLiteral("&amp;amp;")},
        {QStringLiteral("a\rb\nO'Hara"), QStringLiteral("a&#13;b\nO&#39;Hara")},
        {QStringLiteral("Zürich 北京"), QStringLiteral("Zürich 北京")},
    };
    for (const auto &[stIn, stOut] : arEscapes)
        EXPECT_EQ(TclsFormatFile::fnstHtmlEscape(stIn), stOut) << stIn.toStdString();
    EXPECT_EQ(TclsFormatFile::fnstColToHtml(QColor(0x01, 0xAB, 0xCD)), QStringLiteral("#01ABCD"));
    EXPECT_EQ(TclsFormatFile::fnstFormatDate(QDateTime(QDate(2026, 3, 5), QTime(0, 0))),
              QStringLiteral("05-03-2026"));
    // The no-date marker.
    EXPECT_EQ(TclsFormatFile::fnstFormatDate(QDateTime(QDate(1999, 11, 11), QTime(14, 20))), "");
}

TEST(HelpFile, NamesTheHelpFileOfTheLanguage) {
    const std::tuple<const char *, THelpFileKind, const char *> arCases[] = {
        {"Chinese, Traditional", hfkWizard, "Help_Chinese_Traditional.chm"},
        {"cHINESE, tRADITIONAL", hfkAdmin, "Help_Admin_Chinese_Traditional.chm"},
        {"German", hfkAdmin, "Help_Admin_German.chm"},
        {"Chinese", hfkWizard, "Help_Chinese.chm"},
    };
    for (const auto &[pchLanguage, kind, pchFile] : arCases)
        EXPECT_EQ(fnstHelpFileName(QString::fromLatin1(pchLanguage), kind),
                  QString::fromLatin1(pchFile))
            << pchLanguage;
}
} // namespace
