// The continued sender page: the accounts, the customs data, the reference
// type and the destination-billing box with its grid.
#pragma once

#include "UnitMV5Records.h"
#include "unitSenderRows.h"
#include "UnitWizardPage.h"

#include <memory>
#include <utility>
#include <vector>

namespace Ui {
class TfraSenderInfoContPage;
}

class TclsDestinationBillingGrid;

class TfraSenderInfoContPage : public TfraWizardPage {
    Q_OBJECT

public:
    explicit TfraSenderInfoContPage(QWidget *parent = nullptr);
    ~TfraSenderInfoContPage() override;

    void pInitializeComponents() override;
    // Every text trimmed; the reference type as the code of the list's row
    // (a text the list does not hold is kept as the type itself).
    void pReadFromScreen(TrecWizardData &recData) const override;
    QWidget *fnwFirstField() const override;
    // The row being entered in the grid goes when it is incomplete.
    void pLeaving() override;

    // The stars the installation's configuration adds (the federal and the
    // state tax IDs).
    void pShowMandatoryMarks(const TbarMandatory &barMandatory);
    // Shows the stored sender's part of this page (no licence date stands
    // for none).
    void pShowSenderContRow(const TclsSendersData &recSender);
    void pClearLicenseDate();
    // The stored destination-billing rows and the airport codes the grid
    // offers, as airport code and account number.
    void pShowDestinationBillingRows(const std::vector<std::pair<QString, QString>> &arRows);
    void pSetAirportCodes(QStringList slCodes);
    std::vector<std::pair<QString, QString>> fnarDestinationBillingRows() const;
    // The label and list show only while the carrier has active reference
    // types; the stored type shows by its description, a type the list does
    // not describe as stored.
    void pShowReferenceTypes(const std::vector<TrecReferenceType> &arTypes);
    // The grid is usable only while its box is ticked.
    void chkDestinationBillingChange();
    // A ticked box without a single airport bills nothing separately: it is
    // unticked.
    void pDropEmptyDestinationBilling();
    // What the page still holds half typed (a date, a grid cell) is told
    // before Next or Back moves on; false when it was (the page stays).
    bool fnbSenderInfoContSettled();

private:
    std::unique_ptr<Ui::TfraSenderInfoContPage> ui;
    std::unique_ptr<TclsDestinationBillingGrid> objGrid;
    // The stored reference type, shown once the list is there.
    QString stStoredReferenceType;
};
