// The unattended registration: the wizard run page by page from an answers
// file with no one at the screen. Standard output gets only the site ID;
// every message, error list and reason goes to standard error.
#pragma once

#include <QString>

#include <cstdio>

// The process's exit codes.
enum TUnattendedExit {
    ueRegistered = 0,    // registered (or, with --check, every page up to the summary passed)
    ueNotRun = 1,        // bad answers file, the wizard could not start or run
    ueInvalid = 2,       // a page refused its data; nothing was saved
    ueNotRegistered = 3, // the data were saved, the registration failed
};

struct TrecUnattendedOptions {
    QString stAnswersFile;
    bool bCheckOnly = false;
    QString stManualSiteId; // non-empty: registered manually with this ID
    std::FILE *pOut = stdout;
    std::FILE *pErr = stderr;
};

// Makes the wizard, drives it and returns the exit code.
int fniRunUnattended(const TrecUnattendedOptions &rec);
