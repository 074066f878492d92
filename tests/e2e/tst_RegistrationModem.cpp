// A site registration over the carrier host's modem on a pseudo-terminal, end to end.
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

#include <atomic>
#include <memory>

namespace {

const QString cstFailed = QStringLiteral("Site Registration Failed");

QStringList fnslCommLog(const TclsTestInstallation &obj) {
    QStringList sl;
    for (const QByteArray &ba : obj.fnbaReadFile(QStringLiteral("Logs/Comm.log")).split('\n'))
        if (!ba.trimmed().isEmpty())
            sl << QString::fromLatin1(ba.trimmed());
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
    void AFailedCallLosesNothingAndARetrySucceeds_data();
    void AFailedCallLosesNothingAndARetrySucceeds();

private:
    void pStart(const std::function<void(TrecCarrierHostOptions &)> &pfnHostOptions = {});
    void pExpectNothingLostAndARetrySucceeds();

    QTemporaryDir dirHost;
    std::unique_ptr<TclsCarrierHost> objHost;
    std::unique_ptr<TclsTestInstallation> objInstallation;
    std::unique_ptr<TclsScriptedAnswerer> objAnswers;
};

void tst_RegistrationModem::pStart(
    const std::function<void(TrecCarrierHostOptions &)> &pfnHostOptions) {
    TrecCarrierHostOptions recHost;
    recHost.stDatabaseFile = dirHost.filePath(QStringLiteral("host.db"));
    recHost.bModem = true;
    recHost.pfnLog = [](const QString &) {};
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

void tst_RegistrationModem::pExpectNothingLostAndARetrySucceeds() {
    QCOMPARE(fnslNotAsBeforeRegistering(), QStringList());

    pFreeCommStatusWindows();
    objAnswers->pExpect(0);
    const QString stSiteId = fnstRegisterStoredSite();
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    QVERIFY(fnslRegistrationNotStored(stSiteId).isEmpty());
}

void tst_RegistrationModem::cleanup() {
    pFreeCommStatusWindows();
    objAnswers.reset();
    objInstallation.reset();
    objHost.reset();
}

// Registered straight away, after a corrupt block is resent, or on the second number.
void tst_RegistrationModem::ARegistrationOverTheModemIsStored_data() {
    QTest::addColumn<QString>("stInstallationType");
    QTest::addColumn<int>("iFailure");
    QTest::addColumn<QString>("stDialResult"); // of the first number; empty: connected
    // Type 1 hands the lines to the status callback, type 0 posts them to the mail slot.
    const QString st1 = QStringLiteral("1");
    using F = TenumModemFailure;
    // clang-format off
    QTest::newRow("lines through the callback") << st1 << 0 << QString();
    QTest::newRow("lines through the mail slot") << QStringLiteral("0") << 0 << QString();
    QTest::newRow("a corrupt block resent") << st1 << int(F::CorruptOnce) << QString();
    QTest::newRow("busy") << st1 << int(F::Busy) << QStringLiteral("BUSY");
    QTest::newRow("no carrier") << st1 << int(F::NoCarrier) << QStringLiteral("NO CARRIER");
    QTest::newRow("no dial tone") << st1 << int(F::NoDialTone) << QStringLiteral("NO DIALTONE");
    QTest::newRow("no answer") << st1 << int(F::NoAnswer) << QStringLiteral("NO ANSWER");
    QTest::newRow("a modem error") << st1 << int(F::DialError) << QStringLiteral("no usable answer");
    // clang-format on
}

void tst_RegistrationModem::ARegistrationOverTheModemIsStored() {
    QFETCH(QString, stInstallationType);
    QFETCH(int, iFailure);
    QFETCH(QString, stDialResult);
    pStart();
    objHost->pFailNextCall(TenumModemFailure(iFailure));
    QCOMPARE(fniExec(QStringLiteral("UPDATE config_zorv SET installation_type = ?"),
                     {stInstallationType}),
             0);

    objAnswers->pExpect(0);
    const QString stSiteId = fnstRegisterStoredSite();
    QVERIFY2(fnbSiteIdForm(stSiteId), qPrintable(stSiteId));
    QCOMPARE(fnslRegistrationNotStored(stSiteId) << fnstIntegrityCheck(), QStringList{"ok"});
    // The primary number with the location's prefix, the secondary only when that failed.
    const QStringList slLog = fnslCommLog(*objInstallation);
    const qsizetype iSecond = stDialResult.isEmpty() ? 0 : 1;
    const QList<qsizetype> arCounts = {
        slLog.count(QStringLiteral("--Dialing Phone No 90214567000")),
        slLog.count(QStringLiteral("Dialling 90214567000 gave %1.").arg(stDialResult)),
        slLog.count(QStringLiteral("--Dialing Phone No 90214567001")),
        slLog.count(QStringLiteral("Checksum Failure")),
        slLog.count(QStringLiteral("Connected to Zorv.."))};
    QCOMPARE(arCounts, (QList<qsizetype>{1, iSecond, iSecond,
                                         iFailure == int(TenumModemFailure::CorruptOnce), 1}));
    QCOMPARE(slLog.last(), QStringLiteral("--Process Successful"));
    QCOMPARE(objAnswers->fnslAsked(),
             QStringList{QStringLiteral("Communication is successfully completed.")});
    TfrmCommStatusBase *frmStatus = fnfrmVisible<TfrmCommStatusBase>();
    QVERIFY(frmStatus);
    QCOMPARE(frmStatus->findChild<QLabel *>(QStringLiteral("lblStatusMsg"))->text(),
             QStringLiteral("Communication is successfully completed."));
    QVERIFY(!fnfrmVisible<TfrmCallProgress>());
}

// A broken or cancelled call stores nothing, and the next call registers.
void tst_RegistrationModem::AFailedCallLosesNothingAndARetrySucceeds_data() {
    QTest::addColumn<int>("iFailure");
    QTest::addColumn<int>("iBusyCalls");
    QTest::addColumn<int>("iCancel"); // 0: no; 1: while dialling; 2: after CONNECT
    QTest::addColumn<QString>("stReason");
    QTest::addColumn<QString>("stTold");
    const QString stFailed = QStringLiteral("Communication with Zorv backend server failed.");
    const QString stNoReply = QStringLiteral("No reply was received.");
    const QString stAborted = QStringLiteral("Aborted by the user.");
    using F = TenumModemFailure;
    // clang-format off
    QTest::newRow("line dropped") << int(F::Drop) << 0 << 0 << stNoReply << stFailed;
    QTest::newRow("NAK until the limit") << int(F::CorruptAlways) << 0 << 0 << stNoReply << stFailed;
    QTest::newRow("wrong answer") << int(F::WrongAnswer) << 0 << 0 << QStringLiteral("The host's answer is not a registration reply.") << stFailed;
    // One round over both numbers, each answered BUSY.
    QTest::newRow("every number busy") << int(F::None) << 2 << 0 << QStringLiteral("Dialling 90214567001 gave BUSY.") << QStringLiteral("The backend Zorv server is not available. Modem operation failed.");
    QTest::newRow("cancelled while dialling") << int(F::NoAnswer) << 0 << 1 << stAborted << QString();
    QTest::newRow("cancelled after CONNECT") << int(F::Silent) << 0 << 2 << stAborted << QString();
    // clang-format on
}

void tst_RegistrationModem::AFailedCallLosesNothingAndARetrySucceeds() {
    QFETCH(int, iFailure);
    QFETCH(int, iBusyCalls);
    QFETCH(int, iCancel);
    QFETCH(QString, stReason);
    QFETCH(QString, stTold);
    // The far modem lets the phone ring long enough for the user to give up.
    std::atomic<bool> bRequestTaken{false};
    pStart([&](TrecCarrierHostOptions &rec) {
        rec.iModemBusyCalls = iBusyCalls;
        rec.iModemNoAnswerMs = 30000;
        rec.pfnLog = [&](const QString &st) {
            if (st.contains(QLatin1String(" CONNECT no reply")))
                bRequestTaken = true;
        };
    });
    objHost->pFailNextCall(TenumModemFailure(iFailure));
    const auto fnbtnCancel = [&]() -> QPushButton * {
        QWidget *frm = iCancel == 1 ? fnfrmVisible<TfrmCallProgress>() : nullptr;
        if (iCancel == 2 && bRequestTaken)
            frm = fnfrmVisible<TfrmCommStatusBase>();
        QLabel *lblDialNo = frm ? frm->findChild<QLabel *>(QStringLiteral("lblDialNo")) : nullptr;
        const bool bReady = frm && (iCancel == 2 || (lblDialNo && !lblDialNo->text().isEmpty()));
        return bReady ? frm->findChild<QPushButton *>(QStringLiteral("btnCancel")) : nullptr;
    };
    bool bCancelled = false;
    QTimer tmrUser;
    tmrUser.setInterval(50);
    connect(&tmrUser, &QTimer::timeout, this, [&] {
        QPushButton *btnCancel = bCancelled ? nullptr : fnbtnCancel();
        if (!btnCancel)
            return;
        bCancelled = true;
        QTest::mouseClick(btnCancel, Qt::LeftButton);
    });
    tmrUser.start();
    if (!stTold.isEmpty())
        objAnswers->pExpect(0);

    QCOMPARE(fnstRegisterStoredSite(), cstFailed);
    tmrUser.stop();
    QCOMPARE(bCancelled, iCancel != 0);
    const QStringList slLog = fnslCommLog(*objInstallation);
    QVERIFY2(slLog.contains(stReason), qPrintable(slLog.join(QLatin1Char('\n'))));
    QCOMPARE(objAnswers->fnslAsked(), stTold.isEmpty() ? QStringList() : QStringList{stTold});
    if (!iCancel) {
        QCOMPARE(slLog.last(), QStringLiteral("--Process NOT Successful"));
    } else {
        QCOMPARE(slLog.last(), QStringLiteral("Going Offline"));
        // Hung up, and only the first number was dialled.
        const QList<qsizetype> arCounts = {
            slLog.count(QStringLiteral("....Hung up")),
            slLog.count(QStringLiteral("Connected to Zorv..")),
            slLog.count(QStringLiteral("--Dialing Phone No 90214567000")),
            slLog.count(QStringLiteral("--Dialing Phone No 90214567001"))};
        QCOMPARE(arCounts, (QList<qsizetype>{1, iCancel == 2, 1, 0}));
    }
    pExpectNothingLostAndARetrySucceeds();
}

QTEST_MAIN(tst_RegistrationModem)
#include "tst_RegistrationModem.moc"
