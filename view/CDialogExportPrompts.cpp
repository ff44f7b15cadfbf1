#include "view/CDialogExportPrompts.h"

#include <QAbstractPrintDialog>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

#include "view/CGazouKaizoudoDialog.h"

namespace lumora {

std::optional<int> CDialogExportPrompts::askResolution(QWidget* parent, PictureFormat format) {
    CGazouKaizoudoDialog dialog(format, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.sideLength();
}

QString CDialogExportPrompts::askSavePath(QWidget* parent, PictureFormat format) {
    const bool jpeg = format == PictureFormat::Jpeg;
    QFileDialog dialog(parent);
    dialog.setOptions(options_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(jpeg ? QStringLiteral("JPEG ファイル (*.jpg)")
                              : QStringLiteral("ビットマップ ファイル (*.bmp)"));
    // Appended only when the typed name has no extension of its own, so
    // "figure.png" stays a PNG.
    dialog.setDefaultSuffix(jpeg ? QStringLiteral("jpg") : QStringLiteral("bmp"));
    dialog.selectFile(QStringLiteral("無題"));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

bool CDialogExportPrompts::askPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace lumora
