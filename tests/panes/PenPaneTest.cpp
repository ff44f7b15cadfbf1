// The pen pane: width in step and wrapping, the mode pictures and the colour
// dialog (answered from a timer), "デフォルト", and the preview bar.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "engine/ColourRun.h"
#include "engine/DrawInputs.h"
#include "engine/PlainPanes.h"
#include "panes/CColorSakuseiDialog.h"
#include "panes/CPropertiesWndPen.h"
#include "panes/ClickablePicture.h"
#include "panes/ColourPreviewBar.h"
#include "panes/SpinArrows.h"
#include "tests/panes/PaneTestSupport.h"

using namespace lumora;
using lumora::test::control;
using lumora::test::typeInto;

namespace {

// Answers the next modal colour dialog: `fill` types into it, then OK or Cancel.
void answerColourDialog(bool ok, std::function<void(CColorSakuseiDialog&)> fill = {}) {
    QTimer::singleShot(0, [ok, fill] {
        auto* dialog = qobject_cast<CColorSakuseiDialog*>(QApplication::activeModalWidget());
        if (!dialog) qFatal("no colour dialog open");
        lumora::test::showActive(*dialog);
        if (fill) fill(*dialog);
        QTest::mouseClick(&control<QPushButton>(*dialog, ok ? 1 : 2), Qt::LeftButton);
    });
}

void typeRgb(CColorSakuseiDialog& d, int r, int g, int b) {
    const int values[] = {r, g, b};
    for (int k = 0; k < 3; ++k) {
        auto& edit = control<QLineEdit>(d, CColorSakuseiDialog::IdEditBase + CColorSakuseiDialog::R + k);
        typeInto(edit, QString::number(values[k]));
        lumora::test::leave(edit);
    }
}

}  // namespace

class PenPaneTest : public QObject {
    Q_OBJECT
    using Pane = CPropertiesWndPen;
    QTemporaryDir pictures;  // empty: the pane draws its pictures itself

    static bool showsOn(Pane& p, int onId, int offId) {
        return control<ClickablePicture>(p, onId).isVisible() && !control<ClickablePicture>(p, offId).isVisible();
    }

private slots:
    void startsBlackOnWhite() {
        Pane pane(pictures.path());
        pane.show();
        QCOMPARE(pane.penWidth(), 1);
        QCOMPARE(pane.fgMode(), 0);
        QCOMPARE(pane.bgMode(), 1);
        QVERIFY(showsOn(pane, Pane::IdFgOnBase + 0, Pane::IdFgOffBase + 0));
        QVERIFY(showsOn(pane, Pane::IdBgOnBase + 1, Pane::IdBgOffBase + 1));
        QVERIFY(!showsOn(pane, Pane::IdFgOnBase + 3, Pane::IdFgOffBase + 3));
        QVERIFY(pane.gradientOn());
        QCOMPARE(pane.repeatCount(), 1);
        for (int c = 1; c <= 7; ++c)
            QCOMPARE(pane.colour(c), PlainPen::kDefaultColours[static_cast<std::size_t>(c - 1)]);
    }

    void widthWrapsAndFollowsTheSlider() {
        Pane pane(pictures.path());
        pane.show();
        auto& edit = control<QLineEdit>(pane, Pane::IdWidthEdit);
        auto& spin = control<SpinArrows>(pane, Pane::IdWidthSpin);
        auto& slider = control<QSlider>(pane, Pane::IdWidthSlider);
        typeInto(edit, QStringLiteral("100"));
        QCOMPARE(slider.value(), 100);
        QTest::mouseClick(spin.upButton(), Qt::LeftButton);
        QCOMPARE(pane.penWidth(), 1);
        QCOMPARE(slider.value(), 1);

        // 1 + 3 pages of 10 + 6 steps = 37, by keys on the slider.
        for (int i = 0; i < 3; ++i) QTest::keyClick(&slider, Qt::Key_PageUp);
        for (int i = 0; i < 6; ++i) QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(slider.value(), 37);
        QCOMPARE(pane.penWidth(), 37);
        QCOMPARE(edit.text(), QStringLiteral("37"));
        PlainVariables vars;
        PlainTurn turn;
        QCOMPARE(readDrawInputs({vars, pane, turn}).penWidth, 37);

        typeInto(edit, QStringLiteral("0"));
        QCOMPARE(pane.penWidth(), 37);
        pane.setPenWidth(500);
        QCOMPARE(pane.penWidth(), 100);
        QCOMPARE(slider.value(), 100);
    }

    void cancellingColourChangesNothing() {
        for (bool foreground : {true, false}) {
            Pane pane(pictures.path());
            pane.show();
            const int offId = foreground ? Pane::IdFgOffBase + 2 : Pane::IdBgOffBase + 2;
            answerColourDialog(false, [](CColorSakuseiDialog& d) { typeRgb(d, 10, 20, 30); });
            QTest::mouseClick(&control<ClickablePicture>(pane, offId), Qt::LeftButton);
            QCOMPARE(pane.fgMode(), 0);
            QCOMPARE(pane.bgMode(), 1);
            QCOMPARE(pane.customFg(), Colour{0x000000});
            QCOMPARE(pane.customBg(), Colour{0xFFFFFF});
            QVERIFY(showsOn(pane, Pane::IdFgOnBase + 0, Pane::IdFgOffBase + 0));
            QVERIFY(showsOn(pane, Pane::IdBgOnBase + 1, Pane::IdBgOffBase + 1));
        }
    }

    void customColourSurvivesDefault() {
        Pane pane(pictures.path());
        pane.show();
        answerColourDialog(true, [](CColorSakuseiDialog& d) { typeRgb(d, 0, 0, 255); });
        QTest::mouseClick(&control<ClickablePicture>(pane, Pane::IdFgOffBase + 2), Qt::LeftButton);
        QCOMPARE(pane.fgMode(), 2);
        QCOMPARE(pane.customFg(), Colour{0xFF0000});
        QVERIFY(showsOn(pane, Pane::IdFgOnBase + 2, Pane::IdFgOffBase + 2));

        pane.setColour(3, 0x123456);
        pane.setColourOn(5, false);
        pane.setGradientOn(false);
        pane.setRepeatCount(9);
        pane.setPenWidth(12);
        QTest::mouseClick(&control<QPushButton>(pane, Pane::IdDefault), Qt::LeftButton);
        QCOMPARE(pane.fgMode(), 0);
        QCOMPARE(pane.bgMode(), 1);
        QCOMPARE(pane.customFg(), Colour{0xFF0000});
        QVERIFY(showsOn(pane, Pane::IdFgOnBase + 0, Pane::IdFgOffBase + 0));
        QCOMPARE(pane.penWidth(), 1);
        QCOMPARE(control<QSlider>(pane, Pane::IdWidthSlider).value(), 1);
        QCOMPARE(pane.colour(3), Colour{0x00FF00});
        QVERIFY(pane.colourOn(5));
        QVERIFY(pane.gradientOn());
        QCOMPARE(pane.repeatCount(), 1);
    }

    void modesFromARecordNeverAsk() {
        Pane pane(pictures.path());
        pane.show();
        pane.setCustomBg(0x336699);
        pane.setBgModeFromRecord(2);  // would hang here if it opened the dialog
        QCOMPARE(pane.bgMode(), 2);
        QCOMPARE(pane.customBg(), Colour{0x336699});
        QVERIFY(showsOn(pane, Pane::IdBgOnBase + 2, Pane::IdBgOffBase + 2));
        pane.setFgModeFromRecord(3);
        QVERIFY(showsOn(pane, Pane::IdFgOnBase + 3, Pane::IdFgOffBase + 3));
        // A mode no option stands for shows every option off.
        pane.setFgModeFromRecord(7);
        QCOMPARE(pane.fgMode(), 7);
        for (int m = 0; m < 4; ++m) QVERIFY(!showsOn(pane, Pane::IdFgOnBase + m, Pane::IdFgOffBase + m));
        // Clicking a mode picture switches it.
        QTest::mouseClick(&control<ClickablePicture>(pane, Pane::IdFgOffBase + 1), Qt::LeftButton);
        QCOMPARE(pane.fgMode(), 1);
    }

    void swatchClickTakesTheChosenColour() {
        Pane pane(pictures.path());
        pane.show();
        answerColourDialog(true, [](CColorSakuseiDialog& d) { typeRgb(d, 0, 255, 0); });
        QTest::mouseClick(&control<QWidget>(pane, Pane::IdColourBase + 6), Qt::LeftButton);
        QCOMPARE(pane.colour(7), Colour{0x00FF00});
        answerColourDialog(false);
        QTest::mouseClick(&control<QWidget>(pane, Pane::IdColourBase + 0), Qt::LeftButton);
        QCOMPARE(pane.colour(1), Colour{0x0000FF});
    }

    void switchingColourFourOffTakesItOutOfThePreview() {
        Pane pane(pictures.path());
        pane.show();
        auto& bar = control<ColourPreviewBar>(pane, Pane::IdPreview);
        const int n = bar.contentsRect().width();
        QVERIFY(n > 100);
        auto shows = [&](Colour c) {
            for (int x = 0; x < n; ++x)
                if (bar.colourAt(x) == c) return true;
            return false;
        };
        auto matches = [&](const std::array<Colour, ColourRun::kLength>& table) {
            for (int x = 0; x < n; ++x)
                if (bar.colourAt(x) != table[static_cast<std::size_t>(((n - 1 - x) * ColourRun::kLength) / n)])
                    return false;
            return true;
        };
        std::array<Colour, ColourRun::kLength> expected{};
        buildGradientTable(PlainPen::kDefaultColours, {true, true, true, true, true}, expected);
        QVERIFY(matches(expected));

        QTest::mouseClick(&control<QCheckBox>(pane, Pane::IdColourOnBase + 2), Qt::LeftButton);
        QVERIFY(!pane.colourOn(4));
        buildGradientTable(PlainPen::kDefaultColours, {true, true, false, true, true}, expected);
        QVERIFY(matches(expected));

        // Banded, each colour is a solid band: cyan (colour 4) is gone,
        // green (3) runs straight into blue (5).
        const Colour cyan = 0xFFFF00;
        QTest::mouseClick(&control<QCheckBox>(pane, Pane::IdGradient), Qt::LeftButton);
        QVERIFY(!pane.gradientOn());
        QVERIFY(!shows(cyan));
        QVERIFY(shows(0x00FF00));
        QVERIFY(shows(0xE10000));
        for (int x = 1; x < n; ++x)
            if (bar.colourAt(x - 1) == 0x00FF00) QVERIFY(bar.colourAt(x) == 0x00FF00 || bar.colourAt(x) == 0xE10000);
        QTest::mouseClick(&control<QCheckBox>(pane, Pane::IdColourOnBase + 2), Qt::LeftButton);
        QVERIFY(shows(cyan));
        // Colour 1 at the left end, then colour 2; colour 6 just before
        // colour 7 at the right end.
        QCOMPARE(bar.colourAt(0), Colour{0x0000FF});
        QCOMPARE(bar.colourAt(n - 1), Colour{0x0000FF});
        int x = 0;
        while (bar.colourAt(x) == 0x0000FF) ++x;
        QCOMPARE(bar.colourAt(x), Colour{0x00FFFF});
        x = n - 1;
        while (bar.colourAt(x) == 0x0000FF) --x;
        QCOMPARE(bar.colourAt(x), Colour{0xE100FF});
    }
};

QTEST_MAIN(PenPaneTest)
#include "PenPaneTest.moc"
