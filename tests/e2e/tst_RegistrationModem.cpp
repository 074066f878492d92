// A site registration over the modem from end to end: the transaction writes
// SiteRegs.txt, the communication library dials the carrier host's modem on a
// pseudo-terminal and exchanges the request and reply over the link, the
// status windows follow the call, and what the host answers is stored.
#include "unitCallProgress.h"
#include "UnitCarrierHost.h"
#include "UnitCommStatusBase.h"
#include "unitCommStatusMain.h"
#include "unitCommStatusWindows.h"
#include "UnitRegistrationSite.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString cstFailed = QStringLiteral("Site Registration Failed");

// The lines Comm.log holds after the last call.
QStringList fnslCommLog(const TclsTestInstallation &obj) {
    QStringList sl;
    for (const QByteArray &ba : obj.fnbaReadFile(QStringLiteral("Logs/Comm.log")).split('\n'))
        if (!ba.trimmed().isEmpty())
            sl << QString::fromLatin1(ba.trimmed());
    return sl;
}

QStringList fnslAsked(const TclsScriptedAnswerer &obj) {
    QStringList sl;
    for (const TrecMessageDlg &rec : obj.fnarAsked())
        sl << rec.stMessage;
    return sl;
}

template <class TWindow> TWindow *fnfrmVisible() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *frm = qobject_cast<TWindow *>(w); frm && frm->isVisible())
            return frm;
    return nullptr;
}

} // namespace

class tst_RegistrationModem : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void ARegistrationOverTheModemIsStored_data();
    void ARegistrationOverTheModemIsStored();
    void ABusyNumberIsDialledAgain();
    void ACorruptBlockIsResent();
    void ABrokenCallLosesNothingAndARetrySucceeds_data();
    void ABrokenCallLosesNothingAndARetrySucceeds();
    void CancelWhileDiallingAbortsTheCall();

private:
    // A carrier host with its modem, and an installation that registers
    // through it with the rows the wizard would have saved.
    void pStart(const std::function<void(TrecCarrierHostOptions &)> &pfnHostOptions = {});

    QTemporaryDir dirHost;
    std::unique_ptr<TclsCarrierHost> objHost;
    std::unique_ptr<TclsTestInstallation> objInstallation;
    std::unique_ptr<TclsScriptedAnswerer> objAnswers;
    QStringList slHostLog;
};

void tst_RegistrationModem::pStart(
    const std::function<void(TrecCarrierHostOptions &)> &pfnHostOptions) {
    TrecCarrierHostOptions recHost;
    recHost.stDatabaseFile = dirHost.filePath(QStringLiteral("host.db"));
    recHost.bModem = true;
    recHost.pfnLog = [this](const QString &st) { slHostLog << st; };
    if (pfnHostOptions)
        pfnHostOptions(recHost);
    objHost = std::make_unique<TclsCarrierHost>();
    QString stError;
    QVERIFY2(objHost->fnbStart(recHost, stError), qPrintable(stError));

    TrecInstallationOptions rec = fnrecTestOptions();
    rec.stBinSource = qEnvironmentVariable("WIZARD_BIN_DIR");
    rec.stModemDevice = objHost->fnstModemDevice();
    rec.recSeed.stSiteRegistrationMode = QStringLiteral("MODEM");
    rec.recSeed.stPrimaryPhone = QStringLiteral("0214567000");
    rec.recSeed.stSecondaryPhone = QStringLiteral("0214567001");
    objInstallation = std::make_unique<TclsTestInstallation>(rec);
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    const QStringList slFailed = fnslSeedRegisteringSite();
    QVERIFY2(slFailed.isEmpty(), qPrintable(slFailed.join(QLatin1Char('\n'))));
    objAnswers = std::make_unique<TclsScriptedAnswerer>();
}

void tst_RegistrationModem::cleanup() {
    pFreeCommStatusWindows();
    objAnswers.reset();
    objInstallation.reset();
    objHost.reset();
    slHostLog.clear();
}

void tst_RegistrationModem::ARegistrationOverTheModemIsStored_data() {
    QTest::addColumn<QString>("stInstallationType");
    // Type 1 hands the lines to the status callback, type 0 posts them to the
    // mail slot the callback reads.
    QTest::newRow("lines through the callback") << QStringLiteral("1");
    QTest::newRow("lines through the mail slot") << QStringLiteral("0");
}

void tst_RegistrationModem::ARegistrationOverTheModemIsStored() {
    QFETCH(QString, stInstallationType);
    pStart();
    QCOMPARE(fniExec(QStringLiteral("UPDATE config_zorv SET installation_type = ?"),
                     {stInstallationType}),
             0);

    objAnswers->pExpect(0);
    const QString stSiteId = fnstRegisterStoredSite();
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    const QStringList slNotStored = fnslRegistrationNotStored(stSiteId);
    QVERIFY2(slNotStored.isEmpty(), qPrintable(slNotStored.join(QLatin1Char('\n'))));
    // The call dialled the primary number with the location's prefix and was
    // told once that it succeeded; the status window stays with the outcome.
    const QStringList slLog = fnslCommLog(*objInstallation);
    QVERIFY(slLog.contains(QStringLiteral("--Dialing Phone No 90214567000")));
    QVERIFY(slLog.contains(QStringLiteral("Connected to Zorv..")));
    QCOMPARE(slLog.last(), QStringLiteral("--Process Successful"));
    QCOMPARE(fnslAsked(*objAnswers),
             QStringList{QStringLiteral("Communication is successfully completed.")});
    TfrmCommStatusBase *frmStatus = fnfrmVisible<TfrmCommStatusBase>();
    QVERIFY(frmStatus);
    QCOMPARE(frmStatus->findChild<QLabel *>(QStringLiteral("lblStatusMsg"))->text(),
             QStringLiteral("Communication is successfully completed."));
    QVERIFY(!fnfrmVisible<TfrmCallProgress>());
}

void tst_RegistrationModem::ABusyNumberIsDialledAgain() {
    pStart([](TrecCarrierHostOptions &rec) { rec.iModemBusyCalls = 1; });
    objAnswers->pExpect(0);
    const QString stSiteId = fnstRegisterStoredSite();
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    const QStringList slLog = fnslCommLog(*objInstallation);
    QVERIFY(slLog.contains(QStringLiteral("Dialling 90214567000 gave BUSY.")));
    QVERIFY(slLog.contains(QStringLiteral("--Retrying... 2")));
    QVERIFY(slLog.contains(QStringLiteral("--Dialing Phone No 90214567001")));
    QCOMPARE(slLog.last(), QStringLiteral("--Process Successful"));
}

void tst_RegistrationModem::ACorruptBlockIsResent() {
    pStart(
        [](TrecCarrierHostOptions &rec) { rec.enModemFailure = TenumModemFailure::CorruptOnce; });
    objAnswers->pExpect(0);
    const QString stSiteId = fnstRegisterStoredSite();
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    QVERIFY(fnslRegistrationNotStored(stSiteId).isEmpty());
    const QStringList slLog = fnslCommLog(*objInstallation);
    QCOMPARE(slLog.count(QStringLiteral("Checksum Failure")), 1);
    QCOMPARE(slLog.count(QStringLiteral("--Sending NAK")), 1);
}

void tst_RegistrationModem::ABrokenCallLosesNothingAndARetrySucceeds_data() {
    QTest::addColumn<int>("iFailure");
    QTest::addColumn<QString>("stReason");
    QTest::newRow("line dropped") << int(TenumModemFailure::Drop)
                                  << QStringLiteral("No reply was received.");
    QTest::newRow("NAK until the limit")
        << int(TenumModemFailure::CorruptAlways) << QStringLiteral("No reply was received.");
    QTest::newRow("wrong answer") << int(TenumModemFailure::WrongAnswer)
                                  << QStringLiteral(
                                         "The host's answer is not a registration reply.");
}

void tst_RegistrationModem::ABrokenCallLosesNothingAndARetrySucceeds() {
    QFETCH(int, iFailure);
    QFETCH(QString, stReason);
    pStart();
    objHost->pFailNextCall(TenumModemFailure(iFailure));

    objAnswers->pExpect(0);
    QCOMPARE(fnstRegisterStoredSite(), cstFailed);
    const QStringList slLog = fnslCommLog(*objInstallation);
    QVERIFY(slLog.contains(stReason));
    QCOMPARE(slLog.last(), QStringLiteral("--Process NOT Successful"));
    QCOMPARE(fnslAsked(*objAnswers),
             QStringList{QStringLiteral("Communication with Zorv backend server failed.")});
    // What the wizard saved before it registered is all there, nothing more.
    QCOMPARE(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(), QString());
    QCOMPARE(fnvScalar(QStringLiteral("SELECT company FROM customer_info")).toString(),
             QStringLiteral("Harbour Traders"));
    QCOMPARE(fnvScalar(QStringLiteral("SELECT allocation_qty FROM zorv_lp")).toInt(), 10000);
    QCOMPARE(fnvScalar(QStringLiteral("SELECT start_number FROM shipment_number")).toString(),
             QString());
    QCOMPARE(fnstIntegrityCheck(), QStringLiteral("ok"));

    pFreeCommStatusWindows();
    objAnswers->pExpect(0);
    const QString stSiteId = fnstRegisterStoredSite();
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    QVERIFY(fnslRegistrationNotStored(stSiteId).isEmpty());
}

void tst_RegistrationModem::CancelWhileDiallingAbortsTheCall() {
    // The far modem lets the phone ring long enough for the user to give up.
    pStart([](TrecCarrierHostOptions &rec) {
        rec.enModemFailure = TenumModemFailure::NoAnswer;
        rec.iModemNoAnswerMs = 30000;
    });
    bool bCancelled = false;
    QTimer tmrUser;
    tmrUser.setInterval(50);
    connect(&tmrUser, &QTimer::timeout, this, [&] {
        TfrmCallProgress *frm = fnfrmVisible<TfrmCallProgress>();
        QLabel *lblDialNo = frm ? frm->findChild<QLabel *>(QStringLiteral("lblDialNo")) : nullptr;
        if (bCancelled || !lblDialNo || lblDialNo->text().isEmpty())
            return;
        bCancelled = true;
        QTest::mouseClick(frm->findChild<QPushButton *>(QStringLiteral("btnCancel")),
                          Qt::LeftButton);
    });
    tmrUser.start();

    QCOMPARE(fnstRegisterStoredSite(), cstFailed);
    tmrUser.stop();
    QVERIFY(bCancelled);
    const QStringList slLog = fnslCommLog(*objInstallation);
    QVERIFY(slLog.contains(QStringLiteral("Aborted by the user.")));
    QVERIFY(slLog.contains(QStringLiteral("....Hung up")));
    QCOMPARE(slLog.last(), QStringLiteral("Going Offline"));
    // The call never reached the host's desk, and nobody was told the modem
    // failed.
    QCOMPARE(slLog.count(QStringLiteral("--Dialing Phone No 90214567000")), 1);
    QVERIFY(!slLog.contains(QStringLiteral("--Dialing Phone No 90214567001")));
    QVERIFY(!fnslAsked(*objAnswers).contains(QStringLiteral("Modem is not available.")));
    QCOMPARE(fnvScalar(QStringLiteral("SELECT site_id FROM config_morvane")).toString(), QString());
}

QTEST_MAIN(tst_RegistrationModem)
#include "tst_RegistrationModem.moc"
