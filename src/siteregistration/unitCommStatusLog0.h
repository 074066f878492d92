// TfrmCommStatusLog0: the status window of logging level 0, showing
// the latest line in the group box "Status".
#pragma once

#include "UnitCommStatusBase.h"

namespace Ui {
class TfrmCommStatusLog0;
}

class TfrmCommStatusLog0 : public TfrmCommStatusBase {
    Q_OBJECT

public:
    explicit TfrmCommStatusLog0(QWidget *parent = nullptr);
    ~TfrmCommStatusLog0() override;

protected:
    QString fnstUnit() const override;
    void pShowLine(const QString &stLine, const QString &stShown) override;
    QString fnstStatusText() const override;
    void pSetStatusText(const QString &stText) override;

private:
    std::unique_ptr<Ui::TfrmCommStatusLog0> ui;
};
