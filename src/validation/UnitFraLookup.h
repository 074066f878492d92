// TfraLookup: what the lookup frames of the sender page share: the caption and
// icon of their message boxes and the check run when one of their combos is
// left (a value not in its table is refused and the field given back).
#pragma once

#include "UnitMsgDialog.h"
#include "unitResourceStrings.h"

#include <QFrame>

#include <functional>

class TmvLookupCombo;

class TfraLookup : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString FormCaption READ fnstFormCaption WRITE pSetFormCaption)
    Q_PROPERTY(int ImageIcon READ fniImageIcon WRITE pSetImageIcon)
public:
    explicit TfraLookup(QWidget *wParent = nullptr);

    QString fnstFormCaption() const { return stFormCaption; }
    void pSetFormCaption(const QString &st);
    int fniImageIcon() const { return iImageIcon; }
    void pSetImageIcon(int i);

signals:
    // A row was chosen in the frame's search list.
    void LookedUp();

protected:
    // Whether the text is a value of the frame's table.
    using TFound = std::function<bool(const QString &)>;
    // The combo's text, trimmed and written back, checked when it differs from
    // the value held before: an accepted value becomes the held one; a refused
    // one shows the message and gives the combo the focus back. An empty text
    // is accepted: the combo's own blank rule decides about blanks.
    bool fnbCheckLeft(TmvLookupCombo *cmb, QString &stHeld, const TFound &fnbFound,
                      TResourceString rsInvalid);
    void pRefuse(TmvLookupCombo *cmb, TResourceString rsInvalid);
    // Frame-wide caption and icon go to the combos' own question boxes too.
    virtual void pApplyCaption() {}
    static void pPrepareCombo(TmvLookupCombo *cmb, const QString &stFields,
                              const QString &stCaptions, const QString &stKey);

private:
    QString stFormCaption;
    int iImageIcon = mikWarning;
};
