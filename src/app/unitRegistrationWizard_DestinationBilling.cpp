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
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_SenderInfoCont.h"

#include "UnitAccountValidation.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"
#include "unitDestBillingDelegate.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

using wps::fnstShipperCaption;

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
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

void TfrmRegistrationWizard::pPrepareDestinationBillingGrid() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
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
    objDelegate->fnbEditable = [this] { return bDestBillingEditable; };
    objDelegate->fnslIATAList = [this] { return slDestBillingIATAList; };
    objDelegate->fnIATATyped = [this](const QModelIndex &idx, const QString &st) {
        stgdestinationBillingStringGridIATAChange(idx, st);
    };
    objDelegate->fnAccountTyped = [this](const QModelIndex &) {
        idxDestBillingTold = QPersistentModelIndex();
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

    pmnDestBillingGrid = new QMenu(this);
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
            &TfrmRegistrationWizard::mnuDestbillingAdd2Click);
    connect(mnuDestBillingEdit, &QAction::triggered, this,
            &TfrmRegistrationWizard::mnuDestBillingEdit2Click);
    connect(mnuDestBillingDelete, &QAction::triggered, this,
            &TfrmRegistrationWizard::mnuDestBillingDelete2Click);
    stg->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stg, &QWidget::customContextMenuRequested, this, [this, stg](const QPoint &pt) {
        pUpdateDestinationBillingGridMenu();
        pmnDestBillingGrid->popup(stg->viewport()->mapToGlobal(pt));
    });

    connect(stg, &QTableWidget::currentCellChanged, this,
            &TfrmRegistrationWizard::stgdestinationBillingStringGridChangeNode);
    connect(stg, &QTableWidget::itemSelectionChanged, this,
            &TfrmRegistrationWizard::pUpdateDestinationBillingGridMenu);
    connect(uiSenderInfoCont->chkDestinationBilling, &QCheckBox::toggled, this,
            &TfrmRegistrationWizard::chkDestinationBillingChange);
    connect(qApp, &QApplication::focusChanged, this, [this, stg](QWidget *wOld, QWidget *wNow) {
        const auto fnbWithin = [stg](QWidget *w) {
            return w && (w == stg || stg->isAncestorOf(w));
        };
        // Pop-ups and message boxes are other windows: the grid is not left.
        if (fnbWithin(wOld) && wNow && !fnbWithin(wNow) && wNow->window() == stg->window())
            stgDestinationBillingStringGridExit();
    });
    connect(ui->pgcRegistrationWizard, &QStackedWidget::currentChanged, this,
            &TfrmRegistrationWizard::pPageShown);
}

void TfrmRegistrationWizard::pFillDestinationBillingIATAList() {
    slDestBillingIATAList.clear();
    TclsAdHocQuery qry;
    const int iCode = qry.fniOpen(QStringLiteral("select distinct IATA from esd order by IATA"));
    if (iCode != dbc::iSuccess) {
        pWriteLog(2, cstUnit, QStringLiteral("FormCreate"),
                  QStringLiteral("Airport codes could not be read, code %1.").arg(iCode));
        return;
    }
    while (qry.fnbNext())
        slDestBillingIATAList << qry.fnvField(0).toString().trimmed();
}

void TfrmRegistrationWizard::pUpdateDestinationBillingGridMenu() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    if (!mnuDestbillingAdd || !stg)
        return;
    const qsizetype iSelected = stg->selectionModel()->selectedRows().size();
    const bool bRows = stg->rowCount() > 0;
    mnuDestbillingAdd->setEnabled(true);
    mnuDestBillingEdit->setEnabled(bRows && iSelected == 1);
    mnuDestBillingDelete->setEnabled(bRows && iSelected >= 1);
}

void TfrmRegistrationWizard::chkDestinationBillingChange() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    const bool bOn = uiSenderInfoCont->chkDestinationBilling->isChecked();
    stg->setEnabled(bOn);
    QPalette pal = stg->palette();
    pal.setColor(QPalette::Base, palette().color(bOn ? QPalette::Base : QPalette::Button));
    stg->setPalette(pal);
    // A grid switched off has nothing left to correct.
    if (!bOn)
        optDestBillingComplaint.reset();
}

void TfrmRegistrationWizard::pSetDestinationBillingEditable(bool bEditable) {
    bDestBillingEditable = bEditable;
    uiSenderInfoCont->stgdestinationBillingStringGrid->setEditTriggers(
        bEditable ? QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed
                  : QAbstractItemView::NoEditTriggers);
}

void TfrmRegistrationWizard::mnuDestbillingAdd2Click() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
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

void TfrmRegistrationWizard::mnuDestBillingEdit2Click() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    pSetDestinationBillingEditable(true);
    stg->setFocus();
    stg->edit(stg->currentIndex());
}

void TfrmRegistrationWizard::mnuDestBillingDelete2Click() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
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
void TfrmRegistrationWizard::pRemoveDestinationBillingRows(QList<QPersistentModelIndex> arRows) {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    std::sort(arRows.begin(), arRows.end(),
              [](const QPersistentModelIndex &a, const QPersistentModelIndex &b) {
                  return a.row() > b.row();
              });
    const QScopedValueRollback<bool> guard(bDestBillingRemovingRows, true);
    for (const QPersistentModelIndex &idx : arRows)
        if (idx.isValid())
            stg->removeRow(idx.row());
    pUpdateDestinationBillingGridMenu();
}

// Typed into an airport cell: a code another row has is told at once.
void TfrmRegistrationWizard::stgdestinationBillingStringGridIATAChange(const QModelIndex &idx,
                                                                       const QString &stText) {
    QString stCode = stText;
    if (!fnbDestinationBillingIATAAccepted(idx, stCode))
        pWriteLog(1, cstUnit, QStringLiteral("stgdestinationBillingStringGridIATAChange"),
                  QStringLiteral("Duplicate airport code ") + stCode);
}

bool TfrmRegistrationWizard::fnbDestinationBillingIATAAccepted(const QModelIndex &idx,
                                                               QString &stCode) {
    const QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
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
bool TfrmRegistrationWizard::stgdestinationBillingStringGridAccNumValidate(const QModelIndex &idx,
                                                                           QString &stAccount) {
    stAccount = stAccount.trimmed();
    QString stMessage;
    if (stAccount.isEmpty())
        stMessage = fnstRS(rs::rsBlanksNotAllowed);
    else if (!fnbValidAccountNumber(stAccount, ciAccountTypeDestinationBilling, false, QString()))
        stMessage = fnstRS(rs::rsAccountNumberNotValid);
    if (stMessage.isEmpty()) {
        idxDestBillingTold = QPersistentModelIndex();
        return true;
    }
    if (idxDestBillingTold == idx)
        return false;
    idxDestBillingTold = idx;
    pWriteLog(1, cstUnit, QStringLiteral("stgdestinationBillingStringGridAccNumValidate"),
              QStringLiteral("Invalid destination billing account number"));
    pComplainAboutDestinationBillingCell(idx, stMessage,
                                         fnstShipperCaption(rs::rsCaptionSubjectInvalidData));
    return false;
}

// One refusal waits to be told at a time; it is told from the event loop.
void TfrmRegistrationWizard::pComplainAboutDestinationBillingCell(const QModelIndex &idx,
                                                                  const QString &stMessage,
                                                                  const QString &stCaption) {
    if (optDestBillingComplaint)
        return;
    optDestBillingComplaint = TrecDestBillingComplaint{stMessage, stCaption, idx};
    QTimer::singleShot(0, this, [this] { fnbTellDestinationBillingComplaint(); });
}

// Tells the refusal waiting, then puts the user back on the refused cell
// with what it holds. True when there was one to tell.
bool TfrmRegistrationWizard::fnbTellDestinationBillingComplaint() {
    if (!optDestBillingComplaint || bDestBillingTelling)
        return false;
    // Another box is up (the close question, say): told once it has gone.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(ciRetellMilliseconds, this,
                           [this] { fnbTellDestinationBillingComplaint(); });
        return false;
    }
    {
        const QScopedValueRollback<bool> guard(bDestBillingTelling, true);
        fniMessageDlg(optDestBillingComplaint->stMessage, optDestBillingComplaint->stCaption,
                      {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK), mikWarning);
    }
    // The box may have ended the page or the grid: the cell is looked up anew.
    const QPersistentModelIndex idx = std::exchange(optDestBillingComplaint, {})->idxCell;
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    if (idx.isValid() && fniCurrentPage() == wpSenderInfoCont && stg->isEnabled())
        pReopenDestinationBillingCell(idx);
    return true;
}

void TfrmRegistrationWizard::pReopenDestinationBillingCell(const QModelIndex &idx) {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
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
void TfrmRegistrationWizard::stgdestinationBillingStringGridChangeNode(int iRow, int,
                                                                       int iPreviousRow,
                                                                       int iPreviousColumn) {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    if (bDestBillingRemovingRows)
        return;
    if (iPreviousRow == iRow || iPreviousRow < 0 || iPreviousRow >= stg->rowCount()) {
        pUpdateDestinationBillingGridMenu();
        return;
    }
    pSetDestinationBillingEditable(false);
    const bool bToldLater =
        optDestBillingComplaint && optDestBillingComplaint->idxCell.row() == iPreviousRow;
    if (!bToldLater && !fnbRowComplete(stg, iPreviousRow) &&
        fnstCell(stg, iPreviousRow, std::max(iPreviousColumn, 0)).isEmpty()) {
        const QPersistentModelIndex idxRow = stg->model()->index(iPreviousRow, 0);
        QTimer::singleShot(0, this,
                           [this, idxRow] { pDropIncompleteDestinationBillingRow(idxRow); });
    }
    pUpdateDestinationBillingGridMenu();
}

// The row is dropped unless the user went back to it or completed it meanwhile.
void TfrmRegistrationWizard::pDropIncompleteDestinationBillingRow(
    const QPersistentModelIndex &idx) {
    const QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    if (idx.isValid() && idx.row() != stg->currentRow() && !fnbRowComplete(stg, idx.row()))
        pRemoveDestinationBillingRows({idx});
}

void TfrmRegistrationWizard::stgDestinationBillingStringGridExit() {
    pSetDestinationBillingEditable(false);
}

// The grid's editors and the page's signals call this form: they are let go
// while the form is still whole, and an editor closed by that is not checked.
void TfrmRegistrationWizard::pReleaseDestinationBillingGrid() {
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(ui->pgcRegistrationWizard, nullptr, this, nullptr);
    optDestBillingComplaint.reset();
    bDestBillingRemovingRows = true;
    delete uiSenderInfoCont->stgdestinationBillingStringGrid;
    uiSenderInfoCont->stgdestinationBillingStringGrid = nullptr;
}

// An open editor keeps what was typed: it is committed, then closed.
void TfrmRegistrationWizard::pEndDestinationBillingEdit() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
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
bool TfrmRegistrationWizard::fnbDestinationBillingSettled() {
    pEndDestinationBillingEdit();
    return !fnbTellDestinationBillingComplaint();
}

void TfrmRegistrationWizard::pPageShown(int iPage) {
    if (iShownPage == wpSenderInfoCont && iPage != wpSenderInfoCont)
        pLeaveDestinationBillingPage();
    pTrackPageModified(iShownPage, iPage);
    iShownPage = iPage;
}

// Leaving the page drops the row being entered when it is incomplete; a box
// without rows is unticked.
void TfrmRegistrationWizard::pLeaveDestinationBillingPage() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    pEndDestinationBillingEdit();
    // What the grid refused stays refused; the page is gone.
    optDestBillingComplaint.reset();
    idxDestBillingTold = QPersistentModelIndex();
    const int iRow = stg->currentRow();
    if (iRow >= 0 && !fnbRowComplete(stg, iRow))
        pRemoveDestinationBillingRows({QPersistentModelIndex(stg->model()->index(iRow, 0))});
    pSetDestinationBillingEditable(false);
    if (stg->rowCount() == 0)
        uiSenderInfoCont->chkDestinationBilling->setChecked(false);
    chkDestinationBillingChange();
    pUpdateDestinationBillingGridMenu();
}

std::vector<std::pair<QString, QString>>
TfrmRegistrationWizard::fnarDestinationBillingRows() const {
    const QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    std::vector<std::pair<QString, QString>> arRows;
    for (int iRow = 0; iRow < stg->rowCount(); ++iRow)
        if (const QString stIATA = fnstCell(stg, iRow, ciColIATA); !stIATA.isEmpty())
            arRows.emplace_back(stIATA, fnstCell(stg, iRow, ciColAccNum));
    return arRows;
}
