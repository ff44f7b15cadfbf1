#include "app/CDesktopUrlOpener.h"

#include <QDesktopServices>

namespace lumora {

void CDesktopUrlOpener::open(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace lumora
