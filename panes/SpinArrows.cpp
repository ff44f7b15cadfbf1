#include "panes/SpinArrows.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace lumora {

SpinArrows::SpinArrows(QLineEdit& buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(16);
        b->setMinimumHeight(8);
        layout->addWidget(b);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    buddy_.installEventFilter(this);
    buddy_.setText(QString::number(position_));
}

void SpinArrows::setRange(int minimum, int maximum) {
    if (minimum > maximum) std::swap(minimum, maximum);
    minimum_ = minimum;
    maximum_ = maximum;
    setPosition(position_);
}

void SpinArrows::setPosition(int value) {
    position_ = std::clamp(value, minimum_, maximum_);
    const QString text = QString::number(position_);
    if (buddy_.text() != text) buddy_.setText(text);
}

QSize SpinArrows::sizeHint() const { return {16, std::max(buddy_.sizeHint().height(), 16)}; }

bool SpinArrows::takeOverText() {
    const std::optional<int> v = parseDecimal(buddy_.text());
    if (!v || *v < minimum_ || *v > maximum_) return false;
    position_ = *v;
    return true;
}

void SpinArrows::step(int delta) {
    takeOverText();
    // 64-bit so a step beyond the int range cannot overflow.
    long long next = static_cast<long long>(position_) + delta;
    if (next > maximum_) next = wrapping_ ? minimum_ : maximum_;
    if (next < minimum_) next = wrapping_ ? maximum_ : minimum_;
    setPosition(static_cast<int>(next));
    emit stepped(position_);
}

std::optional<int> SpinArrows::parseDecimal(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    int start = (t[0] == u'-' || t[0] == u'+') ? 1 : 0;
    if (start == t.size()) return std::nullopt;
    for (int i = start; i < t.size(); ++i) {
        if (t[i] < u'0' || t[i] > u'9') return std::nullopt;
    }
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lumora
