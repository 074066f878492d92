// The wizard's own controls as a user drives them.
#include "UnitAdHocQuery.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"
#include "UnitMvCallingCodeLookupCombo.h"
#include "UnitMvDateEdit.h"
#include "UnitScriptedAnswerer.h"
#include "UnitSearchList.h"
#include "UnitTestInstallation.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <QVBoxLayout>

namespace {
void pExecute(const char *pchSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery qry;
    QCOMPARE(qry.fniExecute(QString::fromLatin1(pchSQL), vlBinds), 0);
}

bool fnbAllAnswered(const TclsScriptedAnswerer &obj) {
    return obj.fnarUnexpected().empty() && obj.fniUnused() == 0;
}

// The date field and a second field to leave it for, on screen.
struct TrecDateForm {
    QWidget wForm;
    TmvDateEdit *cal = new TmvDateEdit(&wForm);
    QLineEdit *edtNext = new QLineEdit(&wForm);
    explicit TrecDateForm(const QDate &dtHeld = {}, const QString &stFormat = "dd/MM/yyyy") {
        auto *lay = new QVBoxLayout(&wForm);
        lay->addWidget(cal);
        lay->addWidget(edtNext);
        cal->setDisplayFormat(stFormat);
        cal->pSetRefusalTexts("Shipper - Invalid Data", "License Expiration");
        cal->pSetDate(dtHeld);
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

class tst_UiControls : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lookupComboLeavingSteps();
    void callingCodeList();
    void searchListNarrowsAndWidens();
    void dateTypedInTheShownFormatIsKept();
    void halfTypedDateIsNamedAndTakenBack();
    void openerIsActiveAgainOnceTheModalWindowHasGone();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_UiControls::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    for (const auto &[pchCode, pchName, iCallingCode] :
         {std::tuple{"DE", "Germany", 49}, {"GB", "United Kingdom", 44}, {"FR", "France", 33}}) {
        pExecute("insert into country (country_cd, country_name) values (?, ?)",
                 {QLatin1String(pchCode), QLatin1String(pchName)});
        pExecute("insert into phonemobile_regex (countrycode, country_cd, number_type) "
                 "values (?, ?, 'MOBILE')",
                 {iCallingCode, QLatin1String(pchCode)});
    }
    for (const QStringList &sl : {QStringList{"SFO", "San Francisco", "US"},
                                  {"SAN", "San Diego", "US"},
                                  {"SJC", "San Jose", "US"},
                                  {"SEA", "Seattle", "US"},
                                  {"FRA", "Frankfurt am Main", "DE"}})
        pExecute("insert into directory (iata, city, country_cd, country_name) values (?, ?, ?, ?)",
                 {sl[0], sl[1], sl[2], sl[2] == "US" ? "United States" : "Germany"});
}

void tst_UiControls::cleanup() {
    pSetModalRunner({});
    objInstallation.reset();
}

// The list is the statement's rows, not the table's: DE is not in it.
void tst_UiControls::lookupComboLeavingSteps() {
    const struct {
        const char *pchTyped;
        bool bAllowBlank, bCheckValidity, bDisplayDefault;
        int iAnswer; // -1: no question expected
        const char *pchText, *pchLastValue, *pchHandler;
    } arCases[] = {
        {"  fr ", true, true, false, -1, "fr", "fr", ""}, // in the list, ignoring case
        {"XX", true, true, false, 0, "XX", "XX", "yes"},
        {" DE", true, true, false, 1, "DE", "DE", "no"},
        {"XX", true, false, false, -1, "XX", "XX", ""},
        {"  ", true, true, true, -1, "GB", "GB", ""}, // empty shows the default
        {"", false, true, false, -1, "", "old", ""},  // blank not allowed skips the rest
        {"", true, true, false, -1, "", "", ""},
    };
    for (const auto &c : arCases) {
        QWidget wForm;
        auto *cmb = new TmvLookupCombo(&wForm);
        cmb->pSetListFieldNames("country_cd;country_name");
        QCOMPARE(cmb->fniSetListSource("select * from country where country_cd <> ?", {"DE"}), 0);
        cmb->AllowBlank = c.bAllowBlank;
        cmb->CheckValidity = c.bCheckValidity;
        cmb->CheckValidMsgStr = "Value %s missing";
        cmb->DisplayDefault = c.bDisplayDefault;
        cmb->DefaultValue = "GB";
        cmb->FormCaption = "Sender";
        cmb->RestoreLastValue = true;
        cmb->LastValue = "old";
        QString stHandler;
        cmb->OnYesClick = [&] { stHandler = "yes"; };
        cmb->OnNoClick = [&] { stHandler = "no"; };
        wForm.show();
        TclsScriptedAnswerer objAnswers;
        if (c.iAnswer >= 0)
            objAnswers.pExpect(c.iAnswer);
        cmb->setEditText(QString::fromLatin1(c.pchTyped));
        cmb->pDoExit();
        QVERIFY2(fnbAllAnswered(objAnswers), c.pchTyped);
        QCOMPARE((QStringList{cmb->currentText(), cmb->LastValue, stHandler}),
                 (QStringList{c.pchText, c.pchLastValue, c.pchHandler}));
        if (c.iAnswer >= 0)
            QCOMPARE((QStringList{objAnswers.fnarAsked()[0].stMessage,
                                  objAnswers.fnarAsked()[0].stCaption}),
                     (QStringList{QStringLiteral("Value '%1' missing").arg(c.pchText),
                                  "Confirmation - Sender"}));
    }
}

void tst_UiControls::callingCodeList() {
    // A prefix list of the library's length: a header, the given pairs, and
    // pairs of codes no country has.
    const auto fnstPrefixList = [](QStringList sl, int iElements) {
        sl.prepend(QStringLiteral("CountryPrefixList"));
        for (int iCode = 900; sl.size() < iElements; ++iCode)
            sl << QStringLiteral("%1=ZZ").arg(iCode);
        return sl.join(QLatin1Char(','));
    };
    const int iElements = TmvCallingCodeLookupCombo::ciMinimumElements;
    const QString stGood = fnstPrefixList({"49=DE", "GB=44", "33=FR", "1=US"}, iElements);
    const struct {
        QStringList slAnswers; // the library's answer per try; the last one repeats
        int iTries;
        QStringList slCodes;
    } arCases[] = {
        {{QString()}, 4, {}},                 // the library missing
        {{"x,44=GB,49=DE"}, 4, {"44", "49"}}, // damaged every time keeps what it holds
        {{fnstPrefixList({"49=DE"}, iElements - 1)}, 4, {"49"}}, // one element short
        {{"x,44", stGood}, 2, {"49", "44", "33"}},
    };
    for (const auto &c : arCases) {
        int iAsked = 0;
        TmvCallingCodeLookupCombo cmb([&] {
            return c.slAnswers.value(std::min<int>(iAsked++, int(c.slAnswers.size()) - 1));
        });
        // The library is asked when the list is first needed.
        QVERIFY(iAsked == 0 && cmb.fnrecRows().arRows.empty());
        cmb.fniEnsureListOpen();
        QCOMPARE(iAsked, c.iTries);
        QStringList slCodes;
        for (const QStringList &slRow : cmb.fnrecRows().arRows)
            slCodes << slRow.value(0);
        QCOMPARE(slCodes, c.slCodes);
    }
    TmvCallingCodeLookupCombo cmb([&] { return stGood; });
    QCOMPARE(cmb.fnstCountryNameOfCode("44"), QStringLiteral("United Kingdom"));
    QCOMPARE(cmb.fnstCountryNameOfCode("1"), QString());
}

// Each step shows the rows whose city starts with the text so far, in city
// order; after a miss, another text brings rows back.
void tst_UiControls::searchListNarrowsAndWidens() {
    TfrmTransferList frm(fnrecDirectoryAdaptor());
    QCOMPARE(frm.fniLoad(), 0);
    const struct {
        const char *pchText;
        QStringList slCities;
    } arSteps[] = {
        {"", {"Frankfurt", "San Diego", "San Franc", "San Jose", "Seattle"}},
        {"sa", {"San Diego", "San Franc", "San Jose"}},
        {"SAN J", {"San Jose"}},
        {"san jx", {}},
        {"fr", {"Frankfurt"}},
    };
    for (const auto &step : arSteps) {
        frm.edtSearch->clear();
        QTest::keyClicks(frm.edtSearch, QString::fromLatin1(step.pchText));
        QStringList slCities;
        for (int i = 0; i < frm.fnmdlRows()->rowCount(); ++i)
            slCities << frm.fnmdlRows()->index(i, 0).data().toString().left(9);
        QCOMPARE(slCities, step.slCities);
        QCOMPARE(frm.fnoSelected().has_value(), !step.slCities.isEmpty());
    }
}

void tst_UiControls::dateTypedInTheShownFormatIsKept() {
    for (const char *pchFormat : {"dd/MM/yyyy", "M/d/yyyy", "yyyy/M/d", "d MMM yyyy"})
        for (const QDate &dtHeld : {QDate(), QDate(2025, 6, 30)}) {
            TrecDateForm frm(dtHeld, pchFormat);
            const QString stTyped = frm.cal->locale().toString(QDate(2028, 12, 1), pchFormat);
            TclsScriptedAnswerer objAnswers;
            QVERIFY(frm.fnbTyped(stTyped));
            frm.pLeave();
            QTRY_COMPARE(QApplication::focusWidget(), frm.edtNext);
            QCOMPARE(frm.cal->fndtDate(), QDate(2028, 12, 1));
            QCOMPARE(frm.cal->text(), stTyped);
            QVERIFY(objAnswers.fnarAsked().empty());
        }
}

// Left half typed, by mouse or by asking the field, whatever closes the box:
// the text is named, the field holds what it held before, the user is back in it.
void tst_UiControls::halfTypedDateIsNamedAndTakenBack() {
    for (const auto &[dtHeld, bLeftByMouse, iClose] : // iClose 0: OK, 1: Escape, 2: close button
         {std::tuple{QDate(), true, 0}, {QDate(), false, 1}, {QDate(2025, 6, 30), true, 2}}) {
        TrecDateForm frm(dtHeld);
        TclsScriptedAnswerer objAnswers;
        iClose == 0 ? objAnswers.pExpect(0)
                    : (iClose == 1 ? objAnswers.pExpectEscape() : objAnswers.pExpectClose());
        QVERIFY(frm.fnbTyped(QStringLiteral("15/03/20")));
        if (bLeftByMouse)
            frm.pLeave();
        else
            QVERIFY(frm.cal->fnbTellPartialText());
        QTRY_COMPARE(objAnswers.fnarAsked().size(), size_t(1));
        QCOMPARE(
            (QStringList{objAnswers.fnarAsked()[0].stMessage, objAnswers.fnarAsked()[0].stCaption}),
            (QStringList{"License Expiration: \"15/03/20\" is not a date. Type the date as "
                         "dd/MM/yyyy, or leave the field empty.",
                         "Shipper - Invalid Data"}));
        QCOMPARE(frm.cal->fndtDate(), dtHeld);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frm.cal));
        QVERIFY(!frm.cal->fnbTellPartialText());
    }
}

// Closed from inside, and then no window is active, as on a desktop whose
// window manager gives the activation to nobody: the window the user was
// typing in is active again, so the keyboard goes on where it was.
void tst_UiControls::openerIsActiveAgainOnceTheModalWindowHasGone() {
    for (bool bMessageBox : {true, false}) {
        QWidget wForm;
        auto *edt = new QLineEdit(&wForm);
        wForm.show();
        wForm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wForm));
        edt->setFocus();
        pRunInsideNextModal([](QWidget &wModal) {
            wModal.close();
            QApplication::setActiveWindow(nullptr);
        });
        QDialog dlg(&wForm);
        static_cast<void>(
            bMessageBox
                ? fniShowMessageBox({"Blanks are not allowed", "Shipper", {}, {}, mikWarning, {}})
                : fniExecModal(dlg));
        QTRY_VERIFY(wForm.isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), edt);
    }
}

QTEST_MAIN(tst_UiControls)
#include "tst_UiControls.moc"
