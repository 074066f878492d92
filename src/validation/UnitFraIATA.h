// TfraIATA: the airport code combo of the sender page, listing the airports
// of the current country from the directory and refusing unknown codes.
#pragma once

#include "UnitFraLookup.h"

namespace Ui {
class TfraIATA;
}

class TfraIATA : public TfraLookup {
    Q_OBJECT
public:
    explicit TfraIATA(QWidget *wParent = nullptr);
    ~TfraIATA() override;

    QString fnstIATA() const;
    void pSetIATA(const QString &stIATA);
    QString fnstCountryCode() const { return stCountryCode; }
    // Lists the airports of this country.
    void pSetCountryCode(const QString &stCode);
    // The city of the row a search-list choice gave last.
    QString fnstChosenCity() const { return stChosenCity; }

    Ui::TfraIATA *ui;

private:
    void pIATALeft();
    void pLookup();
    void pApplyCaption() override;

    QString stCountryCode, stHeldIATA, stChosenCity;
};
