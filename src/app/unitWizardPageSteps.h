// Small steps the frame and the pages share: the unit their log lines name,
// the page titles and the sender pages' captions, and giving a control the
// focus.
#pragma once

#include "unitWizardResourceStrings.h"

#include <QString>
#include <QWidget>

namespace wps {
inline const QString cstUnit = QStringLiteral("unitRegistrationWizard");

inline QString fnstTitle(int iPage) {
    return fnstRS(rs::rsarPageTitles[iPage]);
}

// A caption of the sender pages: "%S - ..." with "Shipper" for %S.
inline QString fnstShipperCaption(TResourceString rsPattern) {
    return fnstRS(rsPattern).replace(QStringLiteral("%S"), fnstRS(rs::rsShipperSubject));
}

// Only a control that can take the focus gets it: a control of another page
// is hidden and cannot.
inline void pFocus(QWidget *w) {
    if (w && w->isEnabled() && w->isVisible())
        w->setFocus();
}
} // namespace wps
