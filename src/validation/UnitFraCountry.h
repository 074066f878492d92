// TfraCountry: the country code and name combos of the sender page, kept in
// step with each other and with the country table, and the chosen country's
// details (state caption, postcode use, customs flags).
#pragma once

#include "UnitFraLookup.h"

#include <QString>

namespace Ui {
class TfraCountry;
}

struct TrecCountryDetails {
    QString Country_cd, Country_name;
    QString state_label; // the state field's caption
    bool UsePostCode_flag = false;
    double Threshold_Value = 0;
    bool tc_allowed_flag = false, export_type_reqd_flag = false, terms_of_trade_reqd_flag = false;
    QString Currency_cd;
};

class TfraCountry : public TfraLookup {
    Q_OBJECT
public:
    explicit TfraCountry(QWidget *wParent = nullptr);
    ~TfraCountry() override;

    QString fnstCountryCode() const;
    // Selects the country of the code and reads its details.
    void pSetCountryCode(const QString &stCode);
    QString fnstCountryName() const;
    bool fnbIsJapanese() const;
    const TrecCountryDetails &fnrecDetails() const { return recDetails; }

    // Reads the details of the country of the code; 0 or the database library's code.
    int fniSetValues(const QString &stCode);
    // The check of the frame as a whole, for the page to run when the user
    // leaves the frame: the name must be a country of the list.
    bool fnbCheckCountry();

    Ui::TfraCountry *ui;

signals:
    void CountryChanged(const QString &stCode);
    void StateLabelChanged(const QString &stLabel);

private:
    void pCodeLeft();
    void pNameLeft();
    void pLookup();
    void pChoose(const QString &stCode, const QString &stName);
    void pApplyCaption() override;

    QString stHeldCode, stHeldName;
    TrecCountryDetails recDetails;
};
