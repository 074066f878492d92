// Resource strings shared by the settings objects.
#pragma once

#include "unitResourceStrings.h"

namespace rs {
inline constexpr TResourceString rsDuplicateRecord{
    QT_TRANSLATE_NOOP("Morvane", "Duplicate entry of record in database.")};
inline constexpr TResourceString rsDatabaseConfiguration{QT_TRANSLATE_NOOP(
    "Morvane", "Database Configuration is not correct. Please contact System Administrator.")};
inline constexpr TResourceString rsNetworkError{
    QT_TRANSLATE_NOOP("Morvane", "Network error occurred. Please contact System Administrator.")};
inline constexpr TResourceString rsRecordLocked{
    QT_TRANSLATE_NOOP("Morvane", "This record is being used by another user.")};
inline constexpr TResourceString rsRecordDeleted{
    QT_TRANSLATE_NOOP("Morvane", "This record is already deleted by another user.")};
inline constexpr TResourceString rsConnectionFailed{QT_TRANSLATE_NOOP(
    "Morvane", "Databse Connection failed. Please contact System Administrator.")};
inline constexpr TResourceString rsOperationFailed{
    QT_TRANSLATE_NOOP("Morvane", "Database operation is unsuccessful.")};
inline constexpr TResourceString rsCustomsInvoice{
    QT_TRANSLATE_NOOP("Morvane", "Morvane Customs Invoice is not created for this shipment")};
// %1: the key file. The caller adds the full stop.
inline constexpr TResourceString rsSecretKeyUnusable{QT_TRANSLATE_NOOP(
    "Morvane", "The passwords stored in the database cannot be opened with the key file %1. "
               "Restore this installation's key file or contact System Administrator")};
inline constexpr TResourceString rsStorageError{QT_TRANSLATE_NOOP(
    "Morvane", "The database could not write to its disk: the disk is full or failed. Please "
               "contact System Administrator.")};
inline constexpr TResourceString rsDatabaseError{
    QT_TRANSLATE_NOOP("Morvane", "Database error occurred. Please contact System Administrator.")};
} // namespace rs

// The user the wizard acts as: every row it writes names it as last changer.
inline const QString cstWizardUser = QStringLiteral("DEFAULT");
