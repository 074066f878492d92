// The events of the sender page's address fields: entering, changing and
// leaving the city and postcode fields and the country, state, suburb and
// airport frames keep the address consistent. The chosen country decides
// whether the address is given by postcode or by suburb, and every change that
// can make the airport code wrong empties it so that it is determined again.
//
// Construction (the wizard, once its sender page exists):
//
//     TclsSenderAddressEvents objEvents(pageSender, objAddressChecks, fnChooser, btnCancel);
//
// - wPage: the sender page; its controls are found by objectName (ignoring
//   case): edtSenderCity, edtSenderPostcode, lblSenderCitySuburb (or the label
//   whose buddy is the city field) and the frames fraSenderCountry (TfraCountry),
//   fraSenderState (TfraState), fraSenderSuburb (TfraSuburb), fraSenderIATA
//   (TfraIATA). Without all of them the object connects nothing.
// - objChecks: the page's address checks; the postcode exit runs their
//   postcode cleaning. It must outlive this object.
// - fnChooser: opens the destination-station list (the same chooser the
//   checks use); an empty chooser opens nothing.
// - wCancel: the wizard's Cancel button; leaving a field towards it changes
//   nothing. May be null.
//
// The object connects itself to the controls when it is created and is a
// child of the page, so it may be created with new and left to the page.
#pragma once

#include "unitAddressSearchList.h"
#include "unitSenderAddressControls.h"

#include <QObject>
#include <QPointer>

class QLabel;
class TclsSenderAddressChecks;
class TfraCountry;
class TfraIATA;
class TfraState;
class TfraSuburb;

// Which of the airport, country and state frames the user entered last.
enum class TAddressFrame { afNone, afAirport, afCountry, afState };

class TclsSenderAddressEvents : public QObject {
    Q_OBJECT
public:
    TclsSenderAddressEvents(QWidget *wPage, TclsSenderAddressChecks &objChecks,
                            TAddressChooser fnChooser, QWidget *wCancel);

    // Whether all the controls were found and the events are connected.
    bool fnbConnected() const { return bConnected; }
    TAddressFrame fnafLastFrameEntered() const { return afLastFrame; }

    // The events, for the page to run where it leaves a field on the user's
    // behalf; each does nothing when the focus is on its way to Cancel.
    void pCityEnter();
    void pCityExit();
    void pPostcodeEnter();
    void pPostcodeExit();
    void pCountryNameExit();
    void pCountryFrameExit();
    void pAirportExit();
    void pCountryLookedUp();
    void pStateLookedUp();
    void pAirportLookedUp();
    // Fills the address from a chosen destination-station row.
    void pFillFromStation(const TrecStationChoice &recRow);

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void pConnect();
    void pFocusChanged(QWidget *wOld, QWidget *wNow);
    void pFramesFocusChanged(QWidget *wOld, QWidget *wNow);
    bool fnbTowardsCancel() const;
    bool fnbUsesPostcode() const;
    QString fnstCountryCode() const;
    void pClearAirport();
    void pApplyCountryLayout();
    void pSetCityLayout(bool bSuburbs);
    void pShowSuburbsOfCity();
    void pFollowAirportCountry(const QString &stCountryCode);
    void pEnablePostcodeForCountry();
    void pAskPostcode();
    void pMarkAirport(bool bValid);
    void pGuarded(const char *pchMethod, const std::function<void()> &fn);

    QWidget *wPage;
    TclsSenderAddressChecks &objChecks;
    TAddressChooser fnChooser;
    QPointer<QWidget> wCancel;
    QLineEdit *edtSenderCity = nullptr, *edtSenderPostcode = nullptr;
    QLabel *lblSenderCitySuburb = nullptr;
    TfraCountry *fraSenderCountry = nullptr;
    TfraState *fraSenderState = nullptr;
    TfraSuburb *fraSenderSuburb = nullptr;
    TfraIATA *fraSenderIATA = nullptr;
    TrecSenderAddressControls recControls;
    bool bConnected = false;
    // Set while this object changes the fields itself: its own changes do not
    // empty the airport it is about to keep.
    bool bApplying = false;
    QString stCityOnEnter, stPostcodeOnEnter;
    // The country name as it stood when the country frame was entered; the
    // frame's check runs only for a country changed since.
    QString stCountryOnEnter;
    TAddressFrame afLastFrame = TAddressFrame::afNone;
};
