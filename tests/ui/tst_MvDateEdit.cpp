// The optional date field as a user types and picks: a date typed in the
// format the field shows is kept, keys that make no date are refused, a date
// left half typed is named and taken back, and the calendar of an empty field
// opens on the current month.
#include "UnitMvDateEdit.h"
#include "UnitScriptedAnswerer.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>
#include <QVBoxLayout>

namespace {
// The field and a second field to leave it for, on screen.
struct TrecDateForm {
    QWidget wForm;
    TmvDateEdit *cal = new TmvDateEdit(&wForm);
    QLineEdit *edtNext = new QLineEdit(&wForm);
    explicit TrecDateForm(const QString &stFormat) {
        auto *lay = new QVBoxLayout(&wForm);
        lay->addWidget(cal);
        lay->addWidget(edtNext);
        cal->setDisplayFormat(stFormat);
        cal->pSetRefusalTexts(QStringLiteral("Shipper - Invalid Data"),
                              QStringLiteral("License Expiration"));
        wForm.show();
    }
    bool fnbTyped(const QString &st) {
        if (!QTest::qWaitForWindowActive(&wForm))
            return false;
        cal->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(cal, st);
        return true;
    }
    void pLeave() { QTest::mouseClick(edtNext, Qt::LeftButton); }
};
} // namespace

class tst_MvDateEdit : public QObject {
    Q_OBJECT
private slots:
    void ADateTypedInTheShownFormatIsKept_data();
    void ADateTypedInTheShownFormatIsKept();
    void KeysThatMakeNoDateAreRefused();
    void AHalfTypedDateIsNamedAndTakenBack();
    void TheCalendarOfAnEmptyFieldOpensOnThisMonthAndPicks();
    void TheShortFormatHasAFourDigitYear();
};

void tst_MvDateEdit::ADateTypedInTheShownFormatIsKept_data() {
    QTest::addColumn<QString>("stFormat");
    QTest::addColumn<QDate>("dtHeld"); // before typing; null: empty
    QTest::addColumn<QDate>("dtTyped");
    const QDate dtOld(2025, 6, 30);
    for (const char *pch : {"dd/MM/yyyy", "M/d/yyyy", "dd.MM.yyyy", "yyyy/M/d", "d MMM yyyy"})
        for (const QDate &dt : {QDate(2027, 3, 15), QDate(2028, 12, 1)}) {
            const QByteArray baName = QByteArray(pch) + ' ' + dt.toString(Qt::ISODate).toLatin1();
            QTest::newRow(baName + " into an empty field")
                << QString::fromLatin1(pch) << QDate() << dt;
            QTest::newRow(baName + " over a date") << QString::fromLatin1(pch) << dtOld << dt;
        }
}

void tst_MvDateEdit::ADateTypedInTheShownFormatIsKept() {
    QFETCH(QString, stFormat);
    QFETCH(QDate, dtHeld);
    QFETCH(QDate, dtTyped);
    TrecDateForm frm(stFormat);
    frm.cal->pSetDate(dtHeld);
    TclsScriptedAnswerer objAnswers;
    QVERIFY(frm.fnbTyped(frm.cal->locale().toString(dtTyped, stFormat)));
    frm.pLeave();
    QTRY_COMPARE(QApplication::focusWidget(), frm.edtNext);
    QCOMPARE(frm.cal->fndtDate(), dtTyped);
    QCOMPARE(frm.cal->text(), frm.cal->locale().toString(dtTyped, stFormat));
    QVERIFY(objAnswers.fnarAsked().empty());
}

// Letters in a field of digits change nothing, and the empty field stays
// empty.
void tst_MvDateEdit::KeysThatMakeNoDateAreRefused() {
    TrecDateForm frm(QStringLiteral("dd/MM/yyyy"));
    TclsScriptedAnswerer objAnswers;
    QVERIFY(frm.fnbTyped(QStringLiteral("ab")));
    QVERIFY(!frm.cal->fnbHasDate());
    QCOMPARE(frm.cal->text().trimmed(), QString());
    QTest::keyClicks(frm.cal, QStringLiteral("1x5/0y3/2027"));
    QCOMPARE(frm.cal->text(), QStringLiteral("15/03/2027"));
    QCOMPARE(frm.cal->fndtDate(), QDate(2027, 3, 15));
}

// Left half typed, by mouse or by asking the field (Next from the keyboard),
// and whatever closes the box: the text is named, the field holds what it
// held before, the user is back in it.
void tst_MvDateEdit::AHalfTypedDateIsNamedAndTakenBack() {
    const QString stNamed = QStringLiteral(
        "License Expiration: \"15/03/20\" is not a date. Type the date as dd/MM/yyyy, or "
        "leave the field empty.");
    const struct {
        const char *pchCase;
        QDate dtHeld;
        bool bLeftByMouse;
        int iClose; // 0: OK, 1: Escape, 2: the close button
    } arCases[] = {
        {"empty, left by mouse", QDate(), true, 0},
        {"empty, Next from the keyboard", QDate(), false, 1},
        {"a date, left by mouse", QDate(2025, 6, 30), true, 2},
    };
    for (const auto &c : arCases) {
        TrecDateForm frm(QStringLiteral("dd/MM/yyyy"));
        frm.cal->pSetDate(c.dtHeld);
        TclsScriptedAnswerer objAnswers;
        c.iClose == 0 ? objAnswers.pExpect(0)
                      : (c.iClose == 1 ? objAnswers.pExpectEscape() : objAnswers.pExpectClose());
        QVERIFY(frm.fnbTyped(QStringLiteral("15/03/20")));
        QVERIFY2(frm.cal->fnbHoldsPartialText(), c.pchCase);
        if (c.bLeftByMouse)
            frm.pLeave();
        else
            QVERIFY2(frm.cal->fnbTellPartialText(), c.pchCase);
        QTRY_COMPARE(objAnswers.fnarAsked().size(), size_t(1));
        QCOMPARE(objAnswers.fnarAsked()[0].stMessage, stNamed);
        QCOMPARE(objAnswers.fnarAsked()[0].stCaption, QStringLiteral("Shipper - Invalid Data"));
        QCOMPARE(frm.cal->fndtDate(), c.dtHeld);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frm.cal));
        QVERIFY2(!frm.cal->fnbTellPartialText(), c.pchCase);
    }
}

void tst_MvDateEdit::TheCalendarOfAnEmptyFieldOpensOnThisMonthAndPicks() {
    TrecDateForm frm(QStringLiteral("dd/MM/yyyy"));
    TclsScriptedAnswerer objAnswers;
    QVERIFY(QTest::qWaitForWindowActive(&frm.wForm));
    // The drop-down button is the field's right end.
    QTest::mouseClick(frm.cal, Qt::LeftButton, {},
                      QPoint(frm.cal->width() - 5, frm.cal->height() / 2));
    QCalendarWidget *calPopup = frm.cal->calendarWidget();
    QTRY_VERIFY(calPopup->isVisible());
    const QDate dtToday = QDate::currentDate();
    QCOMPARE(calPopup->yearShown(), dtToday.year());
    QCOMPARE(calPopup->monthShown(), dtToday.month());
    // The 20th of the month shown is one cell of the calendar's table.
    auto *tbl = calPopup->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(tbl);
    QModelIndex idxDay;
    for (int iRow = 1; iRow < tbl->model()->rowCount() && !idxDay.isValid(); ++iRow)
        for (int iColumn = 0; iColumn < tbl->model()->columnCount(); ++iColumn)
            if (const QModelIndex idx = tbl->model()->index(iRow, iColumn);
                idx.data().toString() == QLatin1String("20"))
                idxDay = idx;
    QVERIFY(idxDay.isValid());
    QTest::mouseClick(tbl->viewport(), Qt::LeftButton, {}, tbl->visualRect(idxDay).center());
    QTRY_VERIFY(!calPopup->isVisible());
    QCOMPARE(frm.cal->fndtDate(), QDate(dtToday.year(), dtToday.month(), 20));
}

void tst_MvDateEdit::TheShortFormatHasAFourDigitYear() {
    const struct {
        QLocale loc;
        const char *pchFormat;
    } arCases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yyyy"},
        {QLocale(QLocale::German, QLocale::Germany), "dd.MM.yyyy"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "dd/MM/yyyy"},
        {QLocale(QLocale::Chinese, QLocale::China), "yyyy/M/d"},
    };
    for (const auto &c : arCases)
        QCOMPARE(TmvDateEdit::fnstShortDateFormat(c.loc), QLatin1String(c.pchFormat));
}

QTEST_MAIN(tst_MvDateEdit)
#include "tst_MvDateEdit.moc"
