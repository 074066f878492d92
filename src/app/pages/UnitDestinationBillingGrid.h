// The destination-billing grid of the continued sender page: airports whose
// shipments are billed to a separate account. Rows are added, edited and
// deleted through the grid's menu; an airport may appear once, an account must
// pass the carrier's destination-billing rules, and incomplete rows do not
// survive leaving them.
//
// A cell takes only what passes its rule; what was refused is told in a
// message box shown later from the event loop (or by Next and Back), never
// from inside an editor's own signal or commit: the box's modal loop closes
// and deletes the editor that lost the focus to it. Rows are removed in one
// place, which the row changes it causes do not enter again.
#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QMenu;
class QTableWidget;

class TclsDestinationBillingGrid : public QObject {
    Q_OBJECT

public:
    // The grid and its box on the page; fnbPageShown tells whether the page
    // is the one shown (a refusal puts the user back on its cell only then).
    TclsDestinationBillingGrid(QTableWidget *stg, QCheckBox *chk,
                               std::function<bool()> fnbPageShown);
    ~TclsDestinationBillingGrid() override;

    // The column headers and the menu's items.
    void pInitializeCaptions();
    // The airport codes the airport column offers.
    void pSetIATAList(QStringList sl) { slIATAList = std::move(sl); }
    // The stored rows, as airport code and account number.
    void pShowRows(const std::vector<std::pair<QString, QString>> &arRows);
    // The rows with an airport code, in the grid's order.
    std::vector<std::pair<QString, QString>> fnarRows() const;
    // The menu's items follow the rows and the selection.
    void pUpdateDestinationBillingGridMenu();
    // The grid is usable, on the window colour, only while the box is ticked.
    void chkDestinationBillingChange();
    // Ends the typing in the grid and tells what it refused; false when a
    // refusal was told (the user stays on the page).
    bool fnbDestinationBillingSettled();
    // Leaving the page drops the row being entered when it is incomplete; a
    // box without rows is unticked.
    void pLeaveDestinationBillingPage();

private:
    void mnuDestbillingAdd2Click();
    void mnuDestBillingEdit2Click();
    void mnuDestBillingDelete2Click();
    void stgdestinationBillingStringGridIATAChange(const QModelIndex &idx, const QString &stText);
    // Whether the cell may take the code or account (tidied in place); a
    // refusal is told later and the cell keeps what it held.
    bool fnbDestinationBillingIATAAccepted(const QModelIndex &idx, QString &stCode);
    bool stgdestinationBillingStringGridAccNumValidate(const QModelIndex &idx, QString &stAccount);
    void stgdestinationBillingStringGridChangeNode(int iRow, int iColumn, int iPreviousRow,
                                                   int iPreviousColumn);
    void pSetDestinationBillingEditable(bool bEditable);
    void pComplainAboutDestinationBillingCell(const QModelIndex &idx, const QString &stMessage,
                                              const QString &stCaption);
    bool fnbTellDestinationBillingComplaint();
    void pReopenDestinationBillingCell(const QModelIndex &idx);
    void pRemoveDestinationBillingRows(QList<QPersistentModelIndex> arRows);
    void pDropIncompleteDestinationBillingRow(const QPersistentModelIndex &idx);
    void pEndDestinationBillingEdit();
    void pPrepareMenu();
    void pConnectEvents();

    // A refused entry of the grid, waiting to be told.
    struct TrecDestBillingComplaint {
        QString stMessage, stCaption;
        QPersistentModelIndex idxCell;
    };

    QTableWidget *stg;
    QCheckBox *chkDestinationBilling;
    std::function<bool()> fnbPageShown;
    QMenu *pmnDestBillingGrid = nullptr;
    QAction *mnuDestbillingAdd = nullptr, *mnuDestBillingEdit = nullptr,
            *mnuDestBillingDelete = nullptr;
    QStringList slIATAList;
    // Cell editors open only while the user adds or edits a row.
    bool bEditsAllowed = false;
    std::optional<TrecDestBillingComplaint> optComplaint;
    bool bTelling = false;
    // The account cell whose refused text was told, until the user types in it.
    QPersistentModelIndex idxTold;
    bool bRemovingRows = false;
};
