// The transfer-list form: a grid of reference rows with incremental search,
// opened by the "..." buttons of the lookup frames and by the address checks.
// The rows are read once when the form opens; each key the user types filters
// them in memory, so searching the whole airport directory stays immediate.
#pragma once

#include "UnitLookupRows.h"
#include "UnitSearchListAdaptors.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;
class QTableView;

// The rows of the grid: all rows sorted once, the ones the search leaves shown.
class TclsSearchListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TclsSearchListModel(TrecSearchListAdaptor recAdaptor, TrecLookupRows recRows,
                        QObject *objParent = nullptr);

    int rowCount(const QModelIndex &idxParent = {}) const override;
    int columnCount(const QModelIndex &idxParent = {}) const override;
    QVariant data(const QModelIndex &idx, int iRole) const override;
    QVariant headerData(int iSection, Qt::Orientation o, int iRole) const override;

    // Shows the rows whose key field starts with the text, ignoring case.
    void pSetFilter(const QString &stText);
    // The record of a shown row, its fields cut to their widths.
    TrecSearchRecord fnrecRecord(int iShownRow) const;

private:
    TrecSearchListAdaptor recAdaptor;
    TrecLookupRows recRows;
    std::vector<int> arColumnSource;
    int iKeyColumn = -1;
    std::vector<QString> arFoldedKeys; // the key of every row, case-folded once
    std::vector<int> arShown;
    QString stFilter;
};

class TfrmTransferList : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTransferList(TrecSearchListAdaptor recAdaptor, QWidget *wParent = nullptr);

    // Reads the rows; 0 or the database library's code.
    int fniLoad();
    // The chosen row; none when the grid shows no rows.
    std::optional<TrecSearchRecord> fnoSelected() const;
    // Puts the text into the search field and shows the rows it finds.
    void pSearchFor(const QString &stText);
    TclsSearchListModel *fnmdlRows() const { return mdlRows; }

    QLineEdit *edtSearch;
    QTableView *grdList;
    QPushButton *btnTransfer;
    QPushButton *btnCancel;

private:
    void pSearch(const QString &stText);

    TrecSearchListAdaptor recAdaptor;
    TclsSearchListModel *mdlRows = nullptr;
};

// Opens the list modally (through fniExecModal) and gives the chosen row; none
// when the user cancels or the rows cannot be read. A search text starts the
// list at the rows it finds, as if the user had typed it.
std::optional<TrecSearchRecord> fnoRunSearchList(const TrecSearchListAdaptor &recAdaptor,
                                                 QWidget *wParent = nullptr,
                                                 const QString &stSearchFor = {});
