// Cleaning one postcode against its country's format: the pattern decides
// what is valid, the example postcodes show where a space or a hyphen goes.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct TrecPostcodeFormat {
    QString stPattern;      // the whole postcode must match it
    QStringList slExamples; // their separators show the written form
    bool bUpper = false;    // postcodes are written in capitals
};

// The texts the library answers with; the wizard reacts to exactly these.
inline const QString cstPostcodeNoError = QStringLiteral("No Error");
inline const QString cstPostcodeNeedsCity =
    QStringLiteral("The entered postcode is incorrect. A valid postcode or city is required to "
                   "process the shipment.");
inline const QString cstPostcodeCorrected =
    QStringLiteral("The postcode you entered has been automatically corrected. Please verify "
                   "that the cleaned postcode is correct.");
inline const QString cstPostcodeIncorrect =
    QStringLiteral("The postcode you entered is incorrect and cannot be automatically "
                   "corrected. Please enter a valid postcode.");

struct TrecCleanedPostcode {
    QString stResult;
    QString stPostcode;
};

// No format (a country without postcodes, or one the formats do not know):
// every postcode is accepted as typed, trimmed.
TrecCleanedPostcode fnrecCleanPostcode(const std::optional<TrecPostcodeFormat> &recFormat,
                                       const QString &stPostcode, const QString &stCity);
