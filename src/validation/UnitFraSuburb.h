// TfraSuburb: the suburb combo of the sender page, listing the suburbs of the
// current city and country; a suburb outside the list may be kept after a
// question, since the suburb table is never complete.
#pragma once

#include "UnitFraLookup.h"

namespace Ui {
class TfraSuburb;
}

class TfraSuburb : public TfraLookup {
    Q_OBJECT
public:
    explicit TfraSuburb(QWidget *wParent = nullptr);
    ~TfraSuburb() override;

    QString fnstSuburb() const;
    void pSetSuburb(const QString &stSuburb);
    // Lists the suburbs of the city in the country, or of the whole country
    // when the city is empty.
    void pSetDropDown(const QString &stCity, const QString &stCountryCode);
    void pSetCountryCode(const QString &stCode) { pSetDropDown(stCity, stCode); }
    void pSetCity(const QString &stNewCity) { pSetDropDown(stNewCity, stCountryCode); }
    // The city of the row a search-list choice gave last.
    QString fnstChosenCity() const { return stChosenCity; }

    Ui::TfraSuburb *ui;

private:
    void pLookup();
    void pApplyCaption() override;

    QString stCity, stCountryCode, stChosenCity;
};
