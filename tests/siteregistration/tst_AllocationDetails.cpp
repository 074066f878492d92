// The completion page's account of the host's answer: range texts in maroon,
// the pickup address when a pickup was asked for, and the closing note moved
// up when pickup lines are left out. Labels are found by name, ignoring case.
#include "tstSiteRegReplies.h"

#include <QLabel>
#include <QtTest>

namespace {
const char *const carLabels[] = {"lblfsrangeshipment",     "lblfsrangeshipmentvalues",
                                 "lblfsrangelicence",      "lblfsrangelicencevalues",
                                 "lblfspickupdetail",      "lblfspickupdetailstatus",
                                 "lblfsPickupAddrDetails", "lblfsaccountno",
                                 "lblfsaccountnovalue",    "lblfsaddress1",
                                 "lblfsaddress2",          "lblfsaddress3",
                                 "lblfspostcode",          "lblfscity",
                                 "lblfsaddressvalue",      "lblfsaddress2value",
                                 "lblfsaddress3value",     "lblfspostcodevalue",
                                 "lblfscityvalue",         "lblRegCompleted4"};

const QColor cclMaroon(0x80, 0x00, 0x00);
const TrecRangeText crecShipment{"0", "1234567890", "1234569999", "15032024"};
const TrecRangeText crecLP{"0", "JDA1234", "JDA123999", "       0"};
const TrecPickupText crecPickup{"0",    "Unit 4", "Harbour Road", "Onehunga", "Auckland",
                                "1061", "NZ"};

// A completion page holding the named labels; a few are spelt in another case.
struct TrecPage {
    QWidget wPage;
    TrecPage() {
        for (const char *pchName : carLabels) {
            auto *lbl = new QLabel(QStringLiteral("design"), &wPage);
            QString stName = QString::fromLatin1(pchName);
            if (stName == QLatin1String("lblfsrangelicencevalues"))
                stName = QStringLiteral("lblFSRangeLicenceValues");
            lbl->setObjectName(stName);
            lbl->move(10, 300);
        }
    }
    QLabel *lbl(const char *pchName) const {
        for (QLabel *p : wPage.findChildren<QLabel *>())
            if (p->objectName().compare(QLatin1String(pchName), Qt::CaseInsensitive) == 0)
                return p;
        qFatal("no label %s", pchName);
    }
    QString fnstText(const char *pchName) const { return lbl(pchName)->text(); }
    bool fnbMaroon(const char *pchName) const {
        return lbl(pchName)->palette().color(QPalette::WindowText) == cclMaroon;
    }
    bool fnbHidden(const char *pchName) const { return lbl(pchName)->isHidden(); }
    int fniTop(const char *pchName) const { return lbl(pchName)->y(); }
};
} // namespace

class tst_AllocationDetails : public QObject {
    Q_OBJECT

private slots:
    void TheRangesAreShownInMaroonOrNotAvailable();
    void PickupLinesFollowTheRequestAndTheHostsAnswer();
    void APageWithoutTheLabelsIsLeftAlone();
};

void tst_AllocationDetails::TheRangesAreShownInMaroonOrNotAvailable() {
    const QString stNotAvailable = QStringLiteral("Range not available");
    const struct {
        const char *pchCase;
        TrecRangeText recShipment, recLP;
        QString stShipment, stLP;
    } arCases[] = {
        {"both allocated", crecShipment, crecLP, QStringLiteral("1234567890  to  1234569999"),
         QStringLiteral("JDA1234  to  JDA123999")},
        {"status 1", {"1", "1", "2"}, {"2", "JDA1", "JDA2"}, stNotAvailable, stNotAvailable},
        {"a bound missing", {"0", "", "2"}, {"0", "JDA1", ""}, stNotAvailable, stNotAvailable},
    };
    for (const bool bHTTP : {false, true}) {
        for (const auto &rec : arCases) {
            const QByteArray baCase = QByteArray(rec.pchCase) + (bHTTP ? " (HTTP)" : " (modem)");
            TrecPage recPage;
            TclsRWSiteRegistration objSiteRegistration;
            objSiteRegistration.pSetCompletionPage(&recPage.wPage, false, QString());
            if (bHTTP) {
                objSiteRegistration.pDisplayAllocationDetails(fnrecHTTPReply(
                    "REGP", QStringLiteral("ABC1234567890ZOZ"), rec.recShipment, rec.recLP, {}));
            } else {
                const TrecModemReply recReply("REGPABC1234567890ZOZ", rec.recShipment, rec.recLP);
                objSiteRegistration.pDisplayAllocationDetails(recReply.rec);
            }
            QVERIFY2(
                recPage.fnstText("lblfsrangeshipment") ==
                    QStringLiteral("Range of shipment no allocated for this installation is :"),
                baCase);
            QVERIFY2(
                recPage.fnstText("lblfsrangelicence") ==
                    QStringLiteral("Range of licence plate no allocated for this transaction is :"),
                baCase);
            QVERIFY2(recPage.fnstText("lblfsrangeshipmentvalues") == rec.stShipment, baCase);
            QVERIFY2(recPage.fnstText("lblfsrangelicencevalues") == rec.stLP, baCase);
            QVERIFY2(recPage.fnbMaroon("lblfsrangeshipmentvalues"), baCase);
            QVERIFY2(recPage.fnbMaroon("lblfsrangelicencevalues"), baCase);
        }
    }
    // A modem range whose lower bound is the single character NUL.
    TrecPage recPage;
    TclsRWSiteRegistration objSiteRegistration;
    objSiteRegistration.pSetCompletionPage(&recPage.wPage, false, QString());
    TrecModemReply recReply("REGPABC1234567890ZOZ", crecShipment, crecLP);
    recReply.rec.recShipmentRange.achLowerBound[0] = '\0';
    objSiteRegistration.pDisplayAllocationDetails(recReply.rec);
    QCOMPARE(recPage.fnstText("lblfsrangeshipmentvalues"), stNotAvailable);
}

void tst_AllocationDetails::PickupLinesFollowTheRequestAndTheHostsAnswer() {
    const struct {
        const char *pchCase;
        bool bPickupRequested;
        const char *pchPickupStatus;
        QString stDetail, stStatus;
        bool bDetailHidden, bStatusHidden, bAddressHidden;
        int iNoteTop;
    } arCases[] = {
        {"no pickup asked", false, "0", QStringLiteral("design"), QStringLiteral("design"), true,
         true, false, 138},
        {"pickup known", true, "0", QStringLiteral("Pickup detail request is :"),
         QStringLiteral("Successful"), false, false, false, 300},
        {"pickup not known", true, "1", QStringLiteral("Pickup detail request is :"),
         QStringLiteral("Not Successful"), false, false, true, 162},
    };
    for (const bool bHTTP : {false, true}) {
        for (const auto &rec : arCases) {
            const QByteArray baCase = QByteArray(rec.pchCase) + (bHTTP ? " (HTTP)" : " (modem)");
            TrecPage recPage;
            TclsRWSiteRegistration objSiteRegistration;
            objSiteRegistration.pSetCompletionPage(&recPage.wPage, rec.bPickupRequested,
                                                   QStringLiteral("123456789"));
            TrecPickupText recPickup = crecPickup;
            recPickup.pchStatus = rec.pchPickupStatus;
            if (bHTTP) {
                objSiteRegistration.pDisplayAllocationDetails(fnrecHTTPReply(
                    "REGP", QStringLiteral("ABC1234567890ZOZ"), crecShipment, crecLP, recPickup));
            } else {
                const TrecModemReply recReply("REGPABC1234567890ZOZ", crecShipment, crecLP,
                                              recPickup);
                objSiteRegistration.pDisplayAllocationDetails(recReply.rec);
            }
            QVERIFY2(recPage.fnstText("lblfspickupdetail") == rec.stDetail, baCase);
            QVERIFY2(recPage.fnstText("lblfspickupdetailstatus") == rec.stStatus, baCase);
            QVERIFY2(recPage.fnbHidden("lblfspickupdetail") == rec.bDetailHidden, baCase);
            QVERIFY2(recPage.fnbHidden("lblfspickupdetailstatus") == rec.bStatusHidden, baCase);
            QVERIFY2(recPage.fnbHidden("lblfsPickupAddrDetails") == rec.bAddressHidden, baCase);
            QVERIFY2(recPage.fniTop("lblRegCompleted4") == rec.iNoteTop, baCase);
            const bool bAddressShown = rec.bPickupRequested && rec.pchPickupStatus[0] == '0';
            const QStringList slShown{
                recPage.fnstText("lblfsPickupAddrDetails"), recPage.fnstText("lblfsaccountno"),
                recPage.fnstText("lblfsaccountnovalue"),    recPage.fnstText("lblfsaddress1"),
                recPage.fnstText("lblfsaddressvalue"),      recPage.fnstText("lblfsaddress2"),
                recPage.fnstText("lblfsaddress2value"),     recPage.fnstText("lblfsaddress3"),
                recPage.fnstText("lblfsaddress3value"),     recPage.fnstText("lblfspostcode"),
                recPage.fnstText("lblfspostcodevalue"),     recPage.fnstText("lblfscity"),
                recPage.fnstText("lblfscityvalue")};
            const QStringList slExpected =
                bAddressShown ? QStringList{QStringLiteral("Pickup address details :"),
                                            QStringLiteral("Account No."),
                                            QStringLiteral("123456789"),
                                            QStringLiteral("Address 1:"),
                                            QStringLiteral("Unit 4"),
                                            QStringLiteral("Address 2:"),
                                            QStringLiteral("Harbour Road"),
                                            QStringLiteral("Address 3:"),
                                            QStringLiteral("Onehunga"),
                                            QStringLiteral("Post Code:"),
                                            QStringLiteral("1061"),
                                            QStringLiteral("City:"),
                                            QStringLiteral("Auckland")}
                              : QStringList(13, QStringLiteral("design"));
            QVERIFY2(slShown == slExpected, qPrintable(baCase + ": " + slShown.join('|').toUtf8()));
            if (bAddressShown)
                for (const char *pchValue :
                     {"lblfsaddressvalue", "lblfsaddress2value", "lblfsaddress3value",
                      "lblfspostcodevalue", "lblfscityvalue"})
                    QVERIFY2(recPage.fnbMaroon(pchValue), pchValue);
        }
    }
}

void tst_AllocationDetails::APageWithoutTheLabelsIsLeftAlone() {
    QWidget wPage;
    auto *lblOther = new QLabel(QStringLiteral("other"), &wPage);
    lblOther->setObjectName(QStringLiteral("lblRegCompleted1"));
    TclsRWSiteRegistration objSiteRegistration;
    objSiteRegistration.pSetCompletionPage(&wPage, true, QString());
    const TrecModemReply recReply("REGPABC1234567890ZOZ", crecShipment, crecLP, crecPickup);
    objSiteRegistration.pDisplayAllocationDetails(recReply.rec);
    QCOMPARE(lblOther->text(), QStringLiteral("other"));
    TclsRWSiteRegistration().pDisplayAllocationDetails(recReply.rec); // no page at all
}

QTEST_MAIN(tst_AllocationDetails)
#include "tst_AllocationDetails.moc"
