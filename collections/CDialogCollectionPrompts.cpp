#include "collections/CDialogCollectionPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace lumora {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
std::filesystem::path toPath(const QString& s) { return std::filesystem::path(s.toStdString()); }
}  // namespace

std::string CDialogCollectionPrompts::dialogFilter(const std::string& filter) {
    return filter.substr(0, filter.find('|'));
}

std::optional<std::filesystem::path> CDialogCollectionPrompts::askSavePath(const std::string& filter,
                                                                           const std::string& extension,
                                                                           const std::string& initialName) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(q(dialogFilter(filter)));
    dialog.setDefaultSuffix(q(extension));
    dialog.selectFile(q(initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toPath(dialog.selectedFiles().front());
}

std::optional<std::filesystem::path> CDialogCollectionPrompts::askOpenPath(const std::string& filter,
                                                                           const std::string& extension) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(q(dialogFilter(filter)));
    dialog.setDefaultSuffix(q(extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toPath(dialog.selectedFiles().front());
}

bool CDialogCollectionPrompts::askYesNo(const std::string& text, const std::string& caption) {
    return QMessageBox::warning(parent_, q(caption.empty() ? "LumoraFree" : caption), q(text),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void CDialogCollectionPrompts::tell(const std::string& text, const std::string& caption) {
    QMessageBox::warning(parent_, q(caption.empty() ? "LumoraFree" : caption), q(text));
}

}  // namespace lumora
