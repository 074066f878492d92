// The rows a registration reads, the registration, and what it stored; free
// of any test framework, so failures come back as texts.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Stores the sender, the DEFAULT user's account and the quantities; what
// failed, or nothing.
QStringList fnslSeedRegisteringSite();
// Registers with the rows as stored now; the site ID, or the failure text.
QString fnstRegisterStoredSite();
// What is not as a registration that handed out stSiteId leaves it: the site
// ID, both ranges as the quantities asked and the pickup address the host
// answered. Empty when everything is stored.
QStringList fnslRegistrationNotStored(const QString &stSiteId);

// What is not as before a registration that failed: no site ID or range, the
// saved rows all there, the database sound. Empty when all is as before.
QStringList fnslNotAsBeforeRegistering();

// A site ID as the carrier host hands them out.
bool fnbSiteIdForm(const QString &st);
