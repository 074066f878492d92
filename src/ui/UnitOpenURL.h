// Web addresses are opened in the user's browser through one replaceable
// opener, so tests and unattended runs never start a browser.
#pragma once

#include <functional>

class QUrl;

using TURLOpener = std::function<bool(const QUrl &)>;

// Opens the address with the desktop's browser (or the replacement); false
// when it could not be handed on.
bool fnbOpenURL(const QUrl &url);
// Replaces the opener and returns the one it replaces; an empty opener brings
// back the desktop services.
TURLOpener pSetURLOpener(TURLOpener fnOpener);
