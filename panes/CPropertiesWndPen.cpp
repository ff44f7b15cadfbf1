#include "panes/CPropertiesWndPen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "panes/CColorSakuseiDialog.h"
#include "panes/ClickablePicture.h"
#include "panes/ColourPreviewBar.h"
#include "panes/ColourSwatch.h"
#include "panes/ControlId.h"
#include "panes/PaneFont.h"
#include "panes/PanePictures.h"
#include "panes/SpinArrows.h"

namespace lumora {
namespace {

constexpr int kMaxWidth = 100;
constexpr int kMaxRepeat = 30;
const QSize kRadioSize(18, 18);

QLabel* idLabel(const char* text, int id, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    setControlId(label, id);
    return label;
}

}  // namespace

const std::array<Colour, 7> CPropertiesWndPen::kDefaultColours{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00,
                                                               0xE10000, 0xE100FF, 0x0000FF};

CPropertiesWndPen::CPropertiesWndPen(const QString& pictureFolder, QWidget* parent)
    : QWidget(parent), pictureFolder_(pictureFolder), colours_(kDefaultColours) {
    setWindowTitle(QStringLiteral("カラー・ストローク"));
    dialog_ = new CColorSakuseiDialog(pictureFolder, this);

    body_ = new QWidget;
    auto* grid = new QGridLayout(body_);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    grid->addWidget(idLabel("ペン幅", 11010, body_), 0, 0, Qt::AlignCenter);
    grid->addWidget(buildWidthRow(), 0, 1);

    grid->addWidget(idLabel("描画色", 11014, body_), 1, 0, Qt::AlignCenter);
    grid->addWidget(buildModeGroup(true), 1, 1);
    grid->addWidget(idLabel("背景色", 11034, body_), 2, 0, Qt::AlignCenter);
    grid->addWidget(buildModeGroup(false), 2, 1);

    auto* runRow = new QHBoxLayout;
    runRow->setSpacing(3);
    gradient_ = new QCheckBox(body_);
    setControlId(gradient_, IdGradient);
    gradient_->setChecked(true);
    repeatEdit_ = new QLineEdit(body_);
    setControlId(repeatEdit_, IdRepeatEdit);
    repeatEdit_->setFont(paneFont());
    repeatEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    repeatEdit_->setFixedWidth(repeatEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10);
    repeatSpin_ = new SpinArrows(*repeatEdit_, body_);
    setControlId(repeatSpin_, IdRepeatSpin);
    repeatSpin_->setRange(1, kMaxRepeat);
    repeatSpin_->setPosition(1);
    runRow->addWidget(gradient_);
    runRow->addStretch(1);
    runRow->addWidget(idLabel("リピート", 11042, body_));
    runRow->addSpacing(4);
    runRow->addWidget(repeatEdit_);
    runRow->addWidget(repeatSpin_);
    grid->addWidget(idLabel("グラデーション", 11041, body_), 3, 0, Qt::AlignCenter);
    grid->addLayout(runRow, 3, 1);

    preview_ = new ColourPreviewBar(body_);
    setControlId(preview_, IdPreview);
    preview_->setFixedHeight(30);
    preview_->setMinimumWidth(230);
    grid->addWidget(preview_, 4, 0, 1, 2);

    auto* colourGrid = new QGridLayout;
    colourGrid->setHorizontalSpacing(12);
    colourGrid->setVerticalSpacing(2);
    for (int c = 2; c <= 6; ++c) {
        QCheckBox* box = new QCheckBox(body_);
        setControlId(box, IdColourOnBase + c - 2);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { updatePreview(); });
        colourOn_[static_cast<std::size_t>(c - 2)] = box;
        colourGrid->addWidget(box, 0, c - 1, Qt::AlignCenter);
    }
    for (int c = 1; c <= 7; ++c) {
        auto* swatch = new ColourSwatch(ColourSwatch::Edge::Sunken, true, body_);
        setControlId(swatch, IdColourBase + c - 1);
        swatch->setFixedSize(26, 28);
        connect(swatch, &ColourSwatch::clicked, this, [this, c] { pickColour(c); });
        swatches_[static_cast<std::size_t>(c - 1)] = swatch;
        colourGrid->addWidget(swatch, 1, c - 1, Qt::AlignCenter);
    }
    grid->addLayout(colourGrid, 5, 0, 1, 2, Qt::AlignHCenter);

    auto* defaultButton = new QPushButton(QStringLiteral("デフォルト"), body_);
    setControlId(defaultButton, IdDefault);
    defaultButton->setAutoDefault(false);
    defaultButton->setMinimumWidth(100);
    connect(defaultButton, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    grid->setRowMinimumHeight(6, 4);
    grid->addWidget(defaultButton, 7, 1, Qt::AlignRight);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);

    connect(gradient_, &QCheckBox::toggled, this, [this] { updatePreview(); });

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    setFgMode(fgMode_, false);
    setBgMode(bgMode_, false);
    refresh();
}

QSize CPropertiesWndPen::sizeHint() const {
    const QSize body = body_->sizeHint();
    return {body.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent), body.height()};
}

QWidget* CPropertiesWndPen::buildWidthRow() {
    auto* row = new QWidget(body_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    widthEdit_ = new QLineEdit(row);
    setControlId(widthEdit_, IdWidthEdit);
    widthEdit_->setFont(paneFont());
    widthEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widthEdit_->setFixedWidth(widthEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 10);
    widthSpin_ = new SpinArrows(*widthEdit_, row);
    setControlId(widthSpin_, IdWidthSpin);
    widthSpin_->setRange(1, kMaxWidth);
    widthSpin_->setPosition(1);
    widthSlider_ = new QSlider(Qt::Horizontal, row);
    setControlId(widthSlider_, IdWidthSlider);
    widthSlider_->setRange(1, kMaxWidth);
    widthSlider_->setTickInterval(10);
    widthSlider_->setPageStep(10);
    widthSlider_->setTickPosition(QSlider::TicksBelow);
    widthSlider_->setValue(1);
    widthSlider_->setMinimumWidth(110);
    connect(widthSlider_, &QSlider::valueChanged, this, [this](int p) { onWidthSlider(p); });
    connect(widthEdit_, &QLineEdit::textChanged, this, [this] { onWidthEdit(); });
    layout->addWidget(widthEdit_);
    layout->addWidget(widthSpin_);
    layout->addWidget(widthSlider_, 1);
    return row;
}

QWidget* CPropertiesWndPen::buildModeGroup(bool foreground) {
    auto* row = new QWidget(body_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* swatch = new ColourSwatch(ColourSwatch::Edge::Sunken, false, row);
    setControlId(swatch, foreground ? IdFgSwatch : IdBgSwatch);
    swatch->setFixedSize(38, 25);
    (foreground ? fgSwatch_ : bgSwatch_) = swatch;
    layout->addWidget(swatch);

    auto* group = new QGroupBox(row);
    setControlId(group, foreground ? 11016 : 11040);
    auto* options = new QHBoxLayout(group);
    options->setContentsMargins(6, 3, 6, 3);
    options->setSpacing(2);
    const QImage onPicture = radioPicture(pictureFolder_, true);
    const QImage offPicture = radioPicture(pictureFolder_, false);
    static const char* const kNames[] = {"黒", "白", "色", "グラデ"};
    const int count = foreground ? 4 : 3;
    for (int mode = 0; mode < count; ++mode) {
        RadioPair& pair =
            foreground ? fgRadios_[static_cast<std::size_t>(mode)] : bgRadios_[static_cast<std::size_t>(mode)];
        auto* cell = new QWidget(group);
        auto* stack = new QStackedLayout(cell);
        pair.on = new ClickablePicture(onPicture, kRadioSize, cell);
        pair.off = new ClickablePicture(offPicture, kRadioSize, cell);
        setControlId(pair.on, (foreground ? IdFgOnBase : IdBgOnBase) + mode);
        setControlId(pair.off, (foreground ? IdFgOffBase : IdBgOffBase) + mode);
        stack->addWidget(pair.on);
        stack->addWidget(pair.off);
        stack->setCurrentWidget(pair.off);
        cell->setFixedSize(kRadioSize);
        for (ClickablePicture* picture : {pair.on, pair.off}) {
            connect(picture, &ClickablePicture::clicked, this,
                    [this, foreground, mode] { foreground ? setFgMode(mode, false) : setBgMode(mode, false); });
        }
        options->addWidget(cell);
        options->addWidget(idLabel(kNames[mode], (foreground ? 11030 : 11036) + mode, group));
        if (mode + 1 < count) options->addSpacing(8);
    }
    options->addStretch(1);
    layout->addWidget(group, 1);
    return row;
}

void CPropertiesWndPen::setFgMode(int mode, bool fromRecord) {
    if (mode == 2 && !fromRecord) {
        if (dialog_->exec() == QDialog::Accepted) {
            customFg_ = dialog_->colour();
            fgMode_ = 2;
        }
    } else {
        fgMode_ = mode;
    }
    showModes();
    updateSwatches();
}

void CPropertiesWndPen::setBgMode(int mode, bool fromRecord) {
    if (mode == 2 && !fromRecord) {
        if (dialog_->exec() == QDialog::Accepted) {
            customBg_ = dialog_->colour();
            bgMode_ = 2;
        }
    } else {
        bgMode_ = mode;
    }
    showModes();
    updateSwatches();
}

void CPropertiesWndPen::showModes() {
    auto show = [](RadioPair& pair, bool on) {
        auto* stack = static_cast<QStackedLayout*>(pair.on->parentWidget()->layout());
        stack->setCurrentWidget(on ? pair.on : pair.off);
    };
    for (int m = 0; m < 4; ++m) show(fgRadios_[static_cast<std::size_t>(m)], m == fgMode_);
    for (int m = 0; m < 3; ++m) show(bgRadios_[static_cast<std::size_t>(m)], m == bgMode_);
}

void CPropertiesWndPen::updateSwatches() {
    switch (fgMode_) {
        case 0:
            fgSwatch_->setColour(Colour{0x000000});
            break;
        case 1:
            fgSwatch_->setColour(Colour{0xFFFFFF});
            break;
        case 2:
            fgSwatch_->setColour(customFg_);
            break;
        default:
            fgSwatch_->setColour(std::nullopt);
            break;
    }
    switch (bgMode_) {
        case 0:
            bgSwatch_->setColour(Colour{0x000000});
            break;
        case 1:
            bgSwatch_->setColour(Colour{0xFFFFFF});
            break;
        case 2:
            bgSwatch_->setColour(customBg_);
            break;
        default:
            bgSwatch_->setColour(std::nullopt);
            break;
    }
    for (int c = 1; c <= 7; ++c)
        swatches_[static_cast<std::size_t>(c - 1)]->setColour(colours_[static_cast<std::size_t>(c - 1)]);
}

void CPropertiesWndPen::updatePreview() {
    std::array<bool, 5> on{};
    for (int c = 2; c <= 6; ++c) on[static_cast<std::size_t>(c - 2)] = colourOn(c);
    if (gradientOn()) {
        buildGradientTable(colours_, on, run_.gradient);
        preview_->setTable(run_.gradient);
    } else {
        buildBandTable(colours_, on, run_.band);
        preview_->setTable(run_.band);
    }
}

void CPropertiesWndPen::pickColour(int c) {
    if (dialog_->exec() == QDialog::Accepted) setColour(c, dialog_->colour());
    refresh();
}

void CPropertiesWndPen::restoreDefaults() {
    setPenWidth(1);
    fgMode_ = 0;
    bgMode_ = 1;
    setFgMode(0, false);
    setBgMode(1, false);
    gradient_->setChecked(true);
    setRepeatCount(1);
    colours_ = kDefaultColours;
    for (QCheckBox* box : colourOn_) box->setChecked(true);
    refresh();
}

int CPropertiesWndPen::penWidth() const { return widthSpin_->position(); }

void CPropertiesWndPen::setPenWidth(int width) {
    widthSpin_->setPosition(width);
    onWidthEdit();
}

void CPropertiesWndPen::onWidthSlider(int p) {
    if (p == widthCache_) return;
    widthCache_ = p;
    widthSpin_->setPosition(p);
}

void CPropertiesWndPen::onWidthEdit() {
    widthSpin_->takeOverText();
    const int p = widthSpin_->position();
    if (p == widthCache_ && widthSlider_->value() == p) return;
    widthCache_ = p;
    const QSignalBlocker block(widthSlider_);
    widthSlider_->setValue(p);
}

void CPropertiesWndPen::setCustomFg(Colour c) {
    customFg_ = c & 0xFFFFFFu;
    updateSwatches();
}

void CPropertiesWndPen::setCustomBg(Colour c) {
    customBg_ = c & 0xFFFFFFu;
    updateSwatches();
}

bool CPropertiesWndPen::gradientOn() const { return gradient_->isChecked(); }

void CPropertiesWndPen::setGradientOn(bool on) { gradient_->setChecked(on); }

int CPropertiesWndPen::repeatCount() const { return repeatSpin_->position(); }

void CPropertiesWndPen::setRepeatCount(int r) { repeatSpin_->setPosition(r); }

bool CPropertiesWndPen::colourOn(int c) const {
    if (c < 2 || c > 6) return false;
    return colourOn_[static_cast<std::size_t>(c - 2)]->isChecked();
}

void CPropertiesWndPen::setColourOn(int c, bool on) {
    if (c >= 2 && c <= 6) colourOn_[static_cast<std::size_t>(c - 2)]->setChecked(on);
}

Colour CPropertiesWndPen::colour(int c) const {
    if (c < 1 || c > 7) return 0;
    return colours_[static_cast<std::size_t>(c - 1)];
}

void CPropertiesWndPen::setColour(int c, Colour colour) {
    if (c < 1 || c > 7) return;
    colours_[static_cast<std::size_t>(c - 1)] = colour & 0xFFFFFFu;
}

void CPropertiesWndPen::refresh() {
    updateSwatches();
    updatePreview();
}

}  // namespace lumora
