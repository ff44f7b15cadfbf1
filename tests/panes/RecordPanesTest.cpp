// collectRecord and applyRecord through the real panes: a record inside all
// ranges comes back unchanged, a refused record leaves every pane as it was,
// and Draw reads the same inputs from the panes as from plain values.

#include <QTemporaryDir>
#include <QTest>

#include "engine/DrawInputs.h"
#include "engine/FormulaCatalogue.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"
#include "panes/CPropertiesWnd3D.h"
#include "panes/CPropertiesWndHensu.h"
#include "panes/CPropertiesWndPen.h"
#include "tests/panes/PaneTestSupport.h"

using namespace lumora;
using F = FigureRecord;

namespace {

// A record inside every range: formula (c, f) with values spread over each
// row's range, the given modes and colours, every field different from the
// panes' start.
FigureRecord recordFor(int c, int f, int fgMode, int bgMode, int spread) {
    FigureRecord r;
    r[F::Category] = c;
    r[F::Formula] = f;
    const int n = FormulaCatalogue::rowCount(c, f);
    for (int row = 1; row <= 20; ++row) {
        const RowSpec rowDef = FormulaCatalogue::row(c, f, row);
        const long long span = static_cast<long long>(rowDef.maximum) - rowDef.minimum;
        // Inactive rows hold 0..100; a record may set them within that.
        r[F::Param1 + row - 1] =
            row <= n ? static_cast<int>(rowDef.minimum + (span * ((row * spread) % 101)) / 100) : (row * spread) % 101;
        r[F::Lock1 + row - 1] = (row + spread) % 3 == 0 ? 1 : 0;
    }
    r[F::PenWidth] = 1 + (spread * 7) % 100;
    r[F::FgMode] = fgMode;
    r[F::FgColour] = 0x102030 + spread;
    r[F::BgMode] = bgMode;
    r[F::BgColour] = 0x405060 + spread;
    r[F::GradientOn] = spread % 2;
    r[F::RepeatCount] = 1 + spread % 30;
    for (int k = 2; k <= 6; ++k) r[F::ColourOn2 + k - 2] = (k + spread) % 2;
    for (int k = 1; k <= 7; ++k) r[F::Colour1 + k - 1] = (0x111111 * k + spread) & 0xFFFFFF;
    r[F::RotZ] = (spread * 13) % 360;
    r[F::RotX] = (spread * 29) % 360;
    r[F::RotY] = 359 - spread % 360;
    r[F::ZScale] = -999 + (spread * 37) % 1999;
    r[F::Magnify] = 999 - (spread * 41) % 1999;
    r[F::ShiftV] = -100 + spread % 201;
    r[F::ShiftH] = 100 - (spread * 3) % 201;
    r[F::RecordSum] = recordSum(r);
    return r;
}

}  // namespace

class RecordPanesTest : public QObject {
    Q_OBJECT
    QTemporaryDir pictures;
    test::RecordingSink commands;
    test::RecordingMessages messages;

private slots:
    void collectAfterApplyGivesTheSameRecord() {
        CPropertiesWndHensu variables(commands, messages);
        CPropertiesWndPen pen(pictures.path());
        CPropertiesWnd3D turn(commands);
        const FigurePanes panes{variables, pen, turn};
        int spread = 1;
        for (int c = 0; c < FormulaCatalogue::kCategories; ++c) {
            for (int f = 0; f < FormulaCatalogue::kFormulas; ++f) {
                for (int fgMode = 0; fgMode <= 3; ++fgMode) {
                    const FigureRecord r = recordFor(c, f, fgMode, (fgMode + spread) % 3, spread);
                    ViewColours view;
                    QCOMPARE(applyRecord(r, panes, view, messages), ApplyOutcome::Applied);
                    FigureRecord current;
                    const FigureRecord back = collectRecord(panes, view, current);
                    for (int pos = 0; pos < F::kSize; ++pos) {
                        if (back[pos] != r[pos])
                            QFAIL(qPrintable(QStringLiteral("category %1 formula %2 mode %3: position %4 is %5, not %6")
                                                 .arg(c)
                                                 .arg(f)
                                                 .arg(fgMode)
                                                 .arg(pos)
                                                 .arg(back[pos])
                                                 .arg(r[pos])));
                    }
                    QCOMPARE(current, back);
                    // The custom colours follow the record (mode 0 with black too).
                    QCOMPARE(pen.customFg(), colourBits(r[F::FgColour]));
                    QCOMPARE(pen.customBg(), colourBits(r[F::BgColour]));
                    ++spread;
                }
            }
        }
        QVERIFY(messages.shown.empty());
    }

    void drawReadsTheSameInputsAsFromPlainValues() {
        CPropertiesWndHensu variables(commands, messages);
        CPropertiesWndPen pen(pictures.path());
        CPropertiesWnd3D turn(commands);
        PlainPanes plain;
        const FigureRecord r = recordFor(5, 1, 3, 2, 17);
        ViewColours v1, v2;
        applyRecord(r, {variables, pen, turn}, v1, messages);
        applyRecord(r, plain.panes(), v2, messages);
        const DrawInputs a = readDrawInputs({variables, pen, turn});
        const DrawInputs b = readDrawInputs(plain.panes());
        QCOMPARE(a.category, b.category);
        QCOMPARE(a.formula, b.formula);
        QVERIFY(a.params == b.params);
        QCOMPARE(a.penWidth, b.penWidth);
        QCOMPARE(a.fgMode, b.fgMode);
        QCOMPARE(a.bgMode, b.bgMode);
        QCOMPARE(a.customFg, b.customFg);
        QCOMPARE(a.customBg, b.customBg);
        QCOMPARE(a.gradientOn, b.gradientOn);
        QCOMPARE(a.repeatCount, b.repeatCount);
        QVERIFY(a.colourOn == b.colourOn);
        QVERIFY(a.colours == b.colours);
        const int turnA[] = {a.rotX, a.rotY, a.rotZ, a.zScale, a.magnify, a.shiftV, a.shiftH};
        const int turnB[] = {b.rotX, b.rotY, b.rotZ, b.zScale, b.magnify, b.shiftV, b.shiftH};
        for (int k = 0; k < 7; ++k) QCOMPARE(turnA[k], turnB[k]);
    }

    void refusedRecordsLeaveEveryPaneUnchanged() {
        struct Case {
            int category;
            int formula;
            bool message;
        };
        const Case cases[] = {{10, 0, true}, {2147483647, 0, true}, {3, 2, false}, {-1, 0, false}, {0, -1, false}};
        CPropertiesWndHensu variables(commands, messages);
        CPropertiesWndPen pen(pictures.path());
        CPropertiesWnd3D turn(commands);
        const FigurePanes panes{variables, pen, turn};
        ViewColours view;
        applyRecord(recordFor(4, 1, 2, 0, 5), panes, view, messages);
        FigureRecord scratch;
        const FigureRecord before = collectRecord(panes, view, scratch);
        const Colour fgBefore = pen.customFg();
        for (const Case& c : cases) {
            messages.shown.clear();
            FigureRecord r = recordFor(9, 1, 3, 1, 40);
            r[F::Category] = c.category;
            r[F::Formula] = c.formula;
            applyRecord(r, panes, view, messages);
            if (c.message) {
                QCOMPARE(messages.shown.size(), std::size_t{1});
                QCOMPARE(QString::fromStdString(messages.shown[0].text),
                         QStringLiteral("このソフトウェアでは描画できません、\n\n最新のルモラを使用してください。"));
                QVERIFY(messages.shown[0].caption.empty());  // the application title
            } else {
                QVERIFY(messages.shown.empty());
            }
            QCOMPARE(collectRecord(panes, view, scratch), before);
            QCOMPARE(pen.customFg(), fgBefore);
        }
    }

    void category9IsApplied() {
        CPropertiesWndHensu variables(commands, messages);
        CPropertiesWndPen pen(pictures.path());
        CPropertiesWnd3D turn(commands);
        ViewColours view;
        QCOMPARE(applyRecord(recordFor(9, 1, 0, 1, 3), {variables, pen, turn}, view, messages), ApplyOutcome::Applied);
        QCOMPARE(variables.category(), 9);
        QCOMPARE(variables.formula(), 1);
    }
};

QTEST_MAIN(RecordPanesTest)
#include "RecordPanesTest.moc"
