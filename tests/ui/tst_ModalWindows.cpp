// A message box or dialog that closes while the desktop hands the activation
// to no window: the window the user was typing in is active again, so the
// keyboard goes on where it was.
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QtTest>

class tst_ModalWindows : public QObject {
    Q_OBJECT

private slots:
    void TheOpenerIsActiveAgainOnceTheModalWindowHasGone_data();
    void TheOpenerIsActiveAgainOnceTheModalWindowHasGone();
};

void tst_ModalWindows::TheOpenerIsActiveAgainOnceTheModalWindowHasGone_data() {
    QTest::addColumn<bool>("bMessageBox");
    QTest::newRow("message box") << true;
    QTest::newRow("dialog") << false;
}

void tst_ModalWindows::TheOpenerIsActiveAgainOnceTheModalWindowHasGone() {
    QFETCH(bool, bMessageBox);
    QWidget wForm;
    auto *edt = new QLineEdit(&wForm);
    wForm.show();
    wForm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&wForm));
    edt->setFocus();
    // Closed from inside, and then no window is active, as on a desktop
    // whose window manager gives the activation to nobody.
    pRunInsideNextModal([](QWidget &wModal) {
        wModal.close();
        QApplication::setActiveWindow(nullptr);
    });
    if (bMessageBox) {
        fniShowMessageBox({QStringLiteral("Blanks are not allowed"),
                           QStringLiteral("Shipper - Invalid Data"),
                           {},
                           {},
                           mikWarning,
                           {}});
    } else {
        QDialog dlg(&wForm);
        fniExecModal(dlg);
    }
    QTRY_VERIFY(wForm.isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), edt);
}

QTEST_MAIN(tst_ModalWindows)
#include "tst_ModalWindows.moc"
