// The registration's outcomes, from the words the libraries answer.
#include "unitRegistrationOutcome.h"

#include "unitRWSettings.h"
#include "unitSiteRegistration.h"
#include "unitWizardResourceStrings.h"

#include <utility>
#include <vector>

TRegistrationOutcome fnenRegistrationOutcome(const QString &stWords) {
    const std::vector<std::pair<QString, TRegistrationOutcome>> arWords = {
        {fnstRS(rs::rsObjectNotAssigned), roObjectNotAssigned},
        {fnstRS(rs::rsNotSufficientDataForSiteReg), roInsufficientData},
        {fnstSiteRegistrationFailedText(), roFailed},
        {QStringLiteral("FAILURE"), roFailed},
        {QStringLiteral("US RUZ Server does not support Site Registration"), roRuzWithoutSiteReg},
        {QStringLiteral("Error in Modem Connection"), roModemError},
        {QStringLiteral("Error in modem communication"), roModemError},
        {cstUnsuccess, roManualAbandoned},
    };
    for (const auto &[stKnown, enOutcome] : arWords)
        if (stWords == stKnown)
            return enOutcome;
    return stWords.trimmed().isEmpty() ? roNoSiteId : roRegistered;
}
