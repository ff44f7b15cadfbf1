#pragma once
// The two picture kinds the save commands offer; the number is the format
// flag the resolution dialog is opened with.

namespace lumora {

enum class PictureFormat { Bmp = 0, Jpeg = 1 };

}  // namespace lumora
