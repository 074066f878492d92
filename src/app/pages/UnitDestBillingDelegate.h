// The cell editors of the destination-billing grid. The airport column picks
// from the airport list (or takes a typed code), the account column is a
// plain field. The editors show no message of their own: what they hand over
// is offered to the grid (UnitDestinationBillingGrid.h), which owns its
// rules, and a cell takes a value only when the grid accepts it; otherwise it
// keeps what it held.
#pragma once

#include <QStyledItemDelegate>

#include <functional>

class TclsDestBillingDelegate : public QStyledItemDelegate {
public:
    // Editors open only while the grid is being added to or edited.
    std::function<bool()> fnbEditable;
    std::function<QStringList()> fnslIATAList;
    // An airport code as it is typed, for the check while typing.
    std::function<void(const QModelIndex &, const QString &)> fnIATATyped;
    // A key typed into an account.
    std::function<void(const QModelIndex &)> fnAccountTyped;
    // Whether the cell may take the value; it may tidy it (trim, upper case).
    std::function<bool(const QModelIndex &, QString &)> fnbIATAAccepted, fnbAccountAccepted;

    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *wParent, const QStyleOptionViewItem &,
                          const QModelIndex &idx) const override;
    void setEditorData(QWidget *wEditor, const QModelIndex &idx) const override;
    void setModelData(QWidget *wEditor, QAbstractItemModel *mdl,
                      const QModelIndex &idx) const override;
};
