#pragma once
// "メールアドレス": the contact address in a read-only edit to copy from.

#include <QDialog>

class QLineEdit;

namespace lumora {

class CMailDialog : public QDialog {
    Q_OBJECT
public:
    explicit CMailDialog(QWidget* parent = nullptr);
    QLineEdit* addressEdit() const { return address_; }

private:
    QLineEdit* address_;
};

}  // namespace lumora
