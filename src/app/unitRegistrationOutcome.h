// What a registration came to. The registration and the communication
// library answer in words: a site ID, or the text of a failure; the manual
// registration dialog answers "unsuccess" when the user gave up. They are
// turned into an outcome here and nowhere else.
#pragma once

#include <QString>

enum TRegistrationOutcome {
    roRegistered,        // the words are the site ID
    roNoSiteId,          // an empty answer: nothing registered
    roObjectNotAssigned, // the registration could not be prepared
    roInsufficientData,  // the rows lack what the host needs
    roFailed,            // the host or the line refused
    roRuzWithoutSiteReg, // the carrier's US RUZ server does not register sites
    roModemError,        // the modem could not connect or talk
    roManualAbandoned,   // the user gave the manual registration up
};

TRegistrationOutcome fnenRegistrationOutcome(const QString &stWords);
