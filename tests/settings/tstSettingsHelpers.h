// Reading and changing rows behind the settings objects' backs.
#pragma once

#include "UnitAccessToDatabaseDLL.h"
#include "UnitAdHocQuery.h"
#include "UnitMV5Records.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QDate>

#include <gtest/gtest.h>

#include <vector>

// The rows of T's record class (all, or those of the criteria), in key order.
template <class T> std::vector<T> fnarRows(const TrecarFields &arCriteria = {{}}) {
    TobjarMVData objar;
    EXPECT_EQ(fniQueryRecords(arCriteria, objar, T().fnstClassName()), 0);
    std::vector<T> ar;
    for (const auto &obj : objar)
        ar.push_back(*fnobjAs<T>(obj));
    return ar;
}

// One user row to insert.
inline TobjarMVData fnarUser(const char *pchId) {
    auto obj = std::make_unique<TclsUsersData>();
    obj->user_id = QLatin1String(pchId);
    return fnarOne(std::move(obj));
}

// Runs a statement on the test's database; a failure fails the test.
inline void pExecute(const QString &stSQL) {
    TclsAdHocQuery query;
    EXPECT_EQ(query.fniExecute(stSQL), 0) << stSQL.toStdString();
}

// Every INSERT or UPDATE (stStatement) on the table fails.
inline void pRefuseWrites(const QString &stTable, const QString &stStatement) {
    EXPECT_EQ(fniRefuseWrites(stTable, stStatement, TRefusal::Raise), 0);
}

// Today's diagnostic log of an installation built with bLogging.
inline QString fnstTodaysLog(const TclsTestInstallation &objInstallation) {
    return QString::fromUtf8(objInstallation.fnbaReadFile(
        QStringLiteral("Logs/RegistrationWizard_%1.log")
            .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
}

// An installation that must have been built before the test goes on.
#define ASSERT_INSTALLED(objInstallation)                                                          \
    ASSERT_TRUE((objInstallation).fnbOk()) << qPrintable((objInstallation).fnstError())
