// An ad-hoc statement on the database library's connection. Statements are
// written in SQL Server's dialect, as the client's programs write them, and
// rewritten for the server in use; values are always bound ("?"), never spliced
// into the text.
#pragma once

#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

#include <optional>

class TclsAdHocQuery {
public:
    // A statement that returns rows; 0 or the library code.
    int fniOpen(const QString &stSQL, const QVariantList &vlBinds = {});
    // A statement that changes rows; 0 or the library code.
    int fniExecute(const QString &stSQL, const QVariantList &vlBinds = {});

    bool fnbNext();
    // A field of the current row by name, ignoring case; an invalid value when
    // there is no such field.
    QVariant fnvField(const QString &stName) const;
    QVariant fnvField(int iIndex) const;
    // The names of the open statement's columns, as the server spells them.
    QStringList fnslFieldNames() const;
    int fniRowsAffected() const;

private:
    int fniRun(const QString &stSQL, const QVariantList &vlBinds);
    std::optional<QSqlQuery> query;
};
