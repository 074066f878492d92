// The telephone and mobile fields' exit check.
#include "unitPhoneFieldCheck.h"

#include "unitCommonBusinessFunctions.h"
#include "UnitLibPhonenumberAccess.h"
#include "unitLogToFile.h"
#include "unitPhoneStrings.h"

#include <algorithm>

TrecPhoneFieldOutcome fnrecCheckPhoneField(const QString &stFieldText,
                                           const QString &stCallingCodeText,
                                           const QString &stSenderCountry,
                                           const QString &stNumberType) {
    TrecPhoneFieldOutcome rec;
    if (!fnbPhoneMetadataAvailable() || stFieldText.trimmed().isEmpty())
        return rec;
    rec.bChecked = true;
    QString stNational;
    QString stCode;
    rec.bValid = fnbValidatePhoneNumber(stFieldText.trimmed(), stCallingCodeText, {stSenderCountry},
                                        stNumberType, stNational, stCode);
    if (rec.bValid) {
        rec.stCallingCode = QLatin1Char('+') + stCode;
        rec.stNationalNumber = stNational;
        return rec;
    }
    rec.stErrorText = fnstRS(rsPhoneNumberNotValid).replace(QLatin1String("%s"), QString()) +
                      QStringLiteral("\r\n") + fnstPhoneValidationMessage();
    return rec;
}

void pApplyPhoneFieldOutcome(const TrecPhoneFieldOutcome &rec, const QString &stControlName,
                             TrecarErrorList &arErrors) {
    if (!rec.bChecked)
        return;
    if (rec.bValid) {
        std::erase_if(arErrors, [&](const TrecMVErrorRecord &recError) {
            return recError.stControlName.compare(stControlName, Qt::CaseInsensitive) == 0;
        });
        return;
    }
    arErrors.push_back({stControlName, rec.stErrorText, 0, 0});
    pWriteLog(0, QStringLiteral("unitRegistrationWizard"), stControlName + QStringLiteral("Exit"),
              QStringLiteral("TEMP_LOG : Error List Size : ") + QString::number(arErrors.size()));
}
