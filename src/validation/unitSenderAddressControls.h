// The sender page's address controls the address checks read and fill, found
// by their objectNames under the page, and the small control helpers the
// checks share.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include <functional>

struct TrecSenderAddressControls {
    QLineEdit *edtSenderPostcode = nullptr;
    QLineEdit *edtSenderCity = nullptr;
    QLineEdit *edtSenderName = nullptr;
    QComboBox *cmbCountryCode = nullptr; // of the country frame fraSenderCountry
    QComboBox *cmbCountryName = nullptr;
    QComboBox *cmbState = nullptr;     // of the state frame fraSenderState
    QWidget *fraSenderState = nullptr; // focused for "the state frame"; cmbState when absent
    QComboBox *cmbIATA = nullptr;      // of the airport frame fraSenderIATA
    // Called with a new, non-empty airport code so that the airport frame can
    // show the airport's details; may be empty.
    std::function<void(const QString &)> pRefreshIATAFrame;

    bool fnbComplete() const;
};

// The controls under wPage by objectName (ignoring case); missing ones stay null.
TrecSenderAddressControls fnrecFindSenderAddressControls(QWidget *wPage);

// The field's readiness to take input: enabled, shown with its page, able to
// take the focus and, for an edit, not read-only.
bool fnbCanTakeInput(const QWidget *w);
// Gives w the focus when it can take input; false otherwise.
bool fnbFocusControl(QWidget *w);
// The focus moves on from wFrom to the next field of the page, as the Tab key
// would move it; from a frame, to the next field after the frame's own.
void pFocusNextControl(QWidget *wPage, QWidget *wFrom);

QString fnstComboText(const QComboBox *cmb);
// An editable combo takes the text as typed; a fixed list selects the entry
// with that text (ignoring case) and adds it when it has none.
void pSetComboText(QComboBox *cmb, const QString &st);
