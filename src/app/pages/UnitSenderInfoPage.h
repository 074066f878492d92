// The sender page: who ships and from where. Its captions and mandatory
// stars, the lookup frames kept in step with the country, the address checks
// (postcode, destination lookup) that run as the user leaves its fields, the
// calling-code boxes beside the phone fields and the check of each number.
#pragma once

#include "UnitMV5Records.h"
#include "UnitWizardPage.h"

#include <memory>

namespace Ui {
class TfraSenderInfoPage;
}

class QComboBox;
class QLineEdit;
class TclsSenderAddressChecks;
class TclsSenderAddressEvents;
class TmvCallingCodeLookupCombo;

class TfraSenderInfoPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraSenderInfoPage(QWidget *parent = nullptr);
    ~TfraSenderInfoPage() override;

    void pInitializeComponents() override;
    // Every text trimmed; the calling codes once the boxes are there.
    void pReadFromScreen(TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;

    // The lookup frames' rules and links, and the address checks with the
    // field events that run them; wCancel is the button whose click leaves
    // a field without its check. Once, before the page is filled.
    void pPrepareLookupFrames(QWidget *wCancel);
    TclsSenderAddressChecks &fnobjAddressChecks() { return *objAddressChecks; }
    // The stars the installation's configuration adds (address line 2,
    // e-mail, mobile).
    void pShowMandatoryMarks(const TbarMandatory &barMandatory);
    // Shows the stored sender: the country first, so that each frame lists
    // that country's rows, the airport last, as every other address field
    // that changes empties it.
    void pShowSenderRow(const TclsSendersData &recSender);
    // The sender code field shows this code until a stored row says otherwise.
    void pShowSenderCode(const QString &stCode);
    // The airport code as the frame holds it.
    QString fnstIATA() const;

    // The calling-code boxes beside the telephone and mobile fields, and the
    // check of each number as its field is left; the outcomes go into
    // arErrors, the frame's error list.
    void pAddPhonePrefixControls(TrecarErrorList &arErrors);
    // The phone library's rules take longer to load than the whole first page
    // takes to appear and only this page needs them: loaded when the page is
    // first entered, the boxes' lists when first opened.
    void pLoadPhoneRulesOnce();
    void edtSenderTelephoneExit();
    void edtSenderMobileExit();

private:
    TmvCallingCodeLookupCombo *fncmbAddCallingCodeBox(QLineEdit *edt, const QString &stName);
    void pPhoneFieldExit(QLineEdit *edt, QComboBox *cmbCallingCode, const QString &stNumberType);

    std::unique_ptr<Ui::TfraSenderInfoPage> ui;
    std::unique_ptr<TclsSenderAddressChecks> objAddressChecks;
    TclsSenderAddressEvents *objAddressEvents = nullptr;
    TmvCallingCodeLookupCombo *cmbPhoneCallingCode = nullptr;
    TmvCallingCodeLookupCombo *cmbMobileCallingCode = nullptr;
    TrecarErrorList *parErrors = nullptr;
    bool bPhoneRulesLoaded = false;
};
