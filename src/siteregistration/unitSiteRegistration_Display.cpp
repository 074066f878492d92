// The completion page's account of what the host allocated: the two ranges
// and, when the user asked for a pickup, the pickup address.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationReply.h"
#include "unitSiteRegistrationStrings.h"

#include "UnitControlLookup.h"

#include <QLabel>

namespace {
const QColor cclMaroon(0x80, 0x00, 0x00);
// Where the closing note goes when the pickup lines above it are fewer.
constexpr int ciNoteTopPickupFailed = 162;
constexpr int ciNoteTopNoPickup = 138;

// The completion page is built elsewhere; a label it lacks is skipped.
class TclsCompletionPage {
public:
    explicit TclsCompletionPage(QWidget *wPage) : wPage(wPage) {}

    QLabel *fnlblFind(const char *pchName) const {
        return qobject_cast<QLabel *>(fnwFindControl(wPage, QLatin1String(pchName)));
    }
    void pSetText(const char *pchName, const QString &stText) const {
        if (QLabel *lbl = fnlblFind(pchName))
            lbl->setText(stText);
    }
    void pSetValue(const char *pchName, const QString &stText) const {
        if (QLabel *lbl = fnlblFind(pchName)) {
            QPalette pal = lbl->palette();
            pal.setColor(QPalette::WindowText, cclMaroon);
            lbl->setPalette(pal);
            lbl->setText(stText);
        }
    }
    void pHide(const char *pchName) const {
        if (QLabel *lbl = fnlblFind(pchName))
            lbl->hide();
    }
    void pMoveToTop(const char *pchName, int iTop) const {
        if (QLabel *lbl = fnlblFind(pchName))
            lbl->move(lbl->x(), iTop);
    }

private:
    QWidget *wPage;
};

QString fnstRangeText(const TrecRangeReply &rec) {
    return rec.fnbAllocated() ? rec.stLowerBound + fnstRS(srs::rsRangeTo) + rec.stUpperBound
                              : fnstRS(srs::rsRangeNotAvailable);
}

QString fnstFieldCaption(TResourceString rs) {
    return fnstRS(rs) + QLatin1Char(':');
}

void pShowPickupAddress(const TclsCompletionPage &objPage, const TrecPickupReply &rec,
                        const QString &stZorvAccount) {
    objPage.pSetText("lblfspickupdetailstatus", fnstRS(srs::rsSuccessful));
    objPage.pSetText("lblfsPickupAddrDetails",
                     fnstRS(srs::rsPickupAddressDetails) + QStringLiteral(" :"));
    objPage.pSetText("lblfsaccountno", fnstRS(srs::rsAccountNo) + QLatin1Char('.'));
    objPage.pSetText("lblfsaccountnovalue", stZorvAccount);
    objPage.pSetText("lblfsaddress1", fnstFieldCaption(srs::rsAddress1));
    objPage.pSetText("lblfsaddress2", fnstFieldCaption(srs::rsAddress2));
    objPage.pSetText("lblfsaddress3", fnstFieldCaption(srs::rsAddress3));
    objPage.pSetText("lblfspostcode", fnstFieldCaption(srs::rsPostCode));
    objPage.pSetText("lblfscity", fnstFieldCaption(srs::rsCity));
    objPage.pSetValue("lblfsaddressvalue", rec.stAddress1);
    objPage.pSetValue("lblfsaddress2value", rec.stAddress2);
    objPage.pSetValue("lblfsaddress3value", rec.stAddress3);
    objPage.pSetValue("lblfspostcodevalue", rec.stPostcode);
    objPage.pSetValue("lblfscityvalue", rec.stCity);
}

void pShowAllocation(QWidget *wPage, bool bPickupRequested, const QString &stZorvAccount,
                     const TrecRangeReply &recShipment, const TrecRangeReply &recLP,
                     const TrecPickupReply &recPickup) {
    const TclsCompletionPage objPage(wPage);
    objPage.pSetText("lblfsrangeshipment", fnstRS(srs::rsShipmentRangeCaption));
    objPage.pSetValue("lblfsrangeshipmentvalues", fnstRangeText(recShipment));
    objPage.pSetText("lblfsrangelicence", fnstRS(srs::rsLicenceRangeCaption));
    objPage.pSetValue("lblfsrangelicencevalues", fnstRangeText(recLP));
    if (!bPickupRequested) {
        objPage.pHide("lblfspickupdetail");
        objPage.pHide("lblfspickupdetailstatus");
        objPage.pMoveToTop("lblRegCompleted4", ciNoteTopNoPickup);
        return;
    }
    // The status line needs its caption whichever way the request went.
    objPage.pSetText("lblfspickupdetail", fnstRS(srs::rsPickupDetailRequest));
    if (recPickup.fnbKnown()) {
        pShowPickupAddress(objPage, recPickup, stZorvAccount);
    } else {
        objPage.pHide("lblfsPickupAddrDetails");
        objPage.pMoveToTop("lblRegCompleted4", ciNoteTopPickupFailed);
        objPage.pSetText("lblfspickupdetailstatus", fnstRS(srs::rsNotSuccessful));
    }
}
} // namespace

void TclsRWSiteRegistration::pSetCompletionPage(QWidget *wPage, bool bPickup,
                                                const QString &stAccount) {
    wCompletionPage = wPage;
    bPickupRequested = bPickup;
    stZorvAccount = stAccount;
}

void TclsRWSiteRegistration::pDisplayAllocationDetails(const TrecMessageHeaderStructure &recReply) {
    pShowAllocation(wCompletionPage, bPickupRequested, stZorvAccount,
                    fnrecRangeReply(recReply.recShipmentRange),
                    fnrecRangeReply(recReply.recLPRange), fnrecPickupReply(recReply.recPickup));
}

void TclsRWSiteRegistration::pDisplayAllocationDetails(const TrecSiteRegHTTPResp &recReply) {
    pShowAllocation(wCompletionPage, bPickupRequested, stZorvAccount,
                    fnrecShipmentRangeReply(recReply), fnrecLPRangeReply(recReply),
                    fnrecPickupReply(recReply));
}
