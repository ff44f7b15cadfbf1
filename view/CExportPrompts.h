#pragma once
// The questions saving and printing ask the user. The window shows real
// dialogs (CDialogExportPrompts); tests answer them without a screen, and a
// print never reaches a real printer from a test.

#include <QString>
#include <optional>

#include "view/PictureFormat.h"

class QPrinter;
class QWidget;

namespace lumora {

class CExportPrompts {
public:
    virtual ~CExportPrompts() = default;
    // The side length in pixels (10..6000), or nothing when cancelled.
    virtual std::optional<int> askResolution(QWidget* parent, PictureFormat format) = 0;
    // The file to write, or an empty string when cancelled.
    virtual QString askSavePath(QWidget* parent, PictureFormat format) = 0;
    // Lets the user set up `printer`; false when cancelled.
    virtual bool askPrinter(QPrinter& printer, QWidget* parent) = 0;
};

}  // namespace lumora
