// The colour edit dialog: HSV and RGB following each other, the RGB round
// trip, opening at red, and clicks on the hue bar and the field clamping.

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "panes/CColorSakuseiDialog.h"
#include "panes/HueBar.h"
#include "panes/HuePointer.h"
#include "panes/SatValField.h"
#include "panes/SpinArrows.h"
#include "tests/panes/PaneTestSupport.h"

using namespace lumora;
using lumora::test::control;
using lumora::test::typeInto;

class ColourDialogTest : public QObject {
    Q_OBJECT
    using Dialog = CColorSakuseiDialog;
    QTemporaryDir pictures;

    static QLineEdit& edit(Dialog& d, Dialog::Channel c) { return control<QLineEdit>(d, Dialog::IdEditBase + c); }
    // Types a value key by key and leaves the box.
    static void type(Dialog& d, Dialog::Channel c, int v) {
        typeInto(edit(d, c), QString::number(v));
        test::leave(edit(d, c));
    }
    static Hsv hsv(Dialog& d) { return {d.channel(Dialog::H), d.channel(Dialog::S), d.channel(Dialog::V)}; }
    static Rgb rgb(Dialog& d) { return {d.channel(Dialog::R), d.channel(Dialog::G), d.channel(Dialog::B)}; }

private slots:
    void typedRgbBecomesItsHsvRoundTrip() {
        struct Case {
            Rgb typed;
            Hsv hsv;
        };
        const Case cases[] = {
            {{0, 0, 255}, {240, 255, 255}}, {{255, 0, 0}, {0, 255, 255}}, {{0, 255, 0}, {120, 255, 255}},
            {{128, 128, 128}, {0, 0, 128}}, {{0, 0, 0}, {0, 0, 0}},       {{255, 255, 255}, {0, 0, 255}},
            {{255, 0, 1}, {359, 255, 255}},
        };
        for (const Case& c : cases) {
            // Each from red, typed R, G, B in this order.
            Dialog dialog(pictures.path());
            QVERIFY(test::showActive(dialog));
            type(dialog, Dialog::R, c.typed.r);
            type(dialog, Dialog::G, c.typed.g);
            type(dialog, Dialog::B, c.typed.b);
            QCOMPARE(hsv(dialog), c.hsv);
            const Rgb back = hsvToRgb(c.hsv.h, c.hsv.s, c.hsv.v);
            const Rgb shown = rgb(dialog);
            QVERIFY2(shown == back, qPrintable(QStringLiteral("typed %1 %2 %3 shows %4 %5 %6")
                                                   .arg(c.typed.r)
                                                   .arg(c.typed.g)
                                                   .arg(c.typed.b)
                                                   .arg(shown.r)
                                                   .arg(shown.g)
                                                   .arg(shown.b)));
            QCOMPARE(dialog.colour(), packColour(back.r, back.g, back.b));
        }
    }

    void typingAChannelIsNotRewrittenUnderTheCursor() {
        Dialog dialog(pictures.path());
        QVERIFY(test::showActive(dialog));
        // From red, the "2" of a green 200 alone rounds back to 0.
        typeInto(edit(dialog, Dialog::G), QStringLiteral("200"));
        QCOMPARE(edit(dialog, Dialog::G).text(), QStringLiteral("200"));
        QCOMPARE(hsv(dialog), rgbToHsv(255, 200, 0));
        test::leave(edit(dialog, Dialog::G));
        QCOMPARE(rgb(dialog), hsvToRgb(47, 255, 255));
        QCOMPARE(edit(dialog, Dialog::G).text(), QString::number(hsvToRgb(47, 255, 255).g));
        // A channel whose round trip differs is rewritten when left.
        typeInto(edit(dialog, Dialog::B), QStringLiteral("1"));
        QCOMPARE(edit(dialog, Dialog::B).text(), QStringLiteral("1"));
        test::leave(edit(dialog, Dialog::B));
        const Hsv typed = rgbToHsv(255, 200, 1);
        QCOMPARE(rgb(dialog), hsvToRgb(typed.h, typed.s, typed.v));
        QCOMPARE(edit(dialog, Dialog::B).text(), QString::number(hsvToRgb(typed.h, typed.s, typed.v).b));
        // The arrows settle at once.
        const Rgb start = rgb(dialog);
        QTest::mouseClick(control<SpinArrows>(dialog, Dialog::IdSpinBase + Dialog::G).upButton(), Qt::LeftButton);
        const Hsv afterStep = rgbToHsv(start.r, start.g + 1, start.b);
        QCOMPARE(hsv(dialog), afterStep);
        QCOMPARE(rgb(dialog), hsvToRgb(afterStep.h, afterStep.s, afterStep.v));
    }

    void blueSitsTopRightAndTwoThirdsDown() {
        Dialog dialog(pictures.path());
        QVERIFY(test::showActive(dialog));
        type(dialog, Dialog::R, 0);
        type(dialog, Dialog::G, 0);
        type(dialog, Dialog::B, 255);
        QCOMPARE(dialog.field().marker(), QPoint(dialog.field().width(), 0));
        QCOMPARE(dialog.pointer().tipRow(), (240 * dialog.hueBar().height()) / 360);
        QCOMPARE(dialog.colour(), Colour{0xFF0000});
    }

    void hue360IsHue0() {
        Dialog dialog(pictures.path());
        QVERIFY(test::showActive(dialog));
        type(dialog, Dialog::S, 100);
        type(dialog, Dialog::V, 200);
        const Rgb atZero = rgb(dialog);
        type(dialog, Dialog::H, 360);
        QCOMPARE(dialog.channel(Dialog::H), 360);
        QCOMPARE(rgb(dialog), atZero);
        // Beyond the range, or not a number: not taken over.
        test::pasteInto(edit(dialog, Dialog::H), QStringLiteral("361"));
        QCOMPARE(dialog.channel(Dialog::H), 360);
        typeInto(edit(dialog, Dialog::S), QStringLiteral("abc"));
        QCOMPARE(dialog.channel(Dialog::S), 100);
        QCOMPARE(rgb(dialog), atZero);
        // The arrows stop at the ends here, they do not wrap.
        QTest::mouseClick(control<SpinArrows>(dialog, Dialog::IdSpinBase + Dialog::H).upButton(), Qt::LeftButton);
        QCOMPARE(dialog.channel(Dialog::H), 360);
    }

    void everyOpeningStartsAtRed() {
        Dialog dialog(pictures.path());
        QVERIFY(test::showActive(dialog));
        type(dialog, Dialog::G, 200);
        QVERIFY(dialog.colour() != Colour{0x0000FF});
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.colour(), Colour{0x0000FF});
        QCOMPARE(hsv(dialog), (Hsv{0, 255, 255}));
        QCOMPARE(rgb(dialog), (Rgb{255, 0, 0}));
    }

    void clicksSetHueSaturationAndValueAndClamp() {
        Dialog dialog(pictures.path());
        QVERIFY(test::showActive(dialog));
        const QRect bar = dialog.hueBar().geometry();
        const QRect field = dialog.field().geometry();
        const int barX = bar.center().x();
        auto click = [&](QPoint at) { QTest::mouseClick(&dialog, Qt::LeftButton, {}, at); };

        click({barX, bar.top() + bar.height() / 2});
        QCOMPARE(dialog.channel(Dialog::H), 180);
        click({barX, bar.top() - 5});  // above the bar: negative, clamps
        QCOMPARE(dialog.channel(Dialog::H), 0);
        click({barX, bar.bottom() + 5});  // below: beyond 360, clamps
        QCOMPARE(dialog.channel(Dialog::H), 360);
        click({dialog.pointer().geometry().center().x(), bar.top() + bar.height() / 3});
        const int third = Dialog::hueAt(bar.height() / 3, bar.height());
        QCOMPARE(dialog.channel(Dialog::H), third);

        const int w = field.width();
        const int h = field.height();
        click(field.topLeft());
        QCOMPARE(dialog.channel(Dialog::S), 0);
        QCOMPARE(dialog.channel(Dialog::V), 255);  // clamped from above 255
        click(field.bottomRight() - QPoint(0, 1));
        QCOMPARE(dialog.channel(Dialog::S), 255);
        QCOMPARE(dialog.channel(Dialog::V), (2 * 256) / (h - 2));
        click(field.topLeft() + QPoint(w / 2, h / 2));
        QCOMPARE(dialog.channel(Dialog::S), ((w / 2) * 256) / (w - 2));
        QCOMPARE(dialog.channel(Dialog::V), ((h - h / 2) * 256) / (h - 2));
        QCOMPARE(dialog.channel(Dialog::H), third);  // a field click keeps the hue
        const Rgb now = hsvToRgb(third, dialog.channel(Dialog::S), dialog.channel(Dialog::V));
        QCOMPARE(rgb(dialog), now);

        // The bottom pixel row lies outside the hit area.
        const int before = dialog.channel(Dialog::V);
        click(field.bottomLeft());
        QCOMPARE(dialog.channel(Dialog::V), before);
    }

    void hitFormulasGuardTinySizes() {
        QCOMPARE(Dialog::hueAt(10, 0), 0);
        QCOMPARE(Dialog::saturationAt(1, 2), 0);
        QCOMPARE(Dialog::valueAt(1, 1), 0);
        QCOMPARE(Dialog::hueAt(-30, 270), -40);
    }
};

QTEST_MAIN(ColourDialogTest)
#include "ColourDialogTest.moc"
