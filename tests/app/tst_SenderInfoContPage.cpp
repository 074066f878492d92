// The continued sender page through the real form.
#include "UnitAccessToDatabaseDLL.h"
#include "UnitFieldMarks.h"
#include "UnitMvDateEdit.h"
#include "UnitMvLookupCombo.h"
#include "unitRWSenders.h"
#include "UnitTestQueries.h"
#include "UnitWizardOnScreen.h"

#include <QLabel>
#include <QPushButton>

namespace {
using D = TclsRWSendersData;
// A complete sender of both pages, as a user would have entered it.
const std::pair<QString D::*, const char *> carSenderTexts[] = {
    {&D::stSenderCode, "EDI01"},       {&D::stCompany, "Thistle Trading"},
    {&D::stShipperName, "Morag"},      {&D::stCountryCode, "GB"},
    {&D::stAddress1, "1 High Street"}, {&D::stAddress2, "Old Town"},
    {&D::stAddress3, "Second floor"},  {&D::stPostcode, "EH1 1AA"},
    {&D::stCity, "Edinburgh"},         {&D::stAirportCode, "EDI"},
    {&D::stEmail, "morag@thistle.uk"}, {&D::stMobile, "7700900123"},
    {&D::stTelephone, "1315550123"},   {&D::stZorvAccount, "123456789"},
    {&D::stTCAccount, "TC1234567"},    {&D::stVATGST, "GB123456789"},
    {&D::stReference, "Dept 7"},       {&D::stContents1, "Woollens"},
    {&D::stContents2, "Tweed"},        {&D::stContents3, "Books"},
    {&D::stExportLicense, "EXP-42"},   {&D::stFederalTaxId, "FT-1"},
    {&D::stStateTaxId, "ST-2"},        {&D::stReferenceTypeCode, "INV"},
};

TclsRWSendersData fnobjSender() {
    TclsRWSendersData obj;
    for (const auto &[p, pch] : carSenderTexts)
        obj.*p = QString::fromLatin1(pch);
    obj.stCountryName =
        fnstScalar(QStringLiteral("select country_name from country where country_cd = 'GB'"));
    obj.stState = fnstScalar(
        QStringLiteral("select state from state where country_cd = 'GB' order by state"));
    obj.dtLicenseExpiration = QDateTime(QDate(2027, 3, 15), QTime(0, 0));
    obj.bDestinationBilling = true;
    return obj;
}

// Saves the sender with its destination-billing rows; "success" or the message.
QString fnstSaveSender(const TclsRWSendersData &obj,
                       const std::vector<std::pair<QString, QString>> &arBilling) {
    TobjarMVData objarBilling;
    for (const auto &[stIATA, stAccount] : arBilling) {
        auto objRow = std::make_unique<TclsDestinationBillingData>();
        objRow->sender_cd = obj.stSenderCode;
        objRow->iata = stIATA;
        objRow->account_number = stAccount;
        objarBilling.push_back(std::move(objRow));
    }
    TclsRWSenders objSenders;
    return objSenders.fnstSaveToDB(obj, objarBilling);
}

struct TrecContWizard : TrecWizard {
    bool fnbOnContPage() {
        if (!fnbReady())
            return false;
        frm.pChangePage(QString(), wpSenderInfo, pdNext, 2);
        return frm.fniCurrentPage() == wpSenderInfoCont;
    }
    TmvDateEdit *cal() { return fnpControl<TmvDateEdit>(frm, "calSenderLicenseExpiration"); }
    TmvLookupCombo *cmbRefType() { return fnpControl<TmvLookupCombo>(frm, "lcmbShipperRefType"); }
};
} // namespace

class tst_SenderInfoContPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void StarsAndTheErrorListOfNext();
    void BothSenderPagesShowTheSavedSenderAndReadItBack();
    void TheLicenceDateOf11November1999IsNoDate();
    void ALicenceDateTypedIsReadAndAHalfTypedOneStopsNext();
    void ReferenceTypesFollowTheCarrierList();
    void AFailedSenderReadEndsTheWizard();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_SenderInfoContPage::init() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bReferenceData = true;
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
}

void tst_SenderInfoContPage::cleanup() {
    objInstallation.reset();
}

// The carrier's flags decide the stars; a field corrected since is not listed again.
void tst_SenderInfoContPage::StarsAndTheErrorListOfNext() {
    QCOMPARE(fniExec(QStringLiteral("update config_zorv set mandatory_federal_tax_id = 1, "
                                    "mandatory_state_tax_id = 0")),
             0);
    TrecContWizard w;
    QVERIFY(w.fnbOnContPage());
    for (const auto &[pchLabel, bStar] :
         {std::pair{"lblSenderZorvAccount", true}, std::pair{"lblSenderTCAccount", false},
          std::pair{"lblSenderTaxId", true}, std::pair{"lblSenderCNPJ", false}})
        QVERIFY2(fnbHasMandatoryMark(fnpControl<QLabel>(w.frm, pchLabel)) == bStar, pchLabel);
    const auto fnslListed = [&w] {
        const TclsDialogCounter objErrorList;
        fnpControl<QPushButton>(w.frm, "btnNext")->click();
        QStringList sl;
        for (const TrecMVErrorRecord &rec : w.frm.fnarErrorList())
            sl << rec.stControlName;
        return sl;
    };
    QCOMPARE(fnslListed(), QStringList({"edtSenderZorvAccount", "edtSenderTaxId"}));
    w.edt("edtSenderZorvAccount")->setText(QStringLiteral("123456789"));
    QCOMPARE(fnslListed(), QStringList({"edtSenderTaxId"}));
    QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfoCont));
}

void tst_SenderInfoContPage::BothSenderPagesShowTheSavedSenderAndReadItBack() {
    const TclsRWSendersData objSaved = fnobjSender();
    QVERIFY(!objSaved.stCountryName.isEmpty());
    QCOMPARE(fnstSaveSender(objSaved, {{"LHR", "111111111"}, {"MAN", "222222222"}}),
             QStringLiteral("success"));
    TrecContWizard w;
    QVERIFY(w.fnbOnContPage());
    QCOMPARE(w.cmbRefType()->currentText(), QStringLiteral("Invoice Number"));
    using TarBilling = std::vector<std::pair<QString, QString>>;
    QCOMPARE(w.frm.fnarDestinationBillingRows(),
             TarBilling({{"LHR", "111111111"}, {"MAN", "222222222"}}));

    w.frm.pReadPage(wpSenderInfo);
    w.frm.pReadPage(wpSenderInfoCont);
    const TclsRWSendersData &objRead = w.frm.fnrecData().objSendersData;
    for (const auto &[p, pch] : carSenderTexts)
        QCOMPARE(objRead.*p, objSaved.*p);
    QCOMPARE(QVariantList({objRead.stCountryName, objRead.stState,
                           objRead.dtLicenseExpiration.date(), objRead.bDestinationBilling}),
             QVariantList({objSaved.stCountryName, objSaved.stState,
                           objSaved.dtLicenseExpiration.date(), true}));
}

void tst_SenderInfoContPage::TheLicenceDateOf11November1999IsNoDate() {
    QCOMPARE(fnstSaveSender(fnobjSender(), {}), QStringLiteral("success"));
    QVERIFY(fniExec(QStringLiteral("update senders set license_expiration = ?"),
                    {QDateTime(QDate(1999, 11, 11), QTime(13, 30))}) == 0);
    TrecContWizard w;
    QVERIFY(w.fnbOnContPage());
    QVERIFY(!w.cal()->fnbHasDate());
    w.frm.pReadPage(wpSenderInfoCont);
    QVERIFY(!w.frm.fnrecData().objSendersData.dtLicenseExpiration.isValid());
}

// A date typed key by key is read; a half-typed one stops Alt+N and keeps the old date.
void tst_SenderInfoContPage::ALicenceDateTypedIsReadAndAHalfTypedOneStopsNext() {
    TclsScriptedAnswerer objAnswerer;
    TrecContWizard w;
    QVERIFY(w.fnbOnContPage());
    QVERIFY(QTest::qWaitForWindowActive(&w.frm));
    const QString stFormat = TmvDateEdit::fnstShortDateFormat(QLocale());
    const QDate dtTyped(2027, 3, 15);
    QTest::mouseClick(w.cal(), Qt::LeftButton, {}, QPoint(5, w.cal()->height() / 2));
    QTest::keyClicks(w.cal(), QLocale().toString(dtTyped, stFormat));
    QTest::mouseClick(w.edt("edtSenderExportLicense"), Qt::LeftButton);
    w.frm.pReadPage(wpSenderInfoCont);
    QCOMPARE(w.frm.fnrecData().objSendersData.dtLicenseExpiration.date(), dtTyped);

    QTest::mouseClick(w.cal(), Qt::LeftButton, {}, QPoint(5, w.cal()->height() / 2));
    QTest::keyClick(w.cal(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.cal(), Qt::Key_Backspace);
    const QString stHalf = QLocale().toString(dtTyped, stFormat).chopped(2);
    QTest::keyClicks(w.cal(), stHalf);
    objAnswerer.pExpect(0);
    QTest::keyClick(w.cal(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(objAnswerer.fnslAsked(),
                 QStringList{QStringLiteral("License Expiration: \"") + stHalf +
                             QStringLiteral("\" is not a date. Type the date as ") + stFormat +
                             QStringLiteral(", or leave the field empty.")});
    QCOMPARE(w.frm.fniCurrentPage(), int(wpSenderInfoCont));
    QCOMPARE(w.cal()->fndtDate(), dtTyped);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.cal()));
}

void tst_SenderInfoContPage::ReferenceTypesFollowTheCarrierList() {
    const struct {
        const char *pchStored;
        bool bActiveTypes;
        bool bShown;
        const char *pchShown, *pchReadCode, *pchReadDesc;
    } arCases[] = {
        {"PO", true, true, "Purchase Order Number", "PO", "Purchase Order Number"},
        // A type no longer listed shows and stays as stored.
        {"OLD", true, true, "OLD", "OLD", ""},
        {"PO", false, false, "", "", ""},
    };
    for (const auto &c : arCases) {
        TclsRWSendersData obj = fnobjSender();
        obj.stReferenceTypeCode = QLatin1String(c.pchStored);
        QCOMPARE(fnstSaveSender(obj, {}), QStringLiteral("success"));
        QVERIFY(fniExec(QStringLiteral("update shipment_piece_reference_type set active_flag = ?"),
                        {int(c.bActiveTypes)}) == 0);
        TrecContWizard w;
        QVERIFY(w.fnbOnContPage());
        QCOMPARE(w.cmbRefType()->isVisible(), c.bShown);
        if (c.bShown)
            QCOMPARE(w.cmbRefType()->currentText(), QLatin1String(c.pchShown));
        w.frm.pReadPage(wpSenderInfoCont);
        const TclsRWSendersData &objRead = w.frm.fnrecData().objSendersData;
        QCOMPARE(QStringList({objRead.stReferenceTypeCode, objRead.stReferenceTypeDesc}),
                 QStringList({c.pchReadCode, c.pchReadDesc}));
    }
}

void tst_SenderInfoContPage::AFailedSenderReadEndsTheWizard() {
    for (const char *pchTable : {"senders", "destination_billing"}) {
        QCOMPARE(fnstSaveSender(fnobjSender(), {{"LHR", "111111111"}}), QStringLiteral("success"));
        QVERIFY(fniExec(QStringLiteral("DROP TABLE ") + QLatin1String(pchTable)) == 0);
        TobjarMVData objarRows;
        const int iCode =
            fniQueryRecords({{QStringLiteral("sender_cd"), QStringLiteral("'EDI01'")}}, objarRows,
                            QLatin1String(pchTable) == QLatin1String("senders")
                                ? QStringLiteral("TclsSendersDB")
                                : QStringLiteral("TclsDestinationBillingDB"));
        QVERIFY(iCode != 0);
        TclsScriptedAnswerer objAnswerer;
        objAnswerer.pExpect(0);
        {
            TrecWizard w;
            QVERIFY(w.frm.fnbStartupFailed());
            QTRY_VERIFY(!w.frm.isVisible());
        }
        QCOMPARE(objAnswerer.fnslAsked(),
                 QStringList{fnstGetDBErrorMessage(iCode) +
                             QStringLiteral(".\r\nClick on OK button to exit.")});
        objInstallation.reset();
        init();
    }
}

QTEST_MAIN(tst_SenderInfoContPage)
#include "tst_SenderInfoContPage.moc"
