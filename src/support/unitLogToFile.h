// The diagnostic trail: TclsLogToFile writes one line per event to a daily log
// file under the installation's Logs folder, when Installation.ini switches it on.
#pragma once

#include <QString>

#include <memory>

class TclsLogToFile {
public:
    // Reads section "Log" of Config/Installation.ini (or module_details.ini) and,
    // when logging is on, completes FileName.
    TclsLogToFile();
    // The translation unit's logger: its own base name, same configuration.
    explicit TclsLogToFile(const QString &stBaseName);

    // Never raises; a file that cannot be written is skipped silently.
    void pWriteLog(qint32 iLevel, const QString &stUnitName, const QString &stMethodName,
                   const QString &stMessage) const noexcept;

    bool Logging = false;
    QString FileName;
    qint32 Severity = 0;

private:
    void pReadConfiguration();
    void pCompleteFileName();
};

// The one process-wide logger every unit writes through. It exists from the first
// call on; the main form replaces it with a fresh one when it is created (a null
// pointer keeps the current one). A reference taken before a replacement dangles.
TclsLogToFile &gobjLogToFile();
void pReplaceGlobalLogger(std::unique_ptr<TclsLogToFile> objLogger);

// Shorthand for gobjLogToFile().pWriteLog(...).
void pWriteLog(qint32 iLevel, const QString &stUnitName, const QString &stMethodName,
               const QString &stMessage) noexcept;
