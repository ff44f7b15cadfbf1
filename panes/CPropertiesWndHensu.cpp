#include "panes/CPropertiesWndHensu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
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

#include "engine/FormulaCatalogue.h"
#include "panes/CommandSink.h"
#include "panes/ControlId.h"
#include "panes/PaneFont.h"
#include "panes/SpinArrows.h"
#include "panes/ToolIcons.h"

namespace lumora {
namespace {

QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const char* const kDrawTip = "変数(パラメータ)の値を変えず描画します";
const char* const kDrawRandomTip = "変数(パラメータ)の値をランダムに変えて描画します";
const char* const kListTip = "メニューの項目を変えるとカオスの計算式が変わり図形が大幅に変わります";
const char* const kRow1Tip = "この値を増やせば描画される点の数が増えます";
const char* const kRow2Tip = "3ならば三角形、5ならば五角形、この値を増やせば丸くなります";

}  // namespace

CPropertiesWndHensu::CPropertiesWndHensu(CommandSink& commands, MessageSink& messages, QWidget* parent)
    : QWidget(parent), commands_(commands), messages_(messages) {
    setWindowTitle(QStringLiteral("描画設定値"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = buildToolBar();
    layout->addWidget(toolBar_);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    body_ = buildPanel();
    scroll->setWidget(body_);
    layout->addWidget(scroll, 1);

    // Category 0, formula 0 ("ダイヤモンド") is what the pane starts with.
    categoryList_->setCurrentIndex(0);
    fillFormulaList();
    loadFormula();
}

QToolBar* CPropertiesWndHensu::buildToolBar() {
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
    for (const Button& b :
         {Button{IdZoomIn, zoomInIcon(), "ズームイン"}, Button{IdZoomOut, zoomOutIcon(), "ズームアウト"},
          Button{IdCentre, centreIcon(), "中央表示"}}) {
        QAction* a = bar->addAction(b.icon, QString::fromUtf8(b.text));
        setControlId(a, b.id);
        a->setToolTip(QString::fromUtf8(b.text));
        const int id = b.id;
        connect(a, &QAction::triggered, this, [this, id] { commands_.runCommand(id); });
    }
    return bar;
}

QWidget* CPropertiesWndHensu::buildPanel() {
    auto* panel = new QFrame;
    setControlId(panel, IdPanel);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    const QFont font = paneFont();
    const QFontMetrics fm(font);

    auto* draw = new QPushButton(QStringLiteral("描画"), panel);
    auto* drawRandom = new QPushButton(QStringLiteral("描画 ランダム"), panel);
    setControlId(draw, IdDraw);
    setControlId(drawRandom, IdDrawRandom);
    draw->setToolTip(QString::fromUtf8(kDrawTip));
    drawRandom->setToolTip(QString::fromUtf8(kDrawRandomTip));
    for (QPushButton* b : {draw, drawRandom}) {
        b->setMinimumHeight(std::max(36, b->sizeHint().height()));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setAutoDefault(false);
    }
    connect(draw, &QPushButton::clicked, this, [this] { commands_.runCommand(IdDraw); });
    connect(drawRandom, &QPushButton::clicked, this, [this] { commands_.runCommand(IdDrawRandom); });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(draw);
    buttons->addWidget(drawRandom);
    grid->addLayout(buttons, 0, 0, 1, 5);

    categoryList_ = new QComboBox(panel);
    formulaList_ = new QComboBox(panel);
    setControlId(categoryList_, IdCategory);
    setControlId(formulaList_, IdFormula);
    for (int c = 0; c < FormulaCatalogue::kCategories; ++c)
        categoryList_->addItem(fromUtf8(FormulaCatalogue::categoryName(c)));
    for (QComboBox* list : {categoryList_, formulaList_}) {
        list->setToolTip(QString::fromUtf8(kListTip));
        list->setMaxVisibleItems(10);
    }
    connect(categoryList_, &QComboBox::activated, this, [this] { onCategoryPicked(); });
    connect(formulaList_, &QComboBox::activated, this, [this] { loadFormula(); });
    auto* lists = new QHBoxLayout;
    lists->setSpacing(4);
    lists->addWidget(categoryList_, 1);
    lists->addWidget(formulaList_, 2);
    grid->addLayout(lists, 1, 0, 1, 5);
    grid->setRowMinimumHeight(2, 4);

    // Wide enough for the longest shared label and for "-999" with room.
    int labelWidth = 0;
    for (int r = 1; r <= kRows; ++r)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(fromUtf8(FormulaCatalogue::sharedLabel(r))));
    const int editWidth = fm.horizontalAdvance(QStringLiteral("-9999")) + 10;

    for (int r = 1; r <= kRows; ++r) {
        Row& row = rowAt(r);
        row.lock = new QCheckBox(panel);
        row.label = new QLabel(panel);
        row.edit = new QLineEdit(panel);
        row.spin = new SpinArrows(*row.edit, panel);
        row.slider = new QSlider(Qt::Horizontal, panel);
        setControlId(row.lock, IdLockBase + r - 1);
        setControlId(row.label, IdLabelBase + r - 1);
        setControlId(row.edit, IdValueBase + r - 1);
        setControlId(row.spin, IdSpinBase + r - 1);
        setControlId(row.slider, IdSliderBase + r - 1);
        row.label->setFont(font);
        row.label->setAlignment(Qt::AlignCenter);
        row.label->setMinimumWidth(labelWidth + 6);
        row.edit->setFont(font);
        row.edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.edit->setFixedWidth(editWidth);
        row.spin->setWrapping(true);
        row.slider->setRange(0, kSliderMax);
        row.slider->setTickInterval(100);
        row.slider->setTickPosition(QSlider::TicksBelow);
        row.slider->setPageStep(100);
        row.slider->setMinimumWidth(120);
        connect(row.slider, &QSlider::valueChanged, this, [this, r] { onSliderMoved(r); });
        connect(row.edit, &QLineEdit::textChanged, this, [this, r] { onValueBoxChanged(r); });
        const int gridRow = r + 2;
        grid->addWidget(row.lock, gridRow, 0, Qt::AlignCenter);
        grid->addWidget(row.label, gridRow, 1);
        grid->addWidget(row.edit, gridRow, 2);
        grid->addWidget(row.spin, gridRow, 3);
        grid->addWidget(row.slider, gridRow, 4);
        // An inactive row hides its value box; keep the row's height and the
        // column width so the grid does not jump when formulas change.
        QSizePolicy keep = row.edit->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        row.edit->setSizePolicy(keep);
    }
    for (int r = 1; r <= 2; ++r) {
        const QString tip = QString::fromUtf8(r == 1 ? kRow1Tip : kRow2Tip);
        rowAt(r).edit->setToolTip(tip);
        rowAt(r).spin->setToolTip(tip);
        rowAt(r).slider->setToolTip(tip);
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(kRows + 3, 1);
    return panel;
}

int CPropertiesWndHensu::category() const { return categoryList_->currentIndex(); }

int CPropertiesWndHensu::formula() const { return formulaList_->currentIndex(); }

void CPropertiesWndHensu::selectCategory(int category) {
    if (category < 0 || category >= categoryList_->count()) return;
    categoryList_->setCurrentIndex(category);
    onCategoryPicked();
}

void CPropertiesWndHensu::selectFormula(int formula) {
    if (formula < 0 || formula >= formulaList_->count()) return;
    formulaList_->setCurrentIndex(formula);
    loadFormula();
}

void CPropertiesWndHensu::fillFormulaList() {
    const int c = categoryList_->currentIndex();
    formulaList_->clear();
    if (c < 0) return;
    for (int f = 0; f < FormulaCatalogue::kFormulas; ++f)
        formulaList_->addItem(fromUtf8(FormulaCatalogue::formulaName(c, f)));
    formulaList_->setCurrentIndex(0);
}

void CPropertiesWndHensu::onCategoryPicked() {
    fillFormulaList();
    loadFormula();
}

void CPropertiesWndHensu::loadFormula() {
    const int c = categoryList_->currentIndex();
    const int f = formulaList_->currentIndex();
    if (!FormulaCatalogue::exists(c, f)) return;
    for (int r = 1; r <= kRows; ++r) {
        Row& row = rowAt(r);
        const RowSpec rowDef = FormulaCatalogue::row(c, f, r);
        row.kept = {rowDef.minimum, rowDef.maximum};
        row.spin->setRange(rowDef.minimum, rowDef.maximum);
        row.spin->setPosition(rowDef.defaultValue);
        if (rowDef.defaultValue < rowDef.minimum || rowDef.defaultValue > rowDef.maximum)
            messages_.showMessage(QStringLiteral("コンボ%1,コンボ%2,%3値範囲外").arg(c).arg(f).arg(r - 1).toStdString(),
                                  "", MessageIcon::Warning);
        setSliderQuietly(row, sliderPosition(rowDef.defaultValue, row.kept));
        if (rowDef.minimum >= rowDef.maximum)
            messages_.showMessage(
                QStringLiteral("コンボ%1,コンボ%2,%3値 min >= max").arg(c).arg(f).arg(r - 1).toStdString(), "",
                MessageIcon::Warning);
    }
    // Rows are active up to the first one without a label.
    bool active = true;
    for (int r = 1; r <= kRows; ++r) {
        const std::string_view label = FormulaCatalogue::rowLabel(c, f, r);
        if (label.empty()) active = false;
        Row& row = rowAt(r);
        row.label->setText(active ? fromUtf8(label) : QString());
        setRowActive(row, active);
    }
}

void CPropertiesWndHensu::setRowActive(Row& row, bool active) {
    row.active = active;
    if (!active) {
        row.spin->setRange(0, 100);
        row.spin->setPosition(0);
        setSliderQuietly(row, 0);
    }
    row.lock->setEnabled(active);
    row.spin->setEnabled(active);
    row.slider->setEnabled(active);
    row.edit->setVisible(active);
}

int CPropertiesWndHensu::value(int row) {
    if (!validRow(row)) return 0;
    Row& r = rowAt(row);
    r.spin->takeOverText();
    return r.spin->position();
}

void CPropertiesWndHensu::setValue(int row, int value) {
    if (!validRow(row)) return;
    Row& r = rowAt(row);
    r.spin->setPosition(value);
    // The text may not have changed (same value), so follow explicitly.
    onValueBoxChanged(row);
}

RowRange CPropertiesWndHensu::range(int row) const {
    if (!validRow(row)) return {0, 0};
    const Row& r = rowAt(row);
    return {r.spin->minimum(), r.spin->maximum()};
}

bool CPropertiesWndHensu::rowActive(int row) const { return validRow(row) && rowAt(row).active; }

bool CPropertiesWndHensu::locked(int row) const { return validRow(row) && rowAt(row).lock->isChecked(); }

void CPropertiesWndHensu::setLocked(int row, bool locked) {
    if (validRow(row)) rowAt(row).lock->setChecked(locked);
}

void CPropertiesWndHensu::runDrawRandom(const TickSource& tick) {
    randomStep(*this, tick);
    commands_.runCommand(IdDraw);
}

int CPropertiesWndHensu::sliderPosition(int value, RowRange range) {
    if (range.minimum >= range.maximum) return 0;
    const long long span = static_cast<long long>(range.maximum) - range.minimum;
    const long long p = ((static_cast<long long>(value) - range.minimum) * kSliderMax) / span;
    return static_cast<int>(std::clamp<long long>(p, 0, kSliderMax));
}

int CPropertiesWndHensu::sliderValue(int position, RowRange range) {
    if (range.minimum >= range.maximum) return range.minimum;
    const long long span = static_cast<long long>(range.maximum) - range.minimum;
    // (p + 1) so that the left end still lies inside a wide range: -998 for
    // -999..999. The spin clamps the right end back to the maximum.
    const long long v = ((static_cast<long long>(position) + 1) * span) / kSliderMax + range.minimum;
    return static_cast<int>(std::clamp<long long>(v, range.minimum, range.maximum));
}

void CPropertiesWndHensu::onSliderMoved(int row) {
    Row& r = rowAt(row);
    r.spin->setPosition(sliderValue(r.slider->value(), range(row)));
    onValueBoxChanged(row);
}

void CPropertiesWndHensu::onValueBoxChanged(int row) {
    Row& r = rowAt(row);
    r.spin->takeOverText();
    setSliderQuietly(r, sliderPosition(r.spin->position(), r.kept));
}

void CPropertiesWndHensu::setSliderQuietly(Row& row, int position) {
    const QSignalBlocker block(row.slider);
    row.slider->setValue(position);
}

}  // namespace lumora

namespace lumora {

QSize CPropertiesWndHensu::sizeHint() const {
    const QSize body = body_->sizeHint();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {body.width() + scrollBar, toolBar_->sizeHint().height() + body.height()};
}

}  // namespace lumora
