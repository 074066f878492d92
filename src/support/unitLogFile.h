// The manifest log: TLogFile appends time-stamped lines to a file in the Logs
// folder. Its only writer is the UTF-8 truncation routine's exception handler.
#pragma once

#include <QString>

class TLogFile {
public:
    TLogFile() = default;

    // Accepts the name when the file exists, when it has no folder part, or when
    // its folder exists; otherwise ErrorCode becomes 1 and the previous name stays.
    void pSetFileName(const QString &stName);
    const QString &fnstFileName() const { return stFileName; }

    // Returns false on an input/output error (the caller decides what to do).
    bool fnbWriteLine(const QString &stText) const;

    bool TimeStamp = true;
    QString TimeFormat = QStringLiteral("MM/dd/yyyy hh:mm:ss");
    int ErrorCode = 0;
    bool UseLogsFolder = true;

private:
    QString stFileName;
};

// "MorvaneManifest_ddmmyyyy.log", time-stamp on, format "hh:mm:ss".
TLogFile &gobjManifestLog();
