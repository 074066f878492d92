// TfrmCommStatusLog1: the status window of logging level 1, showing
// every line in a memo.
#pragma once

#include "UnitCommStatusBase.h"

namespace Ui {
class TfrmCommStatusLog1;
}

class TfrmCommStatusLog1 : public TfrmCommStatusBase {
    Q_OBJECT

public:
    explicit TfrmCommStatusLog1(QWidget *parent = nullptr);
    ~TfrmCommStatusLog1() override;

protected:
    QString fnstUnit() const override;
    void pShowLine(const QString &stLine, const QString &stShown) override;
    QString fnstStatusText() const override;
    void pSetStatusText(const QString &stText) override;

private:
    std::unique_ptr<Ui::TfrmCommStatusLog1> ui;
};
