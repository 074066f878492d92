// The sender page's lookup frames over the reference data of a test
// installation: refusing values their tables do not know, following the
// country, and filling from the search list.
#include "UnitAdHocQuery.h"
#include "UnitFocusMoves.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraLinks.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitMvLookupCombo.h"
#include "UnitScriptedAnswerer.h"
#include "UnitSearchList.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <QVBoxLayout>

namespace {
void pExecute(const QString &stSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery qry;
    QCOMPARE(qry.fniExecute(stSQL, vlBinds), 0);
}

TmvLookupCombo *fncmb(QWidget *fra, const char *pchName) {
    return fra->findChild<TmvLookupCombo *>(QString::fromLatin1(pchName));
}

void pClick(QWidget *fra, const char *pchButton) {
    fra->findChild<QToolButton *>(QString::fromLatin1(pchButton))->click();
}

// The values of one column over all rows of a combo's list.
QSet<QString> fnsetColumn(const TmvLookupCombo &cmb, const char *pchField) {
    QSet<QString> set;
    for (size_t i = 0; i < cmb.fnrecRows().arRows.size(); ++i)
        set.insert(cmb.fnrecRows().fnstValue(i, QString::fromLatin1(pchField)));
    return set;
}

// A page holding the four frames and a field after them, shown and active so
// that leaving a combo is a real change of focus.
struct TrecSenderPage {
    QWidget wPage;
    TfraCountry *fraSenderCountry = new TfraCountry(&wPage);
    TfraState *fraSenderState = new TfraState(&wPage);
    TfraIATA *fraSenderIATA = new TfraIATA(&wPage);
    TfraSuburb *fraSenderSuburb = new TfraSuburb(&wPage);
    QLineEdit *edtSenderPostcode = new QLineEdit(&wPage);
    TrecSenderPage() {
        auto *lay = new QVBoxLayout(&wPage);
        for (QWidget *w :
             std::initializer_list<QWidget *>{fraSenderCountry, fraSenderState, fraSenderIATA,
                                              fraSenderSuburb, edtSenderPostcode})
            lay->addWidget(w);
        pFollowCountry(*fraSenderCountry, fraSenderState, fraSenderIATA, fraSenderSuburb);
        wPage.show();
        wPage.activateWindow();
    }
    // Types into the combo and moves on to the postcode field.
    void pTypeAndLeave(TmvLookupCombo *cmb, const QString &stText) {
        pFocusOn(cmb);
        cmb->setEditText(stText);
        pFocusOn(edtSenderPostcode);
    }
};
} // namespace

class tst_LookupFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void valuesNotInTheirTableAreRefused();
    void unchangedValueRunsNoQuery();
    void listsFollowTheCountry();
    void countryDetails();
    void searchListsFillTheFrames();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_LookupFrames::initTestCase() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    for (const auto &[pchCity, pchSuburb] :
         {std::pair{"Sydney", "Bondi"}, std::pair{"Sydney", "Manly"},
          std::pair{"Melbourne", "Carlton"}})
        pExecute(
            QStringLiteral("insert into suburb (country_cd, city, suburb) values ('AU', ?, ?)"),
            {QString::fromLatin1(pchCity), QString::fromLatin1(pchSuburb)});
}

void tst_LookupFrames::cleanupTestCase() {
    objInstallation.reset();
}

void tst_LookupFrames::cleanup() {
    pSetModalRunner({});
}

void tst_LookupFrames::valuesNotInTheirTableAreRefused() {
    TrecSenderPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    page.fraSenderCountry->pSetCountryCode(QStringLiteral("US"));
    TmvLookupCombo *cmbCode = fncmb(page.fraSenderCountry, "cmbCountryCode");
    TmvLookupCombo *cmbName = fncmb(page.fraSenderCountry, "cmbCountryName");
    const struct {
        const char *pchCase;
        TmvLookupCombo *cmb;
        const char *pchTyped;
        const char *pchMessage; // empty: accepted
        const char *pchCode;    // the country code afterwards
    } arCases[] = {
        {"unknown code", cmbCode, "XQ", "Invalid country code. Please select from the list.", "XQ"},
        {"code too short", cmbCode, "D", "Invalid country code. Please select from the list.", "D"},
        {"known code in lower case", cmbCode, " de ", "", "DE"},
        {"unknown name", cmbName, "Atlantis", "Invalid country name. Please select from the list.",
         "DE"},
        {"known name", cmbName, "france", "", "FR"},
        {"unknown state", fncmb(page.fraSenderState, "cmbState"), "Nowhere Land",
         "Invalid state. Please select from the list.", "FR"},
        {"known state", fncmb(page.fraSenderState, "cmbState"), "Bretagne", "", "FR"},
        {"unknown airport", fncmb(page.fraSenderIATA, "cmbIATA"), "QQZ",
         "Invalid IATA. Please select from the list.", "FR"},
        {"airport code too short", fncmb(page.fraSenderIATA, "cmbIATA"), "FR",
         "Invalid IATA. Please select from the list.", "FR"},
        {"known airport", fncmb(page.fraSenderIATA, "cmbIATA"), "cdg", "", "FR"},
    };
    for (const auto &c : arCases) {
        TclsScriptedAnswerer objAnswers;
        const bool bRefused = *c.pchMessage != '\0';
        if (bRefused)
            objAnswers.pExpect(0);
        page.pTypeAndLeave(c.cmb, QString::fromLatin1(c.pchTyped));
        QVERIFY2(objAnswers.fnarUnexpected().empty(), c.pchCase);
        QCOMPARE(objAnswers.fniUnused(), size_t(0));
        if (bRefused) {
            const TrecMessageDlg &rec = objAnswers.fnarAsked().front();
            QCOMPARE(rec.stMessage, QString::fromLatin1(c.pchMessage));
            QCOMPARE(rec.stCaption, QStringLiteral("Zorv Morvane"));
            QCOMPARE(rec.slButtons, QStringList{QStringLiteral("&OK")});
            // The field is given back with its list open; closing the list
            // leaves the cursor in the field.
            QTRY_VERIFY2(c.cmb->view()->isVisible(), c.pchCase);
            c.cmb->hidePopup();
            QTRY_VERIFY2(c.cmb->hasFocus(), c.pchCase);
        } else {
            QVERIFY2(page.edtSenderPostcode->hasFocus(), c.pchCase);
        }
        QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QString::fromLatin1(c.pchCode));
        // Give the field a valid value again so the next case starts clean.
        if (bRefused)
            c.cmb->setEditText(c.cmb->LastValue);
    }
    QCOMPARE(page.fraSenderCountry->fnstCountryName(), QStringLiteral("France"));
    QCOMPARE(page.fraSenderIATA->fnstIATA(), QStringLiteral("CDG"));
}

// The country row is deleted behind the frame's back: leaving the combo with
// the value it already held must not notice, since nothing is asked of the
// database; typing the value again does ask, and is refused.
void tst_LookupFrames::unchangedValueRunsNoQuery() {
    TrecSenderPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    page.fraSenderCountry->pSetCountryCode(QStringLiteral("NZ"));
    pExecute(QStringLiteral("delete from country where country_cd = ?"), {QStringLiteral("NZ")});
    TmvLookupCombo *cmb = fncmb(page.fraSenderCountry, "cmbCountryCode");
    {
        TclsScriptedAnswerer objAnswers;
        page.pTypeAndLeave(cmb, QStringLiteral(" NZ "));
        QVERIFY(objAnswers.fnarAsked().empty());
        QCOMPARE(cmb->currentText(), QStringLiteral("NZ"));
    }
    {
        TclsScriptedAnswerer objAnswers;
        objAnswers.pExpect(0);
        page.pTypeAndLeave(cmb, QStringLiteral("AU"));
        cmb->hidePopup();
        page.pTypeAndLeave(cmb, QStringLiteral("NZ"));
        cmb->hidePopup();
        QCOMPARE(objAnswers.fnarAsked().size(), size_t(1));
        QCOMPARE(objAnswers.fnarAsked().front().stMessage,
                 QStringLiteral("Invalid country code. Please select from the list."));
    }
    pExecute(QStringLiteral("insert into country (country_cd, country_name) values (?, ?)"),
             {QStringLiteral("NZ"), QStringLiteral("New Zealand")});
}

void tst_LookupFrames::listsFollowTheCountry() {
    TrecSenderPage page;
    const struct {
        const char *pchCountry;
        const char *pchCity; // for the suburbs
        QSet<QString> setSuburbs;
    } arCases[] = {
        {"DE", "", {}},
        {"AU", "", {"Bondi", "Manly", "Carlton"}},
        {"AU", "Sydney", {"Bondi", "Manly"}},
        {"JP", "Sydney", {}},
    };
    for (const auto &c : arCases) {
        const QString stCountry = QString::fromLatin1(c.pchCountry);
        page.fraSenderSuburb->pSetCity(QString::fromLatin1(c.pchCity));
        page.fraSenderCountry->pSetCountryCode(stCountry);
        QCOMPARE(page.fraSenderCountry->fnbIsJapanese(), stCountry == QStringLiteral("JP"));
        const TmvLookupCombo &cmbState = *fncmb(page.fraSenderState, "cmbState");
        const TmvLookupCombo &cmbIATA = *fncmb(page.fraSenderIATA, "cmbIATA");
        QCOMPARE(fnsetColumn(cmbState, "country_cd"), QSet<QString>{stCountry});
        QCOMPARE(int(cmbState.fnrecRows().arRows.size()),
                 fnvScalar(QStringLiteral("select count(*) from state where country_cd = ?"),
                           {stCountry})
                     .toInt());
        QCOMPARE(fnsetColumn(cmbIATA, "country_cd"), QSet<QString>{stCountry});
        QCOMPARE(int(cmbIATA.fnrecRows().arRows.size()),
                 fnvScalar(QStringLiteral("select count(*) from directory where country_cd = ?"),
                           {stCountry})
                     .toInt());
        QCOMPARE(fnsetColumn(*fncmb(page.fraSenderSuburb, "cmbSuburb"), "suburb"), c.setSuburbs);
        QCOMPARE(page.fraSenderState->fnstCountryCode(), stCountry);
    }
}

void tst_LookupFrames::countryDetails() {
    const QString stNoLabel =
        fnvScalar(QStringLiteral("select country_cd from country where coalesce(state_label, "
                                 "'') = '' order by country_cd"))
            .toString();
    QVERIFY(!stNoLabel.isEmpty());
    const struct {
        QString stCode;
        const char *pchLabel;
        bool bUsesPostcode;
    } arCases[] = {
        {QStringLiteral("US"), "State", true},
        {QStringLiteral("AE"), "Emirate", false},
        {stNoLabel, "State/Province", false},
    };
    TfraCountry fra;
    QString stShownLabel;
    connect(&fra, &TfraCountry::StateLabelChanged, this,
            [&](const QString &st) { stShownLabel = st; });
    for (const auto &c : arCases) {
        fra.pSetCountryCode(c.stCode);
        QCOMPARE(fra.fnrecDetails().Country_cd, c.stCode);
        QCOMPARE(fra.fnrecDetails().state_label, QString::fromLatin1(c.pchLabel));
        QCOMPARE(stShownLabel, QString::fromLatin1(c.pchLabel));
        if (c.stCode != stNoLabel)
            QCOMPARE(fra.fnrecDetails().UsePostCode_flag, c.bUsesPostcode);
    }
}

void tst_LookupFrames::searchListsFillTheFrames() {
    TrecSenderPage page;
    QStringList slGrids;
    const char *pchTyped = "";
    pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        slGrids << frm.grdList->objectName();
        QTest::keyClicks(frm.edtSearch, QString::fromLatin1(pchTyped));
        frm.btnTransfer->click();
        return dlg.result();
    }));
    int iLookedUp = 0;
    for (TfraLookup *fra : std::initializer_list<TfraLookup *>{
             page.fraSenderCountry, page.fraSenderState, page.fraSenderIATA, page.fraSenderSuburb})
        connect(fra, &TfraLookup::LookedUp, this, [&] { ++iLookedUp; });

    pchTyped = "austral";
    pClick(page.fraSenderCountry, "btnCountryLookup");
    QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QStringLiteral("AU"));
    QCOMPARE(page.fraSenderCountry->fnstCountryName(), QStringLiteral("Australia"));
    pchTyped = "queens";
    pClick(page.fraSenderState, "btnStateLookup");
    QCOMPARE(page.fraSenderState->fnstState(), QStringLiteral("Queensland"));
    pchTyped = "melbourne";
    pClick(page.fraSenderIATA, "btnIATALookup");
    QCOMPARE(page.fraSenderIATA->fnstIATA(),
             fnvScalar(QStringLiteral("select min(iata) from directory where city = 'Melbourne' "
                                      "and country_cd = 'AU'"))
                 .toString());
    pchTyped = "syd";
    pClick(page.fraSenderSuburb, "btnSuburbLookup");
    QCOMPARE(page.fraSenderSuburb->fnstSuburb(), QStringLiteral("Bondi"));
    QCOMPARE(page.fraSenderSuburb->fnstChosenCity(), QStringLiteral("Sydney"));
    QCOMPARE(slGrids, (QStringList{QStringLiteral("SearchCountry"), QStringLiteral("SearchState"),
                                   QStringLiteral("SearchIATA"), QStringLiteral("Suburb")}));
    QCOMPARE(iLookedUp, 4);
}

QTEST_MAIN(tst_LookupFrames)
#include "tst_LookupFrames.moc"
