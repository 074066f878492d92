// The sender page's address over the reference data: the lookup frames
// refusing values the tables do not know, following the country and filling
// from the search lists; what entering, changing and leaving the address
// fields does to the other fields; and the address checks, what each answer
// of the postcode and auto-destination libraries does to the fields, the
// messages asked, the focus and the retry flag.
#include "unitAddressSearchChooser.h"
#include "UnitAdHocQuery.h"
#include "UnitAutoDestinationReactionCases.h"
#include "UnitErrorMarks.h"
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
#include "unitSenderAddressChecks.h"
#include "unitSenderAddressEvents.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QAbstractItemView>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <QVBoxLayout>

namespace {
void pExecute(const QString &stSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery qry;
    QCOMPARE(qry.fniExecute(stSQL, vlBinds), 0);
}

TmvLookupCombo *fncmb(QWidget *fra, const char *pchName) {
    return fra->findChild<TmvLookupCombo *>(QLatin1String(pchName));
}

QStringList fnslAsked(const TclsScriptedAnswerer &obj) {
    QStringList sl;
    for (const TrecMessageDlg &rec : obj.fnarAsked())
        sl << rec.stMessage;
    return sl;
}

// The rows a search list dialog shows are answered by typing pchTyped and
// pressing Transfer; the grids opened are noted.
struct TrecListAnswers {
    const char *pchTyped = "";
    QStringList slGrids;
    TclsDialogAnswerer objAnswerer{[this](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        slGrids << frm.grdList->objectName();
        QTest::keyClicks(frm.edtSearch, QString::fromLatin1(pchTyped));
        frm.btnTransfer->click();
        return dlg.result();
    }};
};

// The sender page's address fields with the real frames and a Cancel button,
// the address events connected or not; shown and active so that leaving a
// field is a real change of focus.
struct TrecSenderPage {
    QWidget wPage;
    QLineEdit *edtSenderName = fnwAdd<QLineEdit>("edtSenderName");
    TfraCountry *fraSenderCountry = fnwAdd<TfraCountry>("fraSenderCountry");
    QLineEdit *edtSenderPostcode = fnwAdd<QLineEdit>("edtSenderPostcode");
    TfraIATA *fraSenderIATA = fnwAdd<TfraIATA>("fraSenderIATA");
    TfraState *fraSenderState = fnwAdd<TfraState>("fraSenderState");
    QLabel *lblSenderCitySuburb = fnwAdd<QLabel>("lblSenderCitySuburb");
    QLineEdit *edtSenderCity = fnwAdd<QLineEdit>("edtSenderCity");
    TfraSuburb *fraSenderSuburb = fnwAdd<TfraSuburb>("fraSenderSuburb");
    QPushButton *btnCancel = fnwAdd<QPushButton>("btnCancel");
    std::vector<TrecAddressSearch> arSearches;
    std::optional<TrecStationChoice> oChoice;
    TclsSenderAddressChecks objChecks{&wPage, fnrecFindSenderAddressControls(&wPage), {}};
    TclsSenderAddressEvents *objEvents = nullptr;

    explicit TrecSenderPage(bool bEvents = true) {
        pFollowCountry(*fraSenderCountry, fraSenderState, fraSenderIATA, fraSenderSuburb);
        if (bEvents)
            objEvents = new TclsSenderAddressEvents(
                &wPage, objChecks,
                [this](const TrecAddressSearch &rec) {
                    arSearches.push_back(rec);
                    return oChoice;
                },
                btnCancel);
        lblSenderCitySuburb->setText(QStringLiteral("City:"));
        wPage.show();
        wPage.activateWindow();
    }
    template <class TControl> TControl *fnwAdd(const char *pchName) {
        auto *w = new TControl(&wPage);
        w->setObjectName(QLatin1String(pchName));
        if (!wPage.layout())
            new QVBoxLayout(&wPage);
        wPage.layout()->addWidget(w);
        return w;
    }
    TmvLookupCombo *cmbIATA() const { return fncmb(fraSenderIATA, "cmbIATA"); }
    TmvLookupCombo *cmbCountryName() const { return fncmb(fraSenderCountry, "cmbCountryName"); }
    QString fnstFocused() const {
        const QWidget *w = wPage.focusWidget();
        return w ? w->objectName() : QString();
    }
    // Enters the field and leaves it for wTo.
    static void pPass(QWidget *wField, QWidget *wTo) {
        pFocusOn(wField);
        pFocusOn(wTo);
    }
    void pTypeAndLeave(TmvLookupCombo *cmb, const QString &stText) {
        pFocusOn(cmb);
        cmb->setEditText(stText);
        pFocusOn(edtSenderPostcode);
    }
    // A complete British address.
    void pFillEdinburgh() {
        fraSenderCountry->pSetCountryCode(QStringLiteral("GB"));
        edtSenderPostcode->setText(QStringLiteral("EH1 1AA"));
        edtSenderCity->setText(QStringLiteral("Edinburgh"));
        fraSenderIATA->pSetIATA(QStringLiteral("EDI"));
    }
};
// The address checks on their own, over plain fields with the sender page's
// names in its tab order; edtSenderEmail follows the airport.
struct TrecPlainPage {
    QWidget wPage;
    QLineEdit *edtSenderName = fnwAdd<QLineEdit>("edtSenderName");
    QComboBox *cmbCountryCode = fnwAdd<QComboBox>("cmbCountryCode");
    QComboBox *cmbCountryName = fnwAdd<QComboBox>("cmbCountryName");
    QLineEdit *edtSenderPostcode = fnwAdd<QLineEdit>("edtSenderPostcode");
    QLineEdit *edtSenderCity = fnwAdd<QLineEdit>("edtSenderCity");
    QFrame *fraSenderState = fnwAdd<QFrame>("fraSenderState");
    QComboBox *cmbState = fnwAdd<QComboBox>("cmbState", fraSenderState);
    QComboBox *cmbIATA = fnwAdd<QComboBox>("cmbIATA");
    QLineEdit *edtSenderEmail = fnwAdd<QLineEdit>("edtSenderEmail");
    std::vector<TAddressSearchList> arLists; // the search lists opened
    std::optional<TrecStationChoice> oChoice;
    TclsSenderAddressChecks objChecks{&wPage, fnrecFindSenderAddressControls(&wPage),
                                      [this](const TrecAddressSearch &rec) {
                                          arLists.push_back(rec.iList);
                                          return oChoice;
                                      }};

    template <class TControl> TControl *fnwAdd(const char *pchName, QWidget *wParent = nullptr) {
        auto *w = new TControl(wParent ? wParent : &wPage);
        w->setObjectName(QLatin1String(pchName));
        if constexpr (std::is_same_v<TControl, QComboBox>)
            w->setEditable(true);
        return w;
    }
    QString fnstFocused() const {
        const QWidget *w = wPage.focusWidget();
        return w ? w->objectName() : QString();
    }
};

// A dictionary that words the two "Do you know state?" results apart. Qt
// gives both one key, so the first asked for in a lookup (the state lookup's,
// compared first) gets its own wording and the plain state question the other.
class TclsStateWordings : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *pchSource, const char *, int) const override {
        if (qstrcmp(pchSource, "Do you know state?") != 0)
            return {};
        return QString::fromLatin1(iAsked++ == 0 ? "State for the lookup?" : "State known?");
    }
    mutable int iAsked = 0;
};
} // namespace

class tst_SenderAddressEvents : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void valuesNotInTheirTableAreRefused();
    void unchangedValueRunsNoQuery();
    void listsFollowTheCountry();
    void countryDetails();
    void searchListsFillTheFrames();
    void changesEmptyTheAirport();
    void countryDecidesPostcodeOrSuburb();
    void leavingTheAirport();
    void leavingTowardsCancelChangesNothing();
    void leavingThePostcode();
    void lookupsBringTheirCountry();
    void autoDestinationReactsToEveryResultText();
    void autoDestinationPassesThePageToTheLibrary();
    void postcodeCleaningReactsToEveryResultText();
    void chooserStartsOnlyTheStationListAtTheCity();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_SenderAddressEvents::initTestCase() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    QVERIFY(objInstallation->fnbCopyBuiltLibrary("libQuiloftPostcodeCleaningDLL.so"));
    QVERIFY(objInstallation->fnbCopyBuiltLibrary("libtestautodestination.so",
                                                 "libQuiloftAutodestination.so"));
    // Hong Kong gives its addresses by district: no postcodes, suburbs.
    pExecute(QStringLiteral("update country set UsePostCode_flag = 0 where country_cd = ?"),
             {QStringLiteral("HK")});
    for (const auto &[pchCountry, pchCity, pchSuburb] :
         {std::tuple{"HK", "Hong Kong", "Central"}, std::tuple{"HK", "Hong Kong", "Wan Chai"},
          std::tuple{"AU", "Sydney", "Bondi"}, std::tuple{"AU", "Sydney", "Manly"},
          std::tuple{"AU", "Melbourne", "Carlton"}})
        pExecute(QStringLiteral("insert into suburb (country_cd, city, suburb) values (?, ?, ?)"),
                 {QLatin1String(pchCountry), QLatin1String(pchCity), QLatin1String(pchSuburb)});
}

void tst_SenderAddressEvents::cleanupTestCase() {
    objInstallation.reset();
}

// The state and airport frames refuse what their tables do not hold; the
// country code is found in its list whatever its letter case.
void tst_SenderAddressEvents::valuesNotInTheirTableAreRefused() {
    TrecSenderPage page(false);
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    page.fraSenderCountry->pSetCountryCode(QStringLiteral("US"));
    TmvLookupCombo *cmbState = fncmb(page.fraSenderState, "cmbState");
    const struct {
        TmvLookupCombo *cmb;
        const char *pchTyped;
        const char *pchMessage; // empty: accepted
    } arCases[] = {
        {fncmb(page.fraSenderCountry, "cmbCountryCode"), " fr ", ""},
        {cmbState, "Nowhere Land", "Invalid state. Please select from the list."},
        {cmbState, "Bretagne", ""},
        {page.cmbIATA(), "QQZ", "Invalid IATA. Please select from the list."},
        {page.cmbIATA(), "cdg", ""},
    };
    for (const auto &c : arCases) {
        TclsScriptedAnswerer objAnswers;
        const bool bRefused = *c.pchMessage != '\0';
        if (bRefused)
            objAnswers.pExpect(0);
        page.pTypeAndLeave(c.cmb, QString::fromLatin1(c.pchTyped));
        QVERIFY2(objAnswers.fnarUnexpected().empty() && objAnswers.fniUnused() == 0, c.pchTyped);
        QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QStringLiteral("FR"));
        if (!bRefused) {
            QVERIFY2(page.edtSenderPostcode->hasFocus(), c.pchTyped);
            continue;
        }
        QCOMPARE(objAnswers.fnarAsked().front().stMessage, QString::fromLatin1(c.pchMessage));
        // The field is given back with its list open; closing the list leaves
        // the cursor in the field.
        QTRY_VERIFY2(c.cmb->view()->isVisible(), c.pchTyped);
        c.cmb->hidePopup();
        QTRY_VERIFY2(c.cmb->hasFocus(), c.pchTyped);
        c.cmb->setEditText(c.cmb->LastValue);
    }
    QCOMPARE(page.fraSenderCountry->fnstCountryName(), QStringLiteral("France"));
    QCOMPARE(page.fraSenderIATA->fnstIATA(), QStringLiteral("CDG"));
}

// The country row is deleted behind the frame's back: leaving the combo with
// the value it already held must not notice, since nothing is asked of the
// database; typing the value again does ask, and is refused.
void tst_SenderAddressEvents::unchangedValueRunsNoQuery() {
    TrecSenderPage page(false);
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    page.fraSenderCountry->pSetCountryCode(QStringLiteral("NZ"));
    pExecute(QStringLiteral("delete from country where country_cd = ?"), {QStringLiteral("NZ")});
    TmvLookupCombo *cmb = fncmb(page.fraSenderCountry, "cmbCountryCode");
    TclsScriptedAnswerer objAnswers;
    page.pTypeAndLeave(cmb, QStringLiteral(" NZ "));
    QVERIFY(objAnswers.fnarAsked().empty());
    QCOMPARE(cmb->currentText(), QStringLiteral("NZ"));
    objAnswers.pExpect(0);
    page.pTypeAndLeave(cmb, QStringLiteral("AU"));
    cmb->hidePopup();
    page.pTypeAndLeave(cmb, QStringLiteral("NZ"));
    cmb->hidePopup();
    QCOMPARE(fnslAsked(objAnswers),
             QStringList{"Invalid country code. Please select from the list."});
    pExecute(QStringLiteral("insert into country (country_cd, country_name) values (?, ?)"),
             {QStringLiteral("NZ"), QStringLiteral("New Zealand")});
}

// The suburbs follow the country and the city; Japan is told apart.
void tst_SenderAddressEvents::listsFollowTheCountry() {
    TrecSenderPage page(false);
    const struct {
        const char *pchCountry, *pchCity;
        QSet<QString> setSuburbs;
    } arCases[] = {
        {"AU", "", {"Bondi", "Manly", "Carlton"}},
        {"AU", "Sydney", {"Bondi", "Manly"}},
        {"JP", "Sydney", {}},
    };
    for (const auto &c : arCases) {
        page.fraSenderSuburb->pSetCity(QString::fromLatin1(c.pchCity));
        page.fraSenderCountry->pSetCountryCode(QString::fromLatin1(c.pchCountry));
        QCOMPARE(page.fraSenderCountry->fnbIsJapanese(), *c.pchCountry == 'J');
        const TrecLookupRows &rec = fncmb(page.fraSenderSuburb, "cmbSuburb")->fnrecRows();
        QSet<QString> setSuburbs;
        for (size_t i = 0; i < rec.arRows.size(); ++i)
            setSuburbs.insert(rec.fnstValue(i, QStringLiteral("suburb")));
        QCOMPARE(setSuburbs, c.setSuburbs);
        QCOMPARE(page.fraSenderState->fnstCountryCode(), QLatin1String(c.pchCountry));
    }
}

// The state caption and the postcode flag come with the country; a country
// without its own caption gets the general one.
void tst_SenderAddressEvents::countryDetails() {
    const QString stNoLabel =
        fnvScalar("select min(country_cd) from country where coalesce(state_label, '') = ''")
            .toString();
    QVERIFY(!stNoLabel.isEmpty());
    TfraCountry fra;
    QString stShownLabel;
    connect(&fra, &TfraCountry::StateLabelChanged, this,
            [&](const QString &st) { stShownLabel = st; });
    for (const auto &[stCode, pchLabel, bUsesPostcode] :
         {std::tuple{QStringLiteral("US"), "State", true},
          std::tuple{QStringLiteral("AE"), "Emirate", false},
          std::tuple{stNoLabel, "State/Province", false}}) {
        fra.pSetCountryCode(stCode);
        QCOMPARE(stShownLabel, QLatin1String(pchLabel));
        if (stCode != stNoLabel)
            QCOMPARE(fra.fnrecDetails().UsePostCode_flag, bUsesPostcode);
    }
}

void tst_SenderAddressEvents::searchListsFillTheFrames() {
    TrecSenderPage page(false);
    TrecListAnswers objLists;
    int iLookedUp = 0;
    for (TfraLookup *fra : std::initializer_list<TfraLookup *>{
             page.fraSenderCountry, page.fraSenderState, page.fraSenderIATA, page.fraSenderSuburb})
        connect(fra, &TfraLookup::LookedUp, this, [&] { ++iLookedUp; });
    const auto pLookUp = [&](QWidget *fra, const char *pchButton, const char *pchTyped) {
        objLists.pchTyped = pchTyped;
        fra->findChild<QToolButton *>(QLatin1String(pchButton))->click();
    };
    pLookUp(page.fraSenderCountry, "btnCountryLookup", "austral");
    QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QStringLiteral("AU"));
    QCOMPARE(page.fraSenderCountry->fnstCountryName(), QStringLiteral("Australia"));
    pLookUp(page.fraSenderState, "btnStateLookup", "queens");
    QCOMPARE(page.fraSenderState->fnstState(), QStringLiteral("Queensland"));
    pLookUp(page.fraSenderIATA, "btnIATALookup", "melbourne");
    QCOMPARE(page.fraSenderIATA->fnstIATA(),
             fnvScalar(QStringLiteral("select min(iata) from directory where city = 'Melbourne' "
                                      "and country_cd = 'AU'"))
                 .toString());
    pLookUp(page.fraSenderSuburb, "btnSuburbLookup", "syd");
    QCOMPARE(page.fraSenderSuburb->fnstSuburb(), QStringLiteral("Bondi"));
    QCOMPARE(page.fraSenderSuburb->fnstChosenCity(), QStringLiteral("Sydney"));
    QCOMPARE(objLists.slGrids,
             (QStringList{"SearchCountry", "SearchState", "SearchIATA", "Suburb"}));
    QCOMPARE(iLookedUp, 4);
}

void tst_SenderAddressEvents::changesEmptyTheAirport() {
    const std::vector<std::pair<std::function<void(TrecSenderPage &)>, bool>> arCases = {
        {[](TrecSenderPage &p) { p.edtSenderPostcode->setText("EH6 6AA"); }, true},
        {[](TrecSenderPage &p) { p.cmbCountryName()->setEditText("Ireland"); }, true},
        {[](TrecSenderPage &p) { TrecSenderPage::pPass(p.edtSenderCity, p.edtSenderName); }, false},
    };
    for (size_t i = 0; i < arCases.size(); ++i) {
        const bool bEmptied = arCases[i].second;
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.pFillEdinburgh();
        page.fraSenderIATA->setEnabled(false);
        TclsScriptedAnswerer objAnswerer;
        arCases[i].first(page);
        QVERIFY(objAnswerer.fnarUnexpected().empty());
        QCOMPARE(page.cmbIATA()->currentText(), bEmptied ? "" : "EDI");
        QCOMPARE(page.fraSenderIATA->isEnabled(), bEmptied);
    }
}

// A suburb country: no postcode, the suburb frame shown, open only for a
// city with suburbs, which moves on to it when left.
void tst_SenderAddressEvents::countryDecidesPostcodeOrSuburb() {
    TrecSenderPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    TclsScriptedAnswerer objAnswerer;
    page.edtSenderPostcode->setText(QStringLiteral("12345"));
    page.edtSenderCity->setText(QStringLiteral("Kowloon"));
    page.fraSenderCountry->pSetCountryCode(QStringLiteral("HK"));
    TrecSenderPage::pPass(page.cmbCountryName(), page.edtSenderCity);
    QVERIFY(!page.edtSenderPostcode->isEnabled());
    QCOMPARE(page.edtSenderPostcode->text(), QString());
    QVERIFY(page.fraSenderSuburb->isVisible() && !page.fraSenderSuburb->isEnabled());
    QCOMPARE(page.lblSenderCitySuburb->text(), QStringLiteral("City/Suburb:"));
    page.edtSenderCity->setText(QStringLiteral("Hong Kong"));
    pFocusOn(page.edtSenderName);
    QVERIFY(page.fraSenderSuburb->isEnabled());
    QCOMPARE(page.fnstFocused(), QStringLiteral("cmbSuburb"));
    QCOMPARE(fncmb(page.fraSenderSuburb, "cmbSuburb")->count(), 2);
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_SenderAddressEvents::leavingTheAirport() {
    const struct {
        const char *pchCountry, *pchTyped;
        int iRefusals;
        const char *pchKept;
    } arCases[] = {
        {"GB", "QQQ", 1, ""},
        {"GB", "EDI", 0, "EDI"},
        {"US", "EDI", 0, "EDI"}, // an airport of another country brings its country
    };
    for (const auto &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.fraSenderCountry->pSetCountryCode(QLatin1String(c.pchCountry));
        pFocusOn(page.cmbIATA());
        page.cmbIATA()->setEditText(QLatin1String(c.pchTyped));
        TclsScriptedAnswerer objAnswerer;
        for (int i = 0; i < c.iRefusals; ++i)
            objAnswerer.pExpect(0);
        pFocusOn(page.edtSenderCity);
        QCOMPARE(page.cmbIATA()->currentText(), QLatin1String(c.pchKept));
        QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QStringLiteral("GB"));
        QVERIFY(objAnswerer.fniUnused() == 0 && objAnswerer.fnarUnexpected().empty());
        QVERIFY(page.objEvents->fnafLastFrameEntered() == TAddressFrame::afAirport);
        QCOMPARE(page.cmbIATA()->palette().color(QPalette::Base),
                 *c.pchKept ? cclNormalField : cclErrorField);
    }
}

// A city with suburbs left on the way to Cancel: the suburbs stay closed.
void tst_SenderAddressEvents::leavingTowardsCancelChangesNothing() {
    TrecSenderPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    page.pFillEdinburgh();
    pExecute(QStringLiteral("insert into suburb (country_cd, city, suburb) values (?, ?, ?)"),
             {QStringLiteral("GB"), QStringLiteral("Edinburgh"), QStringLiteral("Leith")});
    page.fraSenderSuburb->setEnabled(false);
    TclsScriptedAnswerer objAnswerer;
    TrecSenderPage::pPass(page.edtSenderCity, page.btnCancel);
    pExecute(QStringLiteral("delete from suburb where country_cd = ?"), {QStringLiteral("GB")});
    QVERIFY(objAnswerer.fnarAsked().empty() && page.arSearches.empty());
    QVERIFY(!page.fraSenderSuburb->isEnabled());
    QCOMPARE(page.lblSenderCitySuburb->text(), QStringLiteral("City:"));
    QVERIFY(page.btnCancel->hasFocus());
}

void tst_SenderAddressEvents::leavingThePostcode() {
    const TrecStationChoice recGlasgow{"GB",       "United Kingdom", "GLA",   "Glasgow",
                                       "Scotland", "G1 1AA",         "G1 1AA"};
    const QString stKnow = QStringLiteral("Do you know postcode?");
    const struct {
        const char *pchTyped;
        std::vector<int> arAnswers;
        std::optional<TrecStationChoice> oChoice;
        // Expected:
        QStringList slAsked;
        size_t iSearches;
        const char *pchPostcode, *pchIATA, *pchFocused;
    } arCases[] = {
        {"eh1  1aa", {}, {}, {}, 0, "EH1 1AA", "", "edtSenderName"},
        {"EH1 1AA", {}, {}, {}, 0, "EH1 1AA", "EDI", "edtSenderName"},
        // The same postcode in other letters is not cleaned again.
        {"eh1 1aa", {}, {}, {}, 0, "eh1 1aa", "", "edtSenderName"},
        {"", {0}, {}, {stKnow}, 0, "", "", "edtSenderPostcode"},
        {"", {1}, recGlasgow, {stKnow}, 1, "G1 1AA", "GLA", "edtSenderPostcode"},
        {"", {1}, std::nullopt, {stKnow}, 1, "", "", "edtSenderName"},
    };
    for (const auto &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.pFillEdinburgh();
        page.oChoice = c.oChoice;
        pFocusOn(page.edtSenderPostcode);
        page.fraSenderIATA->pSetIATA(QStringLiteral("EDI"));
        page.edtSenderPostcode->setText(QLatin1String(c.pchTyped));
        TclsScriptedAnswerer objAnswerer;
        for (int i : c.arAnswers)
            objAnswerer.pExpect(i);
        pFocusOn(page.edtSenderName);
        QCOMPARE(fnslAsked(objAnswerer), c.slAsked);
        QVERIFY(objAnswerer.fniUnused() == 0 && objAnswerer.fnarUnexpected().empty());
        QCOMPARE(page.arSearches.size(), c.iSearches);
        for (const TrecAddressSearch &rec : page.arSearches) {
            QVERIFY(rec.iList == TAddressSearchList::aslDestinationStations);
            QCOMPARE(rec.stCountryCode, QStringLiteral("GB"));
        }
        QCOMPARE(page.edtSenderPostcode->text(), QLatin1String(c.pchPostcode));
        QCOMPARE(page.cmbIATA()->currentText(), QLatin1String(c.pchIATA));
        QCOMPARE(page.fnstFocused(), QLatin1String(c.pchFocused));
    }
}

void tst_SenderAddressEvents::lookupsBringTheirCountry() {
    const struct {
        const char *pchCountry, *pchAirportList; // the frames' countries before
        const char *pchEntered;                  // the field entered before the button
        const char *pchFrame, *pchButton, *pchTyped;
        // Expected:
        const char *pchCountryAfter, *pchPostcode;
        bool bPostcodeEnabled;
        const char *pchLabel, *pchFocused;
    } arCases[] = {
        // clang-format off
        // An airport of another country, the airport entered last.
        {"GB", "US", "cmbIATA", "fraSenderIATA", "btnIATALookup", "chicago", "US", "", true, "City:", "cmbState"},
        // An airport of the country, no frame entered.
        {"US", "US", "edtSenderName", "fraSenderIATA", "btnIATALookup", "chicago", "US", "60601", true, "City:", "edtSenderName"},
        // A suburb country chosen, the country entered last.
        {"GB", "GB", "cmbCountryName", "fraSenderCountry", "btnCountryLookup", "hong kong", "HK", "", false, "City/Suburb:", "cmbIATA"},
        // clang-format on
    };
    TrecListAnswers objLists;
    for (const auto &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.fraSenderCountry->pSetCountryCode(QLatin1String(c.pchCountry));
        page.fraSenderIATA->pSetCountryCode(QLatin1String(c.pchAirportList));
        page.edtSenderPostcode->setText(QStringLiteral("60601"));
        TclsScriptedAnswerer objAnswerer;
        pFocusOn(page.wPage.findChild<QWidget *>(QLatin1String(c.pchEntered)));
        objLists.pchTyped = c.pchTyped;
        page.wPage.findChild<QWidget *>(QLatin1String(c.pchFrame))
            ->findChild<QToolButton *>(QLatin1String(c.pchButton))
            ->click();
        QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QLatin1String(c.pchCountryAfter));
        QCOMPARE(page.edtSenderPostcode->text(), QLatin1String(c.pchPostcode));
        QCOMPARE(page.edtSenderPostcode->isEnabled(), c.bPostcodeEnabled);
        QCOMPARE(page.lblSenderCitySuburb->text(), QLatin1String(c.pchLabel));
        QCOMPARE(page.fnstFocused(), QLatin1String(c.pchFocused));
        QVERIFY(objAnswerer.fnarAsked().empty());
        if (QLatin1String(c.pchButton) == QLatin1String("btnIATALookup"))
            QVERIFY(!page.cmbIATA()->currentText().isEmpty());
    }
}

void tst_SenderAddressEvents::autoDestinationReactsToEveryResultText() {
    std::vector<TrecReactionCase> arCases = fnarAutoDestinationReactionCases();
    const size_t iShared = arCases.size();
    // The plain state question, worded apart from the state lookup's: it
    // opens no list, and No keeps the user at the state.
    // clang-format off
    arCases.push_back({"known state unavailable", "State known?", {}, {}, true, false, {}, "cmbIATA"});
    arCases.push_back({"known state, no", "State known?", {1}, {}, false, false, {"State known?"}, "cmbState", true});
    // clang-format on
    for (size_t i = 0; i < arCases.size(); ++i) {
        const TrecReactionCase &rec = arCases[i];
        QVERIFY(objInstallation->fnbWriteFile("Bin/autodestination_answer.txt",
                                              QByteArray(rec.pchResult) + "\nScotland\n" +
                                                  (rec.recChoice ? "" : "EDI") + "\n"));
        TclsStateWordings objWordings;
        if (i >= iShared)
            QCoreApplication::installTranslator(&objWordings);
        TrecPlainPage page;
        page.oChoice = rec.recChoice;
        page.cmbCountryCode->setEditText("GB");
        page.edtSenderCity->setText("Edinburgh");
        page.cmbState->setEnabled(!rec.bStateDisabled);
        page.edtSenderPostcode->setEnabled(!rec.bPostcodeDisabled);
        page.wPage.show();
        page.edtSenderName->setFocus();
        page.objChecks.bRetry = !rec.bRetry;
        TclsScriptedAnswerer objAnswerer;
        for (int iButton : rec.arAnswers)
            objAnswerer.pExpect(iButton);
        page.objChecks.pAutoDestination();
        QCoreApplication::removeTranslator(&objWordings);

        QVERIFY2(fnslAsked(objAnswerer) == rec.slShown, rec.pchName);
        QVERIFY2(objAnswerer.fnarUnexpected().empty() && objAnswerer.fniUnused() == 0, rec.pchName);
        QVERIFY2(page.fnstFocused() == rec.stFocused,
                 qPrintable(QString(rec.pchName) + ": " + page.fnstFocused()));
        QVERIFY2(page.objChecks.bRetry == rec.bRetry, rec.pchName);
        QVERIFY2(page.objChecks.bUserInformed == !rec.slShown.isEmpty(), rec.pchName);
        QVERIFY2(page.arLists == rec.arLists, rec.pchName);
        QVERIFY2(page.edtSenderPostcode->text() == rec.stPostcode, rec.pchName);
        QVERIFY2(page.cmbIATA->currentText() == rec.stIATA, rec.pchName);
        QVERIFY2(page.cmbState->currentText() == rec.stState, rec.pchName);
    }
}

void tst_SenderAddressEvents::autoDestinationPassesThePageToTheLibrary() {
    QVERIFY(objInstallation->fnbWriteFile("Bin/autodestination_answer.txt",
                                          "Invalid Country\nOntario\nYYZ\n"));
    TrecPlainPage page;
    page.edtSenderName->setText("Jane Shipper");
    page.cmbCountryCode->setEditText(" CA ");
    page.cmbCountryName->setEditText("Canada");
    page.edtSenderCity->setText("Toronto");
    page.edtSenderPostcode->setText("M5V 2T6");
    page.cmbState->setEditText("Quebec");
    page.cmbIATA->setEditText("YUL");
    QString stRefreshed;
    TrecSenderAddressControls recControls = fnrecFindSenderAddressControls(&page.wPage);
    recControls.pRefreshIATAFrame = [&](const QString &st) { stRefreshed = st; };
    TclsSenderAddressChecks objChecks(&page.wPage, recControls, {});
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    objChecks.pAutoDestination();
    // The result buffer arrives preset; state and IATA go in and come back.
    QCOMPARE(objInstallation->fnbaReadFile("Bin/autodestination_call.txt"),
             QByteArray("No Error\nCA\nToronto\nM5V 2T6\nQuebec\nYUL\nCanada\nJane Shipper\n"));
    QCOMPARE(objChecks.stCurrentState, QStringLiteral("Quebec"));
    QCOMPARE(objChecks.stCurrentIATA, QStringLiteral("YUL"));
    QCOMPARE(page.cmbState->currentText(), QStringLiteral("Ontario"));
    QCOMPARE(page.cmbIATA->currentText(), QStringLiteral("YYZ"));
    QCOMPARE(stRefreshed, QStringLiteral("YYZ"));
    QCOMPARE(objAnswerer.fnarAsked().front().stCaption,
             QStringLiteral("Registration Wizard - Error/Invalid Data"));
}

void tst_SenderAddressEvents::postcodeCleaningReactsToEveryResultText() {
    const QString stNeedsCity = "The entered postcode is incorrect. A valid postcode or city is "
                                "required to process the shipment.";
    const QString stFormats = QStringLiteral("Config/PostcodeFormats.json");
    const QByteArray baFormats = objInstallation->fnbaReadFile(stFormats);
    const struct {
        const char *pchTyped, *pchCity;
        QString stShown, stPostcode, stFocused;
        bool bFormats = true; // without, the library's preset answer changes nothing
    } arCases[] = {
        {" sw1a 1aa ", "London", {}, "SW1A 1AA", "edtSenderName"},
        {" qq1 1qq ", "", stNeedsCity, "qq1 1qq", "edtSenderCity"},
        {"sw1a1aa", "London", {}, "sw1a1aa", "edtSenderName", false},
    };
    for (const auto &rec : arCases) {
        TrecPlainPage page;
        page.cmbCountryCode->setEditText("GB");
        page.edtSenderPostcode->setText(rec.pchTyped);
        page.edtSenderCity->setText(rec.pchCity);
        page.wPage.show();
        page.edtSenderName->setFocus();
        TclsScriptedAnswerer objAnswerer;
        if (!rec.stShown.isEmpty())
            objAnswerer.pExpect(0);
        QVERIFY(rec.bFormats || QFile::remove(objInstallation->fnstPath(stFormats)));
        page.objChecks.pPostCodeCleaning();
        QVERIFY(objInstallation->fnbWriteFile(stFormats, baFormats));
        QCOMPARE(fnslAsked(objAnswerer),
                 rec.stShown.isEmpty() ? QStringList() : QStringList{rec.stShown});
        QCOMPARE(page.edtSenderPostcode->text(), rec.stPostcode);
        QCOMPARE(page.fnstFocused(), rec.stFocused);
    }
}

// The destination-station list opens at the sender's city; the airport
// directory opens with nothing searched for.
void tst_SenderAddressEvents::chooserStartsOnlyTheStationListAtTheCity() {
    QStringList slOpened;
    TclsDialogAnswerer objLists([&](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        slOpened << frm.grdList->objectName() + '=' + frm.edtSearch->text();
        return int(QDialog::Rejected);
    });
    const TAddressChooser fnChooser = fnAddressSearchChooser(nullptr);
    for (TAddressSearchList iList :
         {TAddressSearchList::aslDestinationStations, TAddressSearchList::aslDirectory})
        QVERIFY(!fnChooser({iList, "GB", "Edinburgh"}));
    QCOMPARE(slOpened, (QStringList{"SearchESD=Edinburgh", "SearchDirectory="}));
}

QTEST_MAIN(tst_SenderAddressEvents)
#include "tst_SenderAddressEvents.moc"
