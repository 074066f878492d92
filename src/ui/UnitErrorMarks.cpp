// Error marks on fields.
#include "UnitErrorMarks.h"

#include "UnitControlLookup.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>

namespace {
// The combo through which a lookup frame shows its value.
const char *const carFrameCombos[] = {"cmbCountryName", "cmbIATA", "cmbState", "cmbSuburb"};

bool fnbField(const QWidget *w) {
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QTextEdit *>(w);
}
} // namespace

QWidget *TclsErrorMarks::fnwTarget(const QString &stControlName) const {
    QWidget *w = fnwFindControl(wForm, stControlName);
    if (!w || fnbField(w))
        return w;
    for (const char *pchCombo : carFrameCombos)
        if (auto *cmb = w->findChild<QComboBox *>(QString::fromLatin1(pchCombo)))
            return cmb;
    return nullptr;
}

void TclsErrorMarks::pMark(const QStringList &slControlNames, const QColor &clColour) const {
    for (const QString &stName : slControlNames) {
        QWidget *w = fnwTarget(stName);
        if (!w)
            continue;
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, clColour);
        if (qobject_cast<QComboBox *>(w))
            pal.setColor(QPalette::Button, clColour); // a drop-down list shows its button colour
        w->setPalette(pal);
    }
}

void TclsErrorMarks::pFocus(const QString &stControlName) const {
    QWidget *w = fnwTarget(stControlName);
    if (w && w->isEnabled() && w->isVisible())
        w->setFocus();
}

QColor fnclFieldColour(const QWidget *w) {
    return w->palette().color(QPalette::Base);
}
