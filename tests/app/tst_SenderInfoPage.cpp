// The sender page through the real form.
#include "UnitErrorMarks.h"
#include "UnitFieldMarks.h"
#include "UnitMvLookupCombo.h"
#include "UnitNavWizard.h"
#include "UnitPhoneTestInstallation.h"
#include "UnitTestQueries.h"

#include <QAbstractItemView>
#include <QLabel>

namespace {
// The page's own child the tab stop after w belongs to (a frame for its combos).
QWidget *fnwNextTabStop(QWidget *w) {
    QWidget *wNext = w->nextInFocusChain();
    for (int i = 0; i < 1000 && wNext != w; ++i, wNext = wNext->nextInFocusChain())
        if (!w->isAncestorOf(wNext) && (wNext->focusPolicy() & Qt::TabFocus))
            return wNext;
    return nullptr;
}
} // namespace

class tst_SenderInfoPage : public QObject {
    Q_OBJECT

private slots:
    void LengthsAndMandatoryStars();
    void PhoneFieldsAreCheckedOnLeaving();
    void AFieldRefusedOnTheWayToNextStopsNextOnce();
    void TabWalksThePageInItsOrder();
};

void tst_SenderInfoPage::LengthsAndMandatoryStars() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QCOMPARE(fniExec(QStringLiteral("update config_zorv set mandatory_address2 = 0, "
                                    "mandatory_email = 1, mandatory_mobile = 1")),
             0);
    TrecWizard wiz;
    QVERIFY(wiz.fnbReady());
    const struct {
        const char *pchLabel;
        bool bMandatory;
        const char *pchField;
        int iMaxLength;
    } arCases[] = {
        {"lblSenderAddress2", false, "edtSenderAddress2", 30},
        {"lblSenderCitySuburb", true, "edtSenderCity", 35},
        {"lblSenderEmail", true, "edtSenderEmail", 80},
        {"lblSenderMobile", true, "edtSenderMobile", 20},
    };
    for (const auto &c : arCases) {
        QVERIFY2(fnbHasMandatoryMark(fnpControl<QLabel>(wiz.frm, c.pchLabel)) == c.bMandatory,
                 c.pchLabel);
        QCOMPARE(wiz.edt(c.pchField)->maxLength(), c.iMaxLength);
    }
}

void tst_SenderInfoPage::PhoneFieldsAreCheckedOnLeaving() {
    TrecInstalledWizard<TclsPhoneTestInstallation> wiz(TPhoneLibrary::Present);
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    // The same bad number twice gives two entries; a good one clears them.
    const struct {
        bool bMobile;
        const char *pchCountry, *pchCode, *pchTyped, *pchShownCode, *pchShownNumber;
        const char *pchFormat; // not valid: the expected format
        int iEntries;
    } arCases[] = {
        {false, "GB", "+44", "12", "+44", "12", "01212345678", 1},
        {false, "GB", "+44", "12", "+44", "12", "01212345678", 2},
        {false, "GB", "+44", " 2079460000 ", "+44", "2079460000", nullptr, 0},
        {false, "AU", "+61", "0212345678", "+61", "212345678", nullptr, 0},
        // No calling code: the sender's country's.
        {false, "GB", "", "02079460000", "+44", "2079460000", nullptr, 0},
        {true, "GB", "+44", "2079460000", "+44", "2079460000", "07400123456", 1},
        {true, "GB", "0044", "7400123456", "+44", "7400123456", nullptr, 0},
    };
    for (const auto &c : arCases) {
        const QString stField =
            c.bMobile ? QStringLiteral("edtSenderMobile") : QStringLiteral("edtSenderTelephone");
        auto *edtField = fnpControl<QLineEdit>(wiz.frm, stField);
        auto *cmb = fnpControl<QComboBox>(wiz.frm, c.bMobile ? "cmbMobileCallingCode"
                                                             : "cmbPhoneCallingCode");
        wiz.fraCountry()->pSetCountryCode(QLatin1String(c.pchCountry));
        cmb->setEditText(QLatin1String(c.pchCode));
        wiz.pTypeAndLeave(edtField, QLatin1String(c.pchTyped));
        QCOMPARE(cmb->currentText(), QLatin1String(c.pchShownCode));
        QCOMPARE(edtField->text(), QLatin1String(c.pchShownNumber));
        QStringList slTexts;
        for (const TrecMVErrorRecord &rec : wiz.frm.fnarErrorList())
            if (rec.stControlName == stField)
                slTexts << rec.stMessage;
        QCOMPARE(slTexts.size(), c.iEntries);
        if (c.pchFormat)
            QCOMPARE(slTexts.last(),
                     QStringLiteral(" Phone number is not valid.\r\nThe expected format is [ '") +
                         c.pchFormat + QStringLiteral("' ]."));
        QCOMPARE(fnclFieldColour(edtField), c.pchFormat ? cclErrorField : cclNormalField);
    }
}

// An unknown airport, then Next by mouse or key: refused once, no error list, list open.
void tst_SenderInfoPage::AFieldRefusedOnTheWayToNextStopsNextOnce() {
    for (const bool bKeyboard : {false, true}) {
        TrecNavWizard w(fnrecWithReferenceData());
        QVERIFY2(w.fnbOnPage(wpSenderInfo), w.fnbaError());
        w.fraCountry()->pSetCountryCode(QStringLiteral("FR"));
        auto *cmbIATA = fnpControl<TmvLookupCombo>(w.frm, "cmbIATA");
        QTest::mouseClick(cmbIATA->lineEdit(), Qt::LeftButton);
        w.pType(QStringLiteral("QQZ"));
        w.objAnswerer.pExpect(0);
        if (bKeyboard)
            w.pKey(Qt::Key_N, Qt::AltModifier);
        else
            w.pNext();
        QCOMPARE(w.fnslAwaited(1), QStringList({"Invalid IATA. Please select from the list."}));
        QTRY_VERIFY(cmbIATA->view()->isVisible());
        cmbIATA->hidePopup();
        QTRY_VERIFY(cmbIATA->hasFocus());
        QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfo));
        QCOMPARE(w.objLists.iShown, 0);
        QCOMPARE(w.fnslMessages(), QStringList());
    }
}

// Tab once skipped the lookup frames: every field once, top to bottom, each calling code after its
// field.
void tst_SenderInfoPage::TabWalksThePageInItsOrder() {
    TrecInstalledWizard<> wiz(fnrecWithReferenceData());
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    wiz.fraCountry()->pSetCountryCode(QStringLiteral("HK")); // shows the suburb frame
    fnpControl<QWidget>(wiz.frm, "fraSenderSuburb")->show();
    QWidget *wPage = fnpControl<QWidget>(wiz.frm, "tbsSenderInfo");
    const auto fnstField = [wPage](QWidget *w) {
        while (w && w->parentWidget() != wPage)
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    };
    QStringList slVisited;
    QWidget *w = wiz.edt("edtSenderCode");
    for (int i = 0; i < 60 && w && wPage->isAncestorOf(w); ++i, w = fnwNextTabStop(w))
        if (slVisited.isEmpty() || slVisited.last() != fnstField(w))
            slVisited << fnstField(w);
    QCOMPARE(slVisited.join(' '),
             QStringLiteral("edtSenderCode edtSenderCompany edtSenderName fraSenderCountry "
                            "edtSenderAddress1 edtSenderAddress2 edtSenderAddress3 "
                            "edtSenderPostcode edtSenderCity fraSenderSuburb fraSenderState "
                            "fraSenderIATA edtSenderEmail edtSenderMobile cmbMobileCallingCode "
                            "edtSenderTelephone cmbPhoneCallingCode"));
}

QTEST_MAIN(tst_SenderInfoPage)
#include "tst_SenderInfoPage.moc"
