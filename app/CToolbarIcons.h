#pragma once
// The toolbar and menu pictures, drawn in code at 16 x 15 and at double
// size for high-density screens.

#include <QIcon>

namespace lumora {

class CToolbarIcons {
public:
    // The picture of a command, or a null icon for commands without one.
    static QIcon icon(int commandId);
    // The program's own icon (window, about dialog).
    static QIcon programIcon();
};

}  // namespace lumora
