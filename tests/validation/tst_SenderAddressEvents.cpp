// The sender page's address frames and events over the reference data, and the
// address checks' reactions to the postcode and auto-destination libraries.
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
#include "UnitMvLookupCombo.h"
#include "UnitScriptedAnswerer.h"
#include "UnitSearchList.h"
#include "unitSenderAddressChecks.h"
#include "unitSenderAddressEvents.h"
#include "UnitTestInstallation.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <QVBoxLayout>

namespace {
void pExecute(const char *pchSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery qry;
    QCOMPARE(qry.fniExecute(QString::fromLatin1(pchSQL), vlBinds), 0);
}

TmvLookupCombo *fncmb(QWidget *fra, const char *pchName) {
    return fra->findChild<TmvLookupCombo *>(QLatin1String(pchName));
}

bool fnbAllAnswered(const TclsScriptedAnswerer &obj) {
    return obj.fnarUnexpected().empty() && obj.fniUnused() == 0;
}

QString fnstFocused(const QWidget &w) {
    return w.focusWidget() ? w.focusWidget()->objectName() : "";
}

// Adds a named control to the page; combo boxes are editable.
template <class TControl> TControl *fnwAdd(QWidget *wParent, const char *pchName) {
    auto *w = new TControl(wParent);
    w->setObjectName(QLatin1String(pchName));
    if constexpr (std::is_same_v<TControl, QComboBox>)
        w->setEditable(true);
    if (wParent->layout())
        wParent->layout()->addWidget(w);
    return w;
}

// A search list is answered by typing pchTyped and pressing Transfer.
struct TrecListAnswers {
    const char *pchTyped = "";
    TclsDialogAnswerer objAnswerer{[this](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        QTest::keyClicks(frm.edtSearch, QString::fromLatin1(pchTyped));
        frm.btnTransfer->click();
        return dlg.result();
    }};
};

// The sender page's address fields with the real frames, shown and active so
// that leaving a field is a real change of focus.
struct TrecSenderPage {
    QWidget wPage;
    QVBoxLayout *lay = new QVBoxLayout(&wPage);
    QLineEdit *edtSenderName = fnwAdd<QLineEdit>(&wPage, "edtSenderName");
    TfraCountry *fraSenderCountry = fnwAdd<TfraCountry>(&wPage, "fraSenderCountry");
    QLineEdit *edtSenderPostcode = fnwAdd<QLineEdit>(&wPage, "edtSenderPostcode");
    TfraIATA *fraSenderIATA = fnwAdd<TfraIATA>(&wPage, "fraSenderIATA");
    TfraState *fraSenderState = fnwAdd<TfraState>(&wPage, "fraSenderState");
    QLabel *lblSenderCitySuburb = fnwAdd<QLabel>(&wPage, "lblSenderCitySuburb");
    QLineEdit *edtSenderCity = fnwAdd<QLineEdit>(&wPage, "edtSenderCity");
    TfraSuburb *fraSenderSuburb = fnwAdd<TfraSuburb>(&wPage, "fraSenderSuburb");
    QPushButton *btnCancel = fnwAdd<QPushButton>(&wPage, "btnCancel");
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
        static_cast<void>(QTest::qWaitForWindowActive(&wPage));
    }
    TmvLookupCombo *cmbIATA() const { return fncmb(fraSenderIATA, "cmbIATA"); }
    TmvLookupCombo *cmbCountryName() const { return fncmb(fraSenderCountry, "cmbCountryName"); }
    static void pPass(QWidget *wField, QWidget *wTo) {
        pFocusOn(wField);
        pFocusOn(wTo);
    }
    void pFillEdinburgh() {
        fraSenderCountry->pSetCountryCode(QStringLiteral("GB"));
        edtSenderPostcode->setText(QStringLiteral("EH1 1AA"));
        edtSenderCity->setText(QStringLiteral("Edinburgh"));
        fraSenderIATA->pSetIATA(QStringLiteral("EDI"));
    }
};
// The address checks on their own, over plain fields in the sender page's tab
// order, shown with the focus on the name and GB as the country.
struct TrecPlainPage {
    QWidget wPage;
    QLineEdit *edtSenderName = fnwAdd<QLineEdit>(&wPage, "edtSenderName");
    QComboBox *cmbCountryCode = fnwAdd<QComboBox>(&wPage, "cmbCountryCode");
    QComboBox *cmbCountryName = fnwAdd<QComboBox>(&wPage, "cmbCountryName");
    QLineEdit *edtSenderPostcode = fnwAdd<QLineEdit>(&wPage, "edtSenderPostcode");
    QLineEdit *edtSenderCity = fnwAdd<QLineEdit>(&wPage, "edtSenderCity");
    QFrame *fraSenderState = fnwAdd<QFrame>(&wPage, "fraSenderState");
    QComboBox *cmbState = fnwAdd<QComboBox>(fraSenderState, "cmbState");
    QComboBox *cmbIATA = fnwAdd<QComboBox>(&wPage, "cmbIATA");
    QLineEdit *edtSenderEmail = fnwAdd<QLineEdit>(&wPage, "edtSenderEmail");
    std::vector<TAddressSearchList> arLists; // the search lists opened
    std::optional<TrecStationChoice> oChoice;
    TclsSenderAddressChecks objChecks{&wPage, fnrecFindSenderAddressControls(&wPage),
                                      [this](const TrecAddressSearch &rec) {
                                          arLists.push_back(rec.iList);
                                          return oChoice;
                                      }};

    TrecPlainPage() {
        cmbCountryCode->setEditText("GB");
        wPage.show();
        edtSenderName->setFocus();
    }
};

// Words the two "Do you know state?" results apart: the first asked for (the
// state lookup's) gets its own wording, the plain state question the other.
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
    void cleanupTestCase() { objInstallation.reset(); }
    void valuesNotInTheirTableAreRefused();
    void countryDecidesPostcodeOrSuburb();
    void leavingTheAirport();
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
    pExecute("update country set UsePostCode_flag = 0, tc_allowed_flag = 1 where country_cd = ?",
             {"HK"});
    for (const char *pchSuburb : {"Central", "Wan Chai"})
        pExecute("insert into suburb (country_cd, city, suburb) values ('HK', 'Hong Kong', ?)",
                 {pchSuburb});
}

// The frames refuse what their tables do not hold; codes are found whatever their case.
void tst_SenderAddressEvents::valuesNotInTheirTableAreRefused() {
    TrecSenderPage page(false);
    page.fraSenderCountry->pSetCountryCode("US");
    const struct {
        TmvLookupCombo *cmb;
        const char *pchTyped;
        const char *pchMessage; // empty: accepted
    } arCases[] = {
        {fncmb(page.fraSenderCountry, "cmbCountryCode"), " fr ", ""},
        {fncmb(page.fraSenderState, "cmbState"), "Nowhere Land",
         "Invalid state. Please select from the list."},
        {fncmb(page.fraSenderState, "cmbState"), "Bretagne", ""},
        {page.cmbIATA(), "cdg", ""},
    };
    for (const auto &c : arCases) {
        TclsScriptedAnswerer objAnswers;
        const bool bRefused = *c.pchMessage != '\0';
        if (bRefused)
            objAnswers.pExpect(0);
        pFocusOn(c.cmb);
        c.cmb->setEditText(c.pchTyped);
        pFocusOn(page.edtSenderPostcode);
        QVERIFY2(fnbAllAnswered(objAnswers), c.pchTyped);
        QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QStringLiteral("FR"));
        if (!bRefused) {
            QVERIFY2(page.edtSenderPostcode->hasFocus(), c.pchTyped);
            continue;
        }
        QCOMPARE(objAnswers.fnarAsked().front().stMessage, QString::fromLatin1(c.pchMessage));
        // Given back with its list open; closing it leaves the cursor in the field.
        QTRY_VERIFY2(c.cmb->view()->isVisible(), c.pchTyped);
        c.cmb->hidePopup();
        QTRY_VERIFY2(c.cmb->hasFocus(), c.pchTyped);
        c.cmb->setEditText(c.cmb->LastValue);
    }
    QCOMPARE(page.fraSenderIATA->fnstIATA(), QStringLiteral("CDG"));
}

// A suburb country: no postcode, the suburb frame shown, open only for a
// city with suburbs, which moves on to it when left.
void tst_SenderAddressEvents::countryDecidesPostcodeOrSuburb() {
    TrecSenderPage page;
    TclsScriptedAnswerer objAnswerer;
    page.edtSenderPostcode->setText("12345");
    page.edtSenderCity->setText("Kowloon");
    page.fraSenderCountry->pSetCountryCode("HK");
    TrecSenderPage::pPass(page.cmbCountryName(), page.edtSenderCity);
    QVERIFY(!page.edtSenderPostcode->isEnabled() && !page.fraSenderSuburb->isEnabled());
    page.edtSenderCity->setText("Hong Kong");
    pFocusOn(page.edtSenderName);
    QVERIFY(page.fraSenderSuburb->isEnabled());
    QCOMPARE(fnstFocused(page.wPage), QStringLiteral("cmbSuburb"));
    QCOMPARE(fncmb(page.fraSenderSuburb, "cmbSuburb")->count(), 2);
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_SenderAddressEvents::leavingTheAirport() {
    // An airport of another country brings its country.
    for (const auto &[pchCountry, pchTyped, bRefused] :
         {std::tuple{"GB", "QQQ", true}, {"GB", "EDI", false}, {"US", "EDI", false}}) {
        TrecSenderPage page;
        page.fraSenderCountry->pSetCountryCode(pchCountry);
        pFocusOn(page.cmbIATA());
        page.cmbIATA()->setEditText(pchTyped);
        TclsScriptedAnswerer objAnswerer;
        if (bRefused)
            objAnswerer.pExpect(0);
        pFocusOn(page.edtSenderCity);
        QCOMPARE(page.cmbIATA()->currentText(), bRefused ? "" : pchTyped);
        QCOMPARE(page.fraSenderCountry->fnstCountryCode(), QStringLiteral("GB"));
        QVERIFY(fnbAllAnswered(objAnswerer));
        QVERIFY(page.objEvents->fnafLastFrameEntered() == TAddressFrame::afAirport);
        QCOMPARE(page.cmbIATA()->palette().color(QPalette::Base),
                 bRefused ? cclErrorField : cclNormalField);
    }
}

void tst_SenderAddressEvents::leavingThePostcode() {
    const TrecStationChoice recGlasgow{"GB",       "United Kingdom", "GLA",   "Glasgow",
                                       "Scotland", "G1 1AA",         "G1 1AA"};
    const QString stKnow = QStringLiteral("Do you know postcode?");
    const struct {
        const char *pchTyped;
        int iAnswer; // -1: nothing asked
        std::optional<TrecStationChoice> oChoice;
        QStringList slExpected; // postcode, airport, focus
    } arCases[] = {
        {"eh1  1aa", -1, {}, {"EH1 1AA", "", "edtSenderName"}},
        {"EH1 1AA", -1, {}, {"EH1 1AA", "EDI", "edtSenderName"}},
        // The same postcode in other letters is not cleaned again.
        {"eh1 1aa", -1, {}, {"eh1 1aa", "", "edtSenderName"}},
        {"", 0, {}, {"", "", "edtSenderPostcode"}},
        {"", 1, recGlasgow, {"G1 1AA", "GLA", "edtSenderPostcode"}},
        {"", 1, std::nullopt, {"", "", "edtSenderName"}},
    };
    for (const auto &c : arCases) {
        TrecSenderPage page;
        page.pFillEdinburgh();
        page.oChoice = c.oChoice;
        pFocusOn(page.edtSenderPostcode);
        page.fraSenderIATA->pSetIATA("EDI");
        page.edtSenderPostcode->setText(c.pchTyped);
        TclsScriptedAnswerer objAnswerer;
        if (c.iAnswer >= 0)
            objAnswerer.pExpect(c.iAnswer);
        pFocusOn(page.edtSenderName);
        QVERIFY(fnbAllAnswered(objAnswerer));
        QCOMPARE(page.arSearches.size(), size_t(c.iAnswer == 1));
        for (const TrecAddressSearch &rec : page.arSearches)
            QVERIFY(rec.iList == TAddressSearchList::aslDestinationStations &&
                    rec.stCountryCode == "GB");
        QCOMPARE(objAnswerer.fnslAsked().join(""), c.iAnswer < 0 ? "" : stKnow);
        QCOMPARE((QStringList{page.edtSenderPostcode->text(), page.cmbIATA()->currentText(),
                              fnstFocused(page.wPage)}),
                 c.slExpected);
    }
}

// An airport of another country or a suburb country chosen from the lists.
void tst_SenderAddressEvents::lookupsBringTheirCountry() {
    const struct {
        const char *pchCountry, *pchAirportList; // the frames' countries before
        const char *pchEntered;                  // the field entered before the button
        const char *pchFrame, *pchButton, *pchTyped;
        QStringList slExpected; // country, postcode, postcode enabled, label, focus
    } arCases[] = {
        // clang-format off
        {"GB", "US", "cmbIATA", "fraSenderIATA", "btnIATALookup", "chicago", {"US", "", "1", "City:", "cmbState"}},
        {"US", "US", "edtSenderName", "fraSenderIATA", "btnIATALookup", "chicago", {"US", "60601", "1", "City:", "edtSenderName"}},
        {"GB", "GB", "cmbCountryName", "fraSenderCountry", "btnCountryLookup", "hong kong", {"HK", "", "0", "City/Suburb:", "cmbIATA"}},
        // clang-format on
    };
    TrecListAnswers objLists;
    for (const auto &c : arCases) {
        TrecSenderPage page;
        page.fraSenderCountry->pSetCountryCode(c.pchCountry);
        page.fraSenderIATA->pSetCountryCode(c.pchAirportList);
        page.edtSenderPostcode->setText("60601");
        TclsScriptedAnswerer objAnswerer;
        pFocusOn(page.wPage.findChild<QWidget *>(c.pchEntered));
        objLists.pchTyped = c.pchTyped;
        page.wPage.findChild<QWidget *>(c.pchFrame)->findChild<QToolButton *>(c.pchButton)->click();
        QCOMPARE(
            (QStringList{page.fraSenderCountry->fnstCountryCode(), page.edtSenderPostcode->text(),
                         QString::number(page.edtSenderPostcode->isEnabled()),
                         page.lblSenderCitySuburb->text(), fnstFocused(page.wPage)}),
            c.slExpected);
        QVERIFY(objAnswerer.fnarAsked().empty());
        QVERIFY(c.pchButton != QLatin1String("btnIATALookup") ||
                !page.cmbIATA()->currentText().isEmpty());
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
    const auto fnslShown = [](const QStringList &slAsked, const QString &stFocused, bool bRetry,
                              const std::vector<TAddressSearchList> &arLists,
                              const QStringList &slFields) {
        QStringList sl{slAsked.join('|'), stFocused, QString::number(bRetry)};
        for (TAddressSearchList i : arLists)
            sl << QString::number(int(i));
        return sl << slFields;
    };
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
        page.edtSenderCity->setText("Edinburgh");
        page.cmbState->setEnabled(!rec.bStateDisabled);
        page.edtSenderPostcode->setEnabled(!rec.bPostcodeDisabled);
        page.objChecks.bRetry = !rec.bRetry;
        TclsScriptedAnswerer objAnswerer;
        for (int iButton : rec.arAnswers)
            objAnswerer.pExpect(iButton);
        page.objChecks.pAutoDestination();
        QCoreApplication::removeTranslator(&objWordings);
        QVERIFY2(fnbAllAnswered(objAnswerer) &&
                     page.objChecks.bUserInformed == !rec.slShown.isEmpty(),
                 rec.pchName);
        QCOMPARE(fnslShown(objAnswerer.fnslAsked(), fnstFocused(page.wPage), page.objChecks.bRetry,
                           page.arLists,
                           {page.edtSenderPostcode->text(), page.cmbIATA->currentText(),
                            page.cmbState->currentText()}),
                 fnslShown(rec.slShown, rec.stFocused, rec.bRetry, rec.arLists,
                           {rec.stPostcode, rec.stIATA, rec.stState}));
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
    QCOMPARE((QStringList{objChecks.stCurrentState, objChecks.stCurrentIATA,
                          page.cmbState->currentText(), page.cmbIATA->currentText(), stRefreshed,
                          objAnswerer.fnarAsked().front().stCaption}),
             (QStringList{"Quebec", "YUL", "Ontario", "YYZ", "YYZ",
                          "Registration Wizard - Error/Invalid Data"}));
}

void tst_SenderAddressEvents::postcodeCleaningReactsToEveryResultText() {
    const QString stNeedsCity = "The entered postcode is incorrect. A valid postcode or city is "
                                "required to process the shipment.";
    const QString stFormats = QStringLiteral("Config/PostcodeFormats.json");
    const QByteArray baFormats = objInstallation->fnbaReadFile(stFormats);
    const struct {
        const char *pchTyped, *pchCity;
        QStringList slExpected; // asked, postcode, focus
        bool bFormats = true;   // without, the library's preset answer changes nothing
    } arCases[] = {
        {" sw1a 1aa ", "London", {"", "SW1A 1AA", "edtSenderName"}},
        {" qq1 1qq ", "", {stNeedsCity, "qq1 1qq", "edtSenderCity"}},
        {"sw1a1aa", "London", {"", "sw1a1aa", "edtSenderName"}, false},
    };
    for (const auto &rec : arCases) {
        TrecPlainPage page;
        page.edtSenderPostcode->setText(rec.pchTyped);
        page.edtSenderCity->setText(rec.pchCity);
        TclsScriptedAnswerer objAnswerer;
        if (!rec.slExpected[0].isEmpty())
            objAnswerer.pExpect(0);
        QVERIFY(rec.bFormats || QFile::remove(objInstallation->fnstPath(stFormats)));
        page.objChecks.pPostCodeCleaning();
        QVERIFY(objInstallation->fnbWriteFile(stFormats, baFormats));
        QCOMPARE((QStringList{objAnswerer.fnslAsked().join('|'), page.edtSenderPostcode->text(),
                              fnstFocused(page.wPage)}),
                 rec.slExpected);
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
