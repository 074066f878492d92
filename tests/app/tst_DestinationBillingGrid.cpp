// The destination-billing grid of the continued sender page, driven as a user
// drives it: the context menu, keys typed into the cell editors, Next and
// Back, and every message box answered from inside its own modal loop. The
// rows a user completed are never lost, whatever box comes and however it is
// closed.
#include "UnitNavWizard.h"
#include "unitRWSenders.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>

namespace {
const QString cstIATAExists = QStringLiteral("This IATA already exists.");
const QString cstNotValid = QStringLiteral("Account Number is not valid.");
const QString cstBlanks = QStringLiteral("Blanks are not allowed");

struct TrecGridWizard : TrecNavWizard {
    TrecGridWizard() : TrecNavWizard(fnrecWithReferenceData()) {}

    // On the continued sender page with a valid Zorv account, so that Next
    // moves on, and the grid's box ticked.
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
    // A click on the cell.
    void pClick(int iRow, int iColumn) {
        QTest::mouseClick(stg()->viewport(), Qt::LeftButton, {}, fnrcCell(iRow, iColumn).center());
    }
    // The grid's rows as "airport|account".
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
    // The editor of the current cell holds the focus.
    bool fnbEditing(int iRow, int iColumn) {
        QWidget *w = stg()->indexWidget(stg()->currentIndex());
        return stg()->currentRow() == iRow && stg()->currentColumn() == iColumn && w &&
               (QApplication::focusWidget() == w || w->isAncestorOf(QApplication::focusWidget()));
    }
    // A complete row added through the menu and typed key by key.
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
    void AccountsAreCheckedWhenEntered();
    void EmptyRowsGoWhenLeft();
    void SelectionDecidesTheMenuAndDeleteAsksOnce();
    void TheBoxGreysTheGrid();
    void TheRowsTypedAreStored();
};

// "JFK" typed into a second row: the warning comes while the cell's editor
// is in its own text change; however it is closed, the user stays on the
// row and types another airport.
void tst_DestinationBillingGrid::ADuplicateAirportTypedIsRefusedAndTheRowStays() {
    for (const TClose clHow : {clOK, clEscape, clCloseButton}) {
        TrecGridWizard w;
        QVERIFY(w.fnbOnGrid());
        QVERIFY(w.fnbAddRow(QStringLiteral("JFK"), QStringLiteral("987654321")));
        // As a row saved in lower case shows: still the same airport.
        w.stg()->item(0, 0)->setText(QStringLiteral("jfk"));
        QCOMPARE(w.fnslRows(), QStringList({"jfk|987654321"}));
        w.pMenu("mnuDestbillingAdd");
        // The airport's pick list holds the carrier's airports.
        auto *cmb = qobject_cast<QComboBox *>(w.stg()->indexWidget(w.stg()->currentIndex()));
        QVERIFY(cmb && cmb->findText(QStringLiteral("EDI")) >= 0);
        w.pPlan(clHow);
        w.pType(QStringLiteral("JFK"));
        QCOMPARE(w.fnslAwaited(1), QStringList({cstIATAExists}));
        QCOMPARE(w.objAnswerer.fnarAsked().back().stCaption, QStringLiteral("Shipper - Warning"));
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

// Every way a row being entered is left incomplete: the row goes once, the
// complete rows stay, the wizard lives on.
void tst_DestinationBillingGrid::LeavingAnIncompleteRowRemovesItOnce_data() {
    QTest::addColumn<QString>("stWay");
    for (const char *pch : {"next twice", "next then back", "alt+n on a bad account",
                            "delete the empty row", "untick and next"})
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
    if (stWay == QLatin1String("next twice") || stWay == QLatin1String("next then back")) {
        // The empty account is told once; leaving again drops the row.
        w.objAnswerer.pExpect(0);
        w.pNext();
        QCOMPARE(w.fnslAwaited(1), QStringList({cstBlanks}));
        QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfoCont));
        QTRY_VERIFY(w.fnbEditing(1, 1));
        if (stWay == QLatin1String("next twice"))
            w.pNext();
        else
            w.pBack();
    } else if (stWay == QLatin1String("alt+n on a bad account")) {
        w.pType(QStringLiteral("12"));
        w.objAnswerer.pExpect(0);
        w.pKey(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(w.fnslAwaited(1), QStringList({cstNotValid}));
        QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfoCont));
        // Back on the account, which the refused number did not reach.
        QTRY_VERIFY(w.fnbEditing(1, 1));
        QCOMPARE(w.fnstEditorText(), QString());
        w.pKey(Qt::Key_N, Qt::AltModifier);
    } else {
        // The click that unticks the box leaves the account it came from:
        // nothing is left to correct in a grid switched off.
        QTest::mouseClick(w.chk("chkDestinationBilling"), Qt::LeftButton);
        QVERIFY(!w.chk("chkDestinationBilling")->isChecked());
        w.pNext();
    }
    QTRY_VERIFY(w.frm.fniCurrentPage() != wpSenderInfoCont);
    QCOMPARE(w.fnslRows(), QStringList({"JFK|987654321"}));
    QCOMPARE(w.objAnswerer.fniUnused(), size_t(0));
}

// A refused account typed over a saved one: the saved account stays, the
// user is back on it, no row goes.
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

// Return in the account: blanks and a number the carrier's rules refuse are
// told and leave the cell as it was; a good number is kept trimmed.
void tst_DestinationBillingGrid::AccountsAreCheckedWhenEntered() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    w.pMenu("mnuDestbillingAdd");
    w.pType(QStringLiteral("EDI"));
    w.pKey(Qt::Key_Tab);
    const struct {
        const char *pchTyped;
        QString stMessage; // empty: accepted
        const char *pchCell;
    } arCases[] = {
        {"    ", cstBlanks, ""},
        {"12AB", cstNotValid, ""},
        {" 333333333 ", QString(), "333333333"},
    };
    for (const auto &c : arCases) {
        QTRY_VERIFY(w.fnbEditing(0, 1));
        w.pType(QLatin1String(c.pchTyped));
        if (!c.stMessage.isEmpty())
            w.objAnswerer.pExpect(0);
        w.pKey(Qt::Key_Return);
        if (!c.stMessage.isEmpty()) {
            QCOMPARE(w.fnslAwaited(1), QStringList({c.stMessage}));
            QCOMPARE(w.objAnswerer.fnarAsked().back().stCaption,
                     QStringLiteral("Shipper - Invalid Data"));
        }
        QTRY_COMPARE(w.fnslRows(), QStringList({QStringLiteral("EDI|") + c.pchCell}));
    }
    QCOMPARE(w.fnslMessages(), QStringList());
}

// A row added and left empty goes when another row is chosen; an airport
// without its account goes with the page; the last row gone, leaving the page
// unticks the box.
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

void tst_DestinationBillingGrid::SelectionDecidesTheMenuAndDeleteAsksOnce() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    for (const char *pch : {"LHR", "MAN", "GLA"})
        QVERIFY(w.fnbAddRow(QLatin1String(pch), QStringLiteral("111111111")));
    QTableWidget *stg = w.stg();
    const struct {
        std::vector<int> arRows;
        bool bEdit, bDelete;
    } arCases[] = {{{}, false, false}, {{1}, true, true}, {{0, 2}, false, true}};
    for (const auto &c : arCases) {
        stg->clearSelection();
        for (int iRow : c.arRows)
            stg->selectionModel()->select(stg->model()->index(iRow, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(fnpControl<QAction>(w.frm, "mnuDestbillingAdd")->isEnabled());
        QCOMPARE(fnpControl<QAction>(w.frm, "mnuDestBillingEdit")->isEnabled(), c.bEdit);
        QCOMPARE(fnpControl<QAction>(w.frm, "mnuDestBillingDelete")->isEnabled(), c.bDelete);
    }
    // Rows 0 and 2 selected: No keeps them, Yes deletes both.
    for (const int iAnswer : {1, 0}) {
        w.objAnswerer.pExpect(iAnswer);
        fnpControl<QAction>(w.frm, "mnuDestBillingDelete")->trigger();
    }
    QCOMPARE(w.fnslAwaited(2), QStringList({"Do you want to delete the record(s)?",
                                            "Do you want to delete the record(s)?"}));
    QCOMPARE(w.objAnswerer.fnarAsked()[0].stCaption, QStringLiteral("Shipper - Confirmation"));
    QCOMPARE(w.fnslRows(), QStringList({"MAN|111111111"}));
}

void tst_DestinationBillingGrid::TheBoxGreysTheGrid() {
    TrecGridWizard w;
    QVERIFY(w.fnbOnGrid());
    QVERIFY(w.fnbAddRow(QStringLiteral("LHR"), QStringLiteral("111111111")));
    const QColor clWindow = w.frm.palette().color(QPalette::Base);
    const QColor clButtonFace = w.frm.palette().color(QPalette::Button);
    QVERIFY(clWindow != clButtonFace);
    QCOMPARE(w.stg()->palette().color(QPalette::Base), clWindow);
    QTest::mouseClick(w.chk("chkDestinationBilling"), Qt::LeftButton);
    QVERIFY(!w.stg()->isEnabled());
    QCOMPARE(w.stg()->palette().color(QPalette::Base), clButtonFace);
    QCOMPARE(w.stg()->rowCount(), 1);
    QTest::mouseClick(w.chk("chkDestinationBilling"), Qt::LeftButton);
    QVERIFY(w.stg()->isEnabled());
    QCOMPARE(w.stg()->palette().color(QPalette::Base), clWindow);
}

// What the grid shows is what the wizard saves; Next pressed from the
// keyboard (Alt+N) while an account is being typed commits the typing.
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
    QCOMPARE(w.fnslRows(), QStringList({"JFK|987654321", "LHR|876543219", "DUB|222222222"}));
    using TarBilling = std::vector<std::pair<QString, QString>>;
    QCOMPARE(w.frm.fnarDestinationBillingRows(),
             TarBilling({{"JFK", "987654321"}, {"LHR", "876543219"}, {"DUB", "222222222"}}));
    QCOMPARE(w.fnslMessages(), QStringList());
}

QTEST_MAIN(tst_DestinationBillingGrid)
#include "tst_DestinationBillingGrid.moc"
