// The installed modems on the communication page as the wizard's start-up
// fills them in: which class keys are listed, in which order, and the
// configured modem shown as the combo's text.
#include "UnitAdHocQuery.h"
#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QtTest>

namespace {
QByteArray fnbaModemKey(const char *pchNumber, const QByteArray &baName) {
    return QByteArray("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
                      "{4D36E96D-E325-11CE-BFC1-08002BE10318}\\") +
           pchNumber + "]\r\nFriendlyName=" + baName + "\r\nAttachedTo=/dev/ttyS" + pchNumber +
           "\r\n";
}

// Written out of key order; 0005 has a blank name, 0026 lies past the last key.
const QByteArray cbaModemKeys =
    fnbaModemKey("0012", "Hayes Optima") + fnbaModemKey("0026", "Beyond The Last Key") +
    fnbaModemKey("0003", "\" USB Modem \"") + fnbaModemKey("0005", "\"   \"") +
    fnbaModemKey("0000", "Standard 56000 bps Modem");

const QStringList cslListed = {QStringLiteral("Standard 56000 bps Modem"),
                               QStringLiteral(" USB Modem "), QStringLiteral("Hayes Optima")};

QComboBox *fncmbModems(QWidget &frm) {
    return frm.findChild<QWidget *>(QStringLiteral("tbsCommSetting"))
        ->findChild<QComboBox *>(QStringLiteral("cmbModemNameList"));
}

QStringList fnslItems(const QComboBox &cmb) {
    QStringList sl;
    for (int i = 0; i < cmb.count(); ++i)
        sl << cmb.itemText(i);
    return sl;
}
} // namespace

class tst_ModemList : public QObject {
    Q_OBJECT

private slots:
    void TheInstalledModemsAreListedWithTheConfiguredOneShown();
    void NoRegistryFileLeavesTheListEmptyWithoutAWarning();
};

void tst_ModemList::TheInstalledModemsAreListedWithTheConfiguredOneShown() {
    const struct {
        QString stModemName; // config_zorv.Modem_Name
        int iCurrentIndex;
    } arCases[] = {
        {QStringLiteral("Hayes Optima"), 2},
        {QStringLiteral("Standard 56000 bps Modem"), 0},
        {QStringLiteral("A Modem Since Removed"), -1},
        {QString(), -1},
    };
    for (const auto &c : arCases) {
        TrecInstallationOptions rec = fnrecTestOptions();
        rec.bLogging = true;
        TclsTestInstallation objInstallation(rec);
        QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
        const QString stRegistry = QStringLiteral("Config/registry.ini");
        QVERIFY(objInstallation.fnbWriteFile(stRegistry, objInstallation.fnbaReadFile(stRegistry) +
                                                             cbaModemKeys));
        TclsAdHocQuery query;
        QCOMPARE(query.fniExecute(QStringLiteral("UPDATE config_zorv SET Modem_Name = ?"),
                                  {c.stModemName}),
                 0);

        TclsScriptedAnswerer objAnswerer;
        TfrmRegistrationWizard frm;
        QVERIFY(!frm.fnbStartupFailed());
        QComboBox *cmb = fncmbModems(frm);
        QVERIFY(cmb && cmb->isEditable());
        QCOMPARE(fnslItems(*cmb), cslListed);
        QCOMPARE(cmb->currentText(), c.stModemName);
        QCOMPARE(cmb->currentIndex(), c.iCurrentIndex);
        QCOMPARE(frm.findChild<QLabel *>(QStringLiteral("lblModemName"))->text(),
                 QStringLiteral("Default Modem:"));
        QVERIFY(objAnswerer.fnarAsked().empty());
        const QString stLog = QString::fromUtf8(objInstallation.fnbaReadFile(
            QStringLiteral("Logs/RegistrationWizard_%1.log")
                .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
        QVERIFY2(stLog.contains(QStringLiteral("|Process fnbDetectInstalledModems|Inside "
                                               "fnbDetectInstalledModems.\r\n")),
                 qPrintable(stLog));
    }
}

void tst_ModemList::NoRegistryFileLeavesTheListEmptyWithoutAWarning() {
    TclsTestInstallation objInstallation;
    QVERIFY2(objInstallation.fnbOk(), qPrintable(objInstallation.fnstError()));
    QVERIFY(QFile::remove(objInstallation.fnstPath(QStringLiteral("Config/registry.ini"))));
    TclsScriptedAnswerer objAnswerer;
    TfrmRegistrationWizard frm;
    QVERIFY(!frm.fnbStartupFailed());
    QCOMPARE(fncmbModems(frm)->count(), 0);
    QVERIFY(objAnswerer.fnarAsked().empty());
}

QTEST_MAIN(tst_ModemList)
#include "tst_ModemList.moc"
