#include "panes/ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumora {

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

ColourSwatch::ColourSwatch(Edge edge, bool clickable, QWidget* parent)
    : QFrame(parent), edge_(edge), clickable_(clickable) {
    if (edge_ == Edge::Sunken) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    if (clickable_) setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColour(std::optional<Colour> colour) {
    if (colour) colour = *colour & 0xFFFFFFu;
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    if (edge_ == Edge::Outline) {
        QPainter p(this);
        p.setPen(Qt::black);
        p.setBrush(colour_ ? toQColor(*colour_) : palette().window().color());
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    {
        QPainter p(this);
        p.fillRect(contentsRect(), colour_ ? toQColor(*colour_) : palette().window().color());
    }
    QFrame::paintEvent(event);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && isEnabled() && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

}  // namespace lumora
