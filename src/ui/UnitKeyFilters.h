// Key filters for edit boxes that take only some characters. They act on typed
// keys only, as the program's key-press handlers always have: navigation,
// Tab, Enter, Esc and Delete pass, and pasted text is not filtered.
#pragma once

class QWidget;

// Digits, Backspace and Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z pass; every other
// typed character is discarded (port numbers).
void pAcceptDigitsOnly(QWidget *w);
// The space key is discarded, everything else passes (user names).
void pDiscardSpaceKey(QWidget *w);
