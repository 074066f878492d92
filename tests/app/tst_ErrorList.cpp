// The error list: the dialog's lines, the marks on the fields it names, the
// focus on the chosen line's field, and removing a control's entries.
#include "UnitErrorMarks.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "unitWarnMessage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

namespace {
TrecarErrorList fnarErrors(std::initializer_list<std::pair<const char *, const char *>> arPairs) {
    TrecarErrorList ar;
    for (const auto &[pchControl, pchMessage] : arPairs)
        ar.push_back({QString::fromLatin1(pchControl), QString::fromLatin1(pchMessage), 0, 0});
    return ar;
}

QStringList fnslNames(const TrecarErrorList &ar) {
    QStringList sl;
    for (const auto &rec : ar)
        sl << rec.stControlName;
    return sl;
}

// A page with the kinds of fields an error list names.
struct TrecFieldsPage {
    QWidget wPage;
    QLineEdit *edtDefaultPickup = new QLineEdit(&wPage);
    QSpinBox *speRetries = new QSpinBox(&wPage);
    QWidget *fraSenderCountry = new QWidget(&wPage);
    QComboBox *cmbCountryCode = new QComboBox(fraSenderCountry);
    QComboBox *cmbCountryName = new QComboBox(fraSenderCountry);
    QWidget *fraSenderIATA = new QWidget(&wPage);
    QComboBox *cmbIATA = new QComboBox(fraSenderIATA);
    TrecFieldsPage() {
        edtDefaultPickup->setObjectName(QStringLiteral("edtDefaultPickup"));
        speRetries->setObjectName(QStringLiteral("speCSNoOfRetries"));
        fraSenderCountry->setObjectName(QStringLiteral("fraSenderCountry"));
        cmbCountryCode->setObjectName(QStringLiteral("cmbCountryCode"));
        cmbCountryName->setObjectName(QStringLiteral("cmbCountryName"));
        cmbCountryName->setEditable(true);
        fraSenderIATA->setObjectName(QStringLiteral("fraSenderIATA"));
        cmbIATA->setObjectName(QStringLiteral("cmbIATA"));
        cmbIATA->setEditable(true);
        fraSenderIATA->move(0, 60);
        fraSenderCountry->move(0, 120);
        wPage.resize(300, 200);
    }
};

// Runs the dialog as a user would: shown, a line picked, OK.
struct TrecDialogSeen {
    QString stCaption;
    QStringList slLines;
    QString stHeading;
};
} // namespace

class tst_ErrorList : public QObject {
    Q_OBJECT

private slots:
    void OneLinePerControlWithItsFirstMessage();
    void FieldsAreMarkedByNameIgnoringCase();
    void FramesAreMarkedAndFocusedThroughTheirCombos();
    void TheFormShowsTheListAndFocusesThePickedLine();
    void RemovingAControlsEntries();
};

void tst_ErrorList::OneLinePerControlWithItsFirstMessage() {
    TfrmWarnMessage frm;
    TrecarErrorList ar = fnarErrors({{"edtSenderEmail", "Email cannot be blank."},
                                     {"edtSenderCode", "ID cannot be blank.."},
                                     {"edtSenderEmail", "Invalid Email Address."}});
    ar.push_back({QStringLiteral("edtWeight"), QStringLiteral("Weight."), 1, 0}); // a note, no line
    frm.pAddToErrorList(ar);
    QCOMPARE(frm.fnslLines(), (QStringList{"Email cannot be blank.", "ID cannot be blank.."}));
    frm.show();
    QCOMPARE(frm.fnstSelectedControlName(), QStringLiteral("edtSenderEmail"));
    QVERIFY(frm.findChild<QLabel *>(QStringLiteral("lblwarning"))->isVisible());
    QCOMPARE(frm.findChild<QLabel *>(QStringLiteral("lblWarnMessage"))->text(),
             QStringLiteral("The following fields are blank or contain invalid data"));
    frm.findChild<QListWidget *>(QStringLiteral("lbxWarnMessage"))->setCurrentRow(1);
    QCOMPARE(frm.fnstSelectedControlName(), QStringLiteral("edtSenderCode"));

    TfrmWarnMessage frmEmpty;
    frmEmpty.pAddToErrorList({});
    frmEmpty.show();
    QVERIFY(frmEmpty.fnslLines().isEmpty());
    QVERIFY(frmEmpty.fnstSelectedControlName().isEmpty());
    QVERIFY(!frmEmpty.findChild<QLabel *>(QStringLiteral("lblwarning"))->isVisible());
}

void tst_ErrorList::FieldsAreMarkedByNameIgnoringCase() {
    TrecFieldsPage rec;
    const TclsErrorMarks objMarks(&rec.wPage);
    objMarks.pMark({QStringLiteral("edtDefaultpickup"), QStringLiteral("speCSNoOfRetries"),
                    QStringLiteral("edtNoSuchField")},
                   cclErrorField);
    QCOMPARE(fnclFieldColour(rec.edtDefaultPickup), cclErrorField);
    QCOMPARE(fnclFieldColour(rec.speRetries), cclErrorField);
    QCOMPARE(fnclFieldColour(rec.cmbIATA), cclNormalField);
    objMarks.pMark({QStringLiteral("EDTDEFAULTPICKUP")}, cclNormalField);
    QCOMPARE(fnclFieldColour(rec.edtDefaultPickup), cclNormalField);
}

void tst_ErrorList::FramesAreMarkedAndFocusedThroughTheirCombos() {
    TrecFieldsPage rec;
    rec.wPage.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rec.wPage));
    const TclsErrorMarks objMarks(&rec.wPage);
    objMarks.pMark({QStringLiteral("fraSenderCountry"), QStringLiteral("fraSenderIATA")},
                   cclErrorField);
    QCOMPARE(fnclFieldColour(rec.cmbCountryName), cclErrorField);
    QCOMPARE(fnclFieldColour(rec.cmbCountryCode), cclNormalField);
    QCOMPARE(fnclFieldColour(rec.cmbIATA), cclErrorField);
    objMarks.pFocus(QStringLiteral("fraSenderCountry"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(rec.cmbCountryName));
    objMarks.pFocus(QStringLiteral("fraSenderIATA"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(rec.cmbIATA));
}

void tst_ErrorList::TheFormShowsTheListAndFocusesThePickedLine() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    // A wizard whose start-up failed closes itself when shown: say why.
    QVERIFY2(!frm.fnbStartupFailed(), objAnswers.fnarAsked().empty()
                                          ? "start-up failed without a message"
                                          : qPrintable(objAnswers.fnarAsked()[0].stMessage));
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    // Two fields on the page shown, named as no page of the form names its own.
    auto *wPage = frm.findChild<QWidget *>(QStringLiteral("tbsWelcome"));
    auto *edtFirst = new QLineEdit(wPage);
    edtFirst->setObjectName(QStringLiteral("edtTestFirst"));
    auto *edtSecond = new QLineEdit(wPage);
    edtSecond->setObjectName(QStringLiteral("edtTestSecond"));
    edtSecond->move(0, 40);
    edtFirst->show();
    edtSecond->show();

    TrecDialogSeen recSeen;
    const TModalRunner fnPrevious = pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        dlg.show();
        auto &frmWarn = static_cast<TfrmWarnMessage &>(dlg);
        recSeen = {dlg.windowTitle(), frmWarn.fnslLines(),
                   dlg.findChild<QLabel *>(QStringLiteral("lblWarnMessage"))->text()};
        dlg.findChild<QListWidget *>(QStringLiteral("lbxWarnMessage"))->setCurrentRow(1);
        dlg.accept();
        return int(QDialog::Accepted);
    }));
    const TrecarErrorList ar = fnarErrors({{"edtTestFirst", "First is wrong."},
                                           {"EDTTESTSECOND", "Second is wrong."},
                                           {"edtTestFirst", "First is wrong again."}});
    frm.pSetErrorList(ar);
    frm.pDisplayErrorList(ar);
    pSetModalRunner(fnPrevious);
    QCOMPARE(recSeen.stCaption, QStringLiteral("Registration Wizard - Error List"));
    QCOMPARE(recSeen.slLines, (QStringList{"First is wrong.", "Second is wrong."}));
    QCOMPARE(fnclFieldColour(edtFirst), cclErrorField);
    QCOMPARE(fnclFieldColour(edtSecond), cclErrorField);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edtSecond));

    // The next Next or Back clears the marks of the stored list.
    frm.pResetErrorColours();
    QCOMPARE(fnclFieldColour(edtFirst), cclNormalField);
    QCOMPARE(fnclFieldColour(edtSecond), cclNormalField);
    QVERIFY(objAnswers.fnarAsked().empty());
}

void tst_ErrorList::RemovingAControlsEntries() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    TclsScriptedAnswerer objAnswers;
    TfrmRegistrationWizard frm;
    frm.pSetErrorList(fnarErrors({{"edtSenderTelephone", "a."},
                                  {"edtSenderCode", "b."},
                                  {"edtSenderTelephone", "c."},
                                  {"edtSenderMobile", "d."}}));
    frm.pRemoveFromErrorList(QStringLiteral("edtSenderTelephone"));
    QCOMPARE(fnslNames(frm.fnarErrorList()), (QStringList{"edtSenderCode", "edtSenderMobile"}));
    QCOMPARE(frm.fnarErrorList()[1].stMessage, QStringLiteral("d."));
    frm.pRemoveFromErrorList(QStringLiteral("edtsendercode")); // the comparison is exact
    QCOMPARE(frm.fnarErrorList().size(), size_t(2));
    frm.pSetErrorList(fnarErrors({{"edtSenderMobile", "d."}}));
    frm.pRemoveFromErrorList(QStringLiteral("edtSenderMobile"));
    QVERIFY(frm.fnarErrorList().empty());
}

QTEST_MAIN(tst_ErrorList)
#include "tst_ErrorList.moc"
