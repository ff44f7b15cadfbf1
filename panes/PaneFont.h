#pragma once
// The fonts the parameter panes use.

#include <QFont>

namespace lumora {

// "ＭＳ ゴシック" 10 pt for labels and value boxes, with Japanese monospace
// fallbacks for systems without it.
QFont paneFont();

}  // namespace lumora
