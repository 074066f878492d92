// The lookup combo: list loading, the multi-column drop-down and the leaving steps.
#include "UnitMvLookupCombo.h"

#include "UnitFocusSteps.h"
#include "unitLogToFile.h"
#include "UnitLookupResourceStrings.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

#include <exception>

namespace {
const QString cstUnit = QStringLiteral("UnitMvLookupCombo");
} // namespace

TmvLookupCombo::TmvLookupCombo(QWidget *wParent)
    : QComboBox(wParent), SetYesCaption(fnstRS(rsLookupYes)), SetNoCaption(fnstRS(rsLookupNo)),
      FormCaption(fnstRS(rsLookupFormCaption)), mdlList(new QStandardItemModel(this)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setModel(mdlList);
    auto *tvList = new QTableView(this);
    tvList->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvList->verticalHeader()->hide();
    tvList->horizontalHeader()->setStretchLastSection(true);
    tvList->setShowGrid(false);
    setView(tvList);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TmvLookupCombo::pUpperCaseInput);
}

void TmvLookupCombo::pGuarded(const char *pchMethod, const std::function<void()> &fn) {
    try {
        fn();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QString::fromLatin1(pchMethod),
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
    }
}

void TmvLookupCombo::pSetListFieldNames(const QString &stNames) {
    slListFields = stNames.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &st : slListFields)
        st = st.trimmed();
    pFillModel();
}

void TmvLookupCombo::pSetListColumnCaptions(const QString &stCaptions) {
    slCaptions = stCaptions.split(QLatin1Char(';'));
    pFillModel();
}

void TmvLookupCombo::pSetKeyFieldNames(const QString &stName) {
    stKeyFieldNames = stName.trimmed();
    pFillModel();
}

QString TmvLookupCombo::fnstKeyField() const {
    if (!stKeyFieldNames.isEmpty())
        return stKeyFieldNames;
    return slListFields.value(0);
}

int TmvLookupCombo::fniSetListSource(const QString &stSQL, const QVariantList &vlBinds) {
    stSourceSQL = stSQL;
    vlSourceBinds = vlBinds;
    return fniReopenList();
}

void TmvLookupCombo::pBindListSource(const QString &stSQL, const QVariantList &vlBinds) {
    stSourceSQL = stSQL;
    vlSourceBinds = vlBinds;
    bListOpened = false;
}

int TmvLookupCombo::fniEnsureListOpen() {
    return bListOpened ? 0 : fniReopenList();
}

void TmvLookupCombo::showPopup() {
    fniEnsureListOpen();
    QComboBox::showPopup();
}

int TmvLookupCombo::fniReopenList() {
    if (!stSourceSQL)
        return 0;
    bListOpened = true;
    const int iCode = fniLoadLookupRows(*stSourceSQL, vlSourceBinds, recRows);
    pFillModel();
    return iCode;
}

void TmvLookupCombo::pSetFixedRows(const TrecLookupRows &recFixed) {
    stSourceSQL.reset();
    recRows = recFixed;
    pFillModel();
}

bool TmvLookupCombo::fnbConnectedDB() {
    bool bConnected = false;
    pGuarded("fnbConnectedDB", [&] {
        bConnected = stSourceSQL.has_value() || !recRows.slFields.isEmpty();
        if (!bConnected)
            pWriteLog(
                2, cstUnit, QStringLiteral("fnbConnectedDB"),
                QStringLiteral("Component:%1 Properties.ListSource is nil").arg(objectName()));
    });
    return bConnected;
}

// The drop-down shows the list fields; the key is the column the edit text
// is taken from, added hidden when it is not one of them.
void TmvLookupCombo::pFillModel() {
    const QString stText = currentText();
    QStringList slColumns = slListFields;
    const QString stKey = fnstKeyField();
    int iKeyColumn = -1;
    for (int i = 0; i < slColumns.size(); ++i)
        if (slColumns.at(i).compare(stKey, Qt::CaseInsensitive) == 0)
            iKeyColumn = i;
    if (iKeyColumn < 0 && !stKey.isEmpty()) {
        slColumns << stKey;
        iKeyColumn = int(slColumns.size()) - 1;
    }
    std::vector<int> arSource;
    for (const QString &stColumn : slColumns)
        arSource.push_back(recRows.fniField(stColumn));

    const QSignalBlocker blocker(this);
    mdlList->clear();
    mdlList->setColumnCount(int(slColumns.size()));
    for (int i = 0; i < slColumns.size(); ++i) {
        const QString stCaption = slCaptions.value(i);
        mdlList->setHeaderData(i, Qt::Horizontal,
                               stCaption.isEmpty() ? slColumns.at(i) : stCaption);
    }
    for (const QStringList &slRow : recRows.arRows) {
        QList<QStandardItem *> arItems;
        for (int iSource : arSource)
            arItems << new QStandardItem(iSource < 0 ? QString() : slRow.value(iSource));
        mdlList->appendRow(arItems);
    }
    setModelColumn(std::max(iKeyColumn, 0));
    if (auto *tvList = qobject_cast<QTableView *>(view()))
        for (int i = 0; i < slColumns.size(); ++i)
            tvList->setColumnHidden(i, i >= slListFields.size());
    setCurrentIndex(-1);
    setEditText(stText);
}

std::optional<size_t> TmvLookupCombo::fnoRowOfKey(const QString &stText) const {
    const int iKey = recRows.fniField(fnstKeyField());
    if (iKey < 0)
        return std::nullopt;
    for (size_t i = 0; i < recRows.arRows.size(); ++i)
        if (recRows.arRows[i].value(iKey).trimmed().compare(stText, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

bool TmvLookupCombo::fnbIsINList(const QString &stText) {
    bool bFound = false;
    pGuarded("fnbIsINList", [&] {
        fniReopenList();
        bFound = fnoRowOfKey(stText.trimmed()).has_value();
    });
    return bFound;
}

void TmvLookupCombo::pAskNotInList(const QString &stText) {
    QString stQuestion = CheckValidMsgStr;
    stQuestion.replace(QStringLiteral("%s"), QLatin1Char('\'') + stText + QLatin1Char('\''));
    const QString stCaption = fnstRS(rsLookupConfirmation) + QStringLiteral(" - ") + FormCaption;
    const QString stYes =
        QCoreApplication::translate("Morvane", SetYesCaption.toUtf8().constData());
    const QString stNo = QCoreApplication::translate("Morvane", SetNoCaption.toUtf8().constData());
    const int iButton = fniMessageDlg(stQuestion, stCaption, {stYes, stNo}, stYes, ImageIcon);
    if (iButton == 0 && OnYesClick)
        OnYesClick();
    else if (iButton == 1 && OnNoClick)
        OnNoClick();
}

void TmvLookupCombo::pRunLeavingSteps() {
    setEditText(currentText().trimmed());
    if (DisplayDefault && currentText().isEmpty())
        setEditText(DefaultValue);
    const bool bCanTakeFocus = window()->isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus;
    if (!AllowBlank && currentText().isEmpty() && bCanTakeFocus)
        return;
    if (CheckValidity && !currentText().isEmpty() && fnbConnectedDB() &&
        !fnbIsINList(currentText()))
        pAskNotInList(currentText());
    if (RestoreLastValue)
        LastValue = currentText();
}

void TmvLookupCombo::pDoExit() {
    // A check that refuses the value gives the focus back and opens the list,
    // which leaves the field once more while it is still being left.
    if (bLeaving)
        return;
    bLeaving = true;
    pGuarded("DoExit", [&] { pRunLeavingSteps(); });
    emit Exited();
    bLeaving = false;
}

void TmvLookupCombo::focusOutEvent(QFocusEvent *e) {
    QComboBox::focusOutEvent(e);
    // Opening the own drop-down or switching windows is no leaving of the field.
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason ||
        view()->isVisible())
        return;
    // Once the focus has moved; a field no longer on screen is not left.
    pQueueFocusStep(this, [this] {
        if (isVisible())
            pDoExit();
    });
}

void TmvLookupCombo::focusInEvent(QFocusEvent *e) {
    // Entering the field opens its list, so typing completes from it.
    pGuarded("DoEnter", [&] {
        fniEnsureListOpen();
        QComboBox::focusInEvent(e);
    });
}

void TmvLookupCombo::keyPressEvent(QKeyEvent *e) {
    pGuarded("KeyDown", [&] { QComboBox::keyPressEvent(e); });
}

void TmvLookupCombo::pUpperCaseInput(const QString &stText) {
    pGuarded("KeyPress", [&] {
        if (DataType != ldtUpperCase || stText == stText.toUpper())
            return;
        const int iCursor = lineEdit()->cursorPosition();
        lineEdit()->setText(stText.toUpper());
        lineEdit()->setCursorPosition(iCursor);
    });
}
