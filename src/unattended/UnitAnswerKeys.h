// The keys of an answers file: one section per page group, one key per field,
// named as the English page shows the field, and the control each one fills.
#pragma once

#include <QString>

#include <span>

// How a key's value reaches its control.
enum TAnswerKind {
    akText,    // typed into a line edit
    akCheck,   // Yes or No: the box is clicked when it shows the other
    akRadio,   // one of the choices; its button is clicked
    akCombo,   // an entry of the list, or the text of an editable box
    akSpin,    // a whole number
    akTime,    // hh:mm into an hour and a minute box
    akDate,    // yyyy-mm-dd
    akCountry, // the lookup frames: a code or name as the frame takes it
    akState,
    akSuburb,
    akIATA,
};

struct TrecAnswerKey {
    const char *pchSection;
    const char *pchKey;
    TAnswerKind enKind;
    // The control's object name; for akTime "hour;minute", for akRadio
    // "choice=control;choice=control".
    const char *pchControl;
    int iPage; // TWizardPage
};

// Every fixed key, in the order the pages are filled: a field a later one
// depends on (the country before the state and the airport) comes first.
std::span<const TrecAnswerKey> fnarAnswerKeys();

// Sections whose keys are data rather than fixed names.
inline const QString cstDestinationBillingSection = QStringLiteral("Destination Billing");
inline const QString cstServicesSection = QStringLiteral("Communication Services");
inline const QString cstAnswersSection = QStringLiteral("Answers");

// The key of that section and name, or nullptr.
const TrecAnswerKey *fnpAnswerKey(const QString &stSection, const QString &stKey);
// True for a section the file may hold.
bool fnbAnswerSection(const QString &stSection);
// The radio choices of a key as "choice=control" pairs.
std::vector<std::pair<QString, QString>> fnarRadioChoices(const TrecAnswerKey &rec);
