// The host's memory of the sites it registered: one SQLite file, one row per
// registration with its site ID, company, the ranges handed out and when the
// request came. The next site number and the next free numbers follow from
// the rows, inside one immediate transaction, so ranges never overlap, also
// across restarts and between two hosts sharing the file.
#pragma once

#include <QDateTime>
#include <QString>

#include <mutex>
#include <optional>

struct TrecNumberRange {
    qint64 iLow = 0;
    qint64 iHigh = 0;
};

struct TrecRegistrationRequest {
    QString stSitePrefix; // three letters
    QString stCompany;
    qint64 iShipments = 0; // numbers asked for; 0 = no range
    qint64 iLPs = 0;
    QDateTime dtRequested;
};

struct TrecRegistration {
    QString stSiteId;
    std::optional<TrecNumberRange> recShipments; // none when not asked for or none left
    std::optional<TrecNumberRange> recLPs;
};

class TclsRegistrationStore {
public:
    explicit TclsRegistrationStore(QString stDatabaseFile) : stFile(std::move(stDatabaseFile)) {}

    // Creates the file and its table when missing.
    bool fnbOpen(QString &stError);

    // Hands out a site ID and the ranges asked for and records them.
    std::optional<TrecRegistration> fnrecRegister(const TrecRegistrationRequest &rec,
                                                  QString &stError);

    // How many registrations the file holds; -1 when it cannot be read.
    qint64 fniRegistrationCount();

private:
    QString stFile;
    // Requests arrive on several threads; one allocation at a time keeps
    // SQLite's busy waiting for other processes sharing the file.
    std::mutex mtxAllocation;
};
