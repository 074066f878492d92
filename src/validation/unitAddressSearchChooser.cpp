// Opening the destination-station and directory lists for the address checks.
#include "unitAddressSearchChooser.h"

#include "UnitSearchList.h"
#include "UnitSearchListAdaptors.h"

#include <QPointer>

namespace {
TrecStationChoice fnrecChoiceOfRow(const TrecSearchRecord &rec) {
    const auto fnst = [&](const char *pchField) {
        return rec.value(QLatin1String(pchField)).trimmed();
    };
    return {fnst("COUNTRY_CD"), fnst("COUNTRY_NAME"), fnst("IATA"),         fnst("CITY"),
            fnst("STATE"),      fnst("POSTCODE_LOW"), fnst("POSTCODE_HIGH")};
}
} // namespace

TAddressChooser fnAddressSearchChooser(QWidget *wParent) {
    return [wpParent = QPointer<QWidget>(wParent)](
               const TrecAddressSearch &rec) -> std::optional<TrecStationChoice> {
        const bool bStations = rec.iList == TAddressSearchList::aslDestinationStations;
        const TrecSearchListAdaptor recAdaptor = bStations
                                                     ? fnrecEsdAdaptor(rec.stCountryCode)
                                                     : fnrecDirectoryAdaptor(rec.stCountryCode);
        const auto oRow =
            fnoRunSearchList(recAdaptor, wpParent, bStations ? rec.stCity : QString());
        if (!oRow)
            return std::nullopt;
        return fnrecChoiceOfRow(*oRow);
    };
}
