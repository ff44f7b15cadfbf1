// The 3D pane: wrapping arrows, value box and slider in step, reset, and
// the enlarge / shrink / standard-size limits.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "panes/CPropertiesWnd3D.h"
#include "panes/SpinArrows.h"
#include "tests/panes/PaneTestSupport.h"

using namespace lumora;
using lumora::test::control;
using lumora::test::typeInto;

class TurnPaneTest : public QObject {
    Q_OBJECT
    using Pane = CPropertiesWnd3D;
    test::RecordingSink commands;

    QLineEdit& edit(Pane& p, TurnControls::Row k) { return control<QLineEdit>(p, Pane::IdEditBase + k); }
    QSlider& slider(Pane& p, TurnControls::Row k) { return control<QSlider>(p, Pane::IdSliderBase + k); }
    SpinArrows& spin(Pane& p, TurnControls::Row k) { return control<SpinArrows>(p, Pane::IdSpinBase + k); }

private slots:
    void initialValuesAndRanges() {
        Pane pane(commands);
        const int initial[] = {0, 0, 0, 100, 100, 0, 0};
        const int ticks[] = {36, 36, 36, 200, 200, 20, 20};
        for (int k = 0; k < TurnControls::RowCount; ++k) {
            const auto row = static_cast<TurnControls::Row>(k);
            QCOMPARE(pane.value(row), initial[k]);
            QCOMPARE(slider(pane, row).value(), initial[k]);
            QCOMPARE(slider(pane, row).minimum(), TurnControls::rangeOf(row).minimum);
            QCOMPARE(slider(pane, row).maximum(), TurnControls::rangeOf(row).maximum);
            QCOMPARE(slider(pane, row).tickInterval(), ticks[k]);
        }
    }

    void arrowsWrapAndEditsMoveSliders() {
        Pane pane(commands);
        pane.show();
        struct Case {
            TurnControls::Row row;
            int from;
            int after;
        };
        const Case ups[] = {
            {TurnControls::RotX, 359, 0}, {TurnControls::Magnify, 999, -999}, {TurnControls::ShiftH, 100, -100}};
        for (const Case& c : ups) {
            typeInto(edit(pane, c.row), QString::number(c.from));
            QCOMPARE(slider(pane, c.row).value(), c.from);
            QTest::mouseClick(spin(pane, c.row).upButton(), Qt::LeftButton);
            QCOMPARE(pane.value(c.row), c.after);
            QCOMPARE(slider(pane, c.row).value(), c.after);
        }
        typeInto(edit(pane, TurnControls::RotZ), QStringLiteral("45"));
        QCOMPARE(slider(pane, TurnControls::RotZ).value(), 45);
        // Slider keys set the value box.
        QTest::keyClick(&slider(pane, TurnControls::ShiftV), Qt::Key_End);
        QCOMPARE(pane.value(TurnControls::ShiftV), 100);
        QCOMPARE(edit(pane, TurnControls::ShiftV).text(), QStringLiteral("100"));
        // Garbage and out-of-range text are not taken over.
        test::pasteInto(edit(pane, TurnControls::RotZ), QStringLiteral("360"));
        QCOMPARE(pane.value(TurnControls::RotZ), 45);
        typeInto(edit(pane, TurnControls::RotZ), QStringLiteral("x"));
        QCOMPARE(pane.value(TurnControls::RotZ), 45);
        QCOMPARE(slider(pane, TurnControls::RotZ).value(), 45);
    }

    void resetRestoresWithoutDrawing() {
        Pane pane(commands);
        pane.show();
        pane.setValue(TurnControls::Magnify, 350);
        pane.setValue(TurnControls::RotY, 90);
        commands.ids.clear();
        QTest::mouseClick(&control<QPushButton>(pane, Pane::IdReset), Qt::LeftButton);
        QCOMPARE(pane.value(TurnControls::Magnify), 100);
        QCOMPARE(pane.value(TurnControls::RotY), 0);
        QCOMPARE(slider(pane, TurnControls::RotY).value(), 0);
        QVERIFY(commands.ids.empty());
    }

    void magnifyCommandsKeepTheirLimits() {
        struct Case {
            int id;
            int from;
            int to;
        };
        const Case cases[] = {{Pane::IdEnlarge, 950, 999},      {Pane::IdEnlarge, 999, 999},
                              {Pane::IdEnlarge, 100, 200},      {Pane::IdShrink, -950, -999},
                              {Pane::IdShrink, -999, -999},     {Pane::IdShrink, 100, 0},
                              {Pane::IdStandardSize, -500, 100}};
        Pane pane(commands);
        for (const Case& c : cases) {
            pane.setValue(TurnControls::Magnify, c.from);
            QVERIFY(pane.applyMagnifyCommand(c.id));
            QCOMPARE(pane.value(TurnControls::Magnify), c.to);
        }
        QVERIFY(!pane.applyMagnifyCommand(10030));
    }

    void toolbarGoesToTheSinkFirst() {
        Pane pane(commands);
        pane.setValue(TurnControls::Magnify, 100);
        // Nobody takes the command: the pane changes the value and draws.
        commands.handles = false;
        commands.ids.clear();
        control<QAction>(pane, Pane::IdEnlarge).trigger();
        QCOMPARE(pane.value(TurnControls::Magnify), 200);
        QCOMPARE(commands.ids, (std::vector<int>{11901, 10030}));
        // The frame takes it: the pane leaves it to the frame.
        commands.handles = true;
        commands.ids.clear();
        control<QAction>(pane, Pane::IdShrink).trigger();
        QCOMPARE(pane.value(TurnControls::Magnify), 200);
        QCOMPARE(commands.ids, std::vector<int>{11902});
        commands.handles = false;
    }
};

QTEST_MAIN(TurnPaneTest)
#include "TurnPaneTest.moc"
