#include "app/CMessageBoxSink.h"

#include <QMessageBox>

namespace lumora {

void CMessageBoxSink::showMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    QMessageBox box(parent_.data());
    box.setWindowTitle(caption.empty() ? QStringLiteral("LumoraFree") : QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (icon) {
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        // A box with only OK and no icon of its own shows the warning icon.
        case MessageIcon::Warning:
        case MessageIcon::None:
            box.setIcon(QMessageBox::Warning);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace lumora
