#pragma once
// The variables pane "描画設定値": the formula selection and the twenty
// parameter rows (lock box, label, value box, up-down, slider). It is the
// live home of the category, the formula, the parameters and the locks;
// Draw, the record operations and Draw Random go through VariablesControls.

#include <QWidget>
#include <array>

#include "engine/PaneControls.h"
#include "engine/RandomDraw.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolBar;

namespace lumora {

class CommandSink;
class SpinArrows;

class CPropertiesWndHensu : public QWidget, public VariablesControls {
    Q_OBJECT
public:
    // Control and command ids.
    enum : int {
        IdToolBar = 10010,
        IdZoomIn = 10011,
        IdZoomOut = 10012,
        IdCentre = 11602,
        IdPanel = 20002,
        IdDraw = 10030,
        IdDrawRandom = 10031,
        IdCategory = 10020,
        IdFormula = 10021,
        IdLockBase = 10100,   // + row - 1
        IdLabelBase = 10200,  // + row - 1
        IdValueBase = 10300,  // + row - 1
        IdSpinBase = 10400,   // + row - 1
        IdSliderBase = 10500  // + row - 1
    };
    static constexpr int kRows = 20;
    static constexpr int kSliderMax = 1000;

    // Commands the pane does not handle (zoom, centre, Draw, Draw Random) go
    // to `commands`; catalogue range warnings go to `messages`. Starts on
    // category 0, formula 0 with the catalogue defaults, all locks clear.
    CPropertiesWndHensu(CommandSink& commands, MessageSink& messages, QWidget* parent = nullptr);

    // VariablesControls. Rows are 1..20; the other indexes are ignored
    // (reads give 0 / an empty range).
    int category() const override;
    int formula() const override;
    // An index outside the list leaves the selection and the rows as they are.
    void selectCategory(int category) override;
    void selectFormula(int formula) override;
    int value(int row) override;
    void setValue(int row, int value) override;
    RowRange range(int row) const override;
    bool rowActive(int row) const override;
    bool locked(int row) const override;
    void setLocked(int row, bool locked) override;

    // Draw Random (command 10031): every active unlocked row takes one random
    // step, then Draw (10030) is sent to the command sink.
    void runDrawRandom(const TickSource& tick);

    // The slider position of a value, and the value of a slider position,
    // for a row range. A range with minimum >= maximum maps to position 0
    // and to its minimum instead of dividing by zero.
    static int sliderPosition(int value, RowRange range);
    static int sliderValue(int position, RowRange range);

    // Room for all controls without scrolling; the dock may give less, and
    // the controls then scroll.
    QSize sizeHint() const override;

private:
    struct Row {
        QCheckBox* lock = nullptr;
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        SpinArrows* spin = nullptr;
        QSlider* slider = nullptr;
        RowRange kept{0, 100};  // the catalogue range of the last load
        bool active = false;
    };

    static bool validRow(int row) { return row >= 1 && row <= kRows; }
    Row& rowAt(int row) { return rows_[static_cast<std::size_t>(row - 1)]; }
    const Row& rowAt(int row) const { return rows_[static_cast<std::size_t>(row - 1)]; }

    QToolBar* buildToolBar();
    QWidget* buildPanel();
    void fillFormulaList();
    void onCategoryPicked();
    void loadFormula();
    void setRowActive(Row& row, bool active);
    void onSliderMoved(int row);
    void onValueBoxChanged(int row);
    void setSliderQuietly(Row& row, int position);

    CommandSink& commands_;
    QToolBar* toolBar_ = nullptr;
    QWidget* body_ = nullptr;
    MessageSink& messages_;
    QComboBox* categoryList_ = nullptr;
    QComboBox* formulaList_ = nullptr;
    std::array<Row, kRows> rows_{};
};

}  // namespace lumora
