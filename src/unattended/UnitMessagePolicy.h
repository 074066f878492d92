// TclsMessagePolicy: while it lives, every message box is printed to standard
// error as it would be shown and answered with its default button, unless
// the answers file's [Answers] section names the button for a message that
// contains its key. The error list is printed line by line and closed; the
// manual-registration dialog gets the site ID of --site-id, or is closed
// without one.
#pragma once

#include "UnitAnswersFile.h"
#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"

#include <cstdio>

struct TrecMessageDlg;

class TclsMessagePolicy {
public:
    TclsMessagePolicy(const TclsAnswersFile &objAnswers, QString stManualSiteId,
                      std::FILE *pOut = stderr);
    ~TclsMessagePolicy();
    TclsMessagePolicy(const TclsMessagePolicy &) = delete;
    TclsMessagePolicy &operator=(const TclsMessagePolicy &) = delete;

    int fniAnswer(const TrecMessageDlg &rec);
    int fniRunDialog(QDialog &dlg);

    // The text of the last message shown.
    const QString &fnstLastMessage() const { return stLastMessage; }
    // An answer of the file that named a button the message does not have.
    const QString &fnstError() const { return stError; }

private:
    void pPrint(const QString &st) const;
    const TclsAnswersFile &objAnswers;
    QString stManualSiteId;
    std::FILE *pOut;
    QString stLastMessage, stError;
    TMessageAnswerer fnPreviousAnswerer;
    TModalRunner fnPreviousRunner;
};
