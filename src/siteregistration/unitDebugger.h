// TfrmDebugger: the communication log "Comm.log" of the Logs folder beside the
// program's folder, line by line, for a look after a modem call.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmDebugger;
}

class TfrmDebugger : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDebugger(QWidget *parent = nullptr);
    ~TfrmDebugger() override;

    // Fills lbxStatus from Comm.log and shows the window; without a Logs
    // folder the user is told the log cannot be found.
    void pDisplayDebugLog();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmDebugger> ui;
};
