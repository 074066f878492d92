// The phone checks the sender page relies on: a number against the rule
// table, a number for one region, and the full check of a telephone or mobile
// field with its calling code.
#pragma once

#include <QString>
#include <QStringList>

// The rule table's answer for a number (numbers compared unchanged), calling
// code and region ("ZZ" for any): the phone-number library's result format.
// The client's programs know it by this name, though it answers a text.
QString fnbValidateCountryPhoneMobileViaRegex(const QString &stPhoneNumber, int iPrefix,
                                              const QString &stRegionCode);

// Whether the number is a valid number of the region and of the type
// ("FIXED_LINE" or "MOBILE"); then its national number and calling code.
bool fnbValidatePhoneNumberForCountry(const QString &stPhoneNumber, const QString &stNumberType,
                                      const QString &stRegionCode, QString &stNationalNumber,
                                      QString &stCountryCode);

// The full check: with a calling code the number is checked for that code,
// without one (empty or "+") for each given region in turn (empty regions are
// skipped; at most five). Valid: the national number and calling code to show.
// Not valid: fnstPhoneValidationMessage() says the expected format.
bool fnbValidatePhoneNumber(const QString &stPhoneNumber, const QString &stPrefix,
                            const QStringList &slRegionCodes, const QString &stNumberType,
                            QString &stNationalNumber, QString &stCountryCode);

// The expected-format hint of the last failed check; cleared by every check.
QString fnstPhoneValidationMessage();
