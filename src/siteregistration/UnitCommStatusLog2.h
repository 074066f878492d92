// TfrmCommStatusLog2: the status window of logging level 2: every line in a
// memo, the latest in a label, how far the call has come in a progress bar,
// and the modem's line states as lights.
#pragma once

#include "UnitCommStatusBase.h"

class QPushButton;

namespace Ui {
class TfrmCommStatusLog2;
}

class TfrmCommStatusLog2 : public TfrmCommStatusBase {
    Q_OBJECT

public:
    explicit TfrmCommStatusLog2(QWidget *parent = nullptr);
    ~TfrmCommStatusLog2() override;

protected:
    QString fnstUnit() const override;
    void pShowLine(const QString &stLine, const QString &stShown) override;
    QString fnstStatusText() const override;
    void pSetStatusText(const QString &stText) override;

private:
    void pUpdateProgress(const QString &stLine);
    void pUpdateLights(const QString &stLine);
    void pSetLight(QPushButton *btnLight, const QString &stName, bool bOn);

    std::unique_ptr<Ui::TfrmCommStatusLog2> ui;
};
