// Connecting the sender address events to the page's controls, and what the
// events share: the Cancel rule, the frame marks, emptying the airport.
#include "unitSenderAddressEvents.h"

#include "UnitControlLookup.h"
#include "UnitFocusSteps.h"
#include "UnitFraCountry.h"
#include "UnitFraIATA.h"
#include "UnitFraState.h"
#include "UnitFraSuburb.h"
#include "unitLogToFile.h"
#include "UnitMvLookupCombo.h"
#include "unitSenderAddressFill.h"

#include "ui_UnitFraCountry.h"
#include "ui_UnitFraIATA.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPointer>

#include <exception>

namespace {
template <class TControl> TControl *fnwFind(QWidget *wPage, const char *pchName) {
    return qobject_cast<TControl *>(fnwFindControl(wPage, QLatin1String(pchName)));
}

QLabel *fnlblOfCity(QWidget *wPage, QLineEdit *edtCity) {
    if (auto *lbl = fnwFind<QLabel>(wPage, "lblSenderCitySuburb"))
        return lbl;
    for (QLabel *lbl : wPage->findChildren<QLabel *>())
        if (edtCity && lbl->buddy() == edtCity)
            return lbl;
    return nullptr;
}

bool fnbWithin(const QWidget *wFrame, const QWidget *w) {
    return w && (w == wFrame || wFrame->isAncestorOf(w));
}
} // namespace

TclsSenderAddressEvents::TclsSenderAddressEvents(QWidget *wPage, TclsSenderAddressChecks &objChecks,
                                                 TAddressChooser fnChooser, QWidget *wCancel)
    : QObject(wPage), wPage(wPage), objChecks(objChecks), fnChooser(std::move(fnChooser)),
      wCancel(wCancel) {
    edtSenderCity = fnwFind<QLineEdit>(wPage, "edtSenderCity");
    edtSenderPostcode = fnwFind<QLineEdit>(wPage, "edtSenderPostcode");
    lblSenderCitySuburb = fnlblOfCity(wPage, edtSenderCity);
    fraSenderCountry = fnwFind<TfraCountry>(wPage, "fraSenderCountry");
    fraSenderState = fnwFind<TfraState>(wPage, "fraSenderState");
    fraSenderSuburb = fnwFind<TfraSuburb>(wPage, "fraSenderSuburb");
    fraSenderIATA = fnwFind<TfraIATA>(wPage, "fraSenderIATA");
    recControls = fnrecFindSenderAddressControls(wPage);
    if (fraSenderIATA)
        recControls.pRefreshIATAFrame = [this](const QString &st) { fraSenderIATA->pSetIATA(st); };
    bConnected = edtSenderCity && edtSenderPostcode && fraSenderCountry && fraSenderState &&
                 fraSenderSuburb && fraSenderIATA;
    if (bConnected)
        pConnect();
    else
        pWriteLog(2, QStringLiteral("unitRegistrationWizard"),
                  QStringLiteral("TclsSenderAddressEvents"),
                  QStringLiteral("The sender page lacks an address field; its events are off."));
}

void TclsSenderAddressEvents::pConnect() {
    edtSenderCity->installEventFilter(this);
    edtSenderPostcode->installEventFilter(this);
    const auto pClear = [this] { pClearAirport(); };
    connect(edtSenderCity, &QLineEdit::textChanged, this, pClear);
    connect(edtSenderPostcode, &QLineEdit::textChanged, this, pClear);
    connect(fraSenderCountry->ui->cmbCountryName, &QComboBox::currentTextChanged, this, pClear);
    connect(fraSenderCountry->ui->cmbCountryName, &TmvLookupCombo::Exited, this,
            [this] { pGuarded("cmbCountryNameExit", [this] { pCountryNameExit(); }); });
    connect(fraSenderIATA->ui->cmbIATA, &TmvLookupCombo::Exited, this,
            [this] { pGuarded("fraSenderIATAExit", [this] { pAirportExit(); }); });
    connect(fraSenderCountry, &TfraLookup::LookedUp, this,
            [this] { pGuarded("btnCountryLookupClick", [this] { pCountryLookedUp(); }); });
    connect(fraSenderState, &TfraLookup::LookedUp, this,
            [this] { pGuarded("btnStateLookupClick", [this] { pStateLookedUp(); }); });
    connect(fraSenderIATA, &TfraLookup::LookedUp, this,
            [this] { pGuarded("btnIATALookupClick", [this] { pAirportLookedUp(); }); });
    connect(qApp, &QApplication::focusChanged, this, &TclsSenderAddressEvents::pFocusChanged);
}

void TclsSenderAddressEvents::pGuarded(const char *pchMethod, const std::function<void()> &fn) {
    try {
        fn();
    } catch (const std::exception &e) {
        pWriteLog(3, QStringLiteral("unitRegistrationWizard"), QLatin1String(pchMethod),
                  QStringLiteral("EXCEPTION : ") + QString::fromLocal8Bit(e.what()));
    }
}

// The line edits report entering and leaving through their focus events;
// opening a pop-up or switching windows is neither. What entering and leaving
// do runs once the focus has moved, in the order the fields were entered and
// left.
bool TclsSenderAddressEvents::eventFilter(QObject *obj, QEvent *e) {
    if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason iReason = static_cast<QFocusEvent *>(e)->reason();
    if (iReason == Qt::PopupFocusReason || iReason == Qt::ActiveWindowFocusReason)
        return false;
    const bool bIn = e->type() == QEvent::FocusIn;
    if (obj == edtSenderCity)
        pQueueFocusStep(this, [this, bIn] {
            pGuarded(bIn ? "edtSenderCityEnter" : "edtSenderCityExit",
                     [&] { bIn ? pCityEnter() : pCityExit(); });
        });
    else if (obj == edtSenderPostcode)
        pQueueFocusStep(this, [this, bIn] {
            pGuarded(bIn ? "edtSenderPostcodeEnter" : "edtSenderPostcodeExit",
                     [&] { bIn ? pPostcodeEnter() : pPostcodeExit(); });
        });
    return false;
}

void TclsSenderAddressEvents::pFocusChanged(QWidget *wOld, QWidget *wNow) {
    if (!wNow || wNow->window() != wPage->window())
        return;
    pQueueFocusStep(this, [this, wOld = QPointer<QWidget>(wOld), wNow = QPointer<QWidget>(wNow)] {
        pFramesFocusChanged(wOld, wNow);
    });
}

// Entering a frame marks it; the focus leaving the country frame for another
// field of the same window is the frame's exit.
void TclsSenderAddressEvents::pFramesFocusChanged(QWidget *wOld, QWidget *wNow) {
    const std::pair<QWidget *, TAddressFrame> arFrames[] = {
        {fraSenderIATA, TAddressFrame::afAirport},
        {fraSenderCountry, TAddressFrame::afCountry},
        {fraSenderState, TAddressFrame::afState}};
    for (const auto &[wFrame, af] : arFrames)
        if (fnbWithin(wFrame, wNow) && !fnbWithin(wFrame, wOld))
            afLastFrame = af;
    if (fnbWithin(fraSenderCountry, wNow) && !fnbWithin(fraSenderCountry, wOld))
        stCountryOnEnter = fraSenderCountry->fnstCountryName();
    if (fnbWithin(fraSenderCountry, wOld) && !fnbWithin(fraSenderCountry, wNow))
        pGuarded("fraSenderCountryExit", [this] { pCountryFrameExit(); });
}

bool TclsSenderAddressEvents::fnbTowardsCancel() const {
    return wCancel && QApplication::focusWidget() == wCancel;
}

QString TclsSenderAddressEvents::fnstCountryCode() const {
    return fraSenderCountry->fnstCountryCode();
}

bool TclsSenderAddressEvents::fnbUsesPostcode() const {
    return fraSenderCountry->fnrecDetails().UsePostCode_flag;
}

// The airport no longer fits the address: it is determined again.
void TclsSenderAddressEvents::pClearAirport() {
    if (!bConnected || bApplying)
        return;
    fraSenderIATA->pSetIATA(QString());
    fraSenderIATA->setEnabled(true);
}

void TclsSenderAddressEvents::pFillFromStation(const TrecStationChoice &recRow) {
    if (!bConnected)
        return;
    fraSenderCountry->pSetCountryCode(recRow.stCountryCode.trimmed());
    pFillAddressFromStation(recControls, recRow);
}
