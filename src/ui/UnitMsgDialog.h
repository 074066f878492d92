// The one message box every part of the program shows its messages with.
// Its answerer is replaceable: tests script the answers, an unattended run
// answers by policy; by default a modal box asks the user.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Icon kinds of fniMessageDlg.
enum TMsgIconKind {
    mikPicture = 1,
    mikError = 2,
    mikWarning = 3,
    mikInformation = 4,
    mikQuestion = 5
};

struct TrecMessageDlg {
    QString stMessage;
    QString stCaption;
    QStringList slButtons;
    QString stDefaultButton;
    int iIconKind = mikWarning;
    QString stIconFile; // a picture file shown in place of the icon kind's

    // The index of the default button (0 when no caption matches).
    int fniDefaultIndex() const;
};

using TMessageAnswerer = std::function<int(const TrecMessageDlg &)>;

// Shows the message and returns the 0-based index of the pressed button.
int fniMessageDlg(const QString &stMessage, const QString &stCaption, const QStringList &slButtons,
                  const QString &stDefaultButton, int iIconKind);

// The same with a picture file for an icon (Finish shows the desktop icon).
int fniMessageDlgWithIcon(const QString &stMessage, const QString &stCaption,
                          const QStringList &slButtons, const QString &stDefaultButton,
                          const QString &stIconFile);

// The modal box itself, asking the user whatever the answerer is; Escape
// and the window's close button press the last button.
int fniShowMessageBox(const TrecMessageDlg &rec);

// How many messages were asked so far, however they were answered.
int fniMessagesAsked();

// Replaces the answerer and returns the one it replaces; an empty answerer
// brings back the modal box.
TMessageAnswerer pSetMessageAnswerer(TMessageAnswerer fnAnswerer);

// An answerer for runs without a user: prints caption and text to standard
// error and presses the default button.
int fniAnswerWithDefault(const TrecMessageDlg &rec);
