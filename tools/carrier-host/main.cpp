// carrier-host: the carrier's host for tests and the demo. Answers site
// registrations over HTTP or HTTPS on 127.0.0.1, and with --modem over a
// modem on a pseudo-terminal, until SIGTERM or SIGINT.
#include "UnitCarrierHost.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <pthread.h>

namespace {
struct TrecCommandLine {
    TrecCarrierHostOptions recOptions;
    QString stError;
};

TrecCommandLine fnrecReadCommandLine(const QCoreApplication &app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The carrier's host: answers site registrations (REGR) on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption optPort(QStringLiteral("port"),
                                     QStringLiteral("Listen on PORT; 0 (default) picks a free "
                                                    "one and prints it."),
                                     QStringLiteral("PORT"), QStringLiteral("0"));
    const QCommandLineOption optCert(QStringLiteral("cert"),
                                     QStringLiteral("Serve HTTPS with this PEM certificate."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption optKey(QStringLiteral("key"),
                                    QStringLiteral("The PEM private key of --cert."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption optDatabase(
        QStringLiteral("database"),
        QStringLiteral("SQLite file of the registrations (default carrier-host.db)."),
        QStringLiteral("FILE"), QStringLiteral("carrier-host.db"));
    const QCommandLineOption optFail(
        QStringLiteral("fail"),
        QStringLiteral("Answer badly: %1.").arg(fnslHostFailureNames().join(QStringLiteral(", "))),
        QStringLiteral("MODE"));
    const QCommandLineOption optFailOnce(QStringLiteral("fail-once"),
                                         QStringLiteral("Answer badly to the first request only."));
    const QCommandLineOption optHangLimit(
        QStringLiteral("hang-limit"),
        QStringLiteral("Drop a hanging request's connection after SECONDS (1-60, default 60)."),
        QStringLiteral("SECONDS"), QStringLiteral("60"));
    const QCommandLineOption optIsoCodes(QStringLiteral("iso-codes"),
                                         QStringLiteral("ISO 3166-1 list (iso-codes JSON)."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption optModem(
        QStringLiteral("modem"),
        QStringLiteral("Also answer calls on a pseudo-terminal modem and print its device."));
    const QCommandLineOption optModemFail(
        QStringLiteral("modem-fail"),
        QStringLiteral("Fail modem calls: %1.")
            .arg(fnslModemFailureNames().join(QStringLiteral(", "))),
        QStringLiteral("MODE"));
    const QCommandLineOption optModemFailOnce(QStringLiteral("modem-fail-once"),
                                              QStringLiteral("Fail the first modem dial only."));
    const QCommandLineOption optModemBusyCalls(
        QStringLiteral("modem-busy-calls"),
        QStringLiteral("Answer the first N dials BUSY (0-1000, default 0)."), QStringLiteral("N"),
        QStringLiteral("0"));
    parser.addOptions({optPort, optCert, optKey, optDatabase, optFail, optFailOnce, optHangLimit,
                       optIsoCodes, optModem, optModemFail, optModemFailOnce, optModemBusyCalls});
    parser.process(app);

    TrecCommandLine rec;
    bool bPortOk = false, bLimitOk = false;
    rec.recOptions.iPort = parser.value(optPort).toInt(&bPortOk);
    rec.recOptions.iHangLimitSeconds = parser.value(optHangLimit).toInt(&bLimitOk);
    rec.recOptions.stCertFile = parser.value(optCert);
    rec.recOptions.stKeyFile = parser.value(optKey);
    rec.recOptions.stDatabaseFile = parser.value(optDatabase);
    rec.recOptions.stIsoCodesFile = parser.value(optIsoCodes);
    rec.recOptions.bFailOnce = parser.isSet(optFailOnce);
    if (parser.isSet(optFail)) {
        const auto enFailure = fnenHostFailure(parser.value(optFail));
        if (!enFailure)
            rec.stError = QStringLiteral("unknown --fail mode %1").arg(parser.value(optFail));
        else
            rec.recOptions.enFailure = *enFailure;
    } else if (rec.recOptions.bFailOnce) {
        rec.stError = QStringLiteral("--fail-once needs --fail MODE");
    }
    rec.recOptions.bModem = parser.isSet(optModem);
    rec.recOptions.bModemFailOnce = parser.isSet(optModemFailOnce);
    bool bBusyOk = false;
    rec.recOptions.iModemBusyCalls = parser.value(optModemBusyCalls).toInt(&bBusyOk);
    if (parser.isSet(optModemFail)) {
        const auto enFailure = fnenModemFailure(parser.value(optModemFail));
        if (!enFailure)
            rec.stError =
                QStringLiteral("unknown --modem-fail mode %1").arg(parser.value(optModemFail));
        else
            rec.recOptions.enModemFailure = *enFailure;
    } else if (rec.recOptions.bModemFailOnce) {
        rec.stError = QStringLiteral("--modem-fail-once needs --modem-fail MODE");
    }
    const bool bModemSwitches = parser.isSet(optModemFail) || parser.isSet(optModemBusyCalls);
    if (bModemSwitches && !rec.recOptions.bModem)
        rec.stError = QStringLiteral("--modem-fail and --modem-busy-calls need --modem");
    if (!bBusyOk || rec.recOptions.iModemBusyCalls < 0 || rec.recOptions.iModemBusyCalls > 1000)
        rec.stError = QStringLiteral("--modem-busy-calls needs a number from 0 to 1000");
    if (!bPortOk || rec.recOptions.iPort < 0 || rec.recOptions.iPort > 65535)
        rec.stError = QStringLiteral("--port needs a number from 0 to 65535");
    if (!bLimitOk || rec.recOptions.iHangLimitSeconds < 1 || rec.recOptions.iHangLimitSeconds > 60)
        rec.stError = QStringLiteral("--hang-limit needs a number from 1 to 60");
    return rec;
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const TrecCommandLine rec = fnrecReadCommandLine(app);
    if (!rec.stError.isEmpty()) {
        std::fprintf(stderr, "carrier-host: %s\n", qPrintable(rec.stError));
        return 2;
    }
    // The signals are taken by sigwait below; blocked before the server's
    // threads start, so none of them is interrupted by one.
    sigset_t setSignals;
    sigemptyset(&setSignals);
    sigaddset(&setSignals, SIGTERM);
    sigaddset(&setSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &setSignals, nullptr);

    TclsCarrierHost objHost;
    QString stError;
    if (!objHost.fnbStart(rec.recOptions, stError)) {
        std::fprintf(stderr, "carrier-host: %s\n", qPrintable(stError));
        return 1;
    }
    std::printf("carrier-host: listening on %s\n", qPrintable(objHost.fnstUrl()));
    if (rec.recOptions.bModem)
        std::printf("modem: %s\n", qPrintable(objHost.fnstModemDevice()));
    std::fflush(stdout);
    int iSignal = 0;
    sigwait(&setSignals, &iSignal);
    objHost.pStop();
    std::fprintf(stderr, "carrier-host: stopped on signal %d\n", iSignal);
    return 0;
}
