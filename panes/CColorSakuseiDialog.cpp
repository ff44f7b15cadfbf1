#include "panes/CColorSakuseiDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "panes/ColourSwatch.h"
#include "panes/ControlId.h"
#include "panes/HueBar.h"
#include "panes/HuePointer.h"
#include "panes/PanePictures.h"
#include "panes/SatValField.h"
#include "panes/SpinArrows.h"

namespace lumora {
namespace {

constexpr int kFieldWidth = 228;
constexpr int kFieldHeight = 220;
constexpr int kBarWidth = 36;
constexpr int kPointerMargin = 10;

struct ChannelSpec {
    const char* label;
    int maximum;
};
constexpr std::array<ChannelSpec, CColorSakuseiDialog::ChannelCount> kChannels{{
    {"色合い(H):", 360},
    {"鮮やかさ(S):", 255},
    {"明るさ(V):", 255},
    {"赤(R):", 255},
    {"緑(G):", 255},
    {"青(B):", 255},
}};

}  // namespace

CColorSakuseiDialog::CColorSakuseiDialog(const QString& pictureFolder, QWidget* parent) : QDialog(parent) {
    setControlId(this, 310);
    setWindowTitle(QStringLiteral("色の編集"));

    preview_ = new ColourSwatch(ColourSwatch::Edge::Outline, false, this);
    setControlId(preview_, IdPreview);
    preview_->setMinimumSize(130, 56);

    auto* values = new QGridLayout;
    values->setHorizontalSpacing(4);
    values->setVerticalSpacing(3);
    for (int c = 0; c < ChannelCount; ++c) {
        const ChannelSpec& channel = kChannels[static_cast<std::size_t>(c)];
        auto* label = new QLabel(QString::fromUtf8(channel.label), this);
        auto* edit = new QLineEdit(this);
        auto* arrows = new SpinArrows(*edit, this);
        setControlId(edit, IdEditBase + c);
        setControlId(arrows, IdSpinBase + c);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
        arrows->setWrapping(false);
        arrows->setRange(0, channel.maximum);
        label->setBuddy(edit);
        edits_[static_cast<std::size_t>(c)] = edit;
        spins_[static_cast<std::size_t>(c)] = arrows;
        // A gap between the HSV and the RGB group.
        const int row = c < R ? c : c + 1;
        values->addWidget(label, row, 0, Qt::AlignRight);
        values->addWidget(edit, row, 1);
        values->addWidget(arrows, row, 2);
        if (c <= V) {
            connect(edit, &QLineEdit::textChanged, this, [this] { onHsvChanged(); });
        } else {
            // Typing follows into HSV at each key, but the typed channels are
            // replaced by their HSV round trip only when the box is left:
            // rewriting them under the cursor would make many values
            // impossible to type (with red 255, the "2" of a green 200 rounds
            // back to 0 before the "00" arrives).
            connect(edit, &QLineEdit::textEdited, this, [this] { onRgbChanged(false); });
            connect(edit, &QLineEdit::editingFinished, this, [this] { settleRgb(); });
            connect(arrows, &SpinArrows::stepped, this, [this] { onRgbChanged(true); });
        }
    }
    values->setRowMinimumHeight(R, 8);

    auto* left = new QVBoxLayout;
    left->addWidget(preview_);
    left->addSpacing(8);
    left->addLayout(values);
    left->addStretch(1);

    field_ = new SatValField(this);
    setControlId(field_, IdField);
    field_->setFixedSize(kFieldWidth, kFieldHeight);
    hueBar_ = new HueBar(this);
    setControlId(hueBar_, IdHueBar);
    hueBar_->setFixedSize(kBarWidth, kFieldHeight);
    pointer_ = new HuePointer(huePointerPicture(pictureFolder), kPointerMargin, this);
    setControlId(pointer_, IdPointer);
    pointer_->setFixedSize(2 * kPointerMargin + 2, kFieldHeight + 2 * kPointerMargin);
    // The dialog answers clicks on these itself, in their own coordinates.
    for (QWidget* w : {static_cast<QWidget*>(field_), static_cast<QWidget*>(hueBar_), static_cast<QWidget*>(pointer_)})
        w->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* barColumn = new QVBoxLayout;
    barColumn->setContentsMargins(0, kPointerMargin, 0, kPointerMargin);
    barColumn->addWidget(hueBar_);
    auto* fieldColumn = new QVBoxLayout;
    fieldColumn->setContentsMargins(0, kPointerMargin, 0, kPointerMargin);
    fieldColumn->addWidget(field_);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addLayout(left);
    top->addLayout(fieldColumn);
    auto* hueColumn = new QHBoxLayout;
    hueColumn->setSpacing(2);
    hueColumn->addLayout(barColumn);
    hueColumn->addWidget(pointer_, 0, Qt::AlignTop);
    top->addLayout(hueColumn);
    top->setAlignment(hueColumn, Qt::AlignTop);
    top->setAlignment(fieldColumn, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    setControlId(ok, 1);
    setControlId(cancel, 2);
    for (QPushButton* b : {ok, cancel}) b->setMinimumWidth(120);
    ok->setDefault(true);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    startAtRed();
}

int CColorSakuseiDialog::channel(Channel c) const { return spin(c).position(); }

int CColorSakuseiDialog::hueAt(int y, int barHeight) {
    if (barHeight <= 0) return 0;
    return (y * 360) / barHeight;
}

int CColorSakuseiDialog::saturationAt(int x, int fieldWidth) {
    if (fieldWidth <= 2) return 0;
    return (x * 256) / (fieldWidth - 2);
}

int CColorSakuseiDialog::valueAt(int y, int fieldHeight) {
    if (fieldHeight <= 2) return 0;
    return ((fieldHeight - y) * 256) / (fieldHeight - 2);
}

void CColorSakuseiDialog::showEvent(QShowEvent* event) {
    // Whatever was chosen last time, each opening starts at red.
    startAtRed();
    QDialog::showEvent(event);
}

void CColorSakuseiDialog::startAtRed() {
    settingHsv_ = true;
    spin(H).setPosition(0);
    spin(S).setPosition(255);
    spin(V).setPosition(255);
    settingHsv_ = false;
    onHsvChanged();
}

void CColorSakuseiDialog::onHsvChanged() { showHsv(true); }

void CColorSakuseiDialog::showHsv(bool rewriteRgb) {
    if (settingHsv_) return;
    for (Channel c : {H, S, V}) spin(c).takeOverText();
    const int h = spin(H).position();
    const int s = spin(S).position();
    const int v = spin(V).position();
    busy_ = true;
    const Rgb rgb = hsvToRgb(h, s, v);
    if (rewriteRgb) {
        spin(R).setPosition(rgb.r);
        spin(G).setPosition(rgb.g);
        spin(B).setPosition(rgb.b);
    }
    colour_ = packColour(rgb.r, rgb.g, rgb.b);
    pointer_->setHue(h, hueBar_->height());
    field_->setHsv(h, s, v);
    preview_->setColour(colour_);
    busy_ = false;
}

void CColorSakuseiDialog::onRgbChanged(bool rewriteRgb) {
    if (busy_) return;
    // Only a channel that was really taken over changes anything.
    bool any = false;
    for (Channel c : {R, G, B}) any = spin(c).takeOverText() || any;
    if (!any) return;
    const Hsv hsv = rgbToHsv(spin(R).position(), spin(G).position(), spin(B).position());
    settingHsv_ = true;
    spin(H).setPosition(hsv.h);
    spin(S).setPosition(hsv.s);
    spin(V).setPosition(hsv.v);
    settingHsv_ = false;
    // The RGB values become the HSV round trip of what was entered.
    showHsv(rewriteRgb);
}

void CColorSakuseiDialog::settleRgb() {
    // The colour already is the round trip; make the three boxes say so
    // (a box left with text that was never taken over gets its value back).
    const Rgb rgb{redOf(colour_), greenOf(colour_), blueOf(colour_)};
    busy_ = true;
    spin(R).setPosition(rgb.r);
    spin(G).setPosition(rgb.g);
    spin(B).setPosition(rgb.b);
    busy_ = false;
}

void CColorSakuseiDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        // The hue band: the bar and its pointer, with the pointer's margin
        // above and below the bar so the two ends can be hit and clamp.
        const QRect bar = hueBar_->geometry();
        const QRect band(bar.left(), bar.top() - kPointerMargin, pointer_->geometry().right() - bar.left() + 1,
                         bar.height() + 2 * kPointerMargin);
        if (band.contains(at)) spin(H).setPosition(hueAt(at.y() - bar.top(), bar.height()));
        // The bottom pixel row is left out, so the lowest value a click sets
        // is (2 * 256) / (height - 2), not the near-black of the last row.
        const QRect field = field_->geometry();
        if (field.adjusted(0, 0, 0, -1).contains(at)) {
            const QPoint local = at - field.topLeft();
            settingHsv_ = true;
            spin(S).setPosition(saturationAt(local.x(), field.width()));
            spin(V).setPosition(valueAt(local.y(), field.height()));
            settingHsv_ = false;
            onHsvChanged();
        }
    }
    QDialog::mousePressEvent(event);
}

}  // namespace lumora
