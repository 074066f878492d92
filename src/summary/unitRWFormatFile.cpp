// The summary document: one element per line, labels from the resource
// strings, values escaped, passwords never written.
#include "unitRWFormatFile.h"

#include "unitSummaryResourceStrings.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"
#include "unitGlobalData.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "unitWholeFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>

#include <stdexcept>

namespace {
const QString cstUnit = QStringLiteral("unitRWFormatFile");
// The marker the sender pages store for "no licence date".
const QString cstNoDate = QStringLiteral("11-11-1999");

// Without a running GUI (a command-line run) the button face of the
// standard palette is used.
QColor fnclButtonFace() {
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor(0xF0, 0xF0, 0xF0);
}
} // namespace

TclsFormatFile::TclsFormatFile() {
    if (!fnbReadFromRegistry())
        pWriteLog(3, cstUnit, QStringLiteral("Create"),
                  QStringLiteral("Data could not be read from registry."));
    pReadConfigZorv();
    pMakeBackupDir();
}

TclsFormatFile::~TclsFormatFile() {
    pDeleteFiles();
}

bool TclsFormatFile::fnbReadFromRegistry() {
    stBaseDir = fnstWorkingBase();
    if (!stBaseDir.isEmpty() && !stBaseDir.endsWith(QLatin1Char('/')))
        stBaseDir += QLatin1Char('/');
    stInfoDir = stBaseDir + QStringLiteral("InfoFiles");
    stBackupDir = stBaseDir + QStringLiteral("Backup");
    return true;
}

void TclsFormatFile::pReadConfigZorv() {
    TobjarMVData objarRows;
    const int iCode = fniQueryRecords({{}}, objarRows, QStringLiteral("TclsConfigZorvDB"));
    const auto *pConfig = fnpFirstRecord<TclsConfigZorvData>(objarRows);
    if (iCode != dbc::iSuccess)
        pWriteLog(2, cstUnit, QStringLiteral("Create"),
                  QStringLiteral("Data could not be read from database."));
    else if (!pConfig)
        pWriteLog(2, cstUnit, QStringLiteral("Create"),
                  QStringLiteral("Not sufficient data in the config_zorv table."));
    else
        stLanguage = pConfig->language.trimmed();
}

void TclsFormatFile::pMakeBackupDir() {
    if (QDir(stBackupDir).exists())
        return;
    pWriteLog(1, cstUnit, QStringLiteral("Create"),
              QStringLiteral("Creating folder at: ") + stBackupDir);
    if (!QDir().mkpath(stBackupDir))
        throw std::runtime_error("The folder " + stBackupDir.toStdString() +
                                 " could not be created.");
}

QString TclsFormatFile::fnstSummaryFile() const {
    return stBackupDir + QStringLiteral("/Summary.html");
}

QString TclsFormatFile::fnstColToHtml(const QColor &cl) {
    // Digits in the order the colour value holds them (blue, green, red),
    // then put in the order HTML wants.
    const QString stBGR = QStringLiteral("%1%2%3")
                              .arg(cl.blue(), 2, 16, QLatin1Char('0'))
                              .arg(cl.green(), 2, 16, QLatin1Char('0'))
                              .arg(cl.red(), 2, 16, QLatin1Char('0'))
                              .toUpper();
    return QLatin1Char('#') + stBGR.mid(4, 2) + stBGR.mid(2, 2) + stBGR.mid(0, 2);
}

QString TclsFormatFile::fnstHtmlEscape(const QString &st) {
    QString stOut;
    stOut.reserve(st.size());
    for (const QChar ch : st) {
        switch (ch.unicode()) {
        case '>':
            stOut += QLatin1String("&gt;");
            break;
        case '<':
            stOut += QLatin1String("&lt;");
            break;
        case '"':
            stOut += QLatin1String("&quot;");
            break;
        case '&':
            stOut += QLatin1String("&amp;");
            break;
        case 13:
            stOut += QLatin1String("&#13;");
            break;
        case '\'':
            stOut += QLatin1String("&#39;");
            break;
        default:
            stOut += ch;
        }
    }
    return stOut;
}

QString TclsFormatFile::fnstFormatDate(const QDateTime &dt) {
    if (!dt.isValid())
        return {};
    const QString st = dt.toString(QStringLiteral("dd-MM-yyyy"));
    return st == cstNoDate ? QString() : st;
}

void TclsFormatFile::pWriteHead() {
    pWriteLine(QStringLiteral("<HTML>"));
    pWriteLine(QStringLiteral("<HEAD>"));
    pWriteLine(
        QStringLiteral("<STYLE> BODY,TABLE {font-family : \"Tahoma\"; font-size : 8pt}</STYLE>"));
    pWriteLine(QStringLiteral("<TITLE>Summary</TITLE>"));
    pWriteLine(QStringLiteral("</HEAD>"));
    pWriteLine(
        QStringLiteral("<BODY BGCOLOR=\"%1\" TOPMARGIN=\"0\" LEFTMARGIN=\"0\" "
                       "MARGINHEIGHT=\"0\" MARGINWIDTH=\"0\" ONCONTEXTMENU=\"return false;\">")
            .arg(fnstColToHtml(fnclButtonFace())));
    pWriteLine(QStringLiteral("<TABLE WIDTH=\"100%\" CELLPADDING=\"0\">"));
    pWriteLine(QStringLiteral("<COLGROUP>"));
    pWriteLine(QStringLiteral("<COL WIDTH=\"45%\">"));
    pWriteLine(QStringLiteral("<COL WIDTH=\"55%\">"));
    pWriteLine(QStringLiteral("</COLGROUP>"));
}

void TclsFormatFile::pWriteSection(const QString &stTitle) {
    pWriteLine(QStringLiteral("<TR>"));
    pWriteLine(QStringLiteral("<TD COLSPAN=2>") + fnstHtmlEscape(stTitle.toUpper()) +
               QStringLiteral("</TD>"));
    pWriteLine(QStringLiteral("</TR>"));
    pWriteLine(QStringLiteral("<TR><TD>&nbsp;</TD></TR>"));
}

void TclsFormatFile::pWriteRow(const QString &stLabel, const QString &stValue) {
    pWriteLine(QStringLiteral("<TR>"));
    pWriteLine(QStringLiteral("<TD>") + fnstHtmlEscape(stLabel) + QStringLiteral("</TD>"));
    pWriteLine(QStringLiteral("<TD>") + fnstHtmlEscape(fnstRS(rssum::rsColon)) +
               QStringLiteral(" ") + fnstHtmlEscape(stValue) + QStringLiteral("</TD>"));
    pWriteLine(QStringLiteral("</TR>"));
}

QString TclsFormatFile::fnstFormatSummary(
    const TclsRWSendersData &objSenders, const TarDestinationBilling &arDestinationBilling,
    const TclsRWCommSettingData &objCommSetting, const TclsRWFTPSettingData &objFTPSetting,
    const TclsRWEmailSettingData &objEmailSetting, const TclsRWPickupData &objPickup,
    const TclsRWProxyServerData &objProxyServer, const TclsRWApplSecurityData &objApplSecurity) {
    try {
        slLines.clear();
        pWriteHead();
        pWriteSenders(objSenders, arDestinationBilling);
        pWriteCommSetting(objCommSetting);
        pWritePickup(objPickup);
        pWriteInternet(objProxyServer);
        pWriteFTPSetting(objFTPSetting);
        pWriteEmailSetting(objEmailSetting);
        pWriteApplSecurity(objApplSecurity);
        pWriteLine(QStringLiteral("</TABLE>"));
        pWriteLine(QStringLiteral("</BODY>"));
        pWriteLine(QStringLiteral("</HTML>"));
        pWriteLog(0, cstUnit, QStringLiteral("fnstFormatSummary"),
                  QStringLiteral("Closing the file after writing the data."));
        return fnbSaveLines() ? cstSuccess : cstUnsuccess;
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("fnstFormatSummary"),
                  QString::fromLocal8Bit(e.what()));
        return cstUnsuccess;
    }
}

// UTF-8, the code page of the system on Linux; the browser control reads
// HTML without a declared charset as UTF-8, so every name comes back as typed.
bool TclsFormatFile::fnbSaveLines() {
    const QString stError = fnstWriteWholeFile(
        fnstSummaryFile(), (slLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (stError.isEmpty())
        return true;
    pWriteLog(3, cstUnit, QStringLiteral("fnstFormatSummary"),
              QStringLiteral("The file could not be written: ") + stError);
    return false;
}

void TclsFormatFile::pDeleteFiles() {
    // Removed by its full path: the process's current directory stays where
    // the relative installation paths expect it.
    const QString stFile = fnstSummaryFile();
    if (QFile::exists(stFile) && !QFile::remove(stFile))
        pWriteLog(3, cstUnit, QStringLiteral("pDeleteFiles"),
                  QStringLiteral("The file could not be deleted: ") + stFile);
}
