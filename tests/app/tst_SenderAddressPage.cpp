// The sender address on the wizard's page, with the companion libraries and reference data.
#include "UnitAutoDestinationReactionCases.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "UnitModalDialog.h"
#include "UnitSearchList.h"
#include "unitSenderAddressChecks.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
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

// A companion library, once loaded, stays loaded under its path: one installation per test.
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

    // Another city empties the airport.
    w.pFillEdinburgh();
    w.pTypeAndLeave(w.edt("edtSenderCity"), QStringLiteral("Glasgow"));
    QCOMPARE(w.fraIATA()->fnstIATA(), QString());
    // A country without postcodes but with suburbs, and back.
    w.pFillEdinburgh();
    pFocusOn(w.cmbCountryName());
    w.fraCountry()->pSetCountryCode(QStringLiteral("HK"));
    pFocusOn(w.edt("edtSenderCity"));
    QVERIFY(!w.edt("edtSenderPostcode")->isEnabled());
    QCOMPARE(w.edt("edtSenderPostcode")->text(), QString());
    QVERIFY(w.fraSuburb()->isVisible());
    QCOMPARE(w.lblCity()->text(), QStringLiteral("City/Suburb:"));
    pFocusOn(w.cmbCountryName());
    w.fraCountry()->pSetCountryCode(QStringLiteral("GB"));
    pFocusOn(w.edt("edtSenderCity"));
    QVERIFY(w.edt("edtSenderPostcode")->isEnabled());
    QVERIFY(w.fraSuburb()->isHidden());
    QCOMPARE(w.lblCity()->text(), QStringLiteral("City:"));
    QVERIFY(objAnswerer.fnarAsked().empty());
}

// A field changed, then left towards Cancel: nothing asked, none of its leaving work done.
void tst_SenderAddressPage::LeavingTowardsCancelChangesNothing() {
    TrecAddressWizard &w = *wiz;
    QLineEdit *edtPostcode = w.edt("edtSenderPostcode");
    const std::pair<QWidget *, std::function<void()>> arCases[] = {
        {edtPostcode, [&] { edtPostcode->clear(); }},
        {edtPostcode, [&] { edtPostcode->setText(QStringLiteral("eh11aa")); }},
        {w.cmbIATA(), [&] { w.fraIATA()->pSetIATA(QStringLiteral("ZZZ")); }},
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
    // Typed, then the message, the postcode and the focus.
    const QStringList arCases[] = {{"SW1A1AA", stCorrected, "SW1A 1AA", "edtSenderCompany"},
                                   {"QQ1 1QQ", stIncorrect, "QQ1 1QQ", "edtSenderPostcode"}};
    for (const QStringList &sl : arCases) {
        w.fraCountry()->pSetCountryCode(QStringLiteral("GB"));
        w.edt("edtSenderCity")->setText(QStringLiteral("London"));
        TclsScriptedAnswerer objAnswerer;
        objAnswerer.pExpect(0);
        w.pTypeAndLeave(w.edt("edtSenderPostcode"), sl[0]);
        QCOMPARE(objAnswerer.fnslAsked() << w.edt("edtSenderPostcode")->text() << w.fnstFocused(),
                 sl.mid(1));
    }
    // Left by a click on Next: told once, no error list, the user back in the postcode.
    TclsDialogCounter objLists;
    TclsScriptedAnswerer objAnswerer;
    objAnswerer.pExpect(0);
    pFocusOn(w.edt("edtSenderPostcode"));
    w.edt("edtSenderPostcode")->setText(QStringLiteral("QQ2 2QQ"));
    QTest::mouseClick(fnpControl<QPushButton>(w.frm, "btnNext"), Qt::LeftButton);
    QTRY_COMPARE(objAnswerer.fnslAsked(), QStringList{stIncorrect});
    QTRY_COMPARE(w.fnstFocused(), QStringLiteral("edtSenderPostcode"));
    QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfo));
    QCOMPARE(objLists.iShown, 0);
}

void tst_SenderAddressPage::TheDestinationLookupFillsThePage() {
    TrecAddressWizard &w = *wiz;
    TclsSenderAddressChecks &objChecks = w.frm.fnobjSenderAddressChecks();
    w.fraCountry()->pSetCountryCode(QStringLiteral("US"));
    w.edt("edtSenderCity")->setText(QStringLiteral("Springfield"));
    // Three Springfields: the state unknown, the station list opens at the city's stations.
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
    QCOMPARE(objAnswerer.fnslAsked(), QStringList{QStringLiteral("Do you know state?")});
    QCOMPARE(stSearchedFor, QStringLiteral("Springfield"));
    QCOMPARE(setCities, QSet<QString>{QStringLiteral("Springfield")});
    QCOMPARE(w.fraIATA()->fnstIATA(), QStringLiteral("SPI"));
    QVERIFY(!objChecks.bRetry);
}

// Each answer of the library: the messages, the focus, the retry flag and the list opened.
void tst_SenderAddressPage::EveryDestinationAnswerOnThePage() {
    TrecAddressWizard &w = *wiz;
    TclsSenderAddressChecks &objChecks = w.frm.fnobjSenderAddressChecks();
    QStringList slGridsOpened;
    const std::optional<TrecStationChoice> *poChoice = nullptr;
    // The list picks Edinburgh's airport when the case chooses a row, else it is cancelled.
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
        // The last case may have left the focus in an empty postcode, whose exit would ask.
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
        QVERIFY2(objAnswerer.fnarUnexpected().empty() && objAnswerer.fniUnused() == 0, c.pchName);
        QStringList slExpected = c.slShown;
        slExpected << c.stFocused << (c.bRetry ? "retry" : "");
        for (TAddressSearchList iList : c.arLists)
            slExpected << (iList == TAddressSearchList::aslDirectory ? "SearchDirectory"
                                                                     : "SearchESD");
        QCOMPARE(objAnswerer.fnslAsked()
                     << w.fnstFocused() << (objChecks.bRetry ? "retry" : "") << slGridsOpened,
                 slExpected);
        if (c.recChoice)
            QVERIFY2(w.cmbIATA()->currentText() == QLatin1String("EDI"), c.pchName);
        w.edt("edtSenderPostcode")->setEnabled(true);
        w.cmbState()->setEnabled(true);
    }
}

QTEST_MAIN(tst_SenderAddressPage)
#include "tst_SenderAddressPage.moc"
