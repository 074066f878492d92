// The service grid's rules while the user edits it, its pick lists and its
// way in and out by the keyboard.
#include "UnitServiceGrid.h"

#include "unitRWCommSettingData.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace {
const QString cstHTTPPrefix = QStringLiteral("http:");
const QString cstHTTPSPrefix = QStringLiteral("https:");
const QString cstHTTPSURLPrefix = QStringLiteral("https://");

constexpr int ciarColumnWidths[sgcColumnCount] = {105, 50, 55, 90, 90, 80, 33};
constexpr int ciPhoneLength = 18;
constexpr int ciPortLength = 5;
// The service row keeps no more of the server than this.
constexpr int ciServerLength = 100;
// Bounds the walk along the focus chain out of the grid.
constexpr int ciMaxFocusSteps = 500;

bool fnbSameService(const QString &stName, TCommService eService) {
    return stName.compare(fnarCommServiceNames()[eService], Qt::CaseInsensitive) == 0;
}

// The pick lists of the Activate and Mode columns and the length limits of
// the text columns.
class TclsServiceGridDelegate : public QStyledItemDelegate {
public:
    TclsServiceGridDelegate(const TclsServiceGrid &objGrid, QObject *parent)
        : QStyledItemDelegate(parent), objGrid(objGrid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override {
        switch (index.column()) {
        case sgcActivated:
            return fncmbPickList(parent, TclsServiceGrid::fnslActivatedChoices(), QString());
        case sgcMode:
            // A stored mode the list does not offer stays until the user picks another.
            return fncmbPickList(parent, objGrid.fnslModeChoices(index.row()),
                                 index.data().toString().trimmed());
        case sgcPhone1:
        case sgcPhone2:
        case sgcHTTPServer:
            return fnedtText(parent, TclsServiceGrid::fniTextLimit(index.column()), false);
        case sgcHTTPPort:
            return fnedtText(parent, ciPortLength, true);
        default:
            return nullptr;
        }
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override {
        if (auto *cmb = qobject_cast<QComboBox *>(editor))
            cmb->setCurrentIndex(std::max(
                0, cmb->findText(index.data().toString().trimmed(), Qt::MatchFixedString)));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override {
        if (auto *cmb = qobject_cast<QComboBox *>(editor))
            model->setData(index, cmb->currentText());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    static QComboBox *fncmbPickList(QWidget *parent, const QStringList &slChoices,
                                    const QString &stKept) {
        auto *cmb = new QComboBox(parent);
        if (!stKept.isEmpty() && !slChoices.contains(stKept, Qt::CaseInsensitive))
            cmb->addItem(stKept);
        cmb->addItems(slChoices);
        return cmb;
    }

    static QLineEdit *fnedtText(QWidget *parent, int iMaxLength, bool bDigitsOnly) {
        auto *edt = new QLineEdit(parent);
        edt->setFrame(false);
        edt->setMaxLength(iMaxLength);
        if (bDigitsOnly)
            edt->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edt));
        return edt;
    }

    const TclsServiceGrid &objGrid;
};
} // namespace

TclsServiceGrid::TclsServiceGrid(QTableWidget *stg) : QObject(stg), stg(stg) {
    stg->setColumnCount(sgcColumnCount);
    stg->setItemDelegate(new TclsServiceGridDelegate(*this, stg));
    stg->installEventFilter(this);
    connect(stg, &QTableWidget::itemChanged, this, &TclsServiceGrid::pItemChanged);
    connect(stg, &QTableWidget::currentCellChanged, this, &TclsServiceGrid::pCurrentCellChanged);
    // Coming into the grid from another control starts at the first column;
    // focus coming back from a cell's editor leaves the cursor where it is.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *wOld, QWidget *wNow) {
        if (wNow != this->stg || (wOld && this->stg->isAncestorOf(wOld)) ||
            this->stg->rowCount() == 0)
            return;
        this->stg->setCurrentCell(std::max(0, this->stg->currentRow()), sgcService);
    });
}

void TclsServiceGrid::pSetColumnCaptions(const QStringList &slCaptions) {
    stg->setHorizontalHeaderLabels(slCaptions);
    for (int i = 0; i < sgcColumnCount; ++i)
        stg->setColumnWidth(i, ciarColumnWidths[i]);
}

void TclsServiceGrid::pClear() {
    stg->setRowCount(0);
}

void TclsServiceGrid::pAddRow(const TrecServiceGridRow &rec) {
    const QScopedValueRollback guard(bUpdating, true);
    const int iRow = stg->rowCount();
    stg->insertRow(iRow);
    const QString *arTexts[sgcColumnCount] = {&rec.stService, &rec.stActivated, &rec.stMode,
                                              &rec.stPhone1,  &rec.stPhone2,    &rec.stHTTPServer,
                                              &rec.stHTTPPort};
    for (int i = 0; i < sgcColumnCount; ++i)
        stg->setItem(iRow, i, new QTableWidgetItem(*arTexts[i]));
    pSetCellEditable(iRow, sgcService, false);
    pApplyEditableCells(iRow);
}

int TclsServiceGrid::fniRowCount() const {
    return stg->rowCount();
}

TrecServiceGridRow TclsServiceGrid::fnrecRow(int iRow) const {
    return {fnstText(iRow, sgcService), fnstText(iRow, sgcActivated), fnstText(iRow, sgcMode),
            fnstText(iRow, sgcPhone1),  fnstText(iRow, sgcPhone2),    fnstText(iRow, sgcHTTPServer),
            fnstText(iRow, sgcHTTPPort)};
}

int TclsServiceGrid::fniRowOf(const QString &stService) const {
    for (int i = 0; i < stg->rowCount(); ++i)
        if (fnstText(i, sgcService).compare(stService, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool TclsServiceGrid::fnbActivatedText(const QString &st) {
    const QString stTrimmed = st.trimmed();
    return !stTrimmed.isEmpty() && stTrimmed.compare(cstActivatedFalse, Qt::CaseInsensitive) != 0;
}

bool TclsServiceGrid::fnbActivated(int iRow) const {
    return fnbActivatedText(fnstText(iRow, sgcActivated));
}

void TclsServiceGrid::pSetActivated(int iRow, const QString &stText) {
    const QScopedValueRollback guard(bUpdating, true);
    pSetText(iRow, sgcActivated, stText);
    pApplyEditableCells(iRow);
}

void TclsServiceGrid::pSetServiceActivated(const QString &stService, const QString &stText) {
    for (int i = 0; i < stg->rowCount(); ++i)
        if (fnstText(i, sgcService).compare(stService, Qt::CaseInsensitive) == 0)
            pSetActivated(i, stText);
}

void TclsServiceGrid::pSetEmailFeature(bool b) {
    bEmailFeature = b;
    for (int i = 0; i < stg->rowCount(); ++i)
        pApplyEditableCells(i);
}

QStringList TclsServiceGrid::fnslModeChoices(int iRow) const {
    if (fnbSameService(fnstText(iRow, sgcService), csAutomaticLPNumberAllocation))
        return {cstModeModem, cstModeHTTPS};
    return {cstModeHTTPS};
}

QStringList TclsServiceGrid::fnslActivatedChoices() {
    return {cstActivatedTrue, cstActivatedFalse};
}

int TclsServiceGrid::fniTextLimit(int iColumn) {
    switch (iColumn) {
    case sgcPhone1:
    case sgcPhone2:
        return ciPhoneLength;
    case sgcHTTPServer:
        return ciServerLength;
    case sgcHTTPPort:
        return ciPortLength;
    default:
        return 0;
    }
}

void TclsServiceGrid::pRewriteServers() {
    const QScopedValueRollback guard(bUpdating, true);
    for (int i = 0; i < stg->rowCount(); ++i) {
        QString stServer = fnstText(i, sgcHTTPServer);
        if (stServer.startsWith(cstHTTPPrefix, Qt::CaseInsensitive))
            stServer = cstHTTPSPrefix + stServer.mid(cstHTTPPrefix.size());
        // An empty server stays empty: a bare prefix would pass the page's
        // "cannot be blank" check without naming any server.
        if (fnstText(i, sgcMode).compare(cstModeHTTPS, Qt::CaseInsensitive) == 0 &&
            !stServer.isEmpty() && !stServer.startsWith(cstHTTPSURLPrefix, Qt::CaseInsensitive))
            stServer = cstHTTPSURLPrefix + stServer;
        if (stServer != fnstText(i, sgcHTTPServer))
            pSetText(i, sgcHTTPServer, stServer);
    }
}

void TclsServiceGrid::pApplyEditableCells(int iRow) {
    const bool bRUZLocked =
        bEmailFeature && fnbSameService(fnstText(iRow, sgcService), csShipmentNotificationViaRUZ);
    pSetCellEditable(iRow, sgcActivated, !bRUZLocked);
    const bool bActivated = fnbActivated(iRow);
    const QString stMode = fnstText(iRow, sgcMode).toUpper();
    const bool bModem = stMode == cstModeModem || stMode == cstModeModemAndHTTPS;
    const bool bHTTP =
        stMode == cstModeHTTP || stMode == cstModeHTTPS || stMode == cstModeModemAndHTTPS;
    pSetCellEditable(iRow, sgcMode, bActivated);
    pSetCellEditable(iRow, sgcPhone1, bActivated && bModem);
    pSetCellEditable(iRow, sgcPhone2, bActivated && bModem);
    pSetCellEditable(iRow, sgcHTTPServer, bActivated && bHTTP);
    pSetCellEditable(iRow, sgcHTTPPort, bActivated && bHTTP);
}

void TclsServiceGrid::pSetCellEditable(int iRow, int iColumn, bool bEditable) {
    QTableWidgetItem *item = fnpItem(iRow, iColumn);
    if (!item)
        return;
    const QScopedValueRollback guard(bUpdating, true);
    item->setFlags(bEditable ? item->flags() | Qt::ItemIsEditable
                             : item->flags() & ~Qt::ItemIsEditable);
}

QTableWidgetItem *TclsServiceGrid::fnpItem(int iRow, int iColumn) const {
    return iRow >= 0 && iRow < stg->rowCount() ? stg->item(iRow, iColumn) : nullptr;
}

QString TclsServiceGrid::fnstText(int iRow, int iColumn) const {
    const QTableWidgetItem *item = fnpItem(iRow, iColumn);
    return item ? item->text().trimmed() : QString();
}

void TclsServiceGrid::pSetText(int iRow, int iColumn, const QString &st) {
    if (QTableWidgetItem *item = fnpItem(iRow, iColumn))
        item->setText(st);
}

void TclsServiceGrid::pItemChanged(QTableWidgetItem *item) {
    if (bUpdating)
        return;
    const int iRow = item->row();
    if (item->column() == sgcMode) {
        pApplyEditableCells(iRow);
        return;
    }
    if (item->column() != sgcActivated)
        return;
    const bool bActivated = fnbActivated(iRow);
    pSetActivated(iRow, bActivated ? cstActivatedTrue : cstActivatedFalse);
    if (fnbSameService(fnstText(iRow, sgcService), csForwardReturn))
        emit ForwardReturnActivationChanged(bActivated);
}

void TclsServiceGrid::pCurrentCellChanged(int iRow, int, int iPreviousRow, int) {
    if (iRow != iPreviousRow)
        pRewriteServers();
}

bool TclsServiceGrid::eventFilter(QObject *obj, QEvent *event) {
    if (obj != stg || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(obj, event);
    const auto *ke = static_cast<QKeyEvent *>(event);
    const bool bBackward = ke->key() == Qt::Key_Backtab ||
                           (ke->key() == Qt::Key_Tab && (ke->modifiers() & Qt::ShiftModifier));
    const bool bForward = !bBackward && ke->key() == Qt::Key_Tab;
    if (!bForward && !bBackward)
        return false;
    const int iLastRow = stg->rowCount() - 1;
    const bool bAtEnd =
        bForward ? stg->currentRow() >= iLastRow && stg->currentColumn() == sgcColumnCount - 1
                 : stg->currentRow() <= 0 && stg->currentColumn() <= 0;
    return (bAtEnd || iLastRow < 0) && fnbTabOutOfGrid(bForward);
}

bool TclsServiceGrid::fnbTabOutOfGrid(bool bForward) {
    QWidget *w = stg;
    for (int i = 0; i < ciMaxFocusSteps; ++i) {
        w = bForward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == stg)
            return false;
        if (stg->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() ||
            (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            continue;
        w->setFocus(bForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}
