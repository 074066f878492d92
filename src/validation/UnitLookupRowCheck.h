// Whether a statement that checks one typed value finds a row.
#pragma once

#include <QString>

// The statement has one "?" for the value; an unreadable table finds nothing.
bool fnbRowExists(const QString &stSQL, const QString &stValue);
