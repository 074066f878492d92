// The wizard's sender page driven through the real form: captions, lengths
// and mandatory stars, the calling-code boxes and the phone checks on leaving
// the phone fields, the lookup frames following the country, refusing an
// unknown country, and reading the page into the sender data holder.
#include "UnitAdHocQuery.h"
#include "UnitErrorMarks.h"
#include "UnitFieldMarks.h"
#include "UnitFocusMoves.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitMvCallingCodeLookupCombo.h"
#include "UnitNavWizard.h"
#include "UnitPhoneTestInstallation.h"
#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitWizardOnScreen.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
// Sets the carrier configuration's optional mandatory fields before the
// wizard starts.
bool fnbSetMandatoryFlags(const TclsTestInstallation &obj, bool bAddress2, bool bEmail,
                          bool bMobile) {
    bool bDone = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mandatory-setup"));
        db.setDatabaseName(obj.fnstDatabaseFile());
        if (db.open()) {
            QSqlQuery qry(db);
            qry.prepare(QStringLiteral("update config_zorv set mandatory_address2 = ?, "
                                       "mandatory_email = ?, mandatory_mobile = ?"));
            qry.addBindValue(int(bAddress2));
            qry.addBindValue(int(bEmail));
            qry.addBindValue(int(bMobile));
            bDone = qry.exec() && qry.numRowsAffected() > 0;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mandatory-setup"));
    return bDone;
}

QSet<QString> fnsetColumn(const TmvLookupCombo &cmb, const char *pchField) {
    QSet<QString> set;
    for (size_t i = 0; i < cmb.fnrecRows().arRows.size(); ++i)
        set.insert(cmb.fnrecRows().fnstValue(i, QString::fromLatin1(pchField)));
    return set;
}

// The widget Tab moves to from w (w's own inner widgets are part of w).
QWidget *fnwNextTabStop(QWidget *w) {
    QWidget *wNext = w->nextInFocusChain();
    for (int i = 0; i < 1000 && wNext != w; ++i, wNext = wNext->nextInFocusChain())
        if (!w->isAncestorOf(wNext) && (wNext->focusPolicy() & Qt::TabFocus))
            return wNext;
    return nullptr;
}

int fniCount(const QString &stSQL, const QString &stBind) {
    TclsAdHocQuery qry;
    if (qry.fniOpen(stSQL, {stBind}) != 0 || !qry.fnbNext())
        return -1;
    return qry.fnvField(0).toInt();
}

} // namespace

class tst_SenderInfoPage : public QObject {
    Q_OBJECT

private slots:
    void CaptionsLengthsAndMandatoryStars();
    void CallingCodeBoxesSitBeforeTheirFields();
    void PhoneFieldsAreCheckedOnLeaving();
    void TheCountryDrivesStatesAirportsAndTheStateCaption();
    void AnUnknownCountryIsRefused();
    void AFieldRefusedOnTheWayToNextStopsNextOnce();
    void ReadingThePageTrimsEveryText();
    void TabWalksThePageInItsOrder();
};

void tst_SenderInfoPage::CaptionsLengthsAndMandatoryStars() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    // E-mail and mobile made mandatory by the carrier, address line 2 not.
    QVERIFY(fnbSetMandatoryFlags(objInstallation, false, true, true));
    TrecWizard wiz;
    QVERIFY(wiz.fnbReady());
    const struct {
        const char *pchLabel, *pchCaption;
        bool bMandatory;
        const char *pchField;
        int iMaxLength; // 0: the field is a lookup frame
    } arCases[] = {
        {"lblSenderCode", "ID:", true, "edtSenderCode", 30},
        {"lblSenderCompany", "Company:", true, "edtSenderCompany", 30},
        {"lblSenderName", "Shipper:", true, "edtSenderName", 30},
        {"lblSenderCountry", "Country:", true, "fraSenderCountry", 0},
        {"lblSenderAddress1", "Address 1:", true, "edtSenderAddress1", 30},
        {"lblSenderAddress2", "Address 2:", false, "edtSenderAddress2", 30},
        {"lblSenderAddress3", "Address 3:", false, "edtSenderAddress3", 30},
        {"lblSenderPostcode", "Postcode/Zip:", false, "edtSenderPostcode", 12},
        {"lblSenderCitySuburb", "City:", true, "edtSenderCity", 35},
        {"lblSenderState", "State:", false, "fraSenderState", 0},
        {"lblSenderAirportCode", "Airport Code:", true, "fraSenderIATA", 0},
        {"lblSenderEmail", "Email:", true, "edtSenderEmail", 80},
        {"lblSenderMobile", "Mobile:", true, "edtSenderMobile", 20},
        {"lblSenderTelephone", "Telephone:", true, "edtSenderTelephone", 20},
    };
    for (const auto &c : arCases) {
        auto *lbl = fnpControl<QLabel>(wiz.frm, c.pchLabel);
        QCOMPARE(lbl->text(), QString::fromLatin1(c.pchCaption));
        QVERIFY2(fnbHasMandatoryMark(lbl) == c.bMandatory, c.pchLabel);
        QWidget *w = fnpControl<QWidget>(wiz.frm, c.pchField);
        QVERIFY2(w->isVisible(), c.pchField);
        if (c.iMaxLength)
            QCOMPARE(qobject_cast<QLineEdit *>(w)->maxLength(), c.iMaxLength);
    }
    // The star is red and stands just left of its label, where the page's
    // layout put the label.
    auto *lblCode = fnpControl<QLabel>(wiz.frm, "lblSenderCode");
    auto *lblStar = fnpControl<QLabel>(wiz.frm, "lblSenderCodeMark");
    QCOMPARE(lblStar->text(), QStringLiteral("*"));
    QCOMPARE(lblStar->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(lblStar->geometry().right(), lblCode->geometry().left() - 2);
    QCOMPARE(lblStar->y(), lblCode->y());
    QCOMPARE(wiz.fraCountry()->width(), 250);
    QCOMPARE(fnpControl<QWidget>(wiz.frm, "cmbCountryName")->width(), 224);
    // The suburb frame waits for a country with suburbs.
    QVERIFY(fnpControl<QWidget>(wiz.frm, "fraSenderSuburb")->isHidden());
}

void tst_SenderInfoPage::CallingCodeBoxesSitBeforeTheirFields() {
    // The boxes name the countries of their codes from the country table.
    TrecInstalledWizard<TclsPhoneTestInstallation> wiz(TPhoneLibrary::Present,
                                                       fnrecWithReferenceData(fnrecPhoneOptions()));
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    const struct {
        const char *pchBox, *pchField, *pchLabel;
    } arCases[] = {
        {"cmbPhoneCallingCode", "edtSenderTelephone", "lblSenderTelephone"},
        {"cmbMobileCallingCode", "edtSenderMobile", "lblSenderMobile"},
    };
    const int iFieldLeft = wiz.edt("edtSenderCompany")->x();
    for (const auto &c : arCases) {
        auto *cmb = fnpControl<TmvCallingCodeLookupCombo>(wiz.frm, c.pchBox);
        QLineEdit *edtField = wiz.edt(c.pchField);
        QCOMPARE(cmb->parentWidget(), edtField->parentWidget());
        QCOMPARE(cmb->geometry(), QRect(iFieldLeft, edtField->y(), 60, edtField->height()));
        QCOMPARE(edtField->x(), iFieldLeft + 63);
        QCOMPARE(edtField->width(), 250 - 63);
        QVERIFY2(cmb->isVisible(), c.pchBox);
        // The list is read when the box is first dropped down.
        QVERIFY2(cmb->fnrecRows().arRows.empty(), c.pchBox);
        cmb->showPopup();
        QVERIFY2(!cmb->fnrecRows().arRows.empty(), c.pchBox);
        cmb->hidePopup();
        QVERIFY(fnpControl<QLabel>(wiz.frm, c.pchLabel)->geometry().right() < cmb->x());
    }
}

void tst_SenderInfoPage::PhoneFieldsAreCheckedOnLeaving() {
    TrecInstalledWizard<TclsPhoneTestInstallation> wiz(TPhoneLibrary::Present);
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    const QString stNotValid = QStringLiteral(" Phone number is not valid.\r\n");
    const struct {
        const char *pchCase, *pchField, *pchBox, *pchCountry, *pchCode, *pchTyped;
        const char *pchShownCode, *pchShownNumber; // valid
        const char *pchFormat;                     // not valid: the expected format
    } arCases[] = {
        {"telephone not valid", "edtSenderTelephone", "cmbPhoneCallingCode", "GB", "+44", "12",
         "+44", "12", "The expected format is [ '01212345678' ]."},
        {"the same number once more adds a second entry", "edtSenderTelephone",
         "cmbPhoneCallingCode", "GB", "+44", "12", "+44", "12",
         "The expected format is [ '01212345678' ]."},
        {"telephone valid clears its entries", "edtSenderTelephone", "cmbPhoneCallingCode", "GB",
         "+44", " 2079460000 ", "+44", "2079460000", nullptr},
        {"trunk zero dropped", "edtSenderTelephone", "cmbPhoneCallingCode", "AU", "+61",
         "0212345678", "+61", "212345678", nullptr},
        {"no calling code: the sender's country", "edtSenderTelephone", "cmbPhoneCallingCode", "GB",
         "", "02079460000", "+44", "2079460000", nullptr},
        {"fixed line is no mobile", "edtSenderMobile", "cmbMobileCallingCode", "GB", "+44",
         "2079460000", "+44", "2079460000", "The expected format is [ '07400123456' ]."},
        {"mobile valid", "edtSenderMobile", "cmbMobileCallingCode", "GB", "0044", "7400123456",
         "+44", "7400123456", nullptr},
    };
    int iTelephoneEntries = 0;
    for (const auto &c : arCases) {
        const QString stField = QString::fromLatin1(c.pchField);
        QLineEdit *edtField = wiz.edt(c.pchField);
        auto *cmb = fnpControl<QComboBox>(wiz.frm, c.pchBox);
        wiz.fraCountry()->pSetCountryCode(QString::fromLatin1(c.pchCountry));
        cmb->setEditText(QString::fromLatin1(c.pchCode));
        wiz.pTypeAndLeave(edtField, QString::fromLatin1(c.pchTyped));
        QCOMPARE(cmb->currentText(), QString::fromLatin1(c.pchShownCode));
        QCOMPARE(edtField->text(), QString::fromLatin1(c.pchShownNumber));
        QStringList slTexts;
        for (const TrecMVErrorRecord &rec : wiz.frm.fnarErrorList())
            if (rec.stControlName == stField)
                slTexts << rec.stMessage;
        if (c.pchFormat) {
            if (stField == QLatin1String("edtSenderTelephone"))
                ++iTelephoneEntries;
            QCOMPARE(slTexts.size(),
                     stField == QLatin1String("edtSenderTelephone") ? iTelephoneEntries : 1);
            QCOMPARE(slTexts.last(), stNotValid + QString::fromLatin1(c.pchFormat));
            QCOMPARE(fnclFieldColour(edtField), cclErrorField);
        } else {
            if (stField == QLatin1String("edtSenderTelephone"))
                iTelephoneEntries = 0;
            QVERIFY2(slTexts.isEmpty(), c.pchCase);
            QCOMPARE(fnclFieldColour(edtField), cclNormalField);
        }
    }
}

void tst_SenderInfoPage::TheCountryDrivesStatesAirportsAndTheStateCaption() {
    TrecInstalledWizard<> wiz(fnrecWithReferenceData());
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    auto *cmbState = fnpControl<TmvLookupCombo>(wiz.frm, "cmbState");
    auto *cmbIATA = fnpControl<TmvLookupCombo>(wiz.frm, "cmbIATA");
    for (const char *pchCountry : {"AU", "US", "DE"}) {
        const QString stCountry = QString::fromLatin1(pchCountry);
        wiz.fraCountry()->pSetCountryCode(stCountry);
        QCOMPARE(fnsetColumn(*cmbState, "country_cd"), QSet<QString>{stCountry});
        QCOMPARE(
            int(cmbState->fnrecRows().arRows.size()),
            fniCount(QStringLiteral("select count(*) from state where country_cd = ?"), stCountry));
        QCOMPARE(fnsetColumn(*cmbIATA, "country_cd"), QSet<QString>{stCountry});
        QCOMPARE(int(cmbIATA->fnrecRows().arRows.size()),
                 fniCount(QStringLiteral("select count(*) from directory where country_cd = ?"),
                          stCountry));
        QCOMPARE(fnpControl<QLabel>(wiz.frm, "lblSenderState")->text(),
                 wiz.fraCountry()->fnrecDetails().state_label + QStringLiteral(":"));
    }
}

void tst_SenderInfoPage::AnUnknownCountryIsRefused() {
    TrecInstalledWizard<> wiz(fnrecWithReferenceData());
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    wiz.fraCountry()->pSetCountryCode(QStringLiteral("FR"));
    auto *cmbCode = fnpControl<TmvLookupCombo>(wiz.frm, "cmbCountryCode");
    auto *cmbName = fnpControl<TmvLookupCombo>(wiz.frm, "cmbCountryName");
    auto *btnLookup = fnpControl<QWidget>(wiz.frm, "btnCountryLookup");
    const struct {
        const char *pchCase;
        TmvLookupCombo *cmbTyped;
        QWidget *wLeftFrom; // the frame is left from here
        const char *pchTyped, *pchMessage;
        TmvLookupCombo *cmbFocused;
    } arCases[] = {
        {"unknown code", cmbCode, cmbCode, "QQ",
         "Invalid country code. Please select from the list.", cmbCode},
        // A name put in without passing its combo: the frame's own check.
        {"unknown name, frame left from its button", cmbName, btnLookup, "Atlantis",
         "Invalid country. Please select from the list.", cmbName},
    };
    for (const auto &c : arCases) {
        TclsScriptedAnswerer objAnswers;
        objAnswers.pExpect(0);
        if (c.cmbTyped == c.wLeftFrom) {
            wiz.pTypeAndLeave(c.cmbTyped, QString::fromLatin1(c.pchTyped));
        } else {
            pFocusOn(c.wLeftFrom);
            c.cmbTyped->setEditText(QString::fromLatin1(c.pchTyped));
            pFocusOn(wiz.edt("edtSenderCompany"));
        }
        QVERIFY2(objAnswers.fnarUnexpected().empty(), c.pchCase);
        QCOMPARE(objAnswers.fnarAsked().size(), size_t(1));
        const TrecMessageDlg &rec = objAnswers.fnarAsked().front();
        QCOMPARE(rec.stMessage, QString::fromLatin1(c.pchMessage));
        QCOMPARE(rec.stCaption, QStringLiteral("Registration Wizard - Warning"));
        QTRY_VERIFY2(c.cmbFocused->view()->isVisible(), c.pchCase);
        c.cmbFocused->hidePopup();
        QTRY_VERIFY2(c.cmbFocused->hasFocus(), c.pchCase);
        wiz.fraCountry()->pSetCountryCode(QStringLiteral("FR"));
    }
    // A known country passes the frame without a word.
    TclsScriptedAnswerer objAnswers;
    pFocusOn(btnLookup);
    cmbName->setEditText(QStringLiteral("Germany"));
    pFocusOn(wiz.edt("edtSenderCompany"));
    QVERIFY(objAnswers.fnarAsked().empty());
}

// An airport typed that the carrier does not know, and Next clicked or
// pressed from the keyboard: the refusal comes once, after the focus has
// moved, and Next stops there (no check of the page, no error list); the
// user is back in the airport with its list open.
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

void tst_SenderInfoPage::ReadingThePageTrimsEveryText() {
    TrecInstalledWizard<TclsPhoneTestInstallation> wiz(TPhoneLibrary::Present,
                                                       fnrecWithReferenceData(fnrecPhoneOptions()));
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    wiz.fraCountry()->pSetCountryCode(QStringLiteral("FR"));
    fnpControl<TfraState>(wiz.frm, "fraSenderState")->pSetState(QStringLiteral(" Bretagne "));
    fnpControl<QComboBox>(wiz.frm, "cmbPhoneCallingCode")->setEditText(QStringLiteral(" +33 "));
    fnpControl<QComboBox>(wiz.frm, "cmbMobileCallingCode")->setEditText(QStringLiteral("+44 "));
    const TclsRWSendersData &obj = wiz.frm.fnrecData().objSendersData;
    const struct {
        const char *pchField, *pchTyped;
        const QString *pstRead;
    } arCases[] = {
        {"edtSenderCode", " SND01 ", &obj.stSenderCode},
        {"edtSenderCompany", "  Acme Freight  ", &obj.stCompany},
        {"edtSenderName", "\tJo Bloggs ", &obj.stShipperName},
        {"edtSenderAddress1", " 1 Rue Haute", &obj.stAddress1},
        {"edtSenderAddress2", "Bâtiment B  ", &obj.stAddress2},
        {"edtSenderAddress3", "   ", &obj.stAddress3},
        {"edtSenderPostcode", " 75001 ", &obj.stPostcode},
        {"edtSenderCity", " Paris ", &obj.stCity},
        {"edtSenderEmail", " jo@acme.fr ", &obj.stEmail},
        {"edtSenderMobile", " 612345678 ", &obj.stMobile},
        {"edtSenderTelephone", " 140000000 ", &obj.stTelephone},
    };
    for (const auto &c : arCases)
        wiz.edt(c.pchField)->setText(QString::fromUtf8(c.pchTyped));
    // Typing the city and postcode empties the airport: it comes last.
    fnpControl<TfraIATA>(wiz.frm, "fraSenderIATA")->pSetIATA(QStringLiteral(" CDG "));
    wiz.frm.pReadPage(wpSenderInfo);
    for (const auto &c : arCases)
        QCOMPARE(*c.pstRead, QString::fromUtf8(c.pchTyped).trimmed());
    QCOMPARE(obj.stCountryCode, QStringLiteral("FR"));
    QCOMPARE(obj.stCountryName, QStringLiteral("France"));
    QCOMPARE(obj.stState, QStringLiteral("Bretagne"));
    QCOMPARE(obj.stAirportCode, QStringLiteral("CDG"));
    QCOMPARE(obj.stPhoneCallingCode, QStringLiteral("+33"));
    QCOMPARE(obj.stMobileCallingCode, QStringLiteral("+44"));
    QVERIFY(wiz.objInstallation.fnstTodaysLog().contains(fnstPhoneLogLine(
        1, QStringLiteral("unitRegistrationWizard"), QStringLiteral("pReadFromSenderInfoScreen"),
        QStringLiteral("Inside pReadFromSenderInfoScreen."))));
}

// Tab from the first field visits every field and frame of the page once, top
// to bottom, each calling-code box after its field.
void tst_SenderInfoPage::TabWalksThePageInItsOrder() {
    TrecInstalledWizard<> wiz(fnrecWithReferenceData());
    QVERIFY2(wiz.fnbReady(), wiz.fnbaError());
    // Hong Kong: the suburb frame is shown and takes part.
    wiz.fraCountry()->pSetCountryCode(QStringLiteral("HK"));
    fnpControl<QWidget>(wiz.frm, "fraSenderSuburb")->show();
    QWidget *wPage = fnpControl<QWidget>(wiz.frm, "tbsSenderInfo");
    // The page's own child a tab stop belongs to (a frame for its combos).
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
    const QStringList slExpected = {
        "edtSenderCode",      "edtSenderCompany",  "edtSenderName",        "fraSenderCountry",
        "edtSenderAddress1",  "edtSenderAddress2", "edtSenderAddress3",    "edtSenderPostcode",
        "edtSenderCity",      "fraSenderSuburb",   "fraSenderState",       "fraSenderIATA",
        "edtSenderEmail",     "edtSenderMobile",   "cmbMobileCallingCode", "edtSenderTelephone",
        "cmbPhoneCallingCode"};
    QCOMPARE(slVisited, slExpected);
}

QTEST_MAIN(tst_SenderInfoPage)
#include "tst_SenderInfoPage.moc"
