// TclsFormatFile: writes "Summary.html", the page that shows the user
// everything entered before the site is registered, and removes it again when
// the wizard ends.
#pragma once

#include "unitRWApplSecurityData.h"
#include "unitRWCommSettingData.h"
#include "unitRWEmailSettingData.h"
#include "unitRWFTPSettingData.h"
#include "UnitRWPickupDetailsData.h"
#include "unitRWProxyServerData.h"
#include "unitRWSendersData.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Airport code and account number of each destination-billing entry.
using TarDestinationBilling = std::vector<std::pair<QString, QString>>;

class TclsFormatFile {
public:
    // Takes the folders from the current directory, reads the carrier
    // configuration row and makes the backup folder; throws std::runtime_error
    // when that folder cannot be made.
    TclsFormatFile();
    ~TclsFormatFile();
    TclsFormatFile(const TclsFormatFile &) = delete;
    TclsFormatFile &operator=(const TclsFormatFile &) = delete;

    // The working base (ending in "/"), its "InfoFiles" and "Backup" folders.
    bool fnbReadFromRegistry();
    const QString &fnstBaseDir() const { return stBaseDir; }
    const QString &fnstInfoDir() const { return stInfoDir; }
    const QString &fnstBackupDir() const { return stBackupDir; }
    // The installation's language as the carrier configuration row holds it.
    const QString &fnstLanguage() const { return stLanguage; }
    // The full path of the summary document.
    QString fnstSummaryFile() const;

    // Writes the document; "success", or "unsuccess" when it could not be written.
    QString fnstFormatSummary(
        const TclsRWSendersData &objSenders, const TarDestinationBilling &arDestinationBilling,
        const TclsRWCommSettingData &objCommSetting, const TclsRWFTPSettingData &objFTPSetting,
        const TclsRWEmailSettingData &objEmailSetting, const TclsRWPickupData &objPickup,
        const TclsRWProxyServerData &objProxyServer, const TclsRWApplSecurityData &objApplSecurity);
    // One service block of the communication section.
    void pWriteService(const QString &stService, const QString &stPhone1, const QString &stPhone2,
                       bool bActive, const QString &stMode, const QString &stServer,
                       const QString &stPort);
    void pDeleteFiles();

    // "#RRGGBB" in upper-case hexadecimal digits.
    static QString fnstColToHtml(const QColor &cl);
    // The text with > < " & CR and ' replaced by their character references.
    static QString fnstHtmlEscape(const QString &st);
    // "dd-mm-yyyy"; empty for no date and for the 11-11-1999 no-date marker.
    static QString fnstFormatDate(const QDateTime &dt);

private:
    void pReadConfigZorv();
    void pMakeBackupDir();
    void pWriteLine(const QString &stLine) { slLines << stLine; }
    void pWriteHead();
    void pWriteSection(const QString &stTitle);
    void pWriteRow(const QString &stLabel, const QString &stValue);
    void pWriteSenders(const TclsRWSendersData &obj, const TarDestinationBilling &arBilling);
    void pWriteCommSetting(const TclsRWCommSettingData &obj);
    void pWritePickup(const TclsRWPickupData &obj);
    void pWriteInternet(const TclsRWProxyServerData &obj);
    void pWriteFTPSetting(const TclsRWFTPSettingData &obj);
    void pWriteEmailSetting(const TclsRWEmailSettingData &obj);
    void pWriteApplSecurity(const TclsRWApplSecurityData &obj);
    bool fnbSaveLines();

    QString stBaseDir, stInfoDir, stBackupDir;
    QString stLanguage;
    QStringList slLines;
};
