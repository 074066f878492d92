// Registration rows, free of any test framework: failures come back as texts.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Stores the sender, the DEFAULT user's account and the quantities.
QStringList fnslSeedRegisteringSite();
// Registers with the rows as stored now; the site ID, or the failure text.
QString fnstRegisterStoredSite();
// What is not as a registration that handed out stSiteId leaves it.
QStringList fnslRegistrationNotStored(const QString &stSiteId);

// What is not as before a registration that failed.
QStringList fnslNotAsBeforeRegistering();

// A site ID as the carrier host hands them out.
bool fnbSiteIdForm(const QString &st);
