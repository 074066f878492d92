// The e-mail page's checks and save.
#include "unitRWEmailSetting.h"

#include "unitRWConstants.h"
#include "unitRWEmailSettingData.h"
#include "unitRWServerSettings.h"

#include "UnitMV5Records.h"

namespace {
const QString cstUnit = QStringLiteral("unitRWEmailSetting");

// The page's messages name the field by its label, then say what is wrong.
inline constexpr TResourceString rsOutgoingMailServer{
    QT_TRANSLATE_NOOP("Morvane", "Outgoing Mail Server")};
inline constexpr TResourceString rsPortSMTP{QT_TRANSLATE_NOOP("Morvane", "Port(SMTP)")};
inline constexpr TResourceString rsCannotBeBlank{QT_TRANSLATE_NOOP("Morvane", "cannot be blank")};
inline constexpr TResourceString rsCannotBeZero{QT_TRANSLATE_NOOP("Morvane", "cannot be zero")};
inline constexpr TResourceString rsMustBeWholeNumber{
    QT_TRANSLATE_NOOP("Morvane", "must be a whole number")};
inline constexpr TResourceString rsUserIdBlank{
    QT_TRANSLATE_NOOP("Morvane", "User Id cannot be blank")};

// Widths of the product configuration's SMTP columns.
constexpr int ciHostWidth = 50;
constexpr int ciPortWidth = 8;
constexpr int ciUserIdWidth = 80;
constexpr int ciPasswordWidth = 255;

QString fnstJoin(TResourceString rsField, TResourceString rsProblem) {
    return fnstRS(rsField) + QLatin1Char(' ') + fnstRS(rsProblem);
}

TrecServerSettingsCheck fnrecCheckOf(const TclsRWEmailSettingData &obj) {
    const QString stPortLog = QStringLiteral("Invalid Email Port");
    // The SMTP password may stay empty.
    return {cstUnit,
            obj.bEmailInUse,
            {obj.stHost, QStringLiteral("edtEmailHost"),
             fnstJoin(rsOutgoingMailServer, rsCannotBeBlank), QStringLiteral("Invalid Email Host")},
            {obj.stPort, QStringLiteral("edtEmailPort"), fnstJoin(rsPortSMTP, rsCannotBeBlank),
             fnstJoin(rsPortSMTP, rsCannotBeZero), fnstJoin(rsPortSMTP, rsMustBeWholeNumber),
             stPortLog},
            {{obj.stUserId, QStringLiteral("edtEmailUserId"), fnstRS(rsUserIdBlank),
              QStringLiteral("Invalid Email Userid")}}};
}

void pFillConfigMorvane(TclsConfigMorvaneData &objRow, const TclsRWEmailSettingData &obj) {
    objRow.smtp_host = fnstCut(obj.stHost, ciHostWidth);
    objRow.smtp_port = fnstCut(obj.stPort, ciPortWidth);
    objRow.smtp_user_id = fnstCut(obj.stUserId, ciUserIdWidth);
    objRow.smtp_password = fnstCut(obj.stPassword, ciPasswordWidth);
    objRow.changed_by = cstWizardUser;
}
} // namespace

QString TclsRWEmailSetting::fnstValidate(const TclsRWSettingsData &objData,
                                         TrecarErrorList &arErrors) {
    return fnstValidateServerPage(objData, arErrors, cstUnit, &fnrecCheckOf);
}

QString TclsRWEmailSetting::fnstSaveToDB(const TclsRWSettingsData &objData) {
    // Both configuration saves log the carrier table's query text.
    return fnstSaveServerPage(
        objData,
        {.stUnit = cstUnit,
         .stClassName = QStringLiteral("TclsConfigMorvaneDB"),
         .stSelectLog = QStringLiteral("Select * from config_zorv"),
         .stFreeLog = QStringLiteral("Calling FreeAndNil method on objarConfigMorvaneData")},
        &pFillConfigMorvane);
}
