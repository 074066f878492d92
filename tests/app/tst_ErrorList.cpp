// The error list: the dialog's lines, the marks on the fields it names, the
// focus on the chosen line's field, and removing a control's entries.
#include "UnitErrorMarks.h"
#include "UnitModalDialog.h"
#include "unitWarnMessage.h"
#include "UnitWizardOnScreen.h"

#include <QLabel>
#include <QListWidget>

namespace {
TrecarErrorList fnarErrors(std::initializer_list<std::pair<const char *, const char *>> arPairs) {
    TrecarErrorList ar;
    for (const auto &[pchControl, pchMessage] : arPairs)
        ar.push_back({QString::fromLatin1(pchControl), QString::fromLatin1(pchMessage), 0, 0});
    return ar;
}

// A control of the given kind on the page, under the name.
template <class T> T *fnpAdd(QWidget *wParent, const char *pchName, int iY = 0) {
    auto *p = new T(wParent);
    p->setObjectName(QString::fromLatin1(pchName));
    p->move(0, iY);
    p->show();
    return p;
}
} // namespace

class tst_ErrorList : public QObject {
    Q_OBJECT

private slots:
    void FramesAreMarkedAndFocusedThroughTheirCombos();
    void TheFormShowsTheListAndFocusesThePickedLine();
    void RemovingAControlsEntries();
};

void tst_ErrorList::FramesAreMarkedAndFocusedThroughTheirCombos() {
    QWidget wPage;
    auto *edtPickup = fnpAdd<QLineEdit>(&wPage, "edtDefaultPickup");
    auto *fraCountry = fnpAdd<QWidget>(&wPage, "fraSenderCountry", 120);
    auto *cmbCode = fnpAdd<QComboBox>(fraCountry, "cmbCountryCode");
    auto *cmbName = fnpAdd<QComboBox>(fraCountry, "cmbCountryName");
    auto *fraIATA = fnpAdd<QWidget>(&wPage, "fraSenderIATA", 60);
    auto *cmbIATA = fnpAdd<QComboBox>(fraIATA, "cmbIATA");
    cmbName->setEditable(true);
    cmbIATA->setEditable(true);
    wPage.resize(300, 200);
    wPage.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wPage));
    const TclsErrorMarks objMarks(&wPage);
    // Names are matched ignoring case; a name no control has is passed over.
    objMarks.pMark({QStringLiteral("edtDefaultpickup"), QStringLiteral("edtNoSuchField"),
                    QStringLiteral("fraSenderCountry"), QStringLiteral("fraSenderIATA")},
                   cclErrorField);
    QCOMPARE(fnclFieldColour(edtPickup), cclErrorField);
    QCOMPARE(fnclFieldColour(cmbName), cclErrorField);
    QCOMPARE(fnclFieldColour(cmbCode), cclNormalField);
    QCOMPARE(fnclFieldColour(cmbIATA), cclErrorField);
    objMarks.pMark({QStringLiteral("EDTDEFAULTPICKUP")}, cclNormalField);
    QCOMPARE(fnclFieldColour(edtPickup), cclNormalField);
    objMarks.pFocus(QStringLiteral("fraSenderCountry"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cmbName));
    objMarks.pFocus(QStringLiteral("fraSenderIATA"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cmbIATA));
}

void tst_ErrorList::TheFormShowsTheListAndFocusesThePickedLine() {
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    // Two fields on the page shown, named as no page of the form names its own.
    auto *wPage = fnpControl<QWidget>(w.frm, "tbsWelcome");
    auto *edtFirst = fnpAdd<QLineEdit>(wPage, "edtTestFirst");
    auto *edtSecond = fnpAdd<QLineEdit>(wPage, "edtTestSecond", 40);
    QString stCaption, stHeading;
    QStringList slLines;
    const TModalRunner fnPrevious = pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
        stCaption = dlg.windowTitle();
        slLines = static_cast<TfrmWarnMessage &>(dlg).fnslLines();
        stHeading = fnpControl<QLabel>(dlg, "lblWarnMessage")->text();
        fnpControl<QListWidget>(dlg, "lbxWarnMessage")->setCurrentRow(1);
        dlg.accept();
        return int(QDialog::Accepted);
    }));
    // One line per control, with its first message; a note makes no line.
    TrecarErrorList ar = fnarErrors({{"edtTestFirst", "First is wrong."},
                                     {"EDTTESTSECOND", "Second is wrong."},
                                     {"edtTestFirst", "First is wrong again."}});
    ar.push_back({QStringLiteral("edtWeight"), QStringLiteral("Weight."), 1, 0});
    w.frm.pSetErrorList(ar);
    w.frm.pDisplayErrorList(ar);
    pSetModalRunner(fnPrevious);
    QCOMPARE(stCaption, QStringLiteral("Registration Wizard - Error List"));
    QCOMPARE(stHeading, QStringLiteral("The following fields are blank or contain invalid data"));
    QCOMPARE(slLines, (QStringList{"First is wrong.", "Second is wrong."}));
    QCOMPARE(fnclFieldColour(edtFirst), cclErrorField);
    QCOMPARE(fnclFieldColour(edtSecond), cclErrorField);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edtSecond));
    // The next Next or Back clears the marks of the stored list.
    w.frm.pResetErrorColours();
    QCOMPARE(fnclFieldColour(edtFirst), cclNormalField);
    QCOMPARE(fnclFieldColour(edtSecond), cclNormalField);
    QVERIFY(w.objAnswerer.fnarAsked().empty());
}

void tst_ErrorList::RemovingAControlsEntries() {
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    w.frm.pSetErrorList(fnarErrors({{"edtSenderTelephone", "a."},
                                    {"edtSenderCode", "b."},
                                    {"edtSenderTelephone", "c."},
                                    {"edtSenderMobile", "d."}}));
    w.frm.pRemoveFromErrorList(QStringLiteral("edtSenderTelephone"));
    w.frm.pRemoveFromErrorList(QStringLiteral("edtsendercode")); // the comparison is exact
    QStringList sl;
    for (const auto &rec : w.frm.fnarErrorList())
        sl << rec.stControlName + QLatin1Char(' ') + rec.stMessage;
    QCOMPARE(sl, (QStringList{"edtSenderCode b.", "edtSenderMobile d."}));
}

QTEST_MAIN(tst_ErrorList)
#include "tst_ErrorList.moc"
