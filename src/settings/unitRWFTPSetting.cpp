// The SFTP page's checks and save.
#include "unitRWFTPSetting.h"

#include "unitRWConstants.h"
#include "unitRWFTPSettingData.h"
#include "unitRWServerSettings.h"

#include "UnitMV5Records.h"

namespace {
const QString cstUnit = QStringLiteral("unitRWFTPSetting");

inline constexpr TResourceString rsHostBlank{QT_TRANSLATE_NOOP("Morvane", "Host cannot be blank")};
inline constexpr TResourceString rsPortZero{QT_TRANSLATE_NOOP("Morvane", "Port cannot be zero")};
inline constexpr TResourceString rsPortBlank{QT_TRANSLATE_NOOP("Morvane", "Port cannot be blank")};
inline constexpr TResourceString rsPortNotNumber{
    QT_TRANSLATE_NOOP("Morvane", "Port must be a whole number")};
inline constexpr TResourceString rsUserIdBlank{
    QT_TRANSLATE_NOOP("Morvane", "User Id cannot be blank")};
inline constexpr TResourceString rsPasswordBlank{
    QT_TRANSLATE_NOOP("Morvane", "Password cannot be blank")};
inline constexpr TResourceString rsBuildDirBlank{
    QT_TRANSLATE_NOOP("Morvane", "Build Directory Path cannot be blank")};
inline constexpr TResourceString rsWorkDirBlank{
    QT_TRANSLATE_NOOP("Morvane", "Work Directory Path cannot be blank")};

// Widths of the carrier configuration's FTP columns.
constexpr int ciHostWidth = 50;
constexpr int ciPortWidth = 8;
constexpr int ciUserIdWidth = 35;
constexpr int ciPasswordWidth = 25;
constexpr int ciDirWidth = 250;

TrecServerSettingsCheck fnrecCheckOf(const TclsRWFTPSettingData &obj) {
    return {cstUnit,
            obj.bFTPInUse,
            {obj.stHost, QStringLiteral("edtFTPHost"), fnstRS(rsHostBlank),
             QStringLiteral("Blank FTP host")},
            {obj.stPort, QStringLiteral("edtFTPPort"), fnstRS(rsPortBlank), fnstRS(rsPortZero),
             fnstRS(rsPortNotNumber), QStringLiteral("Invalid FTP port")},
            {{obj.stUserId, QStringLiteral("edtFTPUserId"), fnstRS(rsUserIdBlank),
              QStringLiteral("Invalid FTP UserId")},
             {obj.stPassword, QStringLiteral("edtFTPPasswd"), fnstRS(rsPasswordBlank),
              QStringLiteral("Invalid FTP password")},
             {obj.stBuildDirPath, QStringLiteral("edtFTPBuildDirPath"), fnstRS(rsBuildDirBlank),
              QStringLiteral("Invalid FTP Build Dir Path")},
             {obj.stWorkDirPath, QStringLiteral("edtFTPWorkDirPath"), fnstRS(rsWorkDirBlank),
              QStringLiteral("Invalid FTP Work Dir Path")}}};
}

void pFillConfigZorv(TclsConfigZorvData &objRow, const TclsRWFTPSettingData &obj) {
    objRow.ftp_host = fnstCut(obj.stHost, ciHostWidth);
    objRow.ftp_port = fnstCut(obj.stPort, ciPortWidth);
    objRow.ftp_user_id = fnstCut(obj.stUserId, ciUserIdWidth);
    objRow.ftp_password = fnstCut(obj.stPassword, ciPasswordWidth);
    objRow.ftp_build_dir = fnstCut(obj.stBuildDirPath, ciDirWidth);
    objRow.ftp_work_dir = fnstCut(obj.stWorkDirPath, ciDirWidth);
    objRow.manifest_mode = static_cast<qint16>(obj.iManifestMode);
    objRow.changed_by = cstWizardUser;
}
} // namespace

QString TclsRWFTPSetting::fnstValidate(const TclsRWSettingsData &objData,
                                       TrecarErrorList &arErrors) {
    return fnstValidateServerPage(objData, arErrors, cstUnit, &fnrecCheckOf);
}

QString TclsRWFTPSetting::fnstSaveToDB(const TclsRWSettingsData &objData) {
    return fnstSaveServerPage(
        objData,
        {.stUnit = cstUnit,
         .stClassName = QStringLiteral("TclsConfigZorvDB"),
         .stSelectLog = QStringLiteral("Select * from config_zorv"),
         .stFreeLog = QStringLiteral("Calling FreeAndNil method on objarConfigZorvData")},
        &pFillConfigZorv);
}
