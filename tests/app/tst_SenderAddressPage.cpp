// The sender address on the wizard's own sender page: the field events, the
// postcode cleaning when the postcode is left and the destination lookup with
// its search lists, each through the real form, the companion libraries and
// the reference data.
#include "UnitAutoDestinationReactionCases.h"
#include "UnitFocusMoves.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitScriptedAnswerer.h"
#include "UnitSearchList.h"
#include "unitSenderAddressChecks.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
QStringList fnslAsked(const TclsScriptedAnswerer &obj) {
    QStringList sl;
    for (const TrecMessageDlg &rec : obj.fnarAsked())
        sl << rec.stMessage;
    return sl;
}

// The wizard on its sender page with the address fields at hand.
struct TrecAddressWizard : TrecWizard {
    QComboBox *cmbIATA() { return fnpControl<QComboBox>(frm, "cmbIATA"); }
    QComboBox *cmbState() { return fnpControl<QComboBox>(frm, "cmbState"); }
    QComboBox *cmbCountryName() { return fnpControl<QComboBox>(frm, "cmbCountryName"); }
    TfraIATA *fraIATA() { return fnpControl<TfraIATA>(frm, "fraSenderIATA"); }
    TfraSuburb *fraSuburb() { return fnpControl<TfraSuburb>(frm, "fraSenderSuburb"); }
    QPushButton *btnCancel() { return fnpControl<QPushButton>(frm, "btnCancel"); }
    QLabel *lblCity() { return fnpControl<QLabel>(frm, "lblSenderCitySuburb"); }
    QString fnstFocused() {
        const QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    // A complete British address, the focus on the company field.
    void pFillEdinburgh() {
        fraCountry()->pSetCountryCode(QStringLiteral("GB"));
        edt("edtSenderPostcode")->setText(QStringLiteral("EH1 1AA"));
        edt("edtSenderCity")->setText(QStringLiteral("Edinburgh"));
        fraIATA()->pSetIATA(QStringLiteral("EDI"));
        pFocusOn(edt("edtSenderCompany"));
    }
};
} // namespace

class tst_SenderAddressPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void TheFieldsKeepTheAddressConsistent();
    void LeavingTowardsCancelChangesNothing();
    void ThePostcodeIsCleanedOnLeaving();
    void TheDestinationLookupFillsThePage();
    void EveryDestinationAnswerOnThePage();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
    std::unique_ptr<TrecAddressWizard> wiz;
};

// Every test gets its own installation: a companion library, once loaded,
// may stay loaded under its path for the rest of the process.
void tst_SenderAddressPage::init() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    const bool bScripted =
        QLatin1String(QTest::currentTestFunction()) == "EveryDestinationAnswerOnThePage";
    QVERIFY(
        objInstallation->fnbCopyBuiltLibrary(QStringLiteral("libQuiloftPostcodeCleaningDLL.so")));
    QVERIFY(objInstallation->fnbCopyBuiltLibrary(
        bScripted ? QStringLiteral("libtestautodestination.so")
                  : QStringLiteral("libQuiloftAutodestination.so"),
        QStringLiteral("libQuiloftAutodestination.so")));
    // Hong Kong gives its addresses by district: no postcodes, suburbs.
    QCOMPARE(fniExec(QStringLiteral("update country set UsePostCode_flag = 0 where country_cd = "
                                    "'HK'")),
             0);
    QCOMPARE(fniExec(QStringLiteral("insert into suburb (country_cd, city, suburb) values ('HK', "
                                    "'Hong Kong', 'Central'), ('HK', 'Hong Kong', 'Wan Chai')")),
             0);
    wiz = std::make_unique<TrecAddressWizard>();
    QVERIFY(wiz->fnbReady());
}

void tst_SenderAddressPage::cleanup() {
    pSetModalRunner({});
    wiz.reset();
    objInstallation.reset();
}

void tst_SenderAddressPage::TheFieldsKeepTheAddressConsistent() {
    TrecAddressWizard &w = *wiz;
    TclsScriptedAnswerer objAnswerer;

    // Another city: the airport no longer fits and is emptied.
    w.pFillEdinburgh();
    w.pTypeAndLeave(w.edt("edtSenderCity"), QStringLiteral("Glasgow"));
    QCOMPARE(w.cmbIATA()->currentText(), QString());
    QCOMPARE(w.fraIATA()->fnstIATA(), QString());

    // A country without postcodes but with suburbs.
    w.pFillEdinburgh();
    pFocusOn(w.cmbCountryName());
    w.fraCountry()->pSetCountryCode(QStringLiteral("HK"));
    pFocusOn(w.edt("edtSenderCity"));
    QVERIFY(!w.edt("edtSenderPostcode")->isEnabled());
    QCOMPARE(w.edt("edtSenderPostcode")->text(), QString());
    QVERIFY(w.fraSuburb()->isVisible());
    QCOMPARE(w.lblCity()->text(), QStringLiteral("City/Suburb:"));
    QCOMPARE(w.cmbIATA()->currentText(), QString());

    // Back to a postcode country: the postcode field is open again.
    pFocusOn(w.cmbCountryName());
    w.fraCountry()->pSetCountryCode(QStringLiteral("GB"));
    pFocusOn(w.edt("edtSenderCity"));
    QVERIFY(w.edt("edtSenderPostcode")->isEnabled());
    QVERIFY(w.fraSuburb()->isHidden());
    QCOMPARE(w.lblCity()->text(), QStringLiteral("City:"));

    // An airport code the directory does not know is removed on leaving.
    w.pFillEdinburgh();
    pFocusOn(w.cmbIATA());
    w.fraIATA()->pSetIATA(QStringLiteral("ZZZ"));
    pFocusOn(w.edt("edtSenderEmail"));
    QCOMPARE(w.cmbIATA()->currentText(), QString());
    QCOMPARE(w.fraIATA()->fnstIATA(), QString());
    QVERIFY(objAnswerer.fnarAsked().empty());
}

// A field entered and changed, then left towards Cancel: nothing is asked and
// none of the field's leaving work is done.
void tst_SenderAddressPage::LeavingTowardsCancelChangesNothing() {
    TrecAddressWizard &w = *wiz;
    QLineEdit *edtPostcode = w.edt("edtSenderPostcode");
    const std::pair<QWidget *, std::function<void()>> arCases[] = {
        {edtPostcode, [&] { edtPostcode->clear(); }},
        {edtPostcode, [&] { edtPostcode->setText(QStringLiteral("eh11aa")); }},
        {w.cmbIATA(), [&] { w.fraIATA()->pSetIATA(QStringLiteral("ZZZ")); }},
        // A country without postcodes.
        {w.cmbCountryName(), [&] { w.fraCountry()->pSetCountryCode(QStringLiteral("HK")); }},
    };
    const auto fnstPage = [&] {
        return QStringList({edtPostcode->text(), edtPostcode->isEnabled() ? "on" : "off",
                            w.cmbIATA()->currentText(), w.lblCity()->text(), w.fnstFocused()})
            .join(QLatin1Char('|'));
    };
    for (const auto &[wEntered, fnChange] : arCases) {
        w.pFillEdinburgh();
        pFocusOn(wEntered);
        fnChange();
        const QString stExpected = QStringList({edtPostcode->text(), "on",
                                                w.cmbIATA()->currentText(), "City:", "btnCancel"})
                                       .join(QLatin1Char('|'));
        TclsScriptedAnswerer objAnswerer;
        pFocusOn(w.btnCancel());
        QVERIFY(objAnswerer.fnarAsked().empty());
        QCOMPARE(fnstPage(), stExpected);
    }
}

void tst_SenderAddressPage::ThePostcodeIsCleanedOnLeaving() {
    TrecAddressWizard &w = *wiz;
    const QString stCorrected = QStringLiteral(
        "The postcode you entered has been automatically corrected. Please verify that the "
        "cleaned postcode is correct.");
    const QString stIncorrect = QStringLiteral(
        "The postcode you entered is incorrect and cannot be automatically corrected. Please "
        "enter a valid postcode.");
    const struct {
        const char *pchCountry, *pchCity, *pchTyped;
        QString stShown;
        const char *pchPostcode, *pchFocused;
    } arCases[] = {
        {"GB", "London", "SW1A1AA", stCorrected, "SW1A 1AA", "edtSenderCompany"},
        {"GB", "London", "QQ1 1QQ", stIncorrect, "QQ1 1QQ", "edtSenderPostcode"},
    };
    for (const auto &c : arCases) {
        const QString stCase = QLatin1String(c.pchCountry) + QLatin1Char(' ') + c.pchTyped;
        w.fraCountry()->pSetCountryCode(QLatin1String(c.pchCountry));
        w.edt("edtSenderCity")->setText(QLatin1String(c.pchCity));
        TclsScriptedAnswerer objAnswerer;
        objAnswerer.pExpect(0);
        w.pTypeAndLeave(w.edt("edtSenderPostcode"), QLatin1String(c.pchTyped));
        QVERIFY2(fnslAsked(objAnswerer) == QStringList{c.stShown}, qPrintable(stCase));
        QCOMPARE(w.edt("edtSenderPostcode")->text(), QLatin1String(c.pchPostcode));
        QCOMPARE(w.fnstFocused(), QLatin1String(c.pchFocused));
    }
    // Left by a click on Next: told once, and Next stops there (no check of
    // the page, no error list), the user back in the postcode.
    TclsDialogCounter objLists;
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    pFocusOn(w.edt("edtSenderPostcode"));
    w.edt("edtSenderPostcode")->setText(QStringLiteral("QQ2 2QQ"));
    QTest::mouseClick(fnpControl<QPushButton>(w.frm, "btnNext"), Qt::LeftButton);
    QTRY_COMPARE(fnslAsked(objAnswerer), QStringList{stIncorrect});
    QTRY_COMPARE(w.fnstFocused(), QStringLiteral("edtSenderPostcode"));
    QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfo));
    QCOMPARE(objLists.iShown, 0);
}

void tst_SenderAddressPage::TheDestinationLookupFillsThePage() {
    TrecAddressWizard &w = *wiz;
    TclsSenderAddressChecks &objChecks = w.frm.fnobjSenderAddressChecks();
    w.fraCountry()->pSetCountryCode(QStringLiteral("US"));
    w.edt("edtSenderCity")->setText(QStringLiteral("Springfield"));
    // Three Springfields in three states: the user does not know the state
    // and picks the station from the destination-station list, which opens
    // at the stations of the city.
    QString stSearchedFor;
    QSet<QString> setCities;
    pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        stSearchedFor = frm.edtSearch->text();
        TclsSearchListModel &mdl = *frm.fnmdlRows();
        for (int i = 0; i < mdl.rowCount(); ++i) {
            const TrecSearchRecord rec = mdl.fnrecRecord(i);
            setCities.insert(rec.value(QStringLiteral("CITY")).trimmed());
            if (rec.value(QStringLiteral("IATA")).trimmed() == QLatin1String("SPI"))
                frm.grdList->selectRow(i);
        }
        frm.btnTransfer->click();
        return dlg.result();
    }));
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(1);
    objChecks.pAutoDestination();
    QCOMPARE(fnslAsked(objAnswerer), QStringList{QStringLiteral("Do you know state?")});
    QCOMPARE(stSearchedFor, QStringLiteral("Springfield"));
    QCOMPARE(setCities, QSet<QString>{QStringLiteral("Springfield")});
    QCOMPARE(w.cmbIATA()->currentText(), QStringLiteral("SPI"));
    QCOMPARE(w.fraIATA()->fnstIATA(), QStringLiteral("SPI"));
    QVERIFY(!objChecks.bRetry);
}

// Each answer of the library through the wizard's page and its real search
// lists: the messages, the focus, the retry flag and the list opened.
void tst_SenderAddressPage::EveryDestinationAnswerOnThePage() {
    TrecAddressWizard &w = *wiz;
    TclsSenderAddressChecks &objChecks = w.frm.fnobjSenderAddressChecks();
    QStringList slGridsOpened;
    const std::optional<TrecStationChoice> *poChoice = nullptr;
    // The list picks Edinburgh's airport when the case chooses a row, else it
    // is cancelled.
    pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        slGridsOpened << frm.grdList->objectName();
        TclsSearchListModel &mdl = *frm.fnmdlRows();
        for (int i = 0; i < mdl.rowCount(); ++i)
            if (mdl.fnrecRecord(i).value(QStringLiteral("IATA")).trimmed() == QLatin1String("EDI"))
                frm.grdList->selectRow(i);
        if (!*poChoice)
            return int(QDialog::Rejected);
        frm.btnTransfer->click();
        return dlg.result();
    }));
    for (const TrecReactionCase &c : fnarAutoDestinationReactionCases()) {
        QVERIFY(objInstallation->fnbWriteFile(QStringLiteral("Bin/autodestination_answer.txt"),
                                              QByteArray(c.pchResult) + "\nScotland\n" +
                                                  (c.recChoice ? "" : "EDI") + "\n"));
        poChoice = &c.recChoice;
        slGridsOpened.clear();
        // The last case may have left the focus in an empty postcode, whose
        // exit would ask for it.
        w.edt("edtSenderPostcode")->setText(QStringLiteral("EH1 1AA"));
        pFocusOn(w.edt("edtSenderName"));
        w.edt("edtSenderPostcode")->clear();
        w.fraCountry()->pSetCountryCode(QStringLiteral("GB"));
        w.edt("edtSenderCity")->setText(QStringLiteral("Edinburgh"));
        w.cmbState()->setEnabled(!c.bStateDisabled);
        w.edt("edtSenderPostcode")->setEnabled(!c.bPostcodeDisabled);
        objChecks.bRetry = !c.bRetry;
        TclsScriptedAnswerer objAnswerer;
        for (int iButton : c.arAnswers)
            objAnswerer.pExpect(iButton);
        objChecks.pAutoDestination();
        QVERIFY2(fnslAsked(objAnswerer) == c.slShown, c.pchName);
        QVERIFY2(objAnswerer.fnarUnexpected().empty() && objAnswerer.fniUnused() == 0, c.pchName);
        QVERIFY2(
            w.fnstFocused() == c.stFocused,
            qPrintable(QString::fromLatin1(c.pchName) + QStringLiteral(": ") + w.fnstFocused()));
        QVERIFY2(objChecks.bRetry == c.bRetry, c.pchName);
        QStringList slGridsExpected;
        for (TAddressSearchList iList : c.arLists)
            slGridsExpected << (iList == TAddressSearchList::aslDirectory
                                    ? QStringLiteral("SearchDirectory")
                                    : QStringLiteral("SearchESD"));
        QVERIFY2(slGridsOpened == slGridsExpected,
                 qPrintable(QString::fromLatin1(c.pchName) + QStringLiteral(": ") +
                            slGridsOpened.join(QLatin1Char(','))));
        if (c.recChoice)
            QVERIFY2(w.cmbIATA()->currentText() == QLatin1String("EDI"), c.pchName);
        w.edt("edtSenderPostcode")->setEnabled(true);
        w.cmbState()->setEnabled(true);
    }
}

QTEST_MAIN(tst_SenderAddressPage)
#include "tst_SenderAddressPage.moc"
