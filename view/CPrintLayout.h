#pragma once
// Where the picture goes on a printed page: a square whose side is the
// shorter physical page edge less 400 twips, 200 twips in from the origin of
// the printable area. Where the printable area is smaller than that square,
// the square shrinks to fit it, so no printer cuts the picture off.

#include <QRect>

class QImage;
class QPrinter;

namespace lumora {

class CPrintLayout {
public:
    static constexpr int kTwipsPerInch = 1440;
    static constexpr int kMarginTwips = 200;

    // The square in the printer's device pixels, relative to the origin of
    // the printable area.
    static QRect pictureSquare(const QPrinter& printer);

    // Prints `picture` stretched into that square on one page. Returns false
    // when the printer could not be started.
    static bool print(QPrinter& printer, const QImage& picture);
};

}  // namespace lumora
