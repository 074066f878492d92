// TfrmCallProgress: what the user sees while a dial attempt is under way: the
// number dialled, the modem, the attempt, the current activity, the seconds
// since the window came up, and Cancel, which asks the library to abort.
#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

namespace Ui {
class TfrmCallProgress;
}

class TfrmCallProgress : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCallProgress(QWidget *parent = nullptr);
    ~TfrmCallProgress() override;

    // The library's latest line: shown as the current activity; a dialling
    // line gives the number, an attempt line counts one more attempt, a line
    // that ends the call lets closing the window open the debugger.
    void pSetActivity(const QString &stLine);

    // One tick of tmrElapsedTime.
    void tmrElapsedTimeTimer();

    QTimer tmrElapsedTime;

public slots:
    // Esc: the same as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void acpCancelClick();

    std::unique_ptr<Ui::TfrmCallProgress> ui;
    bool bAbort = false;
    int iAttempt = 0;
    int iElapsedSeconds = 0;
    bool bCallEnded = false;
    QString stDialNo;
};
