#pragma once
// The colour edit dialog "色の編集": one colour made in HSV (hue bar,
// saturation/value field, or typed values) or in RGB (typed channels), the
// two sets following each other and a preview swatch showing the result.
// Every opening starts at red; after OK, colour() is the chosen colour.

#include <QDialog>
#include <array>

#include "engine/ColourModel.h"

class QLineEdit;

namespace lumora {

class ColourSwatch;
class HueBar;
class HuePointer;
class SatValField;
class SpinArrows;

class CColorSakuseiDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IdPreview = 1000;
    static constexpr int IdField = 1001;
    static constexpr int IdHueBar = 1002;
    static constexpr int IdPointer = 1003;
    static constexpr int IdEditBase = 1004;   // + channel: H, S, V, R, G, B
    static constexpr int IdSpinBase = 11100;  // + channel
    enum Channel { H = 0, S, V, R, G, B, ChannelCount };

    // `pictureFolder` holds "sankaku4.png", the hue pointer; without it the
    // pointer is drawn in code.
    explicit CColorSakuseiDialog(const QString& pictureFolder, QWidget* parent = nullptr);

    // The current colour, 0x00BBGGRR.
    Colour colour() const { return colour_; }
    int channel(Channel c) const;

    // The hue a click at row y of the hue bar sets, and the saturation and
    // value a click at (x, y) of the field sets, before clamping. Sizes
    // at or below 2 pixels give 0 rather than dividing by zero.
    static int hueAt(int y, int barHeight);
    static int saturationAt(int x, int fieldWidth);
    static int valueAt(int y, int fieldHeight);

    HuePointer& pointer() const { return *pointer_; }
    SatValField& field() const { return *field_; }
    HueBar& hueBar() const { return *hueBar_; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SpinArrows& spin(Channel c) const { return *spins_[static_cast<std::size_t>(c)]; }
    void startAtRed();
    void onHsvChanged();
    // Shows the HSV values: colour, marker, pointer, preview, and (with
    // `rewriteRgb`) the three RGB boxes.
    void showHsv(bool rewriteRgb);
    void onRgbChanged(bool rewriteRgb);
    void settleRgb();

    ColourSwatch* preview_ = nullptr;
    SatValField* field_ = nullptr;
    HueBar* hueBar_ = nullptr;
    HuePointer* pointer_ = nullptr;
    std::array<QLineEdit*, ChannelCount> edits_{};
    std::array<SpinArrows*, ChannelCount> spins_{};
    Colour colour_ = 0x0000FF;
    // Set while HSV values are being turned into RGB values, so the RGB
    // handler does not answer the dialog's own writes.
    bool busy_ = false;
    // Set while typed RGB values are being turned into HSV values; the HSV
    // handler then runs once at the end instead of once per channel.
    bool settingHsv_ = false;
};

}  // namespace lumora
