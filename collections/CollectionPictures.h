#pragma once
// The pictures of the collection panes, drawn in code: the favourites
// strip's open folder (picture 0) and blank page (picture 2), and the
// history toolbar's page and step arrows.

#include <QIcon>
#include <QPixmap>

namespace lumora {

// 16 x 15 pictures of the favourites tree.
QPixmap folderPicture();
QPixmap pagePicture();
// Favourite tree item picture by strip index (0 folder, anything else page).
QIcon favouritesIcon(int picture);

// The favourites toolbar: a new folder, a new favourite.
QIcon newFolderIcon();
QIcon newFavouriteIcon();

// The history toolbar: pages (double arrows) and steps (single arrows).
QIcon newerPageIcon();
QIcon olderPageIcon();
QIcon stepForwardIcon();
QIcon stepBackIcon();

}  // namespace lumora
