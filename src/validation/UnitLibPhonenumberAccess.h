// Access to the phone-number library (libLibphonenumberMorvane.so beside the
// executable): loaded by name on first use and kept, its five entry points
// looked up by name; a check the library cannot answer goes to the rule table.
#pragma once

#include <QString>

// Loads the library when no module is held. A library file that is there but
// cannot be loaded shows "DLL could not be loaded successfully." and answers
// false; a missing file answers true with every entry point empty.
bool fnbLoadLibPhonenumberDLL();
bool fnbLibPhonenumberDLLLoaded();

// Finds Config/PhoneNumberMetadata.xml beside Bin, hands it to the library and
// sets the metadata-available flag; the answer is the flag.
bool BuildMetadataFromXml();
bool fnbPhoneMetadataAvailable();

// The check of one number: the library's answer, or the rule table's when the
// library gives none (calling code 383 always goes to the table). Throws
// std::runtime_error with the library's message when the library failed and
// the answer is "BAD NUMBER".
QString ValidatePhoneNumber(const QString &stPhoneNumber, int iPrefix, const QString &stRegionCode);

// The library's calling-code list ("<count>,<code>=<REGION>,..."); empty
// without the library.
QString fnstGetCountryPrefixList();

// Forgets the module (without unloading it) and the metadata flag, so the next
// use loads again: a test starting afresh, or an installation whose Bin changed.
void pResetLibPhonenumberAccess();
