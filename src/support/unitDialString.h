// What a modem may be given to dial: the number and the dial modifiers of the
// Hayes command set, nothing that could end the dial command and start
// another (a carriage return, ';', letters other than the modifiers).
#pragma once

#include <QString>

// The characters a dial string may hold, as the user is told them.
inline constexpr const char *cpchDialCharacters = "0-9 + - ( ) , * # W P T";

// Whether stNumber holds only digits, blanks and + - ( ) , * # W P T (the
// letters in either case).
bool fnbDialString(const QString &stNumber);
