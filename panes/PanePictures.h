#pragma once
// The pictures the panes show: the radio pair of the pen pane and the hue
// pointer of the colour edit dialog. They are read from the per-user folder;
// a missing or unreadable file falls back to the same picture drawn here, so
// the panes never show an empty place. The application can also use the
// draw functions to write the files at start-up.

#include <QImage>
#include <QString>

namespace lumora {

inline constexpr const char* kRadioOnFile = "radioon2.png";
inline constexpr const char* kRadioOffFile = "radiooff2.png";
inline constexpr const char* kHuePointerFile = "sankaku4.png";

// "radioon2.png" / "radiooff2.png" from `folder`, else drawRadioPicture.
QImage radioPicture(const QString& folder, bool on);
// "sankaku4.png" from `folder`, else drawHuePointerPicture.
QImage huePointerPicture(const QString& folder);

// A round radio mark 40 x 40 pixels, filled dot when `on`.
QImage drawRadioPicture(bool on);
// A triangle 40 x 40 pixels whose tip points left at the middle of its
// left edge (the hue bar lies to the left of the pointer).
QImage drawHuePointerPicture();

}  // namespace lumora
