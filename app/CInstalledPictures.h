#pragma once
// The pictures the program installs into the per-user folder, drawn here:
// the three file-type icons, the pen pane's two radio pictures and the
// colour dialog's hue pointer.

#include <QImage>

namespace lumora {

class CInstalledPictures {
public:
    enum class FileType { Figure, Favourites, History };
    // A square icon: a coloured tile with a looping orbit and the type's mark.
    static QImage fileIcon(FileType type, int side);
    // The radio pictures of the pen pane, 19 x 19.
    static QImage radioOn();
    static QImage radioOff();
    // 100 x 100, transparent, with a small pointer at the left edge of its
    // top rows (the part the colour dialog shows beside the hue bar).
    static QImage huePointer();
};

}  // namespace lumora
