#include "app/CMailDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/CHelpLinks.h"
#include "view/CDialogUnits.h"

namespace lumora {

CMailDialog::CMailDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("メールアドレス"));
    const CDialogUnits du(font());
    setFixedSize(du.x(203), du.y(98));

    address_ = new QLineEdit(QString::fromUtf8(CHelpLinks::kContactAddress), this);
    address_->setObjectName(QStringLiteral("edit1013"));
    address_->setReadOnly(true);
    address_->setGeometry(du.rect(22, 19, 168, 20));

    auto* text = new QLabel(QStringLiteral("連絡先 メールアドレスです\nコピーしてお使いください。"), this);
    text->setGeometry(du.rect(22, 45, 168, 22));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.rect(137, 77, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace lumora
