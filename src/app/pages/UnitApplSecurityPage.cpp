// The application-security page: an optional password the shipping
// application asks of its DEFAULT user at start, and the rules it must meet.
#include "UnitApplSecurityPage.h"

#include "ui_UnitApplSecurityPage.h"

#include "UnitFieldMarks.h"
#include "unitLogToFile.h"
#include "UnitMV5Records.h"
#include "unitWizardMessages.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>

#include <utility>

using wps::cstUnit;

using wps::pFocus;

namespace {
constexpr int ciMinPasswordLength = 4;
// After this many mismatches both fields start over.
constexpr int ciMaxMismatches = 3;

QString fnstSentence(TResourceString rsText) {
    return fnstRS(rsText) + QStringLiteral(".");
}

QString fnstMismatchMessage() {
    return fnstRS(rs::rsPasswordsDoNotMatch) + QStringLiteral(". ") +
           fnstSentence(rs::rsReenterPassword);
}
} // namespace

TfraApplSecurityPage::TfraApplSecurityPage(QWidget *parent)
    : TfraWizardPage(parent), ui(std::make_unique<Ui::TfraApplSecurityPage>()) {
    ui->setupUi(this);
}

TfraApplSecurityPage::~TfraApplSecurityPage() = default;

void TfraApplSecurityPage::pInitializeComponents() {
    Ui::TfraApplSecurityPage &pg = *ui;
    pg.lblApplSecurity->setText(fnstSentence(rs::rsApplSecurity));
    pg.lblApplSecurityPasswdRequired->setText(fnstRS(rs::rsApplSecurityPasswdRequired));
    pg.lblApplSecurityPasswd->setText(fnstLabel(rs::rsApplSecurityPasswd));
    pg.lblApplSecurityRetypePasswd->setText(fnstLabel(rs::rsApplSecurityRetypePasswd));
    connect(pg.chkApplSecurityPasswdRequired, &QCheckBox::toggled, this,
            &TfraApplSecurityPage::pEnablePasswords, Qt::UniqueConnection);
    pEnablePasswords(pg.chkApplSecurityPasswdRequired->isChecked());
}

void TfraApplSecurityPage::pEnablePasswords(bool bEnabled) {
    pEnableField(ui->edtApplSecurityPasswd, bEnabled);
    pEnableField(ui->edtApplSecurityRetypePasswd, bEnabled);
}

bool TfraApplSecurityPage::fnbPopulate(const TrecInstallationRows &recRows) {
    const auto *pUser = fnpFirstRecord<TclsUsersData>(recRows.objarUsersData);
    if (!pUser)
        return true;
    Ui::TfraApplSecurityPage &pg = *ui;
    pg.edtApplSecurityPasswd->setText(pUser->password);
    pg.edtApplSecurityRetypePasswd->setText(pUser->password);
    // The DEFAULT user has a password exactly when one was stored for it.
    const bool bRequired = !pUser->password.isEmpty();
    pg.chkApplSecurityPasswdRequired->setChecked(bRequired);
    pEnablePasswords(bRequired);
    return true;
}

void TfraApplSecurityPage::pReadFromScreen(TrecWizardData &recData) const {
    pWriteLog(1, cstUnit, QStringLiteral("pReadFromApplSecurityScreen"),
              QStringLiteral("Inside pReadFromApplSecurityScreen."));
    TclsRWApplSecurityData &obj = recData.objApplSecurityData;
    obj.bPasswordRequired = ui->chkApplSecurityPasswdRequired->isChecked();
    // Unticked, the holder keeps the password it had. Blanks are part of a
    // password: it is taken as typed.
    if (obj.bPasswordRequired)
        obj.stPassword = ui->edtApplSecurityPasswd->text();
}

void TfraApplSecurityPage::pEntered(const TrecWizardData &) {
    if (!ui->chkApplSecurityPasswdRequired->isChecked())
        pEnablePasswords(false);
}

QWidget *TfraApplSecurityPage::fnwFirstField() const {
    return ui->chkApplSecurityPasswdRequired;
}

QLineEdit *TfraApplSecurityPage::fnedtPassword() const {
    return ui->edtApplSecurityPasswd;
}

void TfraApplSecurityPage::pResetRetypePasswd() {
    QLineEdit *edt = ui->edtApplSecurityRetypePasswd;
    edt->clear();
    pEnableField(edt, false);
}

bool TfraApplSecurityPage::fnbPasswordFieldLeft(QWidget *wTo) {
    const Ui::TfraApplSecurityPage &pg = *ui;
    // Unticking the box or leaving the page is no reason to insist on the
    // password.
    if (!pg.chkApplSecurityPasswdRequired->isChecked() || !wTo ||
        wTo == pg.chkApplSecurityPasswdRequired || wTo == this)
        return false;
    QLineEdit *edtPasswd = pg.edtApplSecurityPasswd;
    QLineEdit *edtRetype = pg.edtApplSecurityRetypePasswd;
    const QString stPassword = edtPasswd->text();
    const QString stRetype = edtRetype->text();
    QString stMessage;
    QLineEdit *edtToCorrect = edtPasswd;
    if (stPassword.isEmpty() || stPassword.size() < ciMinPasswordLength) {
        stMessage =
            fnstSentence(stPassword.isEmpty() ? rs::rsPasswordBlank : rs::rsPasswordTooShort);
        pResetRetypePasswd();
    } else if (edtRetype->isEnabled() && stRetype.isEmpty()) {
        // Moving on to the re-type field is the user confirming the password,
        // not leaving it unconfirmed.
        if (!std::exchange(bNextFromPasswdField, false) && wTo != edtRetype)
            stMessage = fnstSentence(rs::rsPasswordBlank);
        edtToCorrect = edtRetype;
    } else if (!stRetype.isEmpty() && stPassword != stRetype) {
        stMessage = fnstMismatchMessage();
        edtToCorrect = edtRetype;
    }
    if (stMessage.isEmpty())
        return false;
    pWarnUser(stMessage);
    pFocus(edtToCorrect);
    return true;
}

bool TfraApplSecurityPage::fnbPasswordsAccepted() {
    bNextFromPasswdField = false;
    const Ui::TfraApplSecurityPage &pg = *ui;
    if (!pg.chkApplSecurityPasswdRequired->isChecked())
        return true;
    QLineEdit *edtPasswd = pg.edtApplSecurityPasswd;
    QLineEdit *edtRetype = pg.edtApplSecurityRetypePasswd;
    if (edtPasswd->text().isEmpty()) {
        pWarnUser(fnstSentence(rs::rsPasswordBlank));
        edtPasswd->clear();
        pFocus(edtPasswd);
        return false;
    }
    if (!edtRetype->isEnabled()) {
        pEnableField(edtRetype, true);
        pFocus(edtRetype);
        return false;
    }
    if (edtRetype->text().isEmpty()) {
        pWarnUser(fnstSentence(rs::rsPasswordBlank));
        pFocus(edtRetype);
        return false;
    }
    if (edtPasswd->text().size() < ciMinPasswordLength) {
        pWarnUser(fnstSentence(rs::rsPasswordTooShort));
        iPasswdMismatchCount = 0;
        edtPasswd->clear();
        pEnableField(edtPasswd, true);
        pResetRetypePasswd();
        pFocus(edtPasswd);
        return false;
    }
    if (edtPasswd->text() == edtRetype->text())
        return true;
    pWarnUser(fnstMismatchMessage());
    edtRetype->clear();
    pFocus(edtRetype);
    if (++iPasswdMismatchCount >= ciMaxMismatches) {
        edtPasswd->clear();
        pFocus(edtPasswd);
        iPasswdMismatchCount = 0;
    }
    return false;
}
