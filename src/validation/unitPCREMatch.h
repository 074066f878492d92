// Perl-compatible regular expressions (PCRE2, 8-bit), the dialect the phone
// rule table's patterns are written in.
#pragma once

#include <QString>

// Whether the pattern matches somewhere in the text. A pattern that does not
// compile throws std::runtime_error with PCRE2's message and offset.
bool fnbPCREMatch(const QString &stPattern, const QString &stText);
