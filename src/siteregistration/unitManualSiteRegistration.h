// TfrmManualSiteRegistration: the dialog in which the user types a site ID
// obtained from the carrier when online registration failed. The ID is checked
// and stored by TclsRWSiteRegistration and handed back to the wizard through
// its callback; leaving without an ID asks whether to quit the application.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QKeyEvent;

namespace Ui {
class TfrmManualSiteRegistration;
}

// Where the dialog puts the site ID for the wizard ("unsuccess" when the ID
// could not be stored and the wizard must end).
class TclsSiteIdHolder {
public:
    QString stText;
};

class TfrmManualSiteRegistration : public QDialog {
    Q_OBJECT

public:
    explicit TfrmManualSiteRegistration(QWidget *parent = nullptr);
    ~TfrmManualSiteRegistration() override;

    // The wizard's callback, called once the holder has the result.
    void pExposedForInteraction(std::function<void()> fnCallback, TclsSiteIdHolder *pHolder);

public slots:
    // Esc: the same way out as Cancel.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    void btnOKClick();
    void btnCancelClick();
    // True when the dialog may close.
    bool fnbCancelClose();
    void pWarn(const QString &stMessage);
    void pReturnResult(const QString &stText);
    bool fnbSiteIdKeyPress(const QKeyEvent &objKey);
    void edtSiteIdExit();

    std::unique_ptr<Ui::TfrmManualSiteRegistration> ui;
    bool bExit = false;
    bool bCheckingExit = false;
    std::function<void()> fnCallback;
    TclsSiteIdHolder *pHolder = nullptr;
};
