#include "view/CInsatuPreview.h"

#include <QPainter>
#include <QPushButton>

#include "view/CDialogUnits.h"

namespace lumora {

CInsatuPreview::CInsatuPreview(const std::function<QImage(int)>& pictureOfSide, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("印刷 プレビュー"));
    const CDialogUnits du(font());
    setFixedSize(du.x(285), du.y(411));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.rect(178, 386, 64, 16));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const int w = width() - 20;
    sheet_ = QRect(10, 10, w, static_cast<int>(w * 1.414));
    const QRect sq = squareRect();
    if (pictureOfSide && sq.width() > 0) picture_ = pictureOfSide(sq.width());
}

QRect CInsatuPreview::squareRect() const {
    const int m = sheet_.width() / 24;
    return {sheet_.left() + m, sheet_.top() + m, 22 * m, 22 * m};
}

void CInsatuPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(sheet_, Qt::white);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(sheet_.adjusted(0, 0, -1, -1));
    if (!picture_.isNull()) p.drawImage(squareRect(), picture_);
}

}  // namespace lumora
