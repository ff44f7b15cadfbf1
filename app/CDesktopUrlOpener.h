#pragma once
// Opens addresses with the desktop's default programs.

#include "app/CUrlOpener.h"

namespace lumora {

class CDesktopUrlOpener : public CUrlOpener {
public:
    void open(const QUrl& url) override;
};

}  // namespace lumora
