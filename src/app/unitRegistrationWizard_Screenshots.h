// Pictures of the wizard's pages, for the documentation and for a look at an
// installation on a machine without a display.
#pragma once

#include <QString>
#include <QStringList>

class TfrmRegistrationWizard;

// "01-welcome.png" to "13-registration-completed.png": numbered in page order
// so that a folder listing shows them in the order a user meets them.
QString fnstPageScreenshotName(int iPage);

// Shows every page in turn, as a user sees it there, and saves its picture in
// stDir (made when missing). The paths saved, in page order; it stops at the
// first picture that cannot be written, so a shorter list is a failure.
QStringList fnslSavePageScreenshots(TfrmRegistrationWizard &frm, const QString &stDir);
