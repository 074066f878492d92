// TfraState: the state combo of the sender page, listing the states of the
// current country and refusing a state the state table does not know.
#pragma once

#include "UnitFraLookup.h"

namespace Ui {
class TfraState;
}

class TfraState : public TfraLookup {
    Q_OBJECT
public:
    explicit TfraState(QWidget *wParent = nullptr);
    ~TfraState() override;

    QString fnstState() const;
    void pSetState(const QString &stState);
    QString fnstCountryCode() const { return stCountryCode; }
    // Lists the states of this country.
    void pSetCountryCode(const QString &stCode);

    Ui::TfraState *ui;

private:
    void pStateLeft();
    void pLookup();
    void pApplyCaption() override;

    QString stCountryCode, stHeldState;
};
