#pragma once
// The pen pane "カラー・ストローク": pen width, the foreground and background
// modes with their custom colours, the seven colours of the colour run with
// switches for colours 2..6, smooth or banded run, its repeat count, and a
// preview bar of the run. Draw and the record operations go through
// PenControls.

#include <QWidget>
#include <array>

#include "engine/ColourRun.h"
#include "engine/PaneControls.h"

class QCheckBox;
class QLineEdit;
class QSlider;

namespace lumora {

class CColorSakuseiDialog;
class ClickablePicture;
class ColourPreviewBar;
class ColourSwatch;
class SpinArrows;

class CPropertiesWndPen : public QWidget, public PenControls {
    Q_OBJECT
public:
    enum : int {
        IdWidthEdit = 11011,
        IdWidthSpin = 11012,
        IdWidthSlider = 11013,
        IdFgSwatch = 11015,
        IdBgSwatch = 11035,
        IdFgOnBase = 11020,   // + mode 0..3
        IdFgOffBase = 20010,  // + mode 0..3
        IdBgOnBase = 11024,   // + mode 0..2
        IdBgOffBase = 20014,  // + mode 0..2
        IdGradient = 11043,
        IdRepeatEdit = 11044,
        IdRepeatSpin = 11045,
        IdPreview = 11046,
        IdColourBase = 11050,    // + colour - 1
        IdColourOnBase = 11060,  // + colour - 2
        IdDefault = 11070
    };
    static const std::array<Colour, 7> kDefaultColours;

    // `pictureFolder` holds "radioon2.png", "radiooff2.png" and
    // "sankaku4.png"; missing pictures are drawn in code.
    explicit CPropertiesWndPen(const QString& pictureFolder, QWidget* parent = nullptr);

    // Foreground mode 0 black, 1 white, 2 custom colour, 3 gradient;
    // background 0 black, 1 white, 2 custom colour. Mode 2 without
    // `fromRecord` asks for the colour first and changes nothing when the
    // dialog is cancelled; with `fromRecord` it keeps the custom colour the
    // caller sets. Any other mode is stored as it is and shows no option on.
    void setFgMode(int mode, bool fromRecord);
    void setBgMode(int mode, bool fromRecord);

    // "デフォルト" (11070, also from the menu): width 1, black on white,
    // smooth run once, the standard seven colours all switched on. The
    // custom colours stay. No redraw.
    void restoreDefaults();

    // The colour run tables as the preview last built them.
    const ColourRun& colourRun() const { return run_; }
    CColorSakuseiDialog& colourDialog() const { return *dialog_; }

    // PenControls.
    int penWidth() const override;
    void setPenWidth(int width) override;
    int fgMode() const override { return fgMode_; }
    int bgMode() const override { return bgMode_; }
    void setFgModeFromRecord(int mode) override { setFgMode(mode, true); }
    void setBgModeFromRecord(int mode) override { setBgMode(mode, true); }
    Colour customFg() const override { return customFg_; }
    Colour customBg() const override { return customBg_; }
    void setCustomFg(Colour c) override;
    void setCustomBg(Colour c) override;
    bool gradientOn() const override;
    void setGradientOn(bool on) override;
    int repeatCount() const override;
    void setRepeatCount(int r) override;
    // c = 2..6; other indexes read false and are not set.
    bool colourOn(int c) const override;
    void setColourOn(int c, bool on) override;
    // c = 1..7; other indexes read 0 and are not set.
    Colour colour(int c) const override;
    void setColour(int c, Colour colour) override;
    void refresh() override;

    QSize sizeHint() const override;

private:
    struct RadioPair {
        ClickablePicture* on = nullptr;
        ClickablePicture* off = nullptr;
    };
    QWidget* buildWidthRow();
    QWidget* buildModeGroup(bool foreground);
    void showModes();
    void updateSwatches();
    void updatePreview();
    void pickColour(int c);
    void onWidthSlider(int p);
    void onWidthEdit();

    CColorSakuseiDialog* dialog_ = nullptr;
    QString pictureFolder_;
    QWidget* body_ = nullptr;

    QLineEdit* widthEdit_ = nullptr;
    SpinArrows* widthSpin_ = nullptr;
    QSlider* widthSlider_ = nullptr;
    int widthCache_ = 1;
    ColourSwatch* fgSwatch_ = nullptr;
    ColourSwatch* bgSwatch_ = nullptr;
    std::array<RadioPair, 4> fgRadios_{};
    std::array<RadioPair, 3> bgRadios_{};
    QCheckBox* gradient_ = nullptr;
    QLineEdit* repeatEdit_ = nullptr;
    SpinArrows* repeatSpin_ = nullptr;
    ColourPreviewBar* preview_ = nullptr;
    std::array<QCheckBox*, 5> colourOn_{};
    std::array<ColourSwatch*, 7> swatches_{};

    int fgMode_ = 0;
    int bgMode_ = 1;
    Colour customFg_ = 0x000000;
    Colour customBg_ = 0xFFFFFF;
    std::array<Colour, 7> colours_{};
    ColourRun run_;
};

}  // namespace lumora
