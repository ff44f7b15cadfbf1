#pragma once
// Writes a picture file whole or not at all: the picture goes to a staging
// file beside the target, which replaces the target only once every byte is
// written. A failed write leaves neither a partial file nor a changed old one.

#include <QString>

class QImage;

namespace lumora {

class CPictureWriter {
public:
    // The encoder for a path by its extension: "bmp", "jpg" (.jpg, .jpeg) or
    // "png", case ignored; empty for any other extension.
    static QString formatFor(const QString& path);

    // Writes `image` to `path`. On failure returns false and sets `error` to
    // a message for the user; no file is left behind.
    static bool write(const QImage& image, const QString& path, QString* error);
};

}  // namespace lumora
