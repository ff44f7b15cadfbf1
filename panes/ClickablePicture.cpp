#include "panes/ClickablePicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace lumora {

ClickablePicture::ClickablePicture(QImage picture, QSize logicalSize, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)), size_(logicalSize) {
    setFixedSize(size_);
    setCursor(Qt::PointingHandCursor);
}

void ClickablePicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Keep the picture's proportions, centred in the control.
    const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    p.drawImage(target, picture_);
}

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        emit clicked();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace lumora
