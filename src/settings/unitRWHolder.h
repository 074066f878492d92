// How a settings object takes the data holder it was handed: a holder of
// another page group, or an exception inside the work, is logged at level 3 and
// answered with the object's failure word, so nothing raises to the wizard.
#pragma once

#include "unitLogToFile.h"
#include "unitRWSettings.h"

#include <exception>

// fnWork(holder) for a holder of type T; stFailure when the holder is of
// another type or fnWork raised.
template <class T, class F>
QString fnstWithHolder(const TclsRWSettingsData &objData, const QString &stUnit,
                       const QString &stMethod, const QString &stFailure, F fnWork) {
    try {
        const auto *pobjData = dynamic_cast<const T *>(&objData);
        if (!pobjData) {
            // The text the class library gives a failed "as" cast.
            pWriteLog(3, stUnit, stMethod, QStringLiteral("Invalid class typecast"));
            return stFailure;
        }
        return fnWork(*pobjData);
    } catch (const std::exception &e) {
        pWriteLog(3, stUnit, stMethod, QString::fromLocal8Bit(e.what()));
        return stFailure;
    }
}
