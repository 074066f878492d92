// TmvCallingCodeLookupCombo: the calling-code box beside a telephone field.
// Its list (calling code and country name) is built from the phone-number
// library's prefix list, checked for damage and asked for again a few times,
// because the library answers with a short list while it is still loading.
#pragma once

#include "UnitMvLookupCombo.h"

#include <functional>

// Gives the library's prefix list ("GetCountryPrefixList"); empty when the
// library is missing.
using TPrefixListProvider = std::function<QString()>;

class TmvCallingCodeLookupCombo : public TmvLookupCombo {
    Q_OBJECT
public:
    // The list is built when it is first needed: the provider is tried up to
    // ciMaxTries times, then each code is given its country name from the
    // database. Asking the library at start-up would load it and its rules
    // before the first page is shown.
    explicit TmvCallingCodeLookupCombo(TPrefixListProvider fnProvider, QWidget *wParent = nullptr);

    static constexpr int ciMaxTries = 4;
    static constexpr int ciMinimumElements = 246;

    // The prefix list as the library last gave it; empty before the list is
    // first needed.
    QString fnstCallingCodes() const { return stCallingCodes; }
    // The country name of a calling code in the list; empty when it has none.
    QString fnstCountryNameOfCode(const QString &stCode);
    // How often the library was asked.
    int fniTries() const { return iTries; }
    // A box that lost its list builds it again from the prefix list it holds.
    bool fnbConnectedDB() override;
    int fniEnsureListOpen() override;

private:
    void pReadPrefixList();
    void pPopulate();

    TPrefixListProvider fnProvider;
    QString stCallingCodes;
    int iTries = 0;
    bool bPopulated = false;
};

// Whether the prefix list is whole: from its second element on every non-empty
// element is a key=value pair, and it has at least ciMinimumElements elements.
// The first bad pair is logged.
bool fnbPrefixListIsWhole(const QString &stList);
// The calling code an element of the prefix list names: the side of the pair
// that is a number (the whole element when it holds no "="); empty when none.
QString fnstCallingCodeOfElement(const QString &stElement);
