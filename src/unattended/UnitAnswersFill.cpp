// Filling one wizard page from the answers file.
#include "UnitAnswersFill.h"

#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "UnitMvDateEdit.h"
#include "unitRegistrationWizard.h"
#include "UnitServiceGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace {
void pSendKey(QWidget *w, int iKey, const QString &stText = {}) {
    QKeyEvent evPress(QEvent::KeyPress, iKey, Qt::NoModifier, stText);
    QApplication::sendEvent(w, &evPress);
    QKeyEvent evRelease(QEvent::KeyRelease, iKey, Qt::NoModifier, stText);
    QApplication::sendEvent(w, &evRelease);
}

// Focus, select what is there, type over it.
void pType(QLineEdit *edt, const QString &stText) {
    edt->setFocus(Qt::OtherFocusReason);
    edt->selectAll();
    if (stText.isEmpty())
        pSendKey(edt, Qt::Key_Delete);
    for (const QChar ch : stText)
        pSendKey(edt, ch.toUpper().unicode(), QString(ch));
}

bool fnbSpin(QSpinBox *spe, int iValue, QString &stWhy) {
    if (iValue < spe->minimum() || iValue > spe->maximum()) {
        stWhy = QStringLiteral("%1 is outside %2 to %3")
                    .arg(iValue)
                    .arg(spe->minimum())
                    .arg(spe->maximum());
        return false;
    }
    spe->setFocus(Qt::OtherFocusReason);
    spe->setValue(iValue);
    return true;
}

bool fnbCombo(QComboBox *cmb, const QString &stValue, QString &stWhy) {
    cmb->setFocus(Qt::OtherFocusReason);
    if (cmb->isEditable()) {
        cmb->setEditText(stValue);
        return true;
    }
    const int i = cmb->findText(stValue, Qt::MatchFixedString);
    if (i < 0) {
        QStringList sl;
        for (int j = 0; j < cmb->count(); ++j)
            sl << cmb->itemText(j);
        stWhy = QStringLiteral("\"") + stValue + QStringLiteral("\" is not in the list (") +
                sl.join(QStringLiteral(", ")) + QLatin1Char(')');
        return false;
    }
    cmb->setCurrentIndex(i);
    return true;
}

template <class T> T *fnpFind(QWidget &frm, const QString &stName, QString &stWhy) {
    T *p = frm.findChild<T *>(stName);
    if (!p)
        stWhy = QStringLiteral("the page has no field ") + stName;
    return p;
}

bool fnbClickWhenOther(QAbstractButton *btn, bool bWanted) {
    if (btn->isChecked() != bWanted) {
        btn->setFocus(Qt::OtherFocusReason);
        btn->click();
    }
    return true;
}

bool fnbRadio(QWidget &frm, const TrecAnswerKey &rec, const QString &stValue, QString &stWhy) {
    for (const auto &[stChoice, stControl] : fnarRadioChoices(rec))
        if (stChoice.compare(stValue, Qt::CaseInsensitive) == 0)
            if (auto *rad = fnpFind<QAbstractButton>(frm, stControl, stWhy)) {
                rad->setFocus(Qt::OtherFocusReason);
                rad->click();
                return true;
            }
    return false;
}

bool fnbTime(QWidget &frm, const TrecAnswerKey &rec, const QString &stValue, QString &stWhy) {
    const QStringList slNames = QString::fromLatin1(rec.pchControl).split(QLatin1Char(';'));
    const QStringList slParts = stValue.split(QLatin1Char(':'));
    for (int i = 0; i < 2; ++i) {
        auto *spe = fnpFind<QSpinBox>(frm, slNames[i], stWhy);
        if (!spe || !fnbSpin(spe, slParts[i].toInt(), stWhy))
            return false;
    }
    return true;
}

// Why the value does not fit a field that takes at most iLimit characters;
// empty when it fits. The user cannot type more than that; a longer answer
// is refused rather than cut.
QString fnstTooLong(const QString &stValue, int iLimit) {
    if (iLimit <= 0 || stValue.size() <= iLimit)
        return {};
    return QStringLiteral("the value is %1 characters long; the field takes at most %2")
        .arg(stValue.size())
        .arg(iLimit);
}

// The line edit a value of the key is typed into: the control's own, an
// editable combo box's, or that of the combo box inside a lookup frame.
const QLineEdit *fnedtTypedInto(QWidget &frm, const TrecAnswerKey &rec) {
    static const std::pair<TAnswerKind, const char *> arFrameCombos[] = {
        {akCountry, "cmbCountryCode"},
        {akState, "cmbState"},
        {akSuburb, "cmbSuburb"},
        {akIATA, "cmbIATA"}};
    QWidget *w = frm.findChild<QWidget *>(QString::fromLatin1(rec.pchControl));
    for (const auto &[enKind, pchCombo] : arFrameCombos)
        if (w && rec.enKind == enKind)
            w = w->findChild<QComboBox *>(QLatin1String(pchCombo));
    if (auto *cmb = qobject_cast<QComboBox *>(w))
        return cmb->lineEdit();
    return qobject_cast<QLineEdit *>(w);
}

QString fnstTooLongFor(QWidget &frm, const TrecAnswerKey &rec, const QString &stValue) {
    const QLineEdit *edt = fnedtTypedInto(frm, rec);
    return edt ? fnstTooLong(stValue, edt->maxLength()) : QString();
}

// One fixed key; false with stWhy.
bool fnbFillOne(QWidget &frm, const TrecAnswerKey &rec, const QString &stValue, QString &stWhy) {
    const QString stName = QString::fromLatin1(rec.pchControl);
    switch (rec.enKind) {
    case akText:
        if (auto *edt = fnpFind<QLineEdit>(frm, stName, stWhy)) {
            pType(edt, stValue);
            return true;
        }
        return false;
    case akCheck:
        if (auto *chk = fnpFind<QAbstractButton>(frm, stName, stWhy))
            return fnbClickWhenOther(chk, fnbYes(stValue));
        return false;
    case akRadio:
        return fnbRadio(frm, rec, stValue, stWhy);
    case akCombo:
        if (auto *cmb = fnpFind<QComboBox>(frm, stName, stWhy))
            return fnbCombo(cmb, stValue, stWhy);
        return false;
    case akSpin:
        if (auto *spe = fnpFind<QSpinBox>(frm, stName, stWhy))
            return fnbSpin(spe, stValue.toInt(), stWhy);
        return false;
    case akTime:
        return fnbTime(frm, rec, stValue, stWhy);
    case akDate:
        if (auto *cal = fnpFind<TmvDateEdit>(frm, stName, stWhy)) {
            cal->setFocus(Qt::OtherFocusReason);
            cal->pSetDate(QDate::fromString(stValue, Qt::ISODate));
            return true;
        }
        return false;
    case akCountry:
        if (auto *fra = fnpFind<TfraCountry>(frm, stName, stWhy)) {
            fra->pSetCountryCode(stValue);
            return true;
        }
        return false;
    case akState:
        if (auto *fra = fnpFind<TfraState>(frm, stName, stWhy)) {
            fra->pSetState(stValue);
            return true;
        }
        return false;
    case akSuburb:
        if (auto *fra = fnpFind<TfraSuburb>(frm, stName, stWhy)) {
            fra->pSetSuburb(stValue);
            return true;
        }
        return false;
    case akIATA:
        if (auto *fra = fnpFind<TfraIATA>(frm, stName, stWhy)) {
            fra->pSetIATA(stValue);
            return true;
        }
        return false;
    }
    return false;
}

// "Service = Activate, Mode, Primary Phone, Secondary Phone, Server, Port";
// a field left empty keeps what the grid shows.
bool fnbFillService(QWidget &frm, const TrecAnswer &rec, QString &stWhy) {
    auto *stg = fnpFind<QTableWidget>(frm, QStringLiteral("stgCSServiceSettings"), stWhy);
    auto *objGrid = stg ? stg->findChild<TclsServiceGrid *>() : nullptr;
    if (!objGrid)
        return false;
    const int iRow = objGrid->fniRowOf(rec.stKey);
    if (iRow < 0) {
        stWhy = QStringLiteral("the communication page lists no service \"") + rec.stKey +
                QLatin1Char('"');
        return false;
    }
    const QStringList slFields = rec.stValue.split(QLatin1Char(','));
    if (slFields.size() > sgcColumnCount - 1) {
        stWhy = QStringLiteral("at most six fields: Activate, Mode, Primary Phone, Secondary "
                               "Phone, Server, Port");
        return false;
    }
    stg->setFocus(Qt::OtherFocusReason);
    for (qsizetype i = 0; i < slFields.size(); ++i) {
        const QString stField = slFields[i].trimmed();
        const int iColumn = int(i) + sgcActivated;
        if (stField.isEmpty())
            continue;
        stWhy = fnstTooLong(stField, TclsServiceGrid::fniTextLimit(iColumn));
        if (!stWhy.isEmpty())
            return false;
        if (iColumn == sgcActivated) {
            objGrid->pSetActivated(iRow, stField);
        } else if (QTableWidgetItem *itm = stg->item(iRow, iColumn)) {
            if (!(itm->flags() & Qt::ItemIsEditable)) {
                stWhy = QStringLiteral("the service's column %1 cannot be changed").arg(i + 1);
                return false;
            }
            itm->setText(stField);
        }
    }
    return true;
}

// "AIRPORT = ACCOUNT": a row added through the grid's menu and typed into
// its two editors, as the user does.
bool fnbFillDestinationBilling(QWidget &frm, const TrecAnswer &rec, QString &stWhy) {
    auto *stg =
        fnpFind<QTableWidget>(frm, QStringLiteral("stgdestinationBillingStringGrid"), stWhy);
    auto *mnuAdd = frm.findChild<QAction *>(QStringLiteral("mnuDestbillingAdd"));
    if (!stg || !mnuAdd || !mnuAdd->isEnabled()) {
        stWhy = QStringLiteral("rows can only be added with \"Destination Billing = Yes\"");
        return false;
    }
    mnuAdd->trigger();
    const int iRow = stg->rowCount() - 1;
    QCoreApplication::processEvents();
    // The open editor is the visible one: a closed editor may wait for its
    // deletion beside it.
    for (QComboBox *cmb :
         stg->viewport()->findChildren<QComboBox *>(QString(), Qt::FindDirectChildrenOnly))
        if (cmb->isVisible()) {
            stWhy = fnstTooLong(rec.stKey, cmb->lineEdit()->maxLength());
            if (!stWhy.isEmpty())
                return false;
            cmb->setEditText(rec.stKey);
        }
    stg->setCurrentCell(iRow, 1);
    QCoreApplication::processEvents();
    for (QLineEdit *edt :
         stg->viewport()->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly))
        if (edt->isVisible()) {
            stWhy = fnstTooLong(rec.stValue, edt->maxLength());
            if (!stWhy.isEmpty())
                return false;
            pType(edt, rec.stValue);
        }
    stg->setCurrentCell(iRow, 0);
    QCoreApplication::processEvents();
    return true;
}
} // namespace

bool fnbFillPage(QWidget &frm, int iPage, const TclsAnswersFile &objAnswers, QString &stError) {
    QString stWhy;
    const auto fnbFailed = [&](const TrecAnswer &rec) {
        stError = objAnswers.fnstWhere(rec) + rec.stKey + QStringLiteral(": ") + stWhy;
        return false;
    };
    for (const TrecAnswer &rec : objAnswers.fnarPage(iPage)) {
        stWhy = fnstTooLongFor(frm, *rec.pKey, rec.stValue);
        if (!stWhy.isEmpty() || !fnbFillOne(frm, *rec.pKey, rec.stValue, stWhy))
            return fnbFailed(rec);
        QCoreApplication::processEvents();
    }
    if (iPage == wpCommSetting)
        for (const TrecAnswer &rec : objAnswers.fnarSection(cstServicesSection))
            if (!fnbFillService(frm, rec, stWhy))
                return fnbFailed(rec);
    if (iPage == wpSenderInfoCont)
        for (const TrecAnswer &rec : objAnswers.fnarSection(cstDestinationBillingSection))
            if (!fnbFillDestinationBilling(frm, rec, stWhy))
                return fnbFailed(rec);
    return true;
}
