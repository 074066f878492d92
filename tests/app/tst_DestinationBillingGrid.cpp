// The destination-billing grid as a user drives it; completed rows are never lost.
#include "UnitNavWizard.h"
#include "unitRWSenders.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>

namespace {
const QString cstIATAExists = QStringLiteral("This IATA already exists.");
const QString cstNotValid = QStringLiteral("Account Number is not valid.");
const QString cstBlanks = QStringLiteral("Blanks are not allowed");

struct TrecGridWizard : TrecNavWizard {
    TrecGridWizard() : TrecNavWizard(fnrecWithReferenceData()) {}

    // On the continued page with a valid account, so that Next moves on, the box ticked.
    bool fnbOnGrid() {
        if (!fnbOnPage(wpSenderInfoCont))
            return false;
        edt("edtSenderZorvAccount")->setText(QStringLiteral("123456789"));
        if (!chk("chkDestinationBilling")->isChecked())
            QTest::mouseClick(chk("chkDestinationBilling"), Qt::LeftButton);
        return chk("chkDestinationBilling")->isChecked();
    }
    QTableWidget *stg() { return fnpControl<QTableWidget>(frm, "stgdestinationBillingStringGrid"); }
    QRect fnrcCell(int iRow, int iColumn) {
        return stg()->visualRect(stg()->model()->index(iRow, iColumn));
    }
    // A right click on the cell (or below the rows), then the menu's item.
    void pMenu(const char *pchAction, int iRow = -1) {
        const QPoint pt =
            iRow < 0 ? QPoint(5, stg()->viewport()->height() - 5) : fnrcCell(iRow, 1).center();
        QTest::mousePress(stg()->viewport(), Qt::RightButton, {}, pt);
        QTest::mouseRelease(stg()->viewport(), Qt::RightButton, {}, pt);
        QContextMenuEvent ev(QContextMenuEvent::Mouse, pt, stg()->viewport()->mapToGlobal(pt));
        QApplication::sendEvent(stg()->viewport(), &ev);
        auto *pmn = fnpControl<QMenu>(frm, "pmnDestBillingGrid");
        QTRY_VERIFY(pmn->isVisible());
        auto *act = fnpControl<QAction>(frm, pchAction);
        QTest::mouseClick(pmn, Qt::LeftButton, {}, pmn->actionGeometry(act).center());
        QTRY_VERIFY(!pmn->isVisible());
    }
    void pClick(int iRow, int iColumn) {
        QTest::mouseClick(stg()->viewport(), Qt::LeftButton, {}, fnrcCell(iRow, iColumn).center());
    }
    QStringList fnslRows() {
        QStringList sl;
        for (int i = 0; i < stg()->rowCount(); ++i)
            sl << (stg()->item(i, 0) ? stg()->item(i, 0)->text() : QString()) + QLatin1Char('|') +
                      (stg()->item(i, 1) ? stg()->item(i, 1)->text() : QString());
        return sl;
    }
    // The open cell editor's text; a null text when no editor is open.
    QString fnstEditorText() {
        QWidget *w = stg()->indexWidget(stg()->currentIndex());
        if (auto *cmb = qobject_cast<QComboBox *>(w))
            return cmb->currentText();
        if (auto *edt = qobject_cast<QLineEdit *>(w))
            return edt->text();
        return {};
    }
    bool fnbEditing(int iRow, int iColumn) {
        QWidget *w = stg()->indexWidget(stg()->currentIndex());
        return stg()->currentRow() == iRow && stg()->currentColumn() == iColumn && w &&
               (QApplication::focusWidget() == w || w->isAncestorOf(QApplication::focusWidget()));
    }
    bool fnbAddRow(const QString &stIATA, const QString &stAccount) {
        pMenu("mnuDestbillingAdd");
        pType(stIATA);
        pKey(Qt::Key_Tab);
        pType(stAccount);
        pKey(Qt::Key_Return);
        // Return commits once its key press is handled.
        return QTest::qWaitFor([this] { return !stg()->indexWidget(stg()->currentIndex()); });
    }
};
} // namespace

class tst_DestinationBillingGrid : public QObject {
    Q_OBJECT

private slots:
    void ADuplicateAirportTypedIsRefusedAndTheRowStays();
    void LeavingAnIncompleteRowRemovesItOnce_data();
    void LeavingAnIncompleteRowRemovesItOnce();
    void ARefusedEditOfASavedRowKeepsTheRow();
    void EmptyRowsGoWhenLeft();
    void DeleteAsksOnceForTheSelectedRows();
    void TheRowsTypedAreStored();
};

// A duplicate airport is told from inside the editor's text change; the row stays.
void tst_DestinationBillingGrid::ADuplicateAirportTypedIsRefusedAndTheRowStays() {
    for (const TClose clHow : {clOK, clEscape, clCloseButton}) {
        TrecGridWizard w;
        QVERIFY(w.fnbOnGrid());
        QVERIFY(w.fnbAddRow(QStringLiteral("JFK"), QStringLiteral("987654321")));
        // As a row saved in lower case shows: still the same airport.
        w.stg()->item(0, 0)->setText(QStringLiteral("jfk"));
        w.pMenu("mnuDestbillingAdd");
        w.pPlan(clHow);
        w.pType(QStringLiteral("JFK"));
        QCOMPARE(w.fnslAwaited(1), QStringList({cstIATAExists}));
        QTRY_VERIFY(w.fnbEditing(1, 0));
        QCOMPARE(w.fnstEditorText(), QString());
        w.pType(QStringLiteral("LHR"));
        w.pKey(Qt::Key_Tab);
        w.pType(QStringLiteral("876543219"));
        w.pKey(Qt::Key_Return);
        QTRY_COMPARE(w.fnslRows(), QStringList({"jfk|987654321", "LHR|876543219"}));
        QVERIFY(w.frm.isVisible());
        QCOMPARE(w.objAnswerer.fniUnused(), size_t(0));
    }
}

// Every way an incomplete row is left: it goes once, the complete rows stay.
void tst_DestinationBillingGrid::LeavingAnIncompleteRowRemovesItOnce_data() {
    QTest::addColumn<QString>("stWay");
    for (const char *pch :
         {"next twice", "alt+n on a bad account", "delete the empty row", "untick and next"})
        QTest::newRow(pch) << QString::fromLatin1(pch);
}

void tst_DestinationBillingGrid::LeavingAnIncompleteRowRemovesItOnce() {
    QFETCH(QString, stWay);
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    QVERIFY(w.fnbAddRow(QStringLiteral("JFK"), QStringLiteral("987654321")));
    w.pMenu("mnuDestbillingAdd");
    QTRY_VERIFY(w.fnbEditing(1, 0));
    if (stWay == QLatin1String("delete the empty row")) {
        w.pMenu("mnuDestBillingDelete", 1);
        QCOMPARE(w.fnslRows(), QStringList({"JFK|987654321"}));
        QCOMPARE(w.fnslMessages(), QStringList());
        return;
    }
    w.pType(QStringLiteral("LHR"));
    w.pKey(Qt::Key_Tab);
    QTRY_VERIFY(w.fnbEditing(1, 1));
    if (stWay == QLatin1String("next twice")) {
        w.objAnswerer.pExpect(0);
        w.pNext();
        QCOMPARE(w.fnslAwaited(1), QStringList({cstBlanks}));
        QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfoCont));
        QTRY_VERIFY(w.fnbEditing(1, 1));
        w.pNext();
    } else if (stWay == QLatin1String("alt+n on a bad account")) {
        w.pType(QStringLiteral("12"));
        w.objAnswerer.pExpect(0);
        w.pKey(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(w.fnslAwaited(1), QStringList({cstNotValid}));
        QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfoCont));
        QTRY_VERIFY(w.fnbEditing(1, 1));
        QCOMPARE(w.fnstEditorText(), QString());
        w.pKey(Qt::Key_N, Qt::AltModifier);
    } else {
        // Unticking leaves the account: nothing is left to correct in a grid switched off.
        QTest::mouseClick(w.chk("chkDestinationBilling"), Qt::LeftButton);
        QVERIFY(!w.chk("chkDestinationBilling")->isChecked());
        w.pNext();
    }
    QTRY_VERIFY(w.frm.fniCurrentPage() != wpSenderInfoCont);
    QCOMPARE(w.fnslRows(), QStringList({"JFK|987654321"}));
    QCOMPARE(w.objAnswerer.fniUnused(), size_t(0));
}

// A refused account typed over a saved one: the saved account and the row stay.
void tst_DestinationBillingGrid::ARefusedEditOfASavedRowKeepsTheRow() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    QVERIFY(w.fnbAddRow(QStringLiteral("JFK"), QStringLiteral("987654321")));
    QVERIFY(w.fnbAddRow(QStringLiteral("LHR"), QStringLiteral("876543219")));
    w.pClick(1, 1);
    w.pMenu("mnuDestBillingEdit", 1);
    QTRY_VERIFY(w.fnbEditing(1, 1));
    w.pKey(Qt::Key_A, Qt::ControlModifier);
    w.pType(QStringLiteral("12"));
    w.objAnswerer.pExpect(0);
    w.pClick(0, 0);
    QCOMPARE(w.fnslAwaited(1), QStringList({cstNotValid}));
    QTRY_VERIFY(w.fnbEditing(1, 1));
    QCOMPARE(w.fnstEditorText(), QStringLiteral("876543219"));
    w.pClick(0, 0);
    QTRY_COMPARE(w.stg()->currentRow(), 0);
    QCOMPARE(w.fnslRows(), QStringList({"JFK|987654321", "LHR|876543219"}));
    QCOMPARE(w.fnslMessages(), QStringList());
}

// Empty rows go when left; the last row gone, leaving the page unticks the box.
void tst_DestinationBillingGrid::EmptyRowsGoWhenLeft() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    QVERIFY(w.fnbAddRow(QStringLiteral("LHR"), QStringLiteral("111111111")));
    w.pMenu("mnuDestbillingAdd");
    QTRY_VERIFY(w.fnbEditing(1, 0));
    w.pClick(0, 0);
    QTRY_COMPARE(w.fnslRows(), QStringList({"LHR|111111111"}));

    w.pMenu("mnuDestbillingAdd");
    w.pType(QStringLiteral("EDI"));
    w.pBack();
    QTRY_COMPARE(w.frm.fniCurrentPage(), int(wpSenderInfo));
    QCOMPARE(w.fnslRows(), QStringList({"LHR|111111111"}));
    QVERIFY(w.chk("chkDestinationBilling")->isChecked());

    QVERIFY(w.fnbOnPage(wpSenderInfoCont));
    w.pClick(0, 0);
    w.objAnswerer.pExpect(0);
    w.pMenu("mnuDestBillingDelete", 0);
    QCOMPARE(w.fnslAwaited(1), QStringList({"Do you want to delete the record(s)?"}));
    QCOMPARE(w.stg()->rowCount(), 0);
    w.pBack();
    QTRY_COMPARE(w.frm.fniCurrentPage(), int(wpSenderInfo));
    QVERIFY(!w.chk("chkDestinationBilling")->isChecked());
    QVERIFY(!w.stg()->isEnabled());
}

void tst_DestinationBillingGrid::DeleteAsksOnceForTheSelectedRows() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    for (const char *pch : {"LHR", "MAN", "GLA"})
        QVERIFY(w.fnbAddRow(QLatin1String(pch), QStringLiteral("111111111")));
    QTableWidget *stg = w.stg();
    stg->clearSelection();
    for (int iRow : {0, 2})
        stg->selectionModel()->select(stg->model()->index(iRow, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // Rows 0 and 2 selected: No keeps them, Yes deletes both.
    for (const int iAnswer : {1, 0}) {
        w.objAnswerer.pExpect(iAnswer);
        fnpControl<QAction>(w.frm, "mnuDestBillingDelete")->trigger();
    }
    QCOMPARE(w.fnslAwaited(2), QStringList(2, "Do you want to delete the record(s)?"));
    QCOMPARE(w.fnslRows(), QStringList({"MAN|111111111"}));
}

// What the grid shows is what is saved; Alt+N while typing an account commits it.
void tst_DestinationBillingGrid::TheRowsTypedAreStored() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    QVERIFY(w.fnbAddRow(QStringLiteral("JFK"), QStringLiteral("987654321")));
    QVERIFY(w.fnbAddRow(QStringLiteral("lhr"), QStringLiteral(" 876543219 ")));
    w.pMenu("mnuDestbillingAdd");
    w.pType(QStringLiteral("DUB"));
    w.pKey(Qt::Key_Tab);
    w.pType(QStringLiteral("222222222"));
    w.pKey(Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(w.frm.fniCurrentPage(), int(wpCommSetting));
    using TarBilling = std::vector<std::pair<QString, QString>>;
    QCOMPARE(w.frm.fnarDestinationBillingRows(),
             TarBilling({{"JFK", "987654321"}, {"LHR", "876543219"}, {"DUB", "222222222"}}));
    QCOMPARE(w.fnslMessages(), QStringList());
}

QTEST_MAIN(tst_DestinationBillingGrid)
#include "tst_DestinationBillingGrid.moc"
