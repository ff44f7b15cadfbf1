#pragma once
// The real dialogs of saving and printing: the resolution dialog, a file
// save dialog with the format's filter and "無題" as the name, and the
// platform's print dialog.

#include <QFileDialog>

#include "view/CExportPrompts.h"

namespace lumora {

class CDialogExportPrompts : public CExportPrompts {
public:
    // `fileDialogOptions` lets a headless run ask for Qt's own file dialog.
    explicit CDialogExportPrompts(QFileDialog::Options fileDialogOptions = {}) : options_(fileDialogOptions) {}

    std::optional<int> askResolution(QWidget* parent, PictureFormat format) override;
    QString askSavePath(QWidget* parent, PictureFormat format) override;
    bool askPrinter(QPrinter& printer, QWidget* parent) override;

private:
    QFileDialog::Options options_;
};

}  // namespace lumora
