// The destination-billing grid's cell editors.
#include "UnitDestBillingDelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPersistentModelIndex>

namespace {
constexpr int ciColIATA = 0;
constexpr int ciIATALength = 3;
constexpr int ciAccNumLength = 12;
} // namespace

QWidget *TclsDestBillingDelegate::createEditor(QWidget *wParent, const QStyleOptionViewItem &,
                                               const QModelIndex &idx) const {
    if (!fnbEditable())
        return nullptr;
    const QPersistentModelIndex idxCell(idx);
    if (idx.column() == ciColIATA) {
        auto *cmb = new QComboBox(wParent);
        cmb->setEditable(true);
        cmb->setInsertPolicy(QComboBox::NoInsert);
        cmb->addItems(fnslIATAList());
        cmb->lineEdit()->setMaxLength(ciIATALength);
        QObject::connect(cmb, &QComboBox::editTextChanged, cmb,
                         [this, idxCell](const QString &st) { fnIATATyped(idxCell, st); });
        return cmb;
    }
    auto *edt = new QLineEdit(wParent);
    edt->setMaxLength(ciAccNumLength);
    QObject::connect(edt, &QLineEdit::textEdited, edt,
                     [this, idxCell] { fnAccountTyped(idxCell); });
    return edt;
}

void TclsDestBillingDelegate::setEditorData(QWidget *wEditor, const QModelIndex &idx) const {
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

void TclsDestBillingDelegate::setModelData(QWidget *wEditor, QAbstractItemModel *mdl,
                                           const QModelIndex &idx) const {
    QString st;
    bool bAccepted = false;
    if (auto *cmb = qobject_cast<QComboBox *>(wEditor)) {
        st = cmb->currentText();
        bAccepted = fnbIATAAccepted(idx, st);
    } else if (auto *edt = qobject_cast<QLineEdit *>(wEditor)) {
        st = edt->text();
        bAccepted = fnbAccountAccepted(idx, st);
    }
    if (bAccepted)
        mdl->setData(idx, st, Qt::EditRole);
}
