// The transfer-list form and the in-memory filter behind its search box.
#include "UnitSearchList.h"

#include "unitLogToFile.h"
#include "UnitLookupResourceStrings.h"
#include "UnitModalDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

TclsSearchListModel::TclsSearchListModel(TrecSearchListAdaptor recAdaptorIn,
                                         TrecLookupRows recRowsIn, QObject *objParent)
    : QAbstractTableModel(objParent), recAdaptor(std::move(recAdaptorIn)),
      recRows(std::move(recRowsIn)) {
    for (const QString &stColumn : recAdaptor.slColumns)
        arColumnSource.push_back(recRows.fniField(stColumn));
    iKeyColumn = recRows.fniField(recAdaptor.stKeyField);
    const int iSort = recRows.fniField(recAdaptor.stSortField);
    if (iSort >= 0)
        std::stable_sort(recRows.arRows.begin(), recRows.arRows.end(),
                         [iSort](const QStringList &a, const QStringList &b) {
                             return a.value(iSort).compare(b.value(iSort), Qt::CaseInsensitive) < 0;
                         });
    arFoldedKeys.reserve(recRows.arRows.size());
    for (const QStringList &slRow : recRows.arRows)
        arFoldedKeys.push_back(iKeyColumn < 0 ? QString() : slRow.value(iKeyColumn).toCaseFolded());
    arShown.resize(recRows.arRows.size());
    std::iota(arShown.begin(), arShown.end(), 0);
}

int TclsSearchListModel::rowCount(const QModelIndex &idxParent) const {
    return idxParent.isValid() ? 0 : int(arShown.size());
}

int TclsSearchListModel::columnCount(const QModelIndex &idxParent) const {
    return idxParent.isValid() ? 0 : int(arColumnSource.size());
}

QVariant TclsSearchListModel::data(const QModelIndex &idx, int iRole) const {
    if (iRole != Qt::DisplayRole || !idx.isValid() || size_t(idx.row()) >= arShown.size())
        return {};
    const int iSource = arColumnSource[size_t(idx.column())];
    return iSource < 0 ? QString()
                       : recRows.arRows[size_t(arShown[size_t(idx.row())])].value(iSource);
}

QVariant TclsSearchListModel::headerData(int iSection, Qt::Orientation o, int iRole) const {
    if (o == Qt::Horizontal && iRole == Qt::DisplayRole)
        return recAdaptor.slColumns.value(iSection);
    return QAbstractTableModel::headerData(iSection, o, iRole);
}

// Typing on narrows the rows already shown; any other change starts again
// from all rows.
void TclsSearchListModel::pSetFilter(const QString &stText) {
    const QString stFolded = stText.toCaseFolded();
    beginResetModel();
    if (stFilter.isEmpty() || !stFolded.startsWith(stFilter)) {
        arShown.resize(recRows.arRows.size());
        std::iota(arShown.begin(), arShown.end(), 0);
    }
    if (!stFolded.isEmpty())
        std::erase_if(arShown,
                      [&](int iRow) { return !arFoldedKeys[size_t(iRow)].startsWith(stFolded); });
    stFilter = stFolded;
    endResetModel();
}

TrecSearchRecord TclsSearchListModel::fnrecRecord(int iShownRow) const {
    TrecSearchRecord rec;
    if (iShownRow < 0 || size_t(iShownRow) >= arShown.size())
        return rec;
    const size_t iRow = size_t(arShown[size_t(iShownRow)]);
    for (const TrecSearchField &recField : recAdaptor.arRecordFields)
        rec.insert(recField.stName,
                   recRows.fnstValue(iRow, recField.stName).trimmed().left(recField.iWidth));
    return rec;
}

TfrmTransferList::TfrmTransferList(TrecSearchListAdaptor recAdaptorIn, QWidget *wParent)
    : QDialog(wParent), edtSearch(new QLineEdit(this)), grdList(new QTableView(this)),
      btnTransfer(new QPushButton(recAdaptorIn.stButtonCaption, this)),
      btnCancel(new QPushButton(fnstRS(rsSearchListCancel), this)),
      recAdaptor(std::move(recAdaptorIn)) {
    setObjectName(QStringLiteral("frmTransferList"));
    grdList->setObjectName(recAdaptor.stGridName);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    btnTransfer->setObjectName(QStringLiteral("btnTransfer"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList->verticalHeader()->hide();
    // Rows of one height: the grid then never measures its thousands of rows
    // again when a keystroke changes them.
    grdList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdList->verticalHeader()->setDefaultSectionSize(grdList->fontMetrics().height() + 6);
    grdList->horizontalHeader()->setStretchLastSection(true);

    auto *layFind = new QHBoxLayout;
    layFind->addWidget(new QLabel(fnstRS(rsSearchListFind), this));
    layFind->addWidget(edtSearch);
    auto *layButtons = new QHBoxLayout;
    layButtons->addStretch();
    layButtons->addWidget(btnTransfer);
    layButtons->addWidget(btnCancel);
    auto *layMain = new QVBoxLayout(this);
    layMain->addLayout(layFind);
    layMain->addWidget(grdList);
    layMain->addLayout(layButtons);
    resize(520, 420);
    btnTransfer->setDefault(true);

    connect(edtSearch, &QLineEdit::textEdited, this, &TfrmTransferList::pSearch);
    connect(btnTransfer, &QPushButton::clicked, this, [this] {
        if (fnoSelected())
            accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdList, &QTableView::doubleClicked, this, [this] { accept(); });
}

int TfrmTransferList::fniLoad() {
    TrecLookupRows recRows;
    const int iCode = fniLoadLookupRows(recAdaptor.stSQL, recAdaptor.vlBinds, recRows);
    if (iCode != 0)
        pWriteLog(2, QStringLiteral("UnitSearchList"), QStringLiteral("fniLoad"),
                  QStringLiteral("%1 could not read its rows (code %2)")
                      .arg(recAdaptor.stGridName)
                      .arg(iCode));
    delete mdlRows;
    mdlRows = new TclsSearchListModel(recAdaptor, std::move(recRows), this);
    grdList->setModel(mdlRows);
    pSearch(edtSearch->text());
    return iCode;
}

void TfrmTransferList::pSearch(const QString &stText) {
    if (!mdlRows)
        return;
    mdlRows->pSetFilter(stText.trimmed());
    if (mdlRows->rowCount() > 0)
        grdList->selectRow(0);
}

void TfrmTransferList::pSearchFor(const QString &stText) {
    edtSearch->setText(stText);
    pSearch(stText);
}

std::optional<TrecSearchRecord> TfrmTransferList::fnoSelected() const {
    if (!mdlRows || !grdList->selectionModel())
        return std::nullopt;
    const QModelIndexList arRows = grdList->selectionModel()->selectedRows();
    if (arRows.isEmpty())
        return std::nullopt;
    return mdlRows->fnrecRecord(arRows.first().row());
}

std::optional<TrecSearchRecord> fnoRunSearchList(const TrecSearchListAdaptor &recAdaptor,
                                                 QWidget *wParent, const QString &stSearchFor) {
    TfrmTransferList frm(recAdaptor, wParent);
    if (frm.fniLoad() != 0)
        return std::nullopt;
    if (!stSearchFor.trimmed().isEmpty())
        frm.pSearchFor(stSearchFor);
    if (fniExecModal(frm) != QDialog::Accepted)
        return std::nullopt;
    return frm.fnoSelected();
}
