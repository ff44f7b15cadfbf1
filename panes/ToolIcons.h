#pragma once
// Toolbar pictures of the panes, drawn in code so they stay sharp at every
// screen scaling.

#include <QIcon>

namespace lumora {

QIcon zoomInIcon();
QIcon zoomOutIcon();
QIcon centreIcon();
QIcon enlargeIcon();
QIcon shrinkIcon();
QIcon standardSizeIcon();

}  // namespace lumora
