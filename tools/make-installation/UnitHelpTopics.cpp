// The help topics' texts and how they are written out.
#include "UnitHelpTopics.h"

#include <QDir>
#include <QFile>

namespace {
struct TrecHelpEntry {
    int iContext;
    const char *pchAnchor; // empty: the page's own topic
    const char *pchTitle;
    const char *pchText;
};

struct TrecHelpPage {
    const char *pchFile;
    const char *pchTitle;
    std::initializer_list<TrecHelpEntry> arEntries;
};

const TrecHelpPage carHelpPages[] = {
    {"buttons.html",
     "The wizard's buttons",
     {{1488, "btnHelp", "Help",
       "Opens the help for the page you are on. F1 opens the help for the field you are in."},
      {1489, "btnBack", "Back", "Goes back to the previous page. What you typed is kept."},
      {1490, "btnNext", "Next",
       "Checks the page and goes on to the next one. Fields that need attention are listed and "
       "marked."},
      {1491, "btnCancel", "Cancel",
       "Leaves the wizard after asking you. What you entered so far is saved; the site is not "
       "registered."},
      {1495, "btnAccept", "I Accept",
       "Accepts the terms and conditions and goes on to your shipper details."},
      {1496, "btnDecline", "I Decline",
       "Declines the terms and conditions. The application cannot be registered without accepting "
       "them."},
      {1558, "btnFinish", "Finish",
       "Ends the wizard and offers to start the Zorv Morvane application."}}},
    {"welcome.html",
     "Welcome",
     {{1492, "", "Welcome",
       "The wizard registers this workstation with Zorv. Have your Zorv account number and your "
       "address at hand. Press Next to begin."}}},
    {"terms.html",
     "Terms and conditions",
     {{1493, "", "Terms and conditions",
       "Read the end user licence agreement. Press I Accept to go on, or I Decline to leave the "
       "wizard."},
      {1494, "btnPrint", "Print Terms and Conditions",
       "Prints the terms and conditions on the printer you choose, as many copies as you ask "
       "for."}}},
    {"sender.html",
     "Shipper information",
     {{1497, "", "Shipper information",
       "Who sends the shipments and where they are collected. Fields marked with a red star must "
       "be filled."},
      {1498, "edtSenderCode", "Code",
       "A short code of your own that names this shipper in the application."},
      {1499, "edtSenderCompany", "Company",
       "The company name as it should appear on shipping documents."},
      {1500, "edtSenderName", "Shipper", "The person Zorv may contact about shipments."},
      {1501, "fraSenderCountry", "Country",
       "The country the shipments leave from. Choosing it sets how the address is entered."},
      {1502, "edtSenderAddress", "Address", "The street address in up to three lines."},
      {1503, "edtSenderPostcode", "Postcode/Zip",
       "The postcode or ZIP code; the city and state are looked up from it where possible."},
      {1504, "fraSenderIATA", "Airport Code",
       "The three-letter code of the Zorv service airport nearest to you."},
      {1505, "fraSenderState", "State/Province",
       "The state or province of the address, where the country has them."},
      {1506, "edtSenderCity", "City", "The city of the address."},
      {1507, "edtSenderEmail", "Email", "An e-mail address Zorv may write to about shipments."},
      {1508, "edtSenderMobile", "Mobile",
       "A mobile or fax number, with its calling code chosen beside it."},
      {1509, "edtSenderTelephone", "Telephone",
       "The telephone number, with its calling code chosen beside it."},
      {1705, "fraSenderSuburb", "Suburb",
       "In countries that address by suburb, the suburb of the city."}}},
    {"sendercont.html",
     "Shipper information (continued)",
     {{1510, "", "Shipper information (continued)",
       "Your Zorv accounts and the customs details printed on export documents."},
      {1511, "edtSenderZorvAccount", "Zorv Account",
       "The account number Zorv gave you; shipments are billed to it."},
      {1512, "edtSenderTCAccount", "TC Account",
       "The account billed when the receiver pays the transport."},
      {1513, "edtSenderVATGST", "VAT/GST No.", "Your VAT or GST registration number."},
      {1514, "edtSenderReference", "Shipper Reference",
       "A reference printed on every shipment, with its reference type."},
      {1515, "edtSenderContents", "Contents",
       "The usual description of what you ship, in up to three lines."},
      {1516, "edtSenderExportLicense", "Export License",
       "The number of your export licence, if you hold one."},
      {1517, "calSenderLicenseExpiration", "License Expiration",
       "The date the export licence expires. Leave it empty when there is none."},
      {1519, "edtSenderTaxId", "Federal Tax ID", "Your federal tax identification number."},
      {1520, "edtSenderCNPJ", "State Tax ID", "Your state tax identification number."},
      {1688, "chkDestinationBilling", "Destination Billing",
       "Tick to bill shipments to some airports to other accounts; list each airport code with its "
       "account number."}}},
    {"communication.html",
     "Communication settings",
     {{1521, "", "Communication settings",
       "How this workstation reaches Zorv for each service, and how end-of-day manifests are "
       "sent."},
      {1522, "stgCSServiceSettings", "Services",
       "Each Zorv service with its connection: modem telephone numbers or the HTTP(S) server and "
       "port, and whether it is active."},
      {1526, "speCSNoOfRetries", "Dial Retries",
       "How often the modem dials again when the line is busy."},
      {1527, "chkCSEODviaFTP", "End of day via SFTP",
       "Sends the end-of-day manifest to Zorv over SFTP."},
      {1528, "chkCSEODviaEmail", "End of day via Email",
       "Sends the end-of-day manifest by e-mail."},
      {1529, "edtCSEODviaEmailAddress", "Email", "The address the end-of-day manifest is sent to."},
      {1694, "cmbModemNameList", "Default Modem",
       "The modem used for the services that dial Zorv."},
      {1696, "chkTPPviaEmail", "Forward/Return via Email",
       "Sends forward and return shipment details by e-mail."},
      {1697, "edtTPPviaEmailAddress", "Forward/Return Email",
       "The address forward and return shipment details are sent to."}}},
    {"pickup.html",
     "Pickup details",
     {{1562, "", "Pickup details", "Where and when Zorv collects your shipments by default."},
      {1564, "edtDefaultPickup", "Default Pickup Location",
       "The place shipments are usually collected from, for example the reception."},
      {1565, "edtPickup1", "Pickup Location 1", "Another place shipments may be collected from."},
      {1566, "edtPickup2", "Pickup Location 2", "Another place shipments may be collected from."},
      {1567, "edtPickup3", "Pickup Location 3", "Another place shipments may be collected from."},
      {1568, "edtPickup4", "Pickup Location 4", "Another place shipments may be collected from."},
      {1569, "speRequestCutOffMargin", "Request cut off margin",
       "Minutes before the cut-off time by which a pickup must be requested."},
      {1570, "speReadyByCloseMargin", "Ready Close Margin",
       "Minutes between the ready time and the closing time."},
      {1571, "speRequestCloseMargin", "Request Close Margin",
       "Minutes before closing by which a pickup must be requested."},
      {1572, "speReadyByCutOffMargin", "Ready By Cut-off Margin",
       "Minutes between the ready time and the cut-off time."},
      {1573, "speDefaultCloseTimeHour", "Default Close Time (hour)",
       "The hour your premises close."},
      {1574, "speDefaultCloseTimeMinute", "Default Close Time (minute)",
       "The minute your premises close."},
      {1592, "speDefaultReadyByTimeHour", "Default Ready By Time (hour)",
       "The hour shipments are usually ready."},
      {1576, "speDefaultReadyByTimeMinute", "Default Ready By Time (minute)",
       "The minute shipments are usually ready."}}},
    {"internet.html",
     "Internet settings",
     {{1561, "", "Internet settings",
       "How this workstation connects to the internet to reach Zorv."},
      {1577, "radProxyServer", "Proxy server",
       "Choose this when your network reaches the internet through a proxy server."},
      {1578, "radWithoutProxy", "Without proxy server",
       "Choose this when the workstation reaches the internet directly."},
      {1579, "radDialUp", "Dial up connection",
       "Choose this when the workstation dials up to the internet."},
      {1581, "cmbDialup", "Dial up connection name", "The dial-up connection to use."},
      {1716, "edtHTTPProxyAddress", "HTTP proxy", "The address of the proxy for HTTP."},
      {1718, "edtHTTPPortNumber", "HTTP proxy port", "The port of the proxy for HTTP."},
      {1720, "edtHTTPSProxyAddress", "HTTPS proxy", "The address of the proxy for HTTPS."},
      {1722, "edtHTTPSPortNumber", "HTTPS proxy port", "The port of the proxy for HTTPS."},
      {1724, "edtFTPProxyAddress", "SFTP proxy", "The address of the proxy for SFTP."},
      {1726, "edtFTPPortNumber", "SFTP proxy port", "The port of the proxy for SFTP."},
      {1728, "chkNTLM", "Use NTLM Authentication",
       "Tick when the proxy signs you in with your Windows domain account (NTLM)."},
      {1730, "chkUserNamePwdConfirmation", "Use username and password",
       "Tick when the proxy asks for a user name and password."},
      {1732, "edtUserName", "Username", "The user name the proxy expects."},
      {1734, "edtPassword", "Password",
       "The password the proxy expects. It is stored, never shown in the summary."},
      {1736, "chkBrowserProxysettings", "Use the browser's settings",
       "Takes the proxy settings of this computer's web browser."}}},
    {"sftp.html",
     "SFTP settings",
     {{1530, "", "SFTP settings", "The server end-of-day manifests are sent to over SFTP."},
      {1531, "edtGatewayIATA", "Gateway IATA",
       "The three-letter code of the Zorv gateway airport that receives your manifests."},
      {1532, "edtFTPHost", "Host", "The name or address of the SFTP server."},
      {1533, "edtFTPPort", "Port", "The port of the SFTP server."},
      {1534, "edtFTPPasswd", "Password", "The password of the SFTP account."},
      {1535, "edtFTPUserId", "User ID", "The user name of the SFTP account."},
      {1536, "edtFTPBuildDirPath", "Build Directory Path",
       "The server folder files are written into while they are sent."},
      {1537, "edtFTPWorkDirPath", "Work Directory Path",
       "The server folder complete files are moved to."},
      {1701, "rgpRWMnfMode", "SFTP Transfer Mode",
       "Active or passive transfer; choose passive behind most firewalls."}}},
    {"email.html",
     "Email settings",
     {{1538, "", "Email settings",
       "The mail server used to send manifests and notifications by e-mail."},
      {1539, "edtEmailHost", "Outgoing Mail Server", "The name or address of your SMTP server."},
      {1540, "edtEmailPort", "Port(SMTP)", "The port of the SMTP server, usually 25 or 587."},
      {1541, "edtEmailUserId", "User ID", "The user name for the mail server, if it asks for one."},
      {1560, "edtEmailPassword", "Password",
       "The password for the mail server, if it asks for one."}}},
    {"security.html",
     "Application security",
     {{1546, "", "Application security",
       "Whether the Zorv Morvane application asks for a password when it starts."},
      {1547, "chkApplSecurityPasswdRequired", "Password required",
       "Tick to make the application ask the default user for a password."},
      {1548, "edtApplSecurityPasswd", "Password", "The password the default user will type."},
      {1549, "edtApplSecurityRetypePasswd", "Retype password",
       "The same password again, to rule out typing errors."}}},
    {"summary.html",
     "Summary",
     {{1550, "", "Summary",
       "Everything you entered, for a last check. Press Back to change something, Next to go on to "
       "the registration."}}},
    {"siteregistration.html",
     "Site registration",
     {{1555, "", "Site registration",
       "Sends your details to Zorv and receives the site ID of this workstation."},
      {1587, "chklShipmentNoAllocation", "Shipment numbers",
       "Tick to have Zorv allocate a range of shipment numbers."},
      {1588, "chklicenceno", "Licence plate numbers",
       "Tick to have Zorv allocate a range of licence plate numbers."},
      {1589, "cmbShipNoAllocation", "Quantity of shipment numbers",
       "How many shipment numbers to ask for."},
      {1590, "cmbLPNoAlloc", "Quantity of licence plate numbers",
       "How many licence plate numbers to ask for."}}},
    {"completed.html",
     "Registration completed",
     {{1556, "", "Registration completed",
       "The site is registered. Note the site ID shown; press Finish to leave the wizard."}}},
};

QByteArray fnbaTopic(const TrecHelpPage &recPage) {
    QByteArray ba = "<html>\n<head><meta charset=\"utf-8\"><title>";
    ba += recPage.pchTitle;
    ba += "</title></head>\n<body>\n";
    for (const TrecHelpEntry &rec : recPage.arEntries) {
        ba += *rec.pchAnchor ? QByteArray("<h3><a name=\"") + rec.pchAnchor + "\"></a>" : "<h2>";
        ba += rec.pchTitle;
        ba += *rec.pchAnchor ? "</h3>\n" : "</h2>\n";
        ba += QByteArray("<p>") + rec.pchText + "</p>\n";
    }
    return ba + "</body>\n</html>\n";
}

bool fnbWrite(const QString &stFile, const QByteArray &ba, QString &stError) {
    QFile file(stFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(ba) == ba.size())
        return true;
    stError = QStringLiteral("cannot write %1").arg(stFile);
    return false;
}
} // namespace

bool fnbWriteHelpTopics(const QString &stRoot, QString &stError) {
    const QDir dirHelp(stRoot + QStringLiteral("/Help/Help_English"));
    if (!QDir().mkpath(dirHelp.path())) {
        stError = QStringLiteral("cannot create %1").arg(dirHelp.path());
        return false;
    }
    QByteArray baMap;
    for (const TrecHelpPage &recPage : carHelpPages) {
        if (!fnbWrite(dirHelp.filePath(QString::fromLatin1(recPage.pchFile)), fnbaTopic(recPage),
                      stError))
            return false;
        for (const TrecHelpEntry &rec : recPage.arEntries)
            baMap += QByteArray::number(rec.iContext) + "=" + recPage.pchFile +
                     (*rec.pchAnchor ? QByteArray("#") + rec.pchAnchor : QByteArray()) + "\n";
    }
    return fnbWrite(dirHelp.filePath(QStringLiteral("context.map")), baMap, stError);
}
