#pragma once
// Opens a file or web address in the user's default program. The window
// uses the desktop; tests record the calls instead of starting a browser.

#include <QUrl>

namespace lumora {

class CUrlOpener {
public:
    virtual ~CUrlOpener() = default;
    // The outcome is not reported to the user: a missing browser or file
    // shows whatever the desktop shows.
    virtual void open(const QUrl& url) = 0;
};

}  // namespace lumora
