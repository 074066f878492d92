// The rules for what the user types as proxy settings, shared by the proxy
// server settings dialog and the internet page.
#pragma once

#include "unitResourceStrings.h"

#include <QString>

#include <optional>

// A port as typed: blank is 0, digits are their value; nullopt for anything
// else (a pasted "80a"), which the caller reports as a conversion error.
std::optional<int> fnoptPortNumber(const QString &stText);

// The conversion error's text for a port that is not a number, as the
// class library words it: "'80a' is not a valid integer value".
QString fnstNotAnInteger(const QString &stText);

// When "Use username and password" is ticked, a login needs both parts.
struct TrecLoginProblem {
    TResourceString rsMessage;
    bool bFocusPassword = false; // otherwise the user name gets the focus
};
// nullopt when user name and password are both given. The texts are taken as
// typed: a blank is part of a password, and a password of blanks is one.
std::optional<TrecLoginProblem> fnoptProxyLoginProblem(const QString &stUserName,
                                                       const QString &stPassword);
