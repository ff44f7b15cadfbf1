#include "panes/CPropertiesWnd3D.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/PlainPanes.h"
#include "panes/CommandSink.h"
#include "panes/ControlId.h"
#include "panes/PaneFont.h"
#include "panes/SpinArrows.h"
#include "panes/ToolIcons.h"

namespace lumora {
namespace {

struct LineSpec {
    const char* label;
    int tickSpacing;
};

// In the order of the pane's rows: X, Y, Z, depth scale, magnify, shifts.
constexpr std::array<LineSpec, TurnControls::RowCount> kLines{{
    {"X軸回転", 36},
    {"Y軸回転", 36},
    {"Z軸回転", 36},
    {"Z軸倍率", 200},
    {"拡大", 200},
    {"上下", 20},
    {"左右", 20},
}};

}  // namespace

CPropertiesWnd3D::CPropertiesWnd3D(CommandSink& commands, QWidget* parent) : QWidget(parent), commands_(commands) {
    setWindowTitle(QStringLiteral("３Ｄ変換"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    toolBar_ = buildToolBar();
    outer->addWidget(toolBar_);

    body_ = new QWidget;
    QWidget* body = body_;
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(4);
    const QFont font = paneFont();
    const QFontMetrics fm(font);
    int labelWidth = 0;
    for (const LineSpec& lineDef : kLines)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(QString::fromUtf8(lineDef.label)));
    const int editWidth = fm.horizontalAdvance(QStringLiteral("-9999")) + 10;

    for (int k = 0; k < RowCount; ++k) {
        Line& line = lines_[static_cast<std::size_t>(k)];
        const RowRange range = rangeOf(static_cast<Row>(k));
        line.label = new QLabel(QString::fromUtf8(kLines[static_cast<std::size_t>(k)].label), body);
        line.edit = new QLineEdit(body);
        line.spin = new SpinArrows(*line.edit, body);
        line.slider = new QSlider(Qt::Horizontal, body);
        setControlId(line.label, IdLabelBase + k);
        setControlId(line.edit, IdEditBase + k);
        setControlId(line.spin, IdSpinBase + k);
        setControlId(line.slider, IdSliderBase + k);
        line.label->setFont(font);
        line.label->setAlignment(Qt::AlignCenter);
        line.label->setMinimumWidth(labelWidth + 6);
        line.edit->setFont(font);
        line.edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        line.edit->setFixedWidth(editWidth);
        line.spin->setWrapping(true);
        line.spin->setRange(range.minimum, range.maximum);
        line.slider->setRange(range.minimum, range.maximum);
        line.slider->setTickPosition(QSlider::TicksBelow);
        line.slider->setTickInterval(kLines[static_cast<std::size_t>(k)].tickSpacing);
        line.slider->setPageStep(kLines[static_cast<std::size_t>(k)].tickSpacing);
        line.slider->setMinimumWidth(120);
        connect(line.edit, &QLineEdit::textChanged, this, [this, k] { onEditChanged(k); });
        connect(line.slider, &QSlider::valueChanged, this, [this, k] { onSliderMoved(k); });
        grid->addWidget(line.label, k, 0);
        grid->addWidget(line.edit, k, 1);
        grid->addWidget(line.spin, k, 2);
        grid->addWidget(line.slider, k, 3);
    }
    grid->setColumnStretch(3, 1);

    auto* resetButton = new QPushButton(QStringLiteral("リセット"), body);
    setControlId(resetButton, IdReset);
    resetButton->setAutoDefault(false);
    resetButton->setMinimumWidth(100);
    connect(resetButton, &QPushButton::clicked, this, [this] { reset(); });
    grid->setRowMinimumHeight(RowCount, 6);
    grid->addWidget(resetButton, RowCount + 1, 3, Qt::AlignRight);
    grid->setRowStretch(RowCount + 2, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);
    outer->addWidget(scroll, 1);

    reset();
}

QToolBar* CPropertiesWnd3D::buildToolBar() {
    auto* bar = new QToolBar(this);
    setControlId(bar, IdToolBar);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    struct Button {
        int id;
        QIcon icon;
        const char* text;
    };
    for (const Button& b : {Button{IdEnlarge, enlargeIcon(), "拡大"}, Button{IdShrink, shrinkIcon(), "縮小"},
                            Button{IdStandardSize, standardSizeIcon(), "標準の大きさ"}}) {
        QAction* a = bar->addAction(b.icon, QString::fromUtf8(b.text));
        setControlId(a, b.id);
        a->setToolTip(QString::fromUtf8(b.text));
        const int id = b.id;
        connect(a, &QAction::triggered, this, [this, id] { runToolbarCommand(id); });
    }
    return bar;
}

int CPropertiesWnd3D::value(Row row) const {
    if (!validRow(row)) return 0;
    return lines_[static_cast<std::size_t>(row)].spin->position();
}

void CPropertiesWnd3D::setValue(Row row, int value) {
    if (!validRow(row)) return;
    const auto k = static_cast<std::size_t>(row);
    lines_[k].spin->setPosition(value);
    onEditChanged(static_cast<int>(row));
}

void CPropertiesWnd3D::reset() {
    for (int k = 0; k < RowCount; ++k) setValue(static_cast<Row>(k), PlainTurn::kInitial[static_cast<std::size_t>(k)]);
}

void CPropertiesWnd3D::enlarge() {
    const int v = value(Magnify) + 100;
    setValue(Magnify, v >= 1000 ? 999 : v);
}

void CPropertiesWnd3D::shrink() {
    const int v = value(Magnify) - 100;
    setValue(Magnify, v < -999 ? -999 : v);
}

void CPropertiesWnd3D::standardSize() { setValue(Magnify, 100); }

bool CPropertiesWnd3D::applyMagnifyCommand(int id) {
    switch (id) {
        case IdEnlarge:
            enlarge();
            return true;
        case IdShrink:
            shrink();
            return true;
        case IdStandardSize:
            standardSize();
            return true;
        default:
            return false;
    }
}

void CPropertiesWnd3D::runToolbarCommand(int id) {
    if (commands_.runCommand(id)) return;
    applyMagnifyCommand(id);
    commands_.runCommand(IdDraw);
}

void CPropertiesWnd3D::onEditChanged(int k) {
    Line& line = lines_[static_cast<std::size_t>(k)];
    line.spin->takeOverText();
    const QSignalBlocker block(line.slider);
    line.slider->setValue(line.spin->position());
}

void CPropertiesWnd3D::onSliderMoved(int k) {
    Line& line = lines_[static_cast<std::size_t>(k)];
    line.spin->setPosition(line.slider->value());
}

}  // namespace lumora

namespace lumora {

QSize CPropertiesWnd3D::sizeHint() const {
    const QSize body = body_->sizeHint();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {body.width() + scrollBar, toolBar_->sizeHint().height() + body.height()};
}

}  // namespace lumora
