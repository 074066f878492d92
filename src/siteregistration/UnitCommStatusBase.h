// TfrmCommStatusBase: what the three status windows share: the connection
// picture, Cancel, the caption, the disabled main window while one is shown,
// the may-close flag, and the outcome of the call told once per call.
#pragma once

#include <QAction>
#include <QDialog>
#include <QPointer>

#include <memory>

namespace Ui {
class TfrmCommStatusBase;
}

class TfrmCommStatusBase : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCommStatusBase(QWidget *parent = nullptr);
    ~TfrmCommStatusBase() override;

    // One status line of the library: the outcome lines end the call and tell
    // the user, every line is shown in the user's language.
    void fniUpdateStatusMsg(const QString &stLine);

    bool fnbMayClose() const { return bMayClose; }

    QAction actCancel;

public slots:
    // Esc: Cancel.
    void reject() override;

protected:
    // Where the derived window puts its own controls.
    QWidget *fnwContent() const;
    // The unit the derived window logs under.
    virtual QString fnstUnit() const = 0;
    // Shows a line: stLine as the library wrote it, stShown in the user's language.
    virtual void pShowLine(const QString &stLine, const QString &stShown) = 0;
    // The text the window's status label shows now.
    virtual QString fnstStatusText() const = 0;
    // Sets the window's status label.
    virtual void pSetStatusText(const QString &stText) = 0;

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Cancel: asks the library to abort the call under way; the window closes
    // only once it may.
    void acpCancelExecute();
    void pAbortCommunication();
    void pSetCaption();
    void pEndCall();
    // The outcome box and label; only the first of a call is shown.
    void pTellOutcome(const QString &stText, bool bLog);

    std::unique_ptr<Ui::TfrmCommStatusBase> ui;
    bool bMayClose = false; // set when the call ends
    QPointer<QWidget> wDisabledMain;
};
