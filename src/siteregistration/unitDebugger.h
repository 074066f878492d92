// TfrmDebugger: the communication log "Comm.log" of the Logs folder beside the
// program's folder, line by line, for a look after a modem call; and the
// closing of a call's window that opens it when the carrier asks for it.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TfrmDebugger;
}

class TfrmDebugger : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDebugger(QWidget *parent = nullptr);
    ~TfrmDebugger() override;

    // Fills lbxStatus from Comm.log and shows the window modally (through
    // fniExecModal); without a Logs folder the user is told the log cannot be
    // found.
    void pDisplayDebugLog();

public slots:
    // Every way the window closes (Esc, the system menu) ends here.
    void done(int iResult) override;

private:
    std::unique_ptr<Ui::TfrmDebugger> ui;
};

// The end of closing a modem call's window (call progress, status window):
// when the call has ended and the carrier configuration's debugger flag
// (config_zorv.comm_debugger) is on, hides wClosing and shows the debugger
// until the user closes it; then frees the debugger window. Logged under the
// closing window's unit.
void pOpenDebuggerAfterCall(QWidget &wClosing, bool bCallEnded, const QString &stUnit);
