#include "view/CGazouKaizoudoDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>

#include "view/CDialogUnits.h"

namespace lumora {

CGazouKaizoudoDialog::CGazouKaizoudoDialog(PictureFormat format, QWidget* parent) : QDialog(parent) {
    setWindowTitle(format == PictureFormat::Jpeg ? QStringLiteral("JPEG 画像・解像度")
                                                 : QStringLiteral("BITMAP 画像・解像度"));
    const CDialogUnits du(font());
    setFixedSize(du.x(190), du.y(112));

    auto* intro = new QLabel(QStringLiteral("画像の解像度を指定して下さい\n\n画像は正方形になります。"), this);
    intro->setGeometry(du.rect(36, 20, 126, 30));
    auto* label = new QLabel(QStringLiteral("縦横のピクセル値："), this);
    label->setGeometry(du.rect(17, 59, 77, 17));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("edit%1").arg(kEditId));
    edit_->setGeometry(du.rect(100, 57, 40, 14));
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Digits only, and the group separator the edit itself shows ("6,000").
    const QString sep = QRegularExpression::escape(QLocale().groupSeparator());
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9%1]*").arg(sep)), edit_));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, &CGazouKaizoudoDialog::textEdited);

    const QRect e = edit_->geometry();
    const int half = e.height() / 2;
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("updown%1up").arg(kUpDownId));
    up_->setArrowType(Qt::UpArrow);
    up_->setAutoRepeat(true);
    up_->setGeometry(e.right() + 1, e.top(), du.x(10), half);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("updown%1down").arg(kUpDownId));
    down_->setArrowType(Qt::DownArrow);
    down_->setAutoRepeat(true);
    down_->setGeometry(e.right() + 1, e.top() + half, du.x(10), e.height() - half);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.rect(37, 88, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setGeometry(du.rect(104, 88, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setSideLength(kMaximum);
    edit_->setFocus();
}

void CGazouKaizoudoDialog::setSideLength(int side) {
    side_ = std::clamp(side, kMinimum, kMaximum);
    edit_->setText(QLocale().toString(side_));
}

void CGazouKaizoudoDialog::step(int delta) { setSideLength(side_ + delta); }

void CGazouKaizoudoDialog::textEdited(const QString& text) {
    QString digits = text;
    digits.remove(QLocale().groupSeparator());
    bool ok = false;
    const int v = digits.toInt(&ok);
    if (ok && v >= kMinimum && v <= kMaximum) side_ = v;
}

bool CGazouKaizoudoDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lumora
