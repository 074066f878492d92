// The replaceable web-address opener.
#include "UnitOpenURL.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
TURLOpener &gfnOpener() {
    static TURLOpener fn;
    return fn;
}
} // namespace

bool fnbOpenURL(const QUrl &url) {
    return gfnOpener() ? gfnOpener()(url) : QDesktopServices::openUrl(url);
}

TURLOpener pSetURLOpener(TURLOpener fnOpener) {
    TURLOpener fnPrevious = std::move(gfnOpener());
    gfnOpener() = std::move(fnOpener);
    return fnPrevious;
}
