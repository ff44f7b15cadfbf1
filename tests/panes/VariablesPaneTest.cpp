// The variables pane through real keys and clicks: formula changes, the
// slider mapping, wrapping arrows, typed text that must not be taken over,
// and Draw Random.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "engine/FormulaCatalogue.h"
#include "panes/CPropertiesWndHensu.h"
#include "panes/SpinArrows.h"
#include "tests/panes/PaneTestSupport.h"

using namespace lumora;
using lumora::test::control;
using lumora::test::typeInto;

class VariablesPaneTest : public QObject {
    Q_OBJECT

    using Pane = CPropertiesWndHensu;
    test::RecordingSink commands;
    test::RecordingMessages messages;

    QLineEdit& edit(Pane& p, int row) { return control<QLineEdit>(p, Pane::IdValueBase + row - 1); }
    QSlider& slider(Pane& p, int row) { return control<QSlider>(p, Pane::IdSliderBase + row - 1); }
    SpinArrows& spin(Pane& p, int row) { return control<SpinArrows>(p, Pane::IdSpinBase + row - 1); }
    QCheckBox& lock(Pane& p, int row) { return control<QCheckBox>(p, Pane::IdLockBase + row - 1); }

private slots:
    void startsOnDiamondWithDefaults() {
        Pane pane(commands, messages);
        QCOMPARE(pane.category(), 0);
        QCOMPARE(pane.formula(), 0);
        for (int r = 1; r <= 20; ++r) {
            const RowSpec rowDef = FormulaCatalogue::row(0, 0, r);
            QCOMPARE(pane.value(r), rowDef.defaultValue);
            QCOMPARE(slider(pane, r).value(),
                     Pane::sliderPosition(rowDef.defaultValue, {rowDef.minimum, rowDef.maximum}));
            QVERIFY(pane.rowActive(r));
            QVERIFY(!pane.locked(r));
        }
        QVERIFY(messages.shown.empty());
    }

    void pickingCityLoadsTokyoAndEmptiesTheLastRows() {
        Pane pane(commands, messages);
        pane.show();
        lock(pane, 3).click();
        lock(pane, 18).click();
        QComboBox& categories = control<QComboBox>(pane, Pane::IdCategory);
        categories.setFocus();
        for (int i = 0; i < 8; ++i) QTest::keyClick(&categories, Qt::Key_Down);
        QCOMPARE(categories.currentText(), QStringLiteral("都市"));
        QCOMPARE(control<QComboBox>(pane, Pane::IdFormula).currentText(), QStringLiteral("東京"));
        QCOMPARE(pane.category(), 8);
        QCOMPARE(pane.formula(), 0);
        for (int r = 1; r <= 16; ++r) {
            QVERIFY(pane.rowActive(r));
            QCOMPARE(pane.value(r), FormulaCatalogue::row(8, 0, r).defaultValue);
            QVERIFY(edit(pane, r).isVisible());
        }
        for (int r = 17; r <= 20; ++r) {
            QVERIFY(!pane.rowActive(r));
            QCOMPARE(pane.value(r), 0);
            QCOMPARE(slider(pane, r).value(), 0);
            QCOMPARE(pane.range(r).minimum, 0);
            QCOMPARE(pane.range(r).maximum, 100);
            QVERIFY(control<QLabel>(pane, Pane::IdLabelBase + r - 1).text().isEmpty());
            QVERIFY(!edit(pane, r).isVisible());
            QVERIFY(!lock(pane, r).isEnabled());
            QVERIFY(!spin(pane, r).isEnabled());
            QVERIFY(!slider(pane, r).isEnabled());
        }
        // Lock states belong to the rows, not to the formula.
        QVERIFY(pane.locked(3));
        QVERIFY(pane.locked(18));
        QVERIFY(!pane.locked(4));

        // Kyoto after Tokyo reloads every row: typed values are lost.
        typeInto(edit(pane, 5), QStringLiteral("77"));
        QCOMPARE(pane.value(5), 77);
        QComboBox& formulas = control<QComboBox>(pane, Pane::IdFormula);
        formulas.setFocus();
        QTest::keyClick(&formulas, Qt::Key_Down);
        QCOMPARE(formulas.currentText(), QStringLiteral("京都"));
        QCOMPARE(pane.value(5), FormulaCatalogue::row(8, 1, 5).defaultValue);
    }

    void sliderEndsAndValuesMapBothWays() {
        // row 1 is 1..999 in every formula; row 9 of "ダイヤモンド" -999..999.
        struct Case {
            int row;
            Qt::Key key;
            int value;
        };
        const Case cases[] = {
            {1, Qt::Key_Home, 1}, {1, Qt::Key_End, 999}, {9, Qt::Key_Home, -998}, {9, Qt::Key_End, 999}};
        Pane pane(commands, messages);
        pane.show();
        QCOMPARE(pane.range(9).minimum, -999);
        for (const Case& c : cases) {
            QTest::keyClick(&slider(pane, c.row), c.key);
            QCOMPARE(pane.value(c.row), c.value);
            QCOMPARE(edit(pane, c.row).text(), QString::number(c.value));
        }
        // Typed values move the slider by (value - min) * 1000 / (max - min).
        struct Typed {
            int row;
            int value;
            int position;
        };
        const Typed typed[] = {{1, 500, 500}, {2, 180, 1000}, {2, 90, 497}, {2, 1, 0}};
        for (const Typed& t : typed) {
            typeInto(edit(pane, t.row), QString::number(t.value));
            QCOMPARE(pane.value(t.row), t.value);
            QCOMPARE(slider(pane, t.row).value(), t.position);
        }
    }

    void arrowsWrapAtTheEnds() {
        Pane pane(commands, messages);
        pane.show();
        typeInto(edit(pane, 1), QStringLiteral("999"));
        QTest::mouseClick(spin(pane, 1).upButton(), Qt::LeftButton);
        QCOMPARE(pane.value(1), 1);
        QCOMPARE(slider(pane, 1).value(), 0);
        QTest::mouseClick(spin(pane, 1).downButton(), Qt::LeftButton);
        QCOMPARE(pane.value(1), 999);
        // The arrow keys in the value box step the same way.
        QTest::keyClick(&edit(pane, 2), Qt::Key_Up);
        QCOMPARE(pane.value(2), 17);
    }

    void typedGarbageIsNeverTakenOver() {
        struct Case {
            QString text;
            bool paste;  // whole, as a paste; otherwise key by key
        };
        const Case cases[] = {{QStringLiteral("abc"), false},       {QStringLiteral("x1"), false},
                              {QStringLiteral("-"), false},         {QString(), false},
                              {QStringLiteral("1000"), true},       {QStringLiteral("0"), true},
                              {QStringLiteral("12x"), true},        {QStringLiteral("1.5"), true},
                              {QStringLiteral("99999999999"), true}};
        Pane pane(commands, messages);
        pane.show();
        for (const Case& c : cases) {
            c.paste ? test::pasteInto(edit(pane, 1), c.text) : typeInto(edit(pane, 1), c.text);
            QCOMPARE(edit(pane, 1).text(), c.text);  // stays until corrected
            QCOMPARE(pane.value(1), 200);
            QCOMPARE(slider(pane, 1).value(), Pane::sliderPosition(200, {1, 999}));
        }
        // An arrow step starts from the kept value and rewrites the box.
        QTest::mouseClick(spin(pane, 1).upButton(), Qt::LeftButton);
        QCOMPARE(pane.value(1), 201);
        QCOMPARE(edit(pane, 1).text(), QStringLiteral("201"));
    }

    void setValueClampsAndOutOfRangeIndexesAreIgnored() {
        Pane pane(commands, messages);
        pane.setValue(2, 500);
        QCOMPARE(pane.value(2), 180);
        QCOMPARE(slider(pane, 2).value(), 1000);
        pane.setValue(0, 5);
        pane.setValue(21, 5);
        QCOMPARE(pane.value(21), 0);
        QVERIFY(!pane.rowActive(0));
        pane.selectCategory(10);
        pane.selectCategory(-1);
        pane.selectFormula(2);
        QCOMPARE(pane.category(), 0);
        QCOMPARE(pane.formula(), 0);
    }

    void buttonsAndToolbarSendTheirCommands() {
        Pane pane(commands, messages);
        pane.show();
        commands.ids.clear();
        QTest::mouseClick(&control<QPushButton>(pane, Pane::IdDraw), Qt::LeftButton);
        QTest::mouseClick(&control<QPushButton>(pane, Pane::IdDrawRandom), Qt::LeftButton);
        for (int id : {Pane::IdZoomIn, Pane::IdZoomOut, Pane::IdCentre}) control<QAction>(pane, id).trigger();
        QCOMPARE(commands.ids, (std::vector<int>{10030, 10031, 10011, 10012, 11602}));
    }

    void drawRandomStepsUnlockedActiveRowsThenDraws() {
        Pane pane(commands, messages);
        // Tick 0: row 1 is seeded 0 (draws 38, a step down), row 2 100
        // (draws 365, a step up).
        const TickSource zero = [] { return 0u; };
        commands.ids.clear();
        pane.runDrawRandom(zero);
        QCOMPARE(pane.value(1), 199);
        QCOMPARE(pane.value(2), 17);
        QCOMPARE(commands.ids, std::vector<int>{10030});

        // All rows locked: nothing moves, Draw still runs.
        std::vector<int> before;
        for (int r = 1; r <= 20; ++r) {
            pane.setLocked(r, true);
            before.push_back(pane.value(r));
        }
        pane.runDrawRandom(systemTick());
        for (int r = 1; r <= 20; ++r) QCOMPARE(pane.value(r), before[static_cast<std::size_t>(r - 1)]);
        QCOMPARE(commands.ids.size(), std::size_t{2});

        // Rows beyond the formula's count never change, even unlocked.
        pane.selectCategory(1);  // "太陽", 11 rows
        for (int r = 1; r <= 20; ++r) pane.setLocked(r, false);
        pane.setValue(15, 50);
        for (std::uint32_t t = 0; t < 200; t += 7) pane.runDrawRandom([t] { return t; });
        QCOMPARE(pane.value(15), 50);
        bool moved = false;
        for (int r = 1; r <= 11; ++r) moved = moved || pane.value(r) != FormulaCatalogue::row(1, 0, r).defaultValue;
        QVERIFY(moved);
    }

    void sliderMappingGuardsAnEmptyRange() {
        QCOMPARE(Pane::sliderPosition(5, {5, 5}), 0);
        QCOMPARE(Pane::sliderValue(500, {5, 5}), 5);
        QCOMPARE(Pane::sliderPosition(-999, {-999, 999}), 0);
        QCOMPARE(Pane::sliderValue(1000, {-999, 999}), 999);
    }
};

QTEST_MAIN(VariablesPaneTest)
#include "VariablesPaneTest.moc"
