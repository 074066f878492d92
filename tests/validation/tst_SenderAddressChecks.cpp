// The sender page's address checks on a page built with the sender page's
// objectNames: what each answer of the two address libraries does to the
// fields, the messages asked, the focus and the retry flag.
#include "unitAddressSearchChooser.h"
#include "UnitAutoDestinationReactionCases.h"
#include "UnitInsideModalLoop.h"
#include "UnitScriptedAnswerer.h"
#include "UnitSearchList.h"
#include "unitSenderAddressChecks.h"
#include "UnitTestInstallation.h"

#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

namespace {
// The sender page's address fields in their tab order; edtSenderEmail follows
// the airport.
struct TrecSenderPage {
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

QStringList fnslAsked(const TclsScriptedAnswerer &obj) {
    QStringList sl;
    for (const TrecMessageDlg &rec : obj.fnarAsked())
        sl << rec.stMessage;
    return sl;
}

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

class TestSenderAddressChecks : public QObject {
    Q_OBJECT
private slots:
    void autoDestinationReactsToEveryResultText();
    void autoDestinationPassesThePageToTheLibrary();
    void postcodeCleaningReactsToEveryResultText();
    void chooserStartsOnlyTheStationListAtTheCity();
};

void TestSenderAddressChecks::autoDestinationReactsToEveryResultText() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libtestautodestination.so",
                                                "libQuiloftAutodestination.so"));
    std::vector<TrecReactionCase> arCases = fnarAutoDestinationReactionCases();
    const size_t iShared = arCases.size();
    // The plain state question, worded apart from the state lookup's: it
    // opens no list, and No keeps the user at the state.
    arCases.push_back(
        {"known state unavailable", "State known?", {}, {}, true, false, {}, "cmbIATA"});
    arCases.push_back({"known state, no",
                       "State known?",
                       {1},
                       {},
                       false,
                       false,
                       {"State known?"},
                       "cmbState",
                       true});
    for (size_t i = 0; i < arCases.size(); ++i) {
        const TrecReactionCase &rec = arCases[i];
        QVERIFY(objInstallation.fnbWriteFile("Bin/autodestination_answer.txt",
                                             QByteArray(rec.pchResult) + "\nScotland\n" +
                                                 (rec.recChoice ? "" : "EDI") + "\n"));
        TclsStateWordings objWordings;
        if (i >= iShared)
            QCoreApplication::installTranslator(&objWordings);
        TrecSenderPage page;
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

void TestSenderAddressChecks::autoDestinationPassesThePageToTheLibrary() {
    TclsTestInstallation objInstallation;
    QVERIFY(objInstallation.fnbOk());
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libtestautodestination.so",
                                                "libQuiloftAutodestination.so"));
    QVERIFY(objInstallation.fnbWriteFile("Bin/autodestination_answer.txt",
                                         "Invalid Country\nOntario\nYYZ\n"));
    TrecSenderPage page;
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
    QCOMPARE(objInstallation.fnbaReadFile("Bin/autodestination_call.txt"),
             QByteArray("No Error\nCA\nToronto\nM5V 2T6\nQuebec\nYUL\nCanada\nJane Shipper\n"));
    QCOMPARE(objChecks.stCurrentState, QStringLiteral("Quebec"));
    QCOMPARE(objChecks.stCurrentIATA, QStringLiteral("YUL"));
    QCOMPARE(page.cmbState->currentText(), QStringLiteral("Ontario"));
    QCOMPARE(page.cmbIATA->currentText(), QStringLiteral("YYZ"));
    QCOMPARE(stRefreshed, QStringLiteral("YYZ"));
    QCOMPARE(objAnswerer.fnarAsked().front().stCaption,
             QStringLiteral("Registration Wizard - Error/Invalid Data"));
}

void TestSenderAddressChecks::postcodeCleaningReactsToEveryResultText() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libQuiloftPostcodeCleaningDLL.so"));
    const QString stNeedsCity = "The entered postcode is incorrect. A valid postcode or city is "
                                "required to process the shipment.";
    const struct {
        const char *pchTyped, *pchCity;
        QString stShown, stPostcode, stFocused;
    } arCases[] = {
        {" sw1a 1aa ", "London", {}, "SW1A 1AA", "edtSenderName"},
        {" qq1 1qq ", "", stNeedsCity, "qq1 1qq", "edtSenderCity"},
    };
    for (const auto &rec : arCases) {
        TrecSenderPage page;
        page.cmbCountryCode->setEditText("GB");
        page.edtSenderPostcode->setText(rec.pchTyped);
        page.edtSenderCity->setText(rec.pchCity);
        page.wPage.show();
        page.edtSenderName->setFocus();
        TclsScriptedAnswerer objAnswerer;
        if (!rec.stShown.isEmpty())
            objAnswerer.pExpect(0);
        page.objChecks.pPostCodeCleaning();
        QCOMPARE(fnslAsked(objAnswerer),
                 rec.stShown.isEmpty() ? QStringList() : QStringList{rec.stShown});
        QCOMPARE(page.edtSenderPostcode->text(), rec.stPostcode);
        QCOMPARE(page.fnstFocused(), rec.stFocused);
    }
    // Without formats the library leaves its preset answer, which changes nothing.
    QVERIFY(QFile::remove(objInstallation.fnstPath("Config/PostcodeFormats.json")));
    TrecSenderPage page;
    page.cmbCountryCode->setEditText("GB");
    page.edtSenderPostcode->setText("sw1a1aa");
    TclsScriptedAnswerer objAnswerer;
    page.objChecks.pPostCodeCleaning();
    QVERIFY(objAnswerer.fnarAsked().empty());
    QCOMPARE(page.edtSenderPostcode->text(), QStringLiteral("sw1a1aa"));
}

// The destination-station list opens at the sender's city; the airport
// directory opens with nothing searched for.
void TestSenderAddressChecks::chooserStartsOnlyTheStationListAtTheCity() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
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

QTEST_MAIN(TestSenderAddressChecks)
#include "tst_SenderAddressChecks.moc"
