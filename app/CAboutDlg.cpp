#include "app/CAboutDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/CHelpLinks.h"
#include "app/CToolbarIcons.h"
#include "view/CDialogUnits.h"

namespace lumora {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報 LumoraFree"));
    const CDialogUnits du(font());
    setFixedSize(du.x(190), du.y(109));

    auto* icon = new QLabel(this);
    const QRect iconRect = du.rect(14, 14, 18, 21);
    icon->setGeometry(iconRect);
    const int side = std::min(iconRect.width(), iconRect.height());
    icon->setPixmap(CToolbarIcons::programIcon().pixmap(side, side));

    auto* version = new QLabel(QString::fromLatin1(CHelpLinks::kVersionText), this);
    version->setGeometry(du.rect(42, 14, 130, 10));

    homepage_ = new QLineEdit(QString::fromUtf8(CHelpLinks::kHomepageUrl), this);
    homepage_->setObjectName(QStringLiteral("edit1014"));
    homepage_->setReadOnly(true);
    homepage_->setGeometry(du.rect(42, 47, 131, 14));
    contact_ = new QLineEdit(QString::fromUtf8(CHelpLinks::kContactAddress), this);
    contact_->setObjectName(QStringLiteral("edit1015"));
    contact_->setReadOnly(true);
    contact_->setGeometry(du.rect(42, 64, 135, 14));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.rect(133, 88, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace lumora
