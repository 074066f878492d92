// The destination-billing grid.
#include "UnitDestinationBillingGrid.h"

#include "UnitAccountValidation.h"
#include "UnitDestBillingDelegate.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

using wps::cstUnit;

using wps::fnstShipperCaption;

namespace {
constexpr int ciColIATA = 0;
constexpr int ciColAccNum = 1;
// How soon a refusal is told again when another box was up.
constexpr int ciRetellMilliseconds = 50;

QString fnstCell(const QTableWidget *stg, int iRow, int iColumn) {
    const QTableWidgetItem *itm = stg->item(iRow, iColumn);
    return itm ? itm->text().trimmed() : QString();
}

bool fnbRowComplete(const QTableWidget *stg, int iRow) {
    return !fnstCell(stg, iRow, ciColIATA).isEmpty() && !fnstCell(stg, iRow, ciColAccNum).isEmpty();
}

// Clicks, right clicks, the menu key and key releases in the grid refresh its
// menu.
class TclsDestBillingWatcher : public QObject {
public:
    std::function<void()> fnRefreshMenu;
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        switch (e->type()) {
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
        case QEvent::ContextMenu:
            fnRefreshMenu();
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(e)->button() == Qt::RightButton)
                fnRefreshMenu();
            break;
        default:
            break;
        }
        return false;
    }
};
} // namespace

TclsDestinationBillingGrid::TclsDestinationBillingGrid(QTableWidget *stg, QCheckBox *chk,
                                                       std::function<bool()> fnbPageShown)
    : stg(stg), chkDestinationBilling(chk), fnbPageShown(std::move(fnbPageShown)) {
    stg->setColumnCount(2);
    stg->setSelectionBehavior(QAbstractItemView::SelectRows);
    stg->setSelectionMode(QAbstractItemView::ExtendedSelection);
    stg->setTabKeyNavigation(true);
    stg->verticalHeader()->hide();
    stg->horizontalHeader()->setSectionsMovable(true);
    stg->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    stg->horizontalHeader()->setStretchLastSection(true);
    stg->setColumnWidth(ciColIATA, 80);
    // A click on a column's header sorts by it; rows do not move while edited.
    stg->horizontalHeader()->setSortIndicatorShown(true);
    connect(stg->horizontalHeader(), &QHeaderView::sortIndicatorChanged, stg,
            [stg](int iColumn, Qt::SortOrder iOrder) { stg->sortItems(iColumn, iOrder); });

    auto *objDelegate = new TclsDestBillingDelegate(stg);
    objDelegate->fnbEditable = [this] { return bEditsAllowed; };
    objDelegate->fnslIATAList = [this] { return slIATAList; };
    objDelegate->fnIATATyped = [this](const QModelIndex &idx, const QString &st) {
        stgdestinationBillingStringGridIATAChange(idx, st);
    };
    objDelegate->fnAccountTyped = [this](const QModelIndex &) {
        idxTold = QPersistentModelIndex();
    };
    objDelegate->fnbIATAAccepted = [this](const QModelIndex &idx, QString &st) {
        return fnbDestinationBillingIATAAccepted(idx, st);
    };
    objDelegate->fnbAccountAccepted = [this](const QModelIndex &idx, QString &st) {
        return stgdestinationBillingStringGridAccNumValidate(idx, st);
    };
    stg->setItemDelegate(objDelegate);
    auto *objWatcher = new TclsDestBillingWatcher(stg);
    objWatcher->fnRefreshMenu = [this] { pUpdateDestinationBillingGridMenu(); };
    stg->installEventFilter(objWatcher);
    stg->viewport()->installEventFilter(objWatcher);
    pSetDestinationBillingEditable(false);
    pPrepareMenu();
    pConnectEvents();
}

// The grid's editors and signals call this object: they are let go while it
// is still whole, and an editor closed by that is not checked.
TclsDestinationBillingGrid::~TclsDestinationBillingGrid() {
    disconnect(qApp, nullptr, this, nullptr);
    optComplaint.reset();
    bRemovingRows = true;
    delete stg;
}

void TclsDestinationBillingGrid::pPrepareMenu() {
    pmnDestBillingGrid = new QMenu(stg);
    pmnDestBillingGrid->setObjectName(QStringLiteral("pmnDestBillingGrid"));
    const std::pair<QAction **, const char *> arItems[] = {
        {&mnuDestbillingAdd, "mnuDestbillingAdd"},
        {&mnuDestBillingEdit, "mnuDestBillingEdit"},
        {&mnuDestBillingDelete, "mnuDestBillingDelete"}};
    for (const auto &[pAction, pchName] : arItems) {
        *pAction = pmnDestBillingGrid->addAction(QString());
        (*pAction)->setObjectName(QLatin1String(pchName));
    }
    connect(mnuDestbillingAdd, &QAction::triggered, this,
            &TclsDestinationBillingGrid::mnuDestbillingAdd2Click);
    connect(mnuDestBillingEdit, &QAction::triggered, this,
            &TclsDestinationBillingGrid::mnuDestBillingEdit2Click);
    connect(mnuDestBillingDelete, &QAction::triggered, this,
            &TclsDestinationBillingGrid::mnuDestBillingDelete2Click);
    stg->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stg, &QWidget::customContextMenuRequested, this, [this](const QPoint &pt) {
        pUpdateDestinationBillingGridMenu();
        pmnDestBillingGrid->popup(stg->viewport()->mapToGlobal(pt));
    });
}

void TclsDestinationBillingGrid::pConnectEvents() {
    connect(stg, &QTableWidget::currentCellChanged, this,
            &TclsDestinationBillingGrid::stgdestinationBillingStringGridChangeNode);
    connect(stg, &QTableWidget::itemSelectionChanged, this,
            &TclsDestinationBillingGrid::pUpdateDestinationBillingGridMenu);
    connect(chkDestinationBilling, &QCheckBox::toggled, this,
            &TclsDestinationBillingGrid::chkDestinationBillingChange);
    // Leaving the grid ends its editing.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *wOld, QWidget *wNow) {
        const auto fnbWithin = [this](QWidget *w) {
            return w && (w == stg || stg->isAncestorOf(w));
        };
        // Pop-ups and message boxes are other windows: the grid is not left.
        if (fnbWithin(wOld) && wNow && !fnbWithin(wNow) && wNow->window() == stg->window())
            pSetDestinationBillingEditable(false);
    });
}

void TclsDestinationBillingGrid::pInitializeCaptions() {
    stg->setHorizontalHeaderLabels(
        {fnstRS(rs::rsSenderAirportCode), fnstRS(rs::rsDestBillingAccountNo)});
    mnuDestbillingAdd->setText(fnstRS(rs::rsDestBillingAdd));
    mnuDestBillingEdit->setText(fnstRS(rs::rsDestBillingEdit));
    mnuDestBillingDelete->setText(fnstRS(rs::rsDestBillingDelete));
}

void TclsDestinationBillingGrid::pShowRows(const std::vector<std::pair<QString, QString>> &arRows) {
    stg->setRowCount(0);
    for (const auto &[stIATA, stAccount] : arRows) {
        const int iRow = stg->rowCount();
        stg->insertRow(iRow);
        stg->setItem(iRow, ciColIATA, new QTableWidgetItem(stIATA));
        stg->setItem(iRow, ciColAccNum, new QTableWidgetItem(stAccount));
    }
    pUpdateDestinationBillingGridMenu();
}

void TclsDestinationBillingGrid::pUpdateDestinationBillingGridMenu() {
    if (!stg)
        return;
    const qsizetype iSelected = stg->selectionModel()->selectedRows().size();
    const bool bRows = stg->rowCount() > 0;
    mnuDestbillingAdd->setEnabled(true);
    mnuDestBillingEdit->setEnabled(bRows && iSelected == 1);
    mnuDestBillingDelete->setEnabled(bRows && iSelected >= 1);
}

void TclsDestinationBillingGrid::chkDestinationBillingChange() {
    const bool bOn = chkDestinationBilling->isChecked();
    stg->setEnabled(bOn);
    QPalette pal = stg->palette();
    const QPalette &palPage = stg->parentWidget()->palette();
    pal.setColor(QPalette::Base, palPage.color(bOn ? QPalette::Base : QPalette::Button));
    stg->setPalette(pal);
    // A grid switched off has nothing left to correct.
    if (!bOn)
        optComplaint.reset();
}

void TclsDestinationBillingGrid::pSetDestinationBillingEditable(bool bEditable) {
    bEditsAllowed = bEditable;
    stg->setEditTriggers(
        bEditable ? QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed
                  : QAbstractItemView::NoEditTriggers);
}

void TclsDestinationBillingGrid::mnuDestbillingAdd2Click() {
    stg->clearSelection();
    const int iRow = stg->rowCount();
    stg->insertRow(iRow);
    stg->setItem(iRow, ciColIATA, new QTableWidgetItem());
    stg->setItem(iRow, ciColAccNum, new QTableWidgetItem());
    // Moving to the new row ends editing the row left; the new one opens after.
    stg->setCurrentCell(iRow, ciColIATA);
    pSetDestinationBillingEditable(true);
    stg->setFocus();
    stg->edit(stg->currentIndex());
    pUpdateDestinationBillingGridMenu();
}

void TclsDestinationBillingGrid::mnuDestBillingEdit2Click() {
    pSetDestinationBillingEditable(true);
    stg->setFocus();
    stg->edit(stg->currentIndex());
}

void TclsDestinationBillingGrid::mnuDestBillingDelete2Click() {
    const QModelIndexList arSelected = stg->selectionModel()->selectedRows();
    if (arSelected.isEmpty())
        return;
    // The rows are known by identity: the question's modal loop may end an
    // edit, and so move or remove rows, before it is answered.
    const QList<QPersistentModelIndex> arRows(arSelected.begin(), arSelected.end());
    const bool bEmptyRow =
        arSelected.size() == 1 && fnstCell(stg, arSelected[0].row(), ciColIATA).isEmpty();
    if (!bEmptyRow &&
        fniMessageDlg(fnstRS(rs::rsDeleteRecords),
                      fnstShipperCaption(rs::rsCaptionSubjectConfirmation),
                      {fnstRS(rs::rsYes), fnstRS(rs::rsNo)}, fnstRS(rs::rsYes), mikQuestion) != 0) {
        pUpdateDestinationBillingGridMenu();
        return;
    }
    pRemoveDestinationBillingRows(arRows);
    if (stg->currentRow() >= 0)
        stg->selectRow(stg->currentRow());
    pUpdateDestinationBillingGridMenu();
}

// The one place rows leave the grid. The row changes the removal causes are
// not row changes of the user's: they remove nothing more.
void TclsDestinationBillingGrid::pRemoveDestinationBillingRows(
    QList<QPersistentModelIndex> arRows) {
    std::sort(arRows.begin(), arRows.end(),
              [](const QPersistentModelIndex &a, const QPersistentModelIndex &b) {
                  return a.row() > b.row();
              });
    const QScopedValueRollback<bool> guard(bRemovingRows, true);
    for (const QPersistentModelIndex &idx : arRows)
        if (idx.isValid())
            stg->removeRow(idx.row());
    pUpdateDestinationBillingGridMenu();
}

// Typed into an airport cell: a code another row has is told at once.
void TclsDestinationBillingGrid::stgdestinationBillingStringGridIATAChange(const QModelIndex &idx,
                                                                           const QString &stText) {
    QString stCode = stText;
    if (!fnbDestinationBillingIATAAccepted(idx, stCode))
        pWriteLog(1, cstUnit, QStringLiteral("stgdestinationBillingStringGridIATAChange"),
                  QStringLiteral("Duplicate airport code ") + stCode);
}

bool TclsDestinationBillingGrid::fnbDestinationBillingIATAAccepted(const QModelIndex &idx,
                                                                   QString &stCode) {
    stCode = stCode.trimmed().toUpper();
    if (stCode.isEmpty())
        return true;
    for (int i = 0; i < stg->rowCount(); ++i)
        if (i != idx.row() &&
            fnstCell(stg, i, ciColIATA).compare(stCode, Qt::CaseInsensitive) == 0) {
            pComplainAboutDestinationBillingCell(idx, fnstRS(rs::rsIATAExists),
                                                 fnstRS(rs::rsCaptionShipperWarning));
            return false;
        }
    return true;
}

// An account is refused once with its message; leaving the cell again
// without typing lets the refused text go without a second message. The
// cell keeps the account it had.
bool TclsDestinationBillingGrid::stgdestinationBillingStringGridAccNumValidate(
    const QModelIndex &idx, QString &stAccount) {
    stAccount = stAccount.trimmed();
    QString stMessage;
    if (stAccount.isEmpty())
        stMessage = fnstRS(rs::rsBlanksNotAllowed);
    else if (!fnbValidAccountNumber(stAccount, ciAccountTypeDestinationBilling, false, QString()))
        stMessage = fnstRS(rs::rsAccountNumberNotValid);
    if (stMessage.isEmpty()) {
        idxTold = QPersistentModelIndex();
        return true;
    }
    if (idxTold == idx)
        return false;
    idxTold = idx;
    pWriteLog(1, cstUnit, QStringLiteral("stgdestinationBillingStringGridAccNumValidate"),
              QStringLiteral("Invalid destination billing account number"));
    pComplainAboutDestinationBillingCell(idx, stMessage,
                                         fnstShipperCaption(rs::rsCaptionSubjectInvalidData));
    return false;
}

// One refusal waits to be told at a time; it is told from the event loop.
void TclsDestinationBillingGrid::pComplainAboutDestinationBillingCell(const QModelIndex &idx,
                                                                      const QString &stMessage,
                                                                      const QString &stCaption) {
    if (optComplaint)
        return;
    optComplaint = TrecDestBillingComplaint{stMessage, stCaption, idx};
    QTimer::singleShot(0, this, [this] { fnbTellDestinationBillingComplaint(); });
}

// Tells the refusal waiting, then puts the user back on the refused cell
// with what it holds. True when there was one to tell.
bool TclsDestinationBillingGrid::fnbTellDestinationBillingComplaint() {
    if (!optComplaint || bTelling)
        return false;
    // Another box is up (the close question, say): told once it has gone.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(ciRetellMilliseconds, this,
                           [this] { fnbTellDestinationBillingComplaint(); });
        return false;
    }
    {
        const QScopedValueRollback<bool> guard(bTelling, true);
        fniMessageDlg(optComplaint->stMessage, optComplaint->stCaption, {fnstRS(rs::rsOK)},
                      fnstRS(rs::rsOK), mikWarning);
    }
    // The box may have ended the page or the grid: the cell is looked up anew.
    const QPersistentModelIndex idx = std::exchange(optComplaint, {})->idxCell;
    if (idx.isValid() && fnbPageShown() && stg->isEnabled())
        pReopenDestinationBillingCell(idx);
    return true;
}

void TclsDestinationBillingGrid::pReopenDestinationBillingCell(const QModelIndex &idx) {
    // An editor still open shows the refused text: it goes without a commit.
    if (QWidget *wEditor = stg->indexWidget(stg->currentIndex()))
        QMetaObject::invokeMethod(
            stg, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget *, wEditor),
            Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::RevertModelCache));
    pSetDestinationBillingEditable(true);
    stg->setFocusPolicy(Qt::StrongFocus);
    stg->setFocus();
    stg->setCurrentIndex(idx);
    if (!stg->indexWidget(idx))
        stg->edit(idx);
}

// Row change: an incomplete row the user left empty-handed goes, once the
// change is over; a row whose refusal waits to be told stays for it.
void TclsDestinationBillingGrid::stgdestinationBillingStringGridChangeNode(int iRow, int,
                                                                           int iPreviousRow,
                                                                           int iPreviousColumn) {
    if (bRemovingRows)
        return;
    if (iPreviousRow == iRow || iPreviousRow < 0 || iPreviousRow >= stg->rowCount()) {
        pUpdateDestinationBillingGridMenu();
        return;
    }
    pSetDestinationBillingEditable(false);
    const bool bToldLater = optComplaint && optComplaint->idxCell.row() == iPreviousRow;
    if (!bToldLater && !fnbRowComplete(stg, iPreviousRow) &&
        fnstCell(stg, iPreviousRow, std::max(iPreviousColumn, 0)).isEmpty()) {
        const QPersistentModelIndex idxRow = stg->model()->index(iPreviousRow, 0);
        QTimer::singleShot(0, this,
                           [this, idxRow] { pDropIncompleteDestinationBillingRow(idxRow); });
    }
    pUpdateDestinationBillingGridMenu();
}

// The row is dropped unless the user went back to it or completed it meanwhile.
void TclsDestinationBillingGrid::pDropIncompleteDestinationBillingRow(
    const QPersistentModelIndex &idx) {
    if (idx.isValid() && idx.row() != stg->currentRow() && !fnbRowComplete(stg, idx.row()))
        pRemoveDestinationBillingRows({idx});
}

// An open editor keeps what was typed: it is committed, then closed.
void TclsDestinationBillingGrid::pEndDestinationBillingEdit() {
    const QPointer<QWidget> wEditor = stg->indexWidget(stg->currentIndex());
    if (!wEditor)
        return;
    QMetaObject::invokeMethod(stg, "commitData", Qt::DirectConnection, Q_ARG(QWidget *, wEditor));
    if (wEditor)
        QMetaObject::invokeMethod(
            stg, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget *, wEditor),
            Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}

// Next and Back end the typing in the grid first and tell what it refused;
// the page stays when something was refused.
bool TclsDestinationBillingGrid::fnbDestinationBillingSettled() {
    pEndDestinationBillingEdit();
    return !fnbTellDestinationBillingComplaint();
}

// Leaving the page drops the row being entered when it is incomplete; a box
// without rows is unticked.
void TclsDestinationBillingGrid::pLeaveDestinationBillingPage() {
    pEndDestinationBillingEdit();
    // What the grid refused stays refused; the page is gone.
    optComplaint.reset();
    idxTold = QPersistentModelIndex();
    const int iRow = stg->currentRow();
    if (iRow >= 0 && !fnbRowComplete(stg, iRow))
        pRemoveDestinationBillingRows({QPersistentModelIndex(stg->model()->index(iRow, 0))});
    pSetDestinationBillingEditable(false);
    if (stg->rowCount() == 0)
        chkDestinationBilling->setChecked(false);
    chkDestinationBillingChange();
    pUpdateDestinationBillingGridMenu();
}

std::vector<std::pair<QString, QString>> TclsDestinationBillingGrid::fnarRows() const {
    std::vector<std::pair<QString, QString>> arRows;
    for (int iRow = 0; iRow < stg->rowCount(); ++iRow)
        if (const QString stIATA = fnstCell(stg, iRow, ciColIATA); !stIATA.isEmpty())
            arRows.emplace_back(stIATA, fnstCell(stg, iRow, ciColAccNum));
    return arRows;
}
