// Comma text: the list format the phone-number library answers in. Commas
// separate elements, and so does any unquoted blank or control character; an
// element in double quotes keeps its blanks and commas ("" stands for one quote).
#pragma once

#include <QStringList>

QStringList fnslCommaText(const QString &stText);

// The value of the first "name=value" element with this name; empty when none.
QString fnstCommaValue(const QStringList &slElements, const QString &stName);
