// The sender page's address events on a page built with the real lookup
// frames over the reference data: what entering, changing and leaving the
// address fields does to the other fields.
#include "UnitAdHocQuery.h"
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

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <QVBoxLayout>

namespace {
void pExecute(const QString &stSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery qry;
    QCOMPARE(qry.fniExecute(stSQL, vlBinds), 0);
}

// The sender page's address fields with the real frames, a Cancel button and
// the events connected; shown and active so that leaving a field is a real
// change of focus.
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
    TclsSenderAddressEvents *objEvents;

    TrecSenderPage() {
        pFollowCountry(*fraSenderCountry, fraSenderState, fraSenderIATA, fraSenderSuburb);
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
    TmvLookupCombo *cmbIATA() const { return fnwCombo(fraSenderIATA, "cmbIATA"); }
    TmvLookupCombo *cmbCountryName() const { return fnwCombo(fraSenderCountry, "cmbCountryName"); }
    TmvLookupCombo *cmbSuburb() const { return fnwCombo(fraSenderSuburb, "cmbSuburb"); }
    static TmvLookupCombo *fnwCombo(QWidget *fra, const char *pchName) {
        return fra->findChild<TmvLookupCombo *>(QLatin1String(pchName));
    }
    // Enters the field and leaves it for wTo.
    static void pPass(QWidget *wField, QWidget *wTo) {
        pFocusOn(wField);
        pFocusOn(wTo);
    }
    // A complete British address.
    void pFillEdinburgh() {
        fraSenderCountry->pSetCountryCode(QStringLiteral("GB"));
        edtSenderPostcode->setText(QStringLiteral("EH1 1AA"));
        edtSenderCity->setText(QStringLiteral("Edinburgh"));
        fraSenderIATA->pSetIATA(QStringLiteral("EDI"));
    }
};

QStringList fnslAsked(const TclsScriptedAnswerer &obj) {
    QStringList sl;
    for (const TrecMessageDlg &rec : obj.fnarAsked())
        sl << rec.stMessage;
    return sl;
}
} // namespace

class tst_SenderAddressEvents : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void changesEmptyTheAirport();
    void countryDecidesPostcodeOrSuburb();
    void leavingTheAirport();
    void leavingTowardsCancelChangesNothing();
    void leavingThePostcode();
    void lookupsBringTheirCountry();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_SenderAddressEvents::initTestCase() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    QVERIFY(objInstallation->fnbCopyBuiltLibrary("libQuiloftPostcodeCleaningDLL.so"));
    // Hong Kong gives its addresses by district: no postcodes, suburbs.
    pExecute(QStringLiteral("update country set UsePostCode_flag = 0 where country_cd = ?"),
             {QStringLiteral("HK")});
    for (const char *pchSuburb : {"Central", "Wan Chai"})
        pExecute(QStringLiteral("insert into suburb (country_cd, city, suburb) values (?, ?, ?)"),
                 {QStringLiteral("HK"), QStringLiteral("Hong Kong"), QLatin1String(pchSuburb)});
}

void tst_SenderAddressEvents::cleanupTestCase() {
    objInstallation.reset();
}

void tst_SenderAddressEvents::changesEmptyTheAirport() {
    struct TrecCase {
        const char *pchCase;
        std::function<void(TrecSenderPage &)> pChange;
        bool bEmptied;
    };
    const std::vector<TrecCase> arCases = {
        {"city changed", [](TrecSenderPage &p) { p.edtSenderCity->setText("Leith"); }, true},
        {"postcode changed", [](TrecSenderPage &p) { p.edtSenderPostcode->setText("EH6 6AA"); },
         true},
        {"country name changed",
         [](TrecSenderPage &p) { p.cmbCountryName()->setEditText("Ireland"); }, true},
        {"city passed through unchanged",
         [](TrecSenderPage &p) { TrecSenderPage::pPass(p.edtSenderCity, p.edtSenderName); }, false},
    };
    for (const TrecCase &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.pFillEdinburgh();
        page.fraSenderIATA->setEnabled(false);
        TclsScriptedAnswerer objAnswerer;
        c.pChange(page);
        QVERIFY2(objAnswerer.fnarUnexpected().empty(), c.pchCase);
        QVERIFY2(page.cmbIATA()->currentText() == (c.bEmptied ? "" : "EDI"), c.pchCase);
        QVERIFY2(page.fraSenderIATA->isEnabled() == c.bEmptied, c.pchCase);
    }
}

void tst_SenderAddressEvents::countryDecidesPostcodeOrSuburb() {
    struct TrecCase {
        const char *pchCountry, *pchCity;
        bool bSuburbForm, bSuburbOpen;
        const char *pchLabel;
        int iCityWidth;
    };
    const TrecCase arCases[] = {
        {"HK", "Hong Kong", true, true, "City/Suburb:", 155},
        {"HK", "Kowloon", true, false, "City/Suburb:", 155},
        {"GB", "Edinburgh", false, false, "City:", 250},
    };
    TrecSenderPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    TclsScriptedAnswerer objAnswerer;
    for (const TrecCase &c : arCases) {
        const QString stCase = QStringLiteral("%1 %2").arg(c.pchCountry, c.pchCity);
        page.edtSenderPostcode->setText(QStringLiteral("12345"));
        page.edtSenderCity->setText(QLatin1String(c.pchCity));
        page.fraSenderCountry->pSetCountryCode(QLatin1String(c.pchCountry));
        TrecSenderPage::pPass(page.cmbCountryName(), page.edtSenderCity);
        QVERIFY2(page.edtSenderPostcode->isEnabled() == !c.bSuburbForm, qPrintable(stCase));
        QVERIFY2(page.edtSenderPostcode->text().isEmpty() == c.bSuburbForm, qPrintable(stCase));
        QVERIFY2(page.fraSenderSuburb->isVisible() == c.bSuburbForm, qPrintable(stCase));
        QVERIFY2(page.fraSenderSuburb->isEnabled() == c.bSuburbOpen, qPrintable(stCase));
        QCOMPARE(page.lblSenderCitySuburb->text(), QLatin1String(c.pchLabel));
        QCOMPARE(page.edtSenderCity->width(), c.iCityWidth);
        QCOMPARE(page.edtSenderCity->maxLength(), 35);
    }
    // Leaving a city with suburbs opens the suburb frame and moves on to it.
    page.fraSenderCountry->pSetCountryCode(QStringLiteral("HK"));
    TrecSenderPage::pPass(page.cmbCountryName(), page.edtSenderName);
    pFocusOn(page.edtSenderCity);
    page.edtSenderCity->setText(QStringLiteral("Hong Kong"));
    pFocusOn(page.edtSenderName);
    QVERIFY(page.fraSenderSuburb->isEnabled());
    QVERIFY(page.cmbSuburb()->hasFocus());
    QCOMPARE(page.cmbSuburb()->count(), 2);
    QVERIFY(objAnswerer.fnarAsked().empty());
}

void tst_SenderAddressEvents::leavingTheAirport() {
    struct TrecCase {
        const char *pchCase;
        const char *pchCountry;
        const char *pchIATA;
        bool bTyped; // typed by the user rather than set by a lookup
        int iRefusals;
        const char *pchKept, *pchCountryAfter;
    };
    const TrecCase arCases[] = {
        {"unknown code from a station row", "GB", "ZZZ", false, 0, "", "GB"},
        {"unknown code typed", "GB", "QQQ", true, 1, "", "GB"},
        {"airport of the country", "GB", "EDI", true, 0, "EDI", "GB"},
        {"airport of another country", "US", "EDI", true, 0, "EDI", "GB"},
    };
    for (const TrecCase &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.fraSenderCountry->pSetCountryCode(QLatin1String(c.pchCountry));
        pFocusOn(page.cmbIATA());
        if (c.bTyped)
            page.cmbIATA()->setEditText(QLatin1String(c.pchIATA));
        else
            page.fraSenderIATA->pSetIATA(QLatin1String(c.pchIATA));
        TclsScriptedAnswerer objAnswerer;
        for (int i = 0; i < c.iRefusals; ++i)
            objAnswerer.pExpect(0);
        pFocusOn(page.edtSenderCity);
        QVERIFY2(page.cmbIATA()->currentText() == QLatin1String(c.pchKept), c.pchCase);
        QVERIFY2(page.fraSenderCountry->fnstCountryCode() == QLatin1String(c.pchCountryAfter),
                 c.pchCase);
        QVERIFY2(objAnswerer.fniUnused() == 0 && objAnswerer.fnarUnexpected().empty(), c.pchCase);
        QVERIFY2(page.objEvents->fnafLastFrameEntered() == TAddressFrame::afAirport, c.pchCase);
        const QColor clExpected = *c.pchKept ? cclNormalField : cclErrorField;
        QVERIFY2(page.cmbIATA()->palette().color(QPalette::Base) == clExpected, c.pchCase);
    }
}

void tst_SenderAddressEvents::leavingTowardsCancelChangesNothing() {
    struct TrecCase {
        const char *pchCase;
        std::function<QWidget *(TrecSenderPage &)> fnwPrepare; // gives the field to leave
    };
    const std::vector<TrecCase> arCases = {
        {"empty postcode of a postcode country",
         [](TrecSenderPage &p) -> QWidget * {
             pFocusOn(p.edtSenderPostcode);
             p.edtSenderPostcode->clear();
             return p.edtSenderPostcode;
         }},
        {"postcode typed in small letters",
         [](TrecSenderPage &p) -> QWidget * {
             pFocusOn(p.edtSenderPostcode);
             p.edtSenderPostcode->setText("eh11aa");
             return p.edtSenderPostcode;
         }},
        {"city with suburbs",
         [](TrecSenderPage &p) -> QWidget * {
             pFocusOn(p.edtSenderCity);
             return p.edtSenderCity;
         }},
        {"airport without directory row",
         [](TrecSenderPage &p) -> QWidget * {
             pFocusOn(p.cmbIATA());
             p.fraSenderIATA->pSetIATA("ZZZ");
             return p.cmbIATA();
         }},
        {"suburb country's name",
         [](TrecSenderPage &p) -> QWidget * {
             pFocusOn(p.cmbCountryName());
             p.fraSenderCountry->pSetCountryCode("HK");
             return p.cmbCountryName();
         }},
    };
    for (const TrecCase &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.pFillEdinburgh();
        pExecute(QStringLiteral("insert into suburb (country_cd, city, suburb) values (?, ?, ?)"),
                 {QStringLiteral("GB"), QStringLiteral("Edinburgh"), QStringLiteral("Leith")});
        page.fraSenderSuburb->setEnabled(false);
        c.fnwPrepare(page);
        const QString stPostcode = page.edtSenderPostcode->text();
        const QString stIATA = page.cmbIATA()->currentText();
        TclsScriptedAnswerer objAnswerer;
        pFocusOn(page.btnCancel);
        pExecute(QStringLiteral("delete from suburb where country_cd = ?"), {QStringLiteral("GB")});
        QVERIFY2(objAnswerer.fnarAsked().empty(), c.pchCase);
        QVERIFY2(page.edtSenderPostcode->text() == stPostcode, c.pchCase);
        QVERIFY2(page.edtSenderPostcode->isEnabled(), c.pchCase);
        QVERIFY2(page.cmbIATA()->currentText() == stIATA, c.pchCase);
        QVERIFY2(!page.fraSenderSuburb->isEnabled(), c.pchCase);
        QVERIFY2(page.lblSenderCitySuburb->text() == "City:", c.pchCase);
        QVERIFY2(page.arSearches.empty(), c.pchCase);
        QVERIFY2(page.btnCancel->hasFocus(), c.pchCase);
    }
}

void tst_SenderAddressEvents::leavingThePostcode() {
    const TrecStationChoice recGlasgow{"GB",       "United Kingdom", "GLA",   "Glasgow",
                                       "Scotland", "G1 1AA",         "G1 1AA"};
    struct TrecCase {
        const char *pchCase;
        const char *pchTyped;
        std::vector<int> arAnswers;
        std::optional<TrecStationChoice> oChoice;
        // Expected:
        QStringList slAsked;
        int iSearches;
        const char *pchPostcode, *pchIATA, *pchFocused;
    };
    const QString stKnow = QStringLiteral("Do you know postcode?");
    const QString stCorrected = QStringLiteral(
        "The postcode you entered has been automatically corrected. Please verify that the "
        "cleaned postcode is correct.");
    const std::vector<TrecCase> arCases = {
        {"cleaned silently", "eh1  1aa", {}, {}, {}, 0, "EH1 1AA", "", "edtSenderName"},
        {"corrected", "EH11AA", {0}, {}, {stCorrected}, 0, "EH1 1AA", "", "edtSenderName"},
        {"unchanged", "EH1 1AA", {}, {}, {}, 0, "EH1 1AA", "EDI", "edtSenderName"},
        {"empty, known", "", {0}, {}, {stKnow}, 0, "", "", "edtSenderPostcode"},
        {"empty, station chosen",
         "",
         {1},
         recGlasgow,
         {stKnow},
         1,
         "G1 1AA",
         "GLA",
         "edtSenderPostcode"},
        {"empty, list cancelled", "", {1}, std::nullopt, {stKnow}, 1, "", "", "edtSenderName"},
    };
    for (const TrecCase &c : arCases) {
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
        QVERIFY2(fnslAsked(objAnswerer) == c.slAsked, c.pchCase);
        QVERIFY2(objAnswerer.fniUnused() == 0 && objAnswerer.fnarUnexpected().empty(), c.pchCase);
        QVERIFY2(page.arSearches.size() == size_t(c.iSearches), c.pchCase);
        for (const TrecAddressSearch &rec : page.arSearches) {
            QVERIFY(rec.iList == TAddressSearchList::aslDestinationStations);
            QCOMPARE(rec.stCountryCode, QStringLiteral("GB"));
        }
        QVERIFY2(page.edtSenderPostcode->text() == QLatin1String(c.pchPostcode),
                 qPrintable(QString(c.pchCase) + ": " + page.edtSenderPostcode->text()));
        QVERIFY2(page.cmbIATA()->currentText() == QLatin1String(c.pchIATA), c.pchCase);
        const QWidget *wFocused = page.wPage.focusWidget();
        QVERIFY2(wFocused && wFocused->objectName() == QLatin1String(c.pchFocused),
                 qPrintable(QString(c.pchCase) + ": " + (wFocused ? wFocused->objectName() : "")));
    }
    // The question's caption and buttons.
    TrecSenderPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
    page.pFillEdinburgh();
    pFocusOn(page.edtSenderPostcode);
    page.edtSenderPostcode->clear();
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    pFocusOn(page.edtSenderName);
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    const TrecMessageDlg &rec = objAnswerer.fnarAsked().front();
    QCOMPARE(rec.stCaption, QStringLiteral("Registration Wizard - Information"));
    QCOMPARE(rec.slButtons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    QCOMPARE(rec.stDefaultButton, QStringLiteral("&Yes"));
}

void tst_SenderAddressEvents::lookupsBringTheirCountry() {
    struct TrecCase {
        const char *pchCase;
        const char *pchCountry, *pchAirportList; // the frames' countries before
        const char *pchEntered;                  // the field entered before the button
        const char *pchFrame, *pchButton, *pchTyped;
        // Expected:
        const char *pchCountryAfter, *pchPostcode;
        bool bPostcodeEnabled;
        const char *pchLabel, *pchFocused;
    };
    const TrecCase arCases[] = {
        {"airport of another country, airport entered last", "GB", "US", "cmbIATA", "fraSenderIATA",
         "btnIATALookup", "chicago", "US", "", true, "City:", "cmbState"},
        {"airport of the country, no frame entered", "US", "US", "edtSenderName", "fraSenderIATA",
         "btnIATALookup", "chicago", "US", "60601", true, "City:", "edtSenderName"},
        {"suburb country chosen, country entered last", "GB", "GB", "cmbCountryName",
         "fraSenderCountry", "btnCountryLookup", "hong kong", "HK", "", false,
         "City/Suburb:", "cmbIATA"},
    };
    const char *pchTyped = "";
    pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        QTest::keyClicks(frm.edtSearch, QString::fromLatin1(pchTyped));
        frm.btnTransfer->click();
        return dlg.result();
    }));
    for (const TrecCase &c : arCases) {
        TrecSenderPage page;
        QVERIFY(QTest::qWaitForWindowActive(&page.wPage));
        page.fraSenderCountry->pSetCountryCode(QLatin1String(c.pchCountry));
        page.fraSenderIATA->pSetCountryCode(QLatin1String(c.pchAirportList));
        page.edtSenderPostcode->setText(QStringLiteral("60601"));
        TclsScriptedAnswerer objAnswerer;
        pFocusOn(page.wPage.findChild<QWidget *>(QLatin1String(c.pchEntered)));
        pchTyped = c.pchTyped;
        page.wPage.findChild<QWidget *>(QLatin1String(c.pchFrame))
            ->findChild<QToolButton *>(QLatin1String(c.pchButton))
            ->click();
        QVERIFY2(page.fraSenderCountry->fnstCountryCode() == QLatin1String(c.pchCountryAfter),
                 c.pchCase);
        QVERIFY2(page.edtSenderPostcode->text() == QLatin1String(c.pchPostcode), c.pchCase);
        QVERIFY2(page.edtSenderPostcode->isEnabled() == c.bPostcodeEnabled, c.pchCase);
        QVERIFY2(page.lblSenderCitySuburb->text() == QLatin1String(c.pchLabel), c.pchCase);
        const QWidget *wFocused = page.wPage.focusWidget();
        QVERIFY2(wFocused && wFocused->objectName() == QLatin1String(c.pchFocused),
                 qPrintable(QString(c.pchCase) + ": " + (wFocused ? wFocused->objectName() : "")));
        QVERIFY2(objAnswerer.fnarAsked().empty(), c.pchCase);
        if (QLatin1String(c.pchButton) == QLatin1String("btnIATALookup"))
            QVERIFY2(!page.cmbIATA()->currentText().isEmpty(), c.pchCase);
    }
    pSetModalRunner({});
}

QTEST_MAIN(tst_SenderAddressEvents)
#include "tst_SenderAddressEvents.moc"
