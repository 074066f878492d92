// The destination-billing grid of the continued sender page: airports whose
// shipments are billed to a separate account. Rows are added, edited and
// deleted through the grid's menu; an airport may appear once, an account must
// pass the carrier's destination-billing rules, and incomplete rows do not
// survive leaving them.
#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"
#include "ui_unitRegistrationWizard_SenderInfoCont.h"

#include "UnitAccountValidation.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "UnitMsgDialog.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

namespace {
const QString cstUnit = QStringLiteral("unitRegistrationWizard");
constexpr int ciColIATA = 0;
constexpr int ciColAccNum = 1;
constexpr int ciIATALength = 3;
constexpr int ciAccNumLength = 12;

QString fnstShipperCaption(TResourceString rsPattern) {
    return fnstRS(rsPattern).replace(QStringLiteral("%S"), fnstRS(rs::rsShipperSubject));
}

QString fnstCell(const QTableWidget *stg, int iRow, int iColumn) {
    const QTableWidgetItem *itm = stg->item(iRow, iColumn);
    return itm ? itm->text().trimmed() : QString();
}

// The grid's editors: the airport column picks from the airport list (or
// takes a typed code), the account column is a plain field. Both report to the
// wizard, which owns the rules.
class TclsDestBillingDelegate : public QStyledItemDelegate {
public:
    std::function<bool()> fnbEditable;
    std::function<QStringList()> fnslIATAList;
    std::function<void(QComboBox *, int, const QString &)> fnIATAChange;
    std::function<bool(QString &)> fnbAccNumValidate;
    std::function<void(QWidget *)> fnEditorCreated;

    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *wParent, const QStyleOptionViewItem &,
                          const QModelIndex &idx) const override {
        if (!fnbEditable())
            return nullptr;
        QWidget *wEditor = nullptr;
        if (idx.column() == ciColIATA) {
            auto *cmb = new QComboBox(wParent);
            cmb->setEditable(true);
            cmb->setInsertPolicy(QComboBox::NoInsert);
            cmb->addItems(fnslIATAList());
            cmb->lineEdit()->setMaxLength(ciIATALength);
            const int iRow = idx.row();
            QObject::connect(cmb, &QComboBox::editTextChanged, cmb,
                             [this, cmb, iRow](const QString &st) { fnIATAChange(cmb, iRow, st); });
            wEditor = cmb;
        } else {
            auto *edt = new QLineEdit(wParent);
            edt->setMaxLength(ciAccNumLength);
            wEditor = edt;
        }
        fnEditorCreated(wEditor);
        return wEditor;
    }

    void setEditorData(QWidget *wEditor, const QModelIndex &idx) const override {
        const QString st = idx.data(Qt::EditRole).toString();
        if (auto *cmb = qobject_cast<QComboBox *>(wEditor)) {
            // The row's own code is no duplicate: no check while it is shown.
            const QSignalBlocker blocker(cmb);
            cmb->setEditText(st);
            return;
        }
        if (auto *edt = qobject_cast<QLineEdit *>(wEditor))
            edt->setText(st);
    }

    void setModelData(QWidget *wEditor, QAbstractItemModel *mdl,
                      const QModelIndex &idx) const override {
        if (auto *cmb = qobject_cast<QComboBox *>(wEditor)) {
            mdl->setData(idx, cmb->currentText().trimmed().toUpper(), Qt::EditRole);
            return;
        }
        auto *edt = qobject_cast<QLineEdit *>(wEditor);
        if (!edt)
            return;
        QString stAccount = edt->text();
        if (fnbAccNumValidate(stAccount))
            mdl->setData(idx, stAccount, Qt::EditRole);
        else
            mdl->setData(idx, QString(), Qt::EditRole);
    }
};

// Key releases in the grid and its editors end the suppression of account
// messages; clicks, right clicks, the menu key and key releases refresh the
// menu.
class TclsDestBillingWatcher : public QObject {
public:
    std::function<void()> fnKeyReleased, fnRefreshMenu;
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        switch (e->type()) {
        case QEvent::KeyRelease:
            fnKeyReleased();
            fnRefreshMenu();
            break;
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
    objDelegate->fnIATAChange = [this](QComboBox *cmb, int iRow, const QString &st) {
        stgdestinationBillingStringGridIATAChange(cmb, iRow, st);
    };
    objDelegate->fnbAccNumValidate = [this](QString &st) {
        return stgdestinationBillingStringGridAccNumValidate(st);
    };
    auto *objWatcher = new TclsDestBillingWatcher(stg);
    objWatcher->fnKeyReleased = [this] { bDestBillingMessageShown = false; };
    objWatcher->fnRefreshMenu = [this] { pUpdateDestinationBillingGridMenu(); };
    // Keys typed into an editor end the suppression too, but leave the menu
    // alone while the user types.
    auto *objEditorWatcher = new TclsDestBillingWatcher(stg);
    objEditorWatcher->fnKeyReleased = objWatcher->fnKeyReleased;
    objEditorWatcher->fnRefreshMenu = [] {};
    objDelegate->fnEditorCreated = [objEditorWatcher](QWidget *w) {
        w->installEventFilter(objEditorWatcher);
    };
    stg->setItemDelegate(objDelegate);
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
    if (!mnuDestbillingAdd)
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
    QModelIndexList arSelected = stg->selectionModel()->selectedRows();
    if (arSelected.isEmpty())
        return;
    const bool bEmptyRow =
        arSelected.size() == 1 && fnstCell(stg, arSelected[0].row(), 0).isEmpty();
    if (!bEmptyRow &&
        fniMessageDlg(fnstRS(rs::rsDeleteRecords),
                      fnstShipperCaption(rs::rsCaptionSubjectConfirmation),
                      {fnstRS(rs::rsYes), fnstRS(rs::rsNo)}, fnstRS(rs::rsYes), mikQuestion) != 0) {
        pUpdateDestinationBillingGridMenu();
        return;
    }
    std::sort(arSelected.begin(), arSelected.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() > b.row(); });
    for (const QModelIndex &idx : arSelected)
        stg->removeRow(idx.row());
    if (stg->currentRow() >= 0)
        stg->selectRow(stg->currentRow());
    pUpdateDestinationBillingGridMenu();
}

void TfrmRegistrationWizard::stgdestinationBillingStringGridIATAChange(QComboBox *cmbEditor,
                                                                       int iRow,
                                                                       const QString &stText) {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    const QString stCode = stText.trimmed();
    if (stCode.isEmpty())
        return;
    bool bDuplicate = false;
    for (int i = 0; i < stg->rowCount() && !bDuplicate; ++i)
        bDuplicate =
            i != iRow && fnstCell(stg, i, ciColIATA).compare(stCode, Qt::CaseInsensitive) == 0;
    if (!bDuplicate)
        return;
    pWriteLog(1, cstUnit, QStringLiteral("stgdestinationBillingStringGridIATAChange"),
              QStringLiteral("Duplicate airport code ") + stCode);
    fniMessageDlg(fnstRS(rs::rsIATAExists), fnstRS(rs::rsCaptionShipperWarning), {fnstRS(rs::rsOK)},
                  fnstRS(rs::rsOK), mikWarning);
    cmbEditor->setEditText(QString());
}

bool TfrmRegistrationWizard::stgdestinationBillingStringGridAccNumValidate(QString &stAccount) {
    if (bDestBillingMessageShown)
        return true;
    stAccount = stAccount.trimmed();
    QString stMessage;
    if (stAccount.isEmpty())
        stMessage = fnstRS(rs::rsBlanksNotAllowed);
    else if (!fnbValidAccountNumber(stAccount, ciAccountTypeDestinationBilling, false, QString()))
        stMessage = fnstRS(rs::rsAccountNumberNotValid);
    bDestBillingMessageShown = true;
    if (stMessage.isEmpty())
        return true;
    pWriteLog(1, cstUnit, QStringLiteral("stgdestinationBillingStringGridAccNumValidate"),
              QStringLiteral("Invalid destination billing account number"));
    fniMessageDlg(stMessage, fnstShipperCaption(rs::rsCaptionSubjectInvalidData),
                  {fnstRS(rs::rsOK)}, fnstRS(rs::rsOK), mikWarning);
    // The user stays on the account until it is a good one.
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    const QPersistentModelIndex idx = stg->currentIndex();
    pSetDestinationBillingEditable(true);
    stg->setFocusPolicy(Qt::StrongFocus);
    QTimer::singleShot(0, stg, [stg, idx] {
        if (!idx.isValid())
            return;
        stg->setFocus();
        stg->setCurrentIndex(stg->model()->index(idx.row(), ciColAccNum));
        stg->edit(stg->currentIndex());
    });
    return false;
}

void TfrmRegistrationWizard::stgdestinationBillingStringGridChangeNode(int iRow, int,
                                                                       int iPreviousRow,
                                                                       int iPreviousColumn) {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    if (iPreviousRow == iRow || iPreviousRow < 0 || iPreviousRow >= stg->rowCount()) {
        pUpdateDestinationBillingGridMenu();
        return;
    }
    pSetDestinationBillingEditable(false);
    const bool bComplete = !fnstCell(stg, iPreviousRow, ciColIATA).isEmpty() &&
                           !fnstCell(stg, iPreviousRow, ciColAccNum).isEmpty();
    // An incomplete row goes when the cell the user was in holds nothing.
    if (!bComplete && fnstCell(stg, iPreviousRow, std::max(iPreviousColumn, 0)).isEmpty())
        stg->removeRow(iPreviousRow);
    pUpdateDestinationBillingGridMenu();
}

void TfrmRegistrationWizard::stgDestinationBillingStringGridExit() {
    pSetDestinationBillingEditable(false);
}

// The grid's editors and the page's signals call this form: they are let go
// while the form is still whole, and an editor closed by that is not checked.
void TfrmRegistrationWizard::pReleaseDestinationBillingGrid() {
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(ui->pgcRegistrationWizard, nullptr, this, nullptr);
    bDestBillingMessageShown = true;
    delete uiSenderInfoCont->stgdestinationBillingStringGrid;
    uiSenderInfoCont->stgdestinationBillingStringGrid = nullptr;
}

// An open editor keeps what was typed: it is committed, then closed.
void TfrmRegistrationWizard::pEndDestinationBillingEdit() {
    QTableWidget *stg = uiSenderInfoCont->stgdestinationBillingStringGrid;
    QWidget *wEditor = QApplication::focusWidget();
    while (wEditor && wEditor->parentWidget() != stg->viewport())
        wEditor = wEditor->parentWidget();
    if (!wEditor)
        return;
    QMetaObject::invokeMethod(stg, "commitData", Qt::DirectConnection, Q_ARG(QWidget *, wEditor));
    QMetaObject::invokeMethod(
        stg, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget *, wEditor),
        Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
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
    const int iRow = stg->currentRow();
    if (iRow >= 0 &&
        (fnstCell(stg, iRow, ciColIATA).isEmpty() || fnstCell(stg, iRow, ciColAccNum).isEmpty()))
        stg->removeRow(iRow);
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
