// Marking the fields an error list names: yellow while in error, white again
// when reset. Controls are found by name ignoring case; a lookup frame is
// marked and focused through its combo (the country frame's name combo, the
// airport frame's airport combo). A name that matches no control is skipped.
#pragma once

#include <QColor>
#include <QStringList>

class QWidget;

inline const QColor cclErrorField(0xFF, 0xFF, 0x00);
inline const QColor cclNormalField(0xFF, 0xFF, 0xFF);

class TclsErrorMarks {
public:
    explicit TclsErrorMarks(QWidget *wForm) : wForm(wForm) {}

    // The control that shows an error for this name: the named control, or the
    // combo of a lookup frame; nullptr when there is none.
    QWidget *fnwTarget(const QString &stControlName) const;
    void pMark(const QStringList &slControlNames, const QColor &clColour) const;
    // Gives the named control the focus when it can take it.
    void pFocus(const QString &stControlName) const;

private:
    QWidget *wForm;
};

// The colour a field shows (its base colour).
QColor fnclFieldColour(const QWidget *w);
