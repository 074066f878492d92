// The lookup combo's leaving steps and the calling-code box's list, over rows
// of a test installation's database.
#include "UnitAdHocQuery.h"
#include "UnitMvCallingCodeLookupCombo.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QtTest>

namespace {
void pInsert(const char *pchSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery qry;
    QCOMPARE(qry.fniExecute(QString::fromLatin1(pchSQL), vlBinds), 0);
}

void pInsertCountries() {
    for (const auto &[pchCode, pchName, iCallingCode] :
         {std::tuple{"DE", "Germany", 49}, std::tuple{"GB", "United Kingdom", 44},
          std::tuple{"FR", "France", 33}}) {
        pInsert("insert into country (country_cd, country_name) values (?, ?)",
                {QString::fromLatin1(pchCode), QString::fromLatin1(pchName)});
        pInsert("insert into phonemobile_regex (countrycode, country_cd, number_type) "
                "values (?, ?, 'MOBILE')",
                {iCallingCode, QString::fromLatin1(pchCode)});
    }
}

// A prefix list of the library's length: a header, the given pairs, and
// pairs of codes no country has.
QString fnstPrefixList(const QStringList &slPairs, int iElements) {
    QStringList sl{QStringLiteral("CountryPrefixList")};
    sl << slPairs;
    for (int iCode = 900; sl.size() < iElements; ++iCode)
        sl << QStringLiteral("%1=ZZ").arg(iCode);
    return sl.join(QLatin1Char(','));
}
} // namespace

class tst_LookupCombo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void leavingSteps();
    void blankListNeverAsks();
    void callingCodeList();
    void upperCaseInput();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_LookupCombo::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    pInsertCountries();
}

void tst_LookupCombo::cleanup() {
    objInstallation.reset();
}

void tst_LookupCombo::leavingSteps() {
    const struct {
        const char *pchCase;
        const char *pchTyped;
        bool bAllowBlank, bCheckValidity, bDisplayDefault;
        int iAnswer; // -1: no question expected
        const char *pchText, *pchLastValue, *pchHandler;
    } arCases[] = {
        {"trimmed, in list ignoring case", "  fr ", true, true, false, -1, "fr", "fr", ""},
        {"not in list, yes", "XX", true, true, false, 0, "XX", "XX", "yes"},
        {"not in list, no", " XX", true, true, false, 1, "XX", "XX", "no"},
        {"not checked", "XX", true, false, false, -1, "XX", "XX", ""},
        {"empty shows the default", "  ", true, true, true, -1, "GB", "GB", ""},
        {"blank not allowed skips the rest", "", false, true, false, -1, "", "old", ""},
        {"blank allowed is remembered", "", true, true, false, -1, "", "", ""},
    };
    for (const auto &c : arCases) {
        QWidget wForm;
        auto *cmb = new TmvLookupCombo(&wForm);
        cmb->pSetListFieldNames(QStringLiteral("country_cd;country_name"));
        QCOMPARE(cmb->fniSetListSource(
                     QStringLiteral("select * from country where country_cd <> ?"), {"DE"}),
                 0);
        cmb->AllowBlank = c.bAllowBlank;
        cmb->CheckValidity = c.bCheckValidity;
        cmb->CheckValidMsgStr = QStringLiteral("Value %s missing");
        cmb->DisplayDefault = c.bDisplayDefault;
        cmb->DefaultValue = QStringLiteral("GB");
        cmb->FormCaption = QStringLiteral("Sender");
        cmb->RestoreLastValue = true;
        cmb->LastValue = QStringLiteral("old");
        QString stHandler;
        cmb->OnYesClick = [&] { stHandler = QStringLiteral("yes"); };
        cmb->OnNoClick = [&] { stHandler = QStringLiteral("no"); };
        wForm.show();
        TclsScriptedAnswerer objAnswers;
        if (c.iAnswer >= 0)
            objAnswers.pExpect(c.iAnswer);
        cmb->setEditText(QString::fromLatin1(c.pchTyped));
        cmb->pDoExit();

        QVERIFY2(objAnswers.fnarUnexpected().empty(), c.pchCase);
        QCOMPARE(objAnswers.fniUnused(), size_t(0));
        QCOMPARE(cmb->currentText(), QString::fromLatin1(c.pchText));
        QCOMPARE(cmb->LastValue, QString::fromLatin1(c.pchLastValue));
        QCOMPARE(stHandler, QString::fromLatin1(c.pchHandler));
        if (c.iAnswer >= 0) {
            const TrecMessageDlg &rec = objAnswers.fnarAsked().front();
            QCOMPARE(rec.stMessage, QStringLiteral("Value 'XX' missing"));
            QCOMPARE(rec.stCaption, QStringLiteral("Confirmation - Sender"));
            QCOMPARE(rec.slButtons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
        }
    }
}

// The list is the statement's rows: a country the statement excludes is not
// in it, whatever the table holds.
void tst_LookupCombo::blankListNeverAsks() {
    TmvLookupCombo cmb;
    cmb.pSetListFieldNames(QStringLiteral("country_cd"));
    QVERIFY(!cmb.fnbIsINList(QStringLiteral("FR")));
    cmb.fniSetListSource(QStringLiteral("select * from country where country_cd <> ?"), {"DE"});
    QVERIFY(cmb.fnbIsINList(QStringLiteral("fr")));
    QVERIFY(!cmb.fnbIsINList(QStringLiteral("DE")));
    QCOMPARE(cmb.count(), 2);
}

void tst_LookupCombo::callingCodeList() {
    const QString stGood = fnstPrefixList({QStringLiteral("49=DE"), QStringLiteral("GB=44"),
                                           QStringLiteral("33=FR"), QStringLiteral("1=US")},
                                          TmvCallingCodeLookupCombo::ciMinimumElements);
    const QString stShortByOne =
        fnstPrefixList({QStringLiteral("49=DE")}, TmvCallingCodeLookupCombo::ciMinimumElements - 1);
    const struct {
        const char *pchCase;
        QStringList slAnswers; // the library's answer per try; the last one repeats
        int iTries;
        QStringList slCodes;
    } arCases[] = {
        {"library missing", {QString()}, 4, {}},
        {"damaged every time keeps what it holds",
         {QStringLiteral("x,44=GB,49=DE")},
         4,
         {QStringLiteral("44"), QStringLiteral("49")}},
        {"one element short is damaged", {stShortByOne}, 4, {QStringLiteral("49")}},
        {"damaged, then whole",
         {QStringLiteral("x,44"), stGood},
         2,
         {QStringLiteral("49"), QStringLiteral("44"), QStringLiteral("33")}},
        {"whole at once",
         {stGood},
         1,
         {QStringLiteral("49"), QStringLiteral("44"), QStringLiteral("33")}},
    };
    for (const auto &c : arCases) {
        int iAsked = 0;
        TmvCallingCodeLookupCombo cmb([&] {
            return c.slAnswers.value(std::min<int>(iAsked++, int(c.slAnswers.size()) - 1));
        });
        // The library is asked when the list is first needed.
        QVERIFY2(iAsked == 0 && cmb.fnrecRows().arRows.empty(), c.pchCase);
        cmb.fniEnsureListOpen();
        QVERIFY2(iAsked == c.iTries, c.pchCase);
        QCOMPARE(cmb.fniTries(), c.iTries);
        QStringList slCodes;
        for (const QStringList &slRow : cmb.fnrecRows().arRows)
            slCodes << slRow.value(0);
        QCOMPARE(slCodes, c.slCodes);
        QCOMPARE(cmb.count(), int(c.slCodes.size()));
    }
    TmvCallingCodeLookupCombo cmb([&] { return stGood; });
    QCOMPARE(cmb.fnstCountryNameOfCode(QStringLiteral("44")), QStringLiteral("United Kingdom"));
    QCOMPARE(cmb.fnstCountryNameOfCode(QStringLiteral("1")), QString());
    QCOMPARE(cmb.fnstListFieldNames(), QStringLiteral("Code;CountryName"));
    QCOMPARE(cmb.BlankMsgStr, QStringLiteral("Calling Code is Blank"));
}

void tst_LookupCombo::upperCaseInput() {
    const struct {
        int iDataType;
        const char *pchTyped, *pchText;
    } arCases[] = {
        {ldtUpperCase, "xq", "XQ"},
        {ldtUpperCase, "x1-q", "X1-Q"},
        {ldtText, "xq", "xq"},
    };
    for (const auto &c : arCases) {
        TmvLookupCombo cmb;
        cmb.DataType = c.iDataType;
        QTest::keyClicks(&cmb, QString::fromLatin1(c.pchTyped));
        QCOMPARE(cmb.currentText(), QString::fromLatin1(c.pchText));
    }
}

QTEST_MAIN(tst_LookupCombo)
#include "tst_LookupCombo.moc"
