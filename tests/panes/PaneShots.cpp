// Renders each pane and the colour dialog to PNG files, for looking at the
// layout at different screen scalings (run with QT_SCALE_FACTOR set).
// Usage: pane_shots <output folder>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "panes/CColorSakuseiDialog.h"
#include "panes/CPropertiesWnd3D.h"
#include "panes/CPropertiesWndHensu.h"
#include "panes/CPropertiesWndPen.h"
#include "tests/panes/PaneTestSupport.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    lumora::test::RecordingSink commands;
    lumora::test::RecordingMessages messages;

    auto shoot = [&](QWidget& w, const char* name, QSize size) {
        w.resize(size);
        w.show();
        QApplication::processEvents();
        w.grab().save(QDir(out).filePath(QStringLiteral("%1-%2.png").arg(QString::fromLatin1(name), scale)));
    };
    lumora::CPropertiesWndHensu hensu(commands, messages);
    shoot(hensu, "hensu", hensu.sizeHint());
    hensu.selectCategory(1);
    shoot(hensu, "hensu-taiyou", hensu.sizeHint());
    lumora::CPropertiesWnd3D turn(commands);
    shoot(turn, "turn", turn.sizeHint());
    // No pictures in an empty folder: the drawn fallbacks show.
    QTemporaryDir pictures;
    lumora::CPropertiesWndPen pen(pictures.path());
    shoot(pen, "pen", pen.sizeHint());
    pen.setFgModeFromRecord(3);
    pen.setBgModeFromRecord(2);
    pen.setCustomBg(0x402010);
    pen.setColourOn(4, false);
    pen.setGradientOn(false);
    pen.refresh();
    shoot(pen, "pen-band", pen.sizeHint());
    lumora::CColorSakuseiDialog dialog(pictures.path());
    shoot(dialog, "dialog", dialog.sizeHint());
    return 0;
}
