// The communication page while the user edits it: the e-mail boxes and their
// addresses, the Forward/Return service against its e-mail variant, the
// number of retries, and what entering the page puts right.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_CommSetting.h"

#include "UnitFieldMarks.h"
#include "unitServiceGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

namespace {
const QString cstOneRetry = QStringLiteral("1");

// An emptied number of retries shows "1" at once, selected, so the next digit
// typed replaces it.
class TclsRetriesKeys : public QObject {
public:
    TclsRetriesKeys(QSpinBox *spe, QLineEdit *edt) : QObject(spe), spe(spe), edt(edt) {}

protected:
    bool eventFilter(QObject *obj, QEvent *event) override {
        if (event->type() == QEvent::KeyRelease && edt->text().isEmpty()) {
            edt->setText(cstOneRetry);
            spe->interpretText();
            edt->selectAll();
        }
        return QObject::eventFilter(obj, event);
    }

private:
    QSpinBox *spe;
    QLineEdit *edt;
};

// Leaving with a number that comes to 0 keeps one retry.
void pRetriesExit(QSpinBox *spe, QLineEdit *edt) {
    if (edt->text().trimmed().toInt() != 0)
        return;
    edt->setText(cstOneRetry);
    spe->interpretText();
}
} // namespace

void TfrmRegistrationWizard::pSetEmailAddressEnabled(QLineEdit *edt, bool bEnabled) {
    pEnableField(edt, bEnabled);
}

void TfrmRegistrationWizard::pConnectCommSettingEvents() {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
    connect(pg.chkCSEODviaEmail, &QCheckBox::clicked, this,
            &TfrmRegistrationWizard::chkCSEODviaEmailClick);
    connect(pg.chkTPPviaEmail, &QCheckBox::clicked, this,
            &TfrmRegistrationWizard::chkTPPviaEmailClick);
    connect(objServiceGrid, &TclsServiceGrid::ForwardReturnActivationChanged, this,
            &TfrmRegistrationWizard::pForwardReturnActivationChanged);
    QSpinBox *spe = pg.speCSNoOfRetries;
    auto *edt = spe->findChild<QLineEdit *>();
    auto *objKeys = new TclsRetriesKeys(spe, edt);
    spe->installEventFilter(objKeys);
    edt->installEventFilter(objKeys);
    pOnFocusExit(spe, [spe, edt](QWidget *) { pRetriesExit(spe, edt); });
    connect(ui->pgcRegistrationWizard, &QStackedWidget::currentChanged, this, [this](int iPage) {
        if (iPage == wpCommSetting)
            pCommSettingPageEntered();
    });
}

void TfrmRegistrationWizard::chkCSEODviaEmailClick() {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
    const bool bTicked = pg.chkCSEODviaEmail->isChecked();
    if (!bTicked)
        pg.edtCSEODviaEmailAddress->clear();
    pSetEmailAddressEnabled(pg.edtCSEODviaEmailAddress, bTicked);
}

// Returns go either through the host's Forward/Return service or by e-mail,
// never both.
void TfrmRegistrationWizard::chkTPPviaEmailClick() {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
    const bool bTicked = pg.chkTPPviaEmail->isChecked();
    if (bTicked)
        objServiceGrid->pSetServiceActivated(fnarCommServiceNames()[csForwardReturn],
                                             cstActivatedForcedOff);
    else
        pg.edtTPPviaEmailAddress->clear();
    pSetEmailAddressEnabled(pg.edtTPPviaEmailAddress, bTicked);
}

void TfrmRegistrationWizard::pForwardReturnActivationChanged(bool bActivated) {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
    if (bActivated) {
        pg.chkTPPviaEmail->setChecked(false);
        pg.chkTPPviaEmail->setEnabled(false);
    } else {
        if (!objServiceGrid->fnbEmailFeature())
            return;
        pg.chkTPPviaEmail->setEnabled(true);
    }
    pg.edtTPPviaEmailAddress->clear();
    pSetEmailAddressEnabled(pg.edtTPPviaEmailAddress, pg.chkTPPviaEmail->isChecked());
}

void TfrmRegistrationWizard::pCommSettingPageEntered() {
    Ui::TfraCommSettingPage &pg = *uiCommSetting;
    const QString &stForwardReturn = fnarCommServiceNames()[csForwardReturn];
    const int iRow = objServiceGrid->fniRowOf(stForwardReturn);
    if (iRow >= 0 && objServiceGrid->fnbActivated(iRow)) {
        pg.chkTPPviaEmail->setChecked(false);
        pg.chkTPPviaEmail->setEnabled(false);
        pg.edtTPPviaEmailAddress->clear();
        pSetEmailAddressEnabled(pg.edtTPPviaEmailAddress, false);
    } else if (pg.chkTPPviaEmail->isChecked() && objServiceGrid->fnbEmailFeature()) {
        objServiceGrid->pSetServiceActivated(stForwardReturn, cstActivatedForcedOff);
    }
}
