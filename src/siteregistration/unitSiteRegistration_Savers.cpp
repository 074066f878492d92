// Storing what the host answered: the site ID in the product configuration,
// the shipment-number and LP-number ranges and the pickup address, each in the
// first row of its table, all in one transaction; and the checks the host's
// values pass before anything is stored.
#include "unitSiteRegistration.h"
#include "unitSiteRegistrationReply.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitDatabaseConstants.h"
#include "unitLogToFile.h"
#include "unitRWConstants.h"
#include "unitRWSettings.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
const QString cstUnit = QStringLiteral("unitSiteRegistration");
// The range savers and the pickup saver report under the site ID's name.
const QString cstSaveSiteID = QStringLiteral("fnstSaveSiteID");
const QString cstConfigMorvaneQueryFailed =
    QStringLiteral("Query Record on the config_morvane table failed.");
const QString cstConfigMorvaneUpdateFailed =
    QStringLiteral("Update Record on the config_morvane table failed.");

// The allocation date as the row stores it; no date when the text is none.
QDateTime fndtAllocationDate(const QString &stDate) {
    const std::optional<QDate> optDate = TclsRWSiteRegistration::fnbFormatDate(stDate);
    return optDate ? QDateTime(*optDate, QTime(0, 0)) : QDateTime();
}

// The country's name for its code; nullopt when the country table has none.
std::optional<QString> fnoptCountryName(const QString &stCountryCode) {
    TclsAdHocQuery query;
    if (query.fniOpen(QStringLiteral("Select Country_Name from country where country_cd = ?"),
                      {stCountryCode}) != dbc::iSuccess) {
        pWriteLog(2, cstUnit, cstSaveSiteID,
                  QStringLiteral("Country name could not be read for ") + stCountryCode);
        return std::nullopt;
    }
    if (!query.fnbNext())
        return std::nullopt;
    return query.fnvField(0).toString();
}

// A licence plate is a one-character prefix, a three-character type and a
// number; the upper bound's number is as long as the lower bound's.
struct TrecLicencePlates {
    QString stPrefix, stType, stNumber, stEndNumber;
};
TrecLicencePlates fnrecLicencePlates(const TrecRangeReply &rec) {
    const QString stNumber = rec.stLowerBound.mid(4);
    return {rec.stLowerBound.left(1), rec.stLowerBound.mid(1, 3), stNumber,
            rec.stUpperBound.mid(4, stNumber.size())};
}

// The rows one answer changes, read and filled; the product configuration
// first.
class TclsAnswerRows {
public:
    // False (with the library's code) when a row could not be read.
    bool fnbRead(const TrecRegistrationAnswer &rec, int &iCode) {
        return fnbFirstRow<TclsConfigMorvaneData>(QStringLiteral("TclsConfigMorvaneDB"),
                                                  cstConfigMorvaneQueryFailed, iCode,
                                                  [&](auto &objRow) {
                                                      objRow.site_id = fnstCut(rec.stSiteId, 16);
                                                      objRow.changed_by = cstWizardUser;
                                                  }) &&
               (!rec.recShipment.fnbAllocated() ||
                fnbFirstRow<TclsShipmentNumberData>(
                    QStringLiteral("TclsShipmentNumberDB"),
                    QStringLiteral("Query Record on the Shipment Number table failed."), iCode,
                    [&](auto &objRow) { pFillShipment(objRow, rec.recShipment); })) &&
               (!rec.recLP.fnbAllocated() ||
                fnbFirstRow<TclsZorvLpData>(QStringLiteral("TclsZorvLpDB"),
                                            cstConfigMorvaneQueryFailed, iCode,
                                            [&](auto &objRow) { pFillLP(objRow, rec.recLP); })) &&
               (!rec.recPickup.fnbKnown() ||
                fnbFirstRow<TclsPickupData>(
                    QStringLiteral("TclsPickupDB"), cstConfigMorvaneQueryFailed, iCode,
                    [&](auto &objRow) { pFillPickup(objRow, rec.recPickup); }));
    }
    TclsMVData &fnobjConfiguration() { return *objarRows.front(); }
    std::vector<TclsMVData *> fnarRecords() const {
        std::vector<TclsMVData *> ar;
        for (const auto &obj : objarRows)
            ar.push_back(obj.get());
        return ar;
    }

private:
    template <class TRecord, class F>
    bool fnbFirstRow(const QString &stClassName, const QString &stFailLog, int &iCode, F fnFill) {
        TobjarMVData objarFound;
        iCode = fniQueryRecords({{}}, objarFound, stClassName);
        if (iCode != dbc::iSuccess || objarFound.empty()) {
            pWriteLog(3, cstUnit, cstSaveSiteID, stFailLog);
            return false;
        }
        fnFill(dynamic_cast<TRecord &>(*objarFound.front()));
        objarRows.push_back(std::move(objarFound.front()));
        return true;
    }
    static void pFillShipment(TclsShipmentNumberData &objRow, const TrecRangeReply &rec) {
        objRow.start_number = fnstCut(rec.stLowerBound, 16);
        objRow.current_number = fnstCut(rec.stLowerBound, 16);
        objRow.end_number = fnstCut(rec.stUpperBound, 16);
        objRow.allocation_date = fndtAllocationDate(rec.stAllocationDate);
        objRow.changed_by = cstWizardUser;
    }
    static void pFillLP(TclsZorvLpData &objRow, const TrecRangeReply &rec) {
        const TrecLicencePlates recPlates = fnrecLicencePlates(rec);
        objRow.lp_prefix = fnstCut(recPlates.stPrefix, 3);
        objRow.lp_type = fnstCut(recPlates.stType, 30);
        objRow.start_number = fnstCut(recPlates.stNumber, 35);
        objRow.current_number = fnstCut(recPlates.stNumber, 35);
        objRow.end_number = fnstCut(recPlates.stEndNumber, 35);
        objRow.changed_by = cstWizardUser;
    }
    static void pFillPickup(TclsPickupData &objRow, const TrecPickupReply &rec) {
        objRow.address1 = fnstCut(rec.stAddress1, 30);
        objRow.address2 = fnstCut(rec.stAddress2, 30);
        objRow.address3 = fnstCut(rec.stAddress3, 30);
        objRow.city = fnstCut(rec.stCity, 45);
        objRow.postcode = fnstCut(rec.stPostcode, 12);
        if (const std::optional<QString> optName = fnoptCountryName(rec.stCountryCode))
            objRow.country_name = fnstCut(*optName, 30);
    }

    TobjarMVData objarRows;
};

bool fnbDigits(const QString &st) {
    static const QRegularExpression reDigits(QStringLiteral("^[0-9]+$"));
    return reDigits.match(st).hasMatch();
}

// Two numbers of digits: the first is not above the second.
bool fnbNotAbove(const QString &stLow, const QString &stHigh) {
    const auto fnstSignificant = [](const QString &st) {
        const qsizetype i = st.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
        return i < 0 ? QString() : st.mid(i);
    };
    const QString stA = fnstSignificant(stLow), stB = fnstSignificant(stHigh);
    return stA.size() != stB.size() ? stA.size() < stB.size() : stA <= stB;
}

// Why a range the host allocated is refused; empty when it is not.
QString fnstRefusedRange(const char *pchName, const QString &stLow, const QString &stHigh) {
    if (!fnbDigits(stLow) || !fnbDigits(stHigh))
        return QStringLiteral("%1: a bound is not all digits").arg(QLatin1String(pchName));
    if (!fnbNotAbove(stLow, stHigh))
        return QStringLiteral("%1: the low bound is above the high bound")
            .arg(QLatin1String(pchName));
    return {};
}
} // namespace

bool fnbValidSiteId(const QString &stSiteId) {
    if (stSiteId.size() != 16)
        return false;
    const QString stUpper = stSiteId.toUpper();
    static const QRegularExpression reForm(QStringLiteral("^[A-Z]{3}.{10}ZOZ$"));
    if (!reForm.match(stUpper).hasMatch())
        return false;
    // A sign is part of an integer's text; blanks and anything else are not.
    const QString stNumber = stSiteId.mid(3, 10);
    static const QRegularExpression reInteger(QStringLiteral("^[+-]?[0-9]+$"));
    bool bNumber = false;
    stNumber.toInt(&bNumber, 10);
    return bNumber && reInteger.match(stNumber).hasMatch();
}

QString fnstRefusedHostValue(const TrecRegistrationAnswer &rec) {
    const std::pair<const char *, QString> arValues[] = {
        {"site_id", rec.stSiteId},
        {"shp_status", rec.recShipment.stStatus},
        {"shp_low", rec.recShipment.stLowerBound},
        {"shp_high", rec.recShipment.stUpperBound},
        {"shp_date", rec.recShipment.stAllocationDate},
        {"lp_status", rec.recLP.stStatus},
        {"lp_low", rec.recLP.stLowerBound},
        {"lp_high", rec.recLP.stUpperBound},
        {"pu_status", rec.recPickup.stStatus},
        {"pu_addr1", rec.recPickup.stAddress1},
        {"pu_addr2", rec.recPickup.stAddress2},
        {"pu_addr3", rec.recPickup.stAddress3},
        {"pu_city", rec.recPickup.stCity},
        {"pu_postcode", rec.recPickup.stPostcode},
        {"pu_country", rec.recPickup.stCountryCode},
    };
    for (const auto &[pchName, st] : arValues)
        if (std::any_of(st.begin(), st.end(),
                        [](QChar ch) { return ch.category() == QChar::Other_Control; }))
            return QStringLiteral("%1: a control character").arg(QLatin1String(pchName));
    if (!fnbValidSiteId(rec.stSiteId))
        return QStringLiteral("site_id: not of the form of a site ID");
    if (rec.recShipment.fnbAllocated())
        if (QString st = fnstRefusedRange("shp_low/shp_high", rec.recShipment.stLowerBound,
                                          rec.recShipment.stUpperBound);
            !st.isEmpty())
            return st;
    if (rec.recLP.fnbAllocated()) {
        const TrecLicencePlates recPlates = fnrecLicencePlates(rec.recLP);
        return fnstRefusedRange("lp_low/lp_high", recPlates.stNumber, recPlates.stEndNumber);
    }
    return {};
}

// The product configuration's row is locked while the answer is written, as
// any save of it is; the lock is always given back.
QString fnstSaveHostAnswer(const TrecRegistrationAnswer &rec) {
    QString stResult;
    try {
        TclsAnswerRows objRows;
        int iCode = dbc::iSuccess;
        if (!objRows.fnbRead(rec, iCode))
            return fnstGetDBErrorMessage(iCode);
        const qint32 iKey = objRows.fnobjConfiguration().record_key;
        const QString stClass = QStringLiteral("TclsConfigMorvaneDB");
        iCode = fniLockRecord(iKey, stClass);
        if (iCode != dbc::iSuccess) {
            pWriteLog(3, cstUnit, cstSaveSiteID,
                      QStringLiteral("Lock Record on the config_morvane table failed."));
            return fnstGetDBErrorMessage(iCode);
        }
        iCode = fniUpdateRecordsWhole(objRows.fnarRecords());
        fniUnLockRecord(iKey, stClass);
        if (iCode == dbc::iSuccess)
            return cstSuccess;
        pWriteLog(3, cstUnit, cstSaveSiteID, cstConfigMorvaneUpdateFailed);
        stResult = fnstGetDBErrorMessage(iCode);
    } catch (const std::exception &e) {
        pWriteLog(4, cstUnit, cstSaveSiteID, QString::fromLocal8Bit(e.what()));
    }
    return stResult;
}

QString TclsRWSiteRegistration::fnstSaveSiteID(const QString &stSiteId) {
    return fnstSaveHostAnswer({stSiteId, {}, {}, {}});
}

std::optional<QDate> TclsRWSiteRegistration::fnbFormatDate(const QString &stDate) {
    // The host's "no date".
    if (stDate == QLatin1String("       0"))
        return QDate(1999, 11, 11);
    static const QRegularExpression reDigits(QStringLiteral("^[0-9]{8}$"));
    const QDate dt =
        reDigits.match(stDate).hasMatch()
            ? QDate(stDate.mid(4, 4).toInt(), stDate.mid(2, 2).toInt(), stDate.left(2).toInt())
            : QDate();
    if (!dt.isValid()) {
        pWriteLog(
            3, cstUnit, QStringLiteral("fnbFormatDate"),
            QStringLiteral(
                "Exception occurred - Unable to formats the date string(ddmmyyyy) to TDate.."));
        return std::nullopt;
    }
    return dt;
}
