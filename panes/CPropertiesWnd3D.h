#pragma once
// The 3D pane "３Ｄ変換": the three turn angles, the depth scale, the display
// magnification and the two shifts, each as label, value box, wrapping
// up-down and slider kept in step. Changing a value does not redraw.

#include <QWidget>
#include <array>

#include "engine/PaneControls.h"

class QLabel;
class QLineEdit;
class QSlider;
class QToolBar;

namespace lumora {

class CommandSink;
class SpinArrows;

class CPropertiesWnd3D : public QWidget, public TurnControls {
    Q_OBJECT
public:
    static constexpr int IdSpinBase = 11200;    // + row
    static constexpr int IdSliderBase = 11210;  // + row
    static constexpr int IdEditBase = 11220;    // + row
    static constexpr int IdLabelBase = 11230;   // + row
    static constexpr int IdReset = 11240;
    static constexpr int IdToolBar = 11900;
    static constexpr int IdEnlarge = 11901;
    static constexpr int IdShrink = 11902;
    static constexpr int IdStandardSize = 11903;
    static constexpr int IdDraw = 10030;

    // The toolbar's enlarge, shrink and standard-size buttons go to
    // `commands` as 11901..11903; when nobody takes them there, the pane
    // changes "拡大" itself and sends Draw (10030).
    explicit CPropertiesWnd3D(CommandSink& commands, QWidget* parent = nullptr);

    // TurnControls; a row outside 0..6 reads 0 and is not set.
    int value(Row row) const override;
    void setValue(Row row, int value) override;

    // "リセット": no turn, depth scale 100, magnify 100, no shift. No redraw.
    void reset();
    // The "拡大" changes of enlarge (+100, at most 999), shrink (-100, at
    // least -999) and standard size (100). They do not draw: whoever runs
    // the command draws afterwards.
    void enlarge();
    void shrink();
    void standardSize();
    // Runs the value change of 11901, 11902 or 11903; false for other ids.
    bool applyMagnifyCommand(int id);

    // Room for all controls without scrolling; the dock may give less, and
    // the controls then scroll.
    QSize sizeHint() const override;

private:
    struct Line {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        SpinArrows* spin = nullptr;
        QSlider* slider = nullptr;
    };
    static bool validRow(Row row) { return row >= 0 && row < RowCount; }
    QToolBar* buildToolBar();
    void onEditChanged(int k);
    void onSliderMoved(int k);
    void runToolbarCommand(int id);

    CommandSink& commands_;
    QToolBar* toolBar_ = nullptr;
    QWidget* body_ = nullptr;
    std::array<Line, RowCount> lines_{};
};

}  // namespace lumora
