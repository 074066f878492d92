// The sender page's address checks on a page built with the sender page's
// objectNames: what each answer of the two address libraries does to the
// fields, the messages asked, the focus and the retry flag.
#include "UnitAutoDestinationReactionCases.h"
#include "UnitScriptedAnswerer.h"
#include "unitSenderAddressChecks.h"
#include "UnitTestInstallation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QtTest>

#include <vector>

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

struct TrecSearch {
    TAddressSearchList iList;
    QString stCountryCode, stCity;
};

} // namespace

class TestSenderAddressChecks : public QObject {
    Q_OBJECT
private slots:
    void autoDestinationReactsToEveryResultText();
    void autoDestinationPassesThePageToTheLibrary();
    void autoDestinationWithTheReferenceData();
    void postcodeCleaningReactsToEveryResultText();
    void checksWriteTheirLogLines();
};

void TestSenderAddressChecks::autoDestinationReactsToEveryResultText() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libtestautodestination.so",
                                                "libQuiloftAutodestination.so"));
    const std::vector<TrecReactionCase> arCases = fnarAutoDestinationReactionCases();
    for (const TrecReactionCase &rec : arCases) {
        QVERIFY(objInstallation.fnbWriteFile("Bin/autodestination_answer.txt",
                                             QByteArray(rec.pchResult) + "\nScotland\n" +
                                                 (rec.recChoice ? "" : "EDI") + "\n"));
        TrecSenderPage page;
        page.cmbCountryCode->setEditText("GB");
        page.edtSenderCity->setText("Edinburgh");
        page.cmbState->setEnabled(!rec.bStateDisabled);
        page.edtSenderPostcode->setEnabled(!rec.bPostcodeDisabled);
        page.wPage.show();
        page.edtSenderName->setFocus();
        std::vector<TrecSearch> arSearches;
        TclsSenderAddressChecks objChecks(
            &page.wPage, fnrecFindSenderAddressControls(&page.wPage),
            [&](const TrecAddressSearch &recSearch) {
                arSearches.push_back({recSearch.iList, recSearch.stCountryCode, recSearch.stCity});
                return rec.recChoice;
            });
        objChecks.bRetry = !rec.bRetry;
        TclsScriptedAnswerer objAnswerer;
        for (int iButton : rec.arAnswers)
            objAnswerer.pExpect(iButton);
        objChecks.pAutoDestination();

        QStringList slShown;
        for (const TrecMessageDlg &recAsked : objAnswerer.fnarAsked())
            slShown << recAsked.stMessage;
        QVERIFY2(slShown == rec.slShown, rec.pchName);
        QVERIFY2(objAnswerer.fnarUnexpected().empty() && objAnswerer.fniUnused() == 0, rec.pchName);
        QVERIFY2(page.fnstFocused() == rec.stFocused,
                 qPrintable(QString(rec.pchName) + ": " + page.fnstFocused()));
        QVERIFY2(objChecks.bRetry == rec.bRetry, rec.pchName);
        QVERIFY2(objChecks.stAutoDestinationResult == QString(rec.pchResult), rec.pchName);
        QVERIFY2(objChecks.bUserInformed == !rec.slShown.isEmpty(), rec.pchName);
        QCOMPARE(arSearches.size(), rec.arLists.size());
        for (size_t i = 0; i < arSearches.size(); ++i) {
            QVERIFY2(arSearches[i].iList == rec.arLists[i], rec.pchName);
            QCOMPARE(arSearches[i].stCountryCode, QStringLiteral("GB"));
            QCOMPARE(arSearches[i].stCity, QStringLiteral("Edinburgh"));
        }
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
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
    const TrecMessageDlg &recAsked = objAnswerer.fnarAsked().front();
    QCOMPARE(recAsked.stCaption, QStringLiteral("Registration Wizard - Error/Invalid Data"));
    QCOMPARE(recAsked.slButtons, QStringList{QStringLiteral("&OK")});
}

void TestSenderAddressChecks::autoDestinationWithTheReferenceData() {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bReferenceData = true;
    TclsTestInstallation objInstallation(recOptions);
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libQuiloftAutodestination.so"));
    TrecSenderPage page;
    page.cmbCountryCode->setEditText("US");
    page.cmbCountryName->setEditText("United States");
    page.edtSenderCity->setText("Springfield");
    page.wPage.show();
    std::vector<TrecSearch> arSearches;
    const TrecStationChoice recSpringfield{
        "US", "United States", "SPI", "Springfield", "Illinois", "", ""};
    TclsSenderAddressChecks objChecks(
        &page.wPage, fnrecFindSenderAddressControls(&page.wPage),
        [&](const TrecAddressSearch &recSearch) {
            arSearches.push_back({recSearch.iList, recSearch.stCountryCode, recSearch.stCity});
            return std::optional(recSpringfield);
        });
    // Three Springfields in three states: the user does not know the state
    // and picks the station from the list.
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(1);
    objChecks.pAutoDestination();
    QCOMPARE(objChecks.stAutoDestinationResult, QStringLiteral("Do you know state?"));
    QCOMPARE(arSearches.size(), size_t(1));
    QCOMPARE(page.cmbIATA->currentText(), QStringLiteral("SPI"));
    QVERIFY(!objChecks.bRetry);
    // With the ZIP code the airport is found without a question.
    page.cmbIATA->setEditText(QString());
    page.edtSenderPostcode->setText("62701");
    objChecks.pAutoDestination();
    QCOMPARE(objChecks.stAutoDestinationResult, QStringLiteral("No Error"));
    QCOMPARE(page.cmbIATA->currentText(), QStringLiteral("SPI"));
    QCOMPARE(page.cmbState->currentText(), QStringLiteral("Illinois"));
    QCOMPARE(objAnswerer.fnarAsked().size(), size_t(1));
}

void TestSenderAddressChecks::postcodeCleaningReactsToEveryResultText() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libQuiloftPostcodeCleaningDLL.so"));
    struct TrecCase {
        const char *pchTyped, *pchCity;
        QString stShown, stPostcode, stFocused;
    };
    const QString stCorrected = "The postcode you entered has been automatically corrected. "
                                "Please verify that the cleaned postcode is correct.";
    const QString stNeedsCity = "The entered postcode is incorrect. A valid postcode or city is "
                                "required to process the shipment.";
    const QString stIncorrect = "The postcode you entered is incorrect and cannot be "
                                "automatically corrected. Please enter a valid postcode.";
    const TrecCase arCases[] = {
        {" sw1a 1aa ", "London", {}, "SW1A 1AA", "edtSenderName"},
        {"SW1A1AA", "London", stCorrected, "SW1A 1AA", "edtSenderName"},
        {"qq1 1qq", "", stNeedsCity, "qq1 1qq", "edtSenderCity"},
        {"QQ1 1QQ", "London", stIncorrect, "QQ1 1QQ", "edtSenderPostcode"},
    };
    for (const TrecCase &rec : arCases) {
        TrecSenderPage page;
        page.cmbCountryCode->setEditText("GB");
        page.edtSenderPostcode->setText(rec.pchTyped);
        page.edtSenderCity->setText(rec.pchCity);
        page.wPage.show();
        page.edtSenderName->setFocus();
        TclsSenderAddressChecks objChecks(&page.wPage, fnrecFindSenderAddressControls(&page.wPage),
                                          {});
        TclsScriptedAnswerer objAnswerer;
        if (!rec.stShown.isEmpty())
            objAnswerer.pExpect(0);
        objChecks.pPostCodeCleaning();
        QCOMPARE(objAnswerer.fnarAsked().size(), size_t(rec.stShown.isEmpty() ? 0 : 1));
        if (!rec.stShown.isEmpty()) {
            QCOMPARE(objAnswerer.fnarAsked().front().stMessage, rec.stShown);
            QCOMPARE(objAnswerer.fnarAsked().front().stCaption,
                     QStringLiteral("Registration Wizard - Warning"));
        }
        QCOMPARE(page.edtSenderPostcode->text(), rec.stPostcode);
        QCOMPARE(page.fnstFocused(), rec.stFocused);
    }
    // Without formats the library leaves its preset answer, which changes nothing.
    QVERIFY(QFile::remove(objInstallation.fnstPath("Config/PostcodeFormats.json")));
    TrecSenderPage page;
    page.cmbCountryCode->setEditText("GB");
    page.edtSenderPostcode->setText("sw1a1aa");
    TclsSenderAddressChecks objChecks(&page.wPage, fnrecFindSenderAddressControls(&page.wPage), {});
    TclsScriptedAnswerer objAnswerer;
    objChecks.pPostCodeCleaning();
    QVERIFY(objAnswerer.fnarAsked().empty());
    QCOMPARE(page.edtSenderPostcode->text(), QStringLiteral("sw1a1aa"));
}

void TestSenderAddressChecks::checksWriteTheirLogLines() {
    TrecInstallationOptions recOptions = fnrecTestOptions();
    recOptions.bLogging = true;
    TclsTestInstallation objInstallation(recOptions);
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libtestautodestination.so",
                                                "libQuiloftAutodestination.so"));
    QVERIFY(objInstallation.fnbCopyBuiltLibrary("libQuiloftPostcodeCleaningDLL.so"));
    QVERIFY(objInstallation.fnbWriteFile(
        "Bin/autodestination_answer.txt",
        "Invalid combination. Do you want to lookup from directory?\n\n\n"));
    TrecSenderPage page;
    page.cmbCountryCode->setEditText("GB");
    page.edtSenderPostcode->setText("QQ1 1QQ");
    page.edtSenderCity->setText("London");
    TclsSenderAddressChecks objChecks(&page.wPage, fnrecFindSenderAddressControls(&page.wPage), {});
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    objAnswerer.pExpect(1);
    objChecks.pPostCodeCleaning();
    objChecks.pAutoDestination();
    QByteArray baLog;
    const QDir dirLogs(objInstallation.fnstPath("Logs"));
    for (const QString &stName : dirLogs.entryList(QDir::Files))
        baLog += objInstallation.fnbaReadFile("Logs/" + stName);
    for (const char *pchLine :
         {"|Unit unitRegistrationWizard|Process pPostCodeCleaning|Calling fnstPostcodeCleaning "
          "method.",
          "|Unit unitRegistrationWizard|Process pPostCodeCleaning|The Postcode entered is invalid",
          "|Unit unitRegistrationWizard|Process pAutoDestination|Calling the fnstAutodestination "
          "method.",
          "|Unit unitSenderMaintenance|Process pAutoDestination|Error Message Returned is "
          "ERR_LOOKUP_DIR"})
        QVERIFY2(baLog.contains(pchLine), pchLine);
}

QTEST_MAIN(TestSenderAddressChecks)
#include "tst_SenderAddressChecks.moc"
