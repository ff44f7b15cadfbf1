#pragma once
// "バージョン情報 LumoraFree": the program icon, the version, and the
// homepage and contact address in read-only edits the user can copy from.

#include <QDialog>

class QLineEdit;

namespace lumora {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QLineEdit* homepageEdit() const { return homepage_; }
    QLineEdit* contactEdit() const { return contact_; }

private:
    QLineEdit* homepage_;
    QLineEdit* contact_;
};

}  // namespace lumora
