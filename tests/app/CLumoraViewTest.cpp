// The canvas view against plain panes: zoom and centre arithmetic, the crop
// it shows, the magnify commands, the cached picture, picture files,
// printing and the preview.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "engine/PictureScale.h"
#include "tests/app/TestIsolation.h"
#include "tests/app/TestViewEnvironment.h"
#include "view/CGazouKaizoudoDialog.h"
#include "view/CInsatuPreview.h"
#include "view/CLumoraView.h"
#include "view/CPrintLayout.h"
#include "view/ZoomArithmetic.h"

using namespace lumora;

namespace {

int darkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

}  // namespace

class CLumoraViewTest : public QObject {
    Q_OBJECT
    test::TestViewEnvironment* env = nullptr;
    CLumoraView* view = nullptr;
    QTemporaryDir files;

private slots:
    void initTestCase() {
        QImageReader::setAllocationLimit(512);  // reading back the 6000 x 6000 files
        env = new test::TestViewEnvironment;
        view = new CLumoraView(*env);
        view->resize(500, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    void cleanupTestCase() {
        delete view;
        delete env;
    }
    void init() {
        env->plain = PlainPanes();
        env->recorded.messages.clear();
        env->prompts = test::AnsweredPrompts();
        while (view->zoomStep() > 0) view->zoomOut();
        while (view->zoomStep() < 0) view->zoomIn();
    }

    void startsBlankAtStandardSize() {
        QCOMPARE(view->displaySize(), 800);
        QCOMPARE(view->shownCrop(), (CropSquare{2500, 2500, 1000}));
        QCOMPARE(darkPixels(view->displayPicture()), 0);
    }

    void zoomSizes_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("size");
        QTest::newRow("in once") << 1 << 960;
        QTest::newRow("in three times") << 3 << 1382;
        QTest::newRow("out once") << -1 << 666;
        QTest::newRow("out twice") << -2 << 555;
        QTest::newRow("in past the bound") << kMaxZoomStep + 5 << displaySizeFor(kMaxZoomStep);
        QTest::newRow("out past the bound") << kMinZoomStep - 5 << displaySizeFor(kMinZoomStep);
    }
    void zoomSizes() {
        QFETCH(int, steps);
        QFETCH(int, size);
        const int id = steps > 0 ? CLumoraView::ZoomIn : CLumoraView::ZoomOut;
        for (int i = 0; i < std::abs(steps); ++i) QVERIFY(view->handleCommand(id));
        QCOMPARE(view->displaySize(), size);
        QCOMPARE(view->horizontalScrollBar()->maximum(), std::max(0, size - view->viewport()->width()));
    }

    void zoomBoundsKeepSizesSane() {
        QVERIFY(displaySizeFor(kMinZoomStep) >= 50);
        QVERIFY(displaySizeFor(kMaxZoomStep) <= 20000);
        QCOMPARE(zoomFactor(0), 1.0);
        QCOMPARE(zoomFactor(-3), 1.0 / (1.2 * (1.2 * 1.2)));
    }

    void centreScrollsOnlyWhenThePictureIsLarger() {
        // Window larger than the picture: nothing moves.
        view->resize(1200, 1000);
        view->horizontalScrollBar()->setValue(0);
        QVERIFY(view->handleCommand(CLumoraView::Centre));
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
        QCOMPARE(centredScrollPosition(800, 1200), -1);
        // Smaller window: the middle of the range less half the window.
        view->resize(500, 400);
        QVERIFY(view->handleCommand(CLumoraView::Centre));
        const int w = view->viewport()->width();
        QCOMPARE(view->horizontalScrollBar()->value(), 799 / 2 - w / 2);
        QCOMPARE(view->verticalScrollBar()->value(), 799 / 2 - view->viewport()->height() / 2);
    }

    void showsTheCropOfExtentAndMagnify_data() {
        QTest::addColumn<double>("half");
        QTest::addColumn<int>("magnify");
        QTest::addColumn<qint64>("left");
        QTest::addColumn<qint64>("side");
        QTest::newRow("point at the origin") << 0.0 << 100 << qint64(2500) << qint64(1000);
        QTest::newRow("too narrow: fixed window") << 100.0 << 999 << qint64(2950) << qint64(100);
        QTest::newRow("widest inside the canvas")
            << 1400.5 << -999 << qint64(3000 - 1400 - 1599) << qint64(2801 + 3198);
        QTest::newRow("past the edge: whole canvas") << 1401.0 << -999 << qint64(0) << qint64(6000);
    }
    void showsTheCropOfExtentAndMagnify() {
        QFETCH(double, half);
        QFETCH(int, magnify);
        QFETCH(qint64, left);
        QFETCH(qint64, side);
        env->state.extent = Extent{-half, half, -half, half};
        env->plain.turn.setValue(TurnControls::Magnify, magnify);
        view->refreshPicture();
        QCOMPARE(view->shownCrop().left, left);
        QCOMPARE(view->shownCrop().top, left);
        QCOMPARE(view->shownCrop().side, side);
    }

    void magnifyCommandsChangeTheValueAndDraw_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("result");
        QTest::newRow("enlarge 950") << 950 << int(CLumoraView::Enlarge) << 999;
        QTest::newRow("enlarge 899") << 899 << int(CLumoraView::Enlarge) << 999;
        QTest::newRow("enlarge 100") << 100 << int(CLumoraView::Enlarge) << 200;
        QTest::newRow("shrink -950") << -950 << int(CLumoraView::Shrink) << -999;
        QTest::newRow("shrink 100") << 100 << int(CLumoraView::Shrink) << 0;
        QTest::newRow("standard") << -300 << int(CLumoraView::StandardSize) << 100;
    }
    void magnifyCommandsChangeTheValueAndDraw() {
        QFETCH(int, start);
        QFETCH(int, command);
        QFETCH(int, result);
        env->plain.turn.setValue(TurnControls::Magnify, start);
        const int drawnBefore = env->drawn;
        QVERIFY(view->handleCommand(command));
        QCOMPARE(env->plain.turn.value(TurnControls::Magnify), result);
        QCOMPARE(env->drawn, drawnBefore + 1);
    }

    void drawShowsTheFigureAndKeepsThePictureWhilePainting() {
        QVERIFY(view->handleCommand(CLumoraView::Draw));
        const QImage& shown = view->displayPicture();
        QCOMPARE(shown.width(), 800);
        QVERIFY(darkPixels(shown) > 1000);
        const qint64 key = shown.cacheKey();
        // Painting and scrolling copy the picture; they do not make it again.
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        view->verticalScrollBar()->setValue(50);
        view->viewport()->repaint();
        QCOMPARE(view->displayPicture().cacheKey(), key);
        const QImage onScreen = view->viewport()->grab().toImage();
        QVERIFY(darkPixels(onScreen) > 100);
        // A zoom makes it again, at the new size.
        view->zoomOut();
        QCOMPARE(view->displayPicture().width(), 666);
        QVERIFY(view->displayPicture().cacheKey() != key);
    }

    void screenPictureIsTheReductionOfTheCrop_data() {
        QTest::addColumn<int>("fgMode");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<int>("rotX");
        QTest::addColumn<int>("shiftH");
        QTest::addColumn<int>("zoomOuts");
        QTest::newRow("default") << 0 << 1 << 0 << 0 << 0;
        QTest::newRow("gradient, turned") << 3 << 3 << 40 << 0 << 0;
        QTest::newRow("wide pen at the edge") << 0 << 60 << 0 << 25 << 1;
        QTest::newRow("white on black, zoomed out") << 1 << 2 << 0 << -30 << 3;
    }
    void screenPictureIsTheReductionOfTheCrop() {
        QFETCH(int, fgMode);
        QFETCH(int, penWidth);
        QFETCH(int, rotX);
        QFETCH(int, shiftH);
        QFETCH(int, zoomOuts);
        env->plain.pen.setFgModeFromRecord(fgMode);
        env->plain.pen.setBgModeFromRecord(fgMode == 1 ? 0 : 1);
        env->plain.pen.setPenWidth(penWidth);
        env->plain.turn.setValue(TurnControls::RotX, rotX);
        env->plain.turn.setValue(TurnControls::ShiftH, shiftH);
        for (int i = 0; i < zoomOuts; ++i) view->zoomOut();
        QVERIFY(view->handleCommand(CLumoraView::Draw));
        QVERIFY(darkPixels(view->displayPicture()) > 0);
        QCOMPARE(view->displayPicture(), view->exportPicture(view->displaySize()));
    }

    void drawRandomStepsTheRowsAndDraws() {
        const int drawnBefore = env->drawn;
        QVERIFY(view->handleCommand(CLumoraView::DrawRandom));
        QCOMPARE(env->drawn, drawnBefore + 1);
    }

    void sameColoursAreRefusedAndChangeNothing() {
        QVERIFY(view->handleCommand(CLumoraView::Draw));
        const QImage before = view->displayPicture().copy();
        const int drawnBefore = env->drawn;
        env->plain.pen.setFgModeFromRecord(2);
        env->plain.pen.setBgModeFromRecord(2);
        env->plain.pen.setCustomFg(0x336699);
        env->plain.pen.setCustomBg(0x336699);
        QVERIFY(view->handleCommand(CLumoraView::Draw));
        QCOMPARE(env->recorded.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(env->recorded.messages[0].text), QStringLiteral("描画色と背景色が同じ色です"));
        QCOMPARE(QString::fromStdString(env->recorded.messages[0].caption), QStringLiteral("描画無効"));
        QVERIFY(env->recorded.messages[0].icon == MessageIcon::Error);
        QCOMPARE(env->drawn, drawnBefore);
        QCOMPARE(view->displayPicture(), before);
    }

    void exportsPicturesOfTheChosenSize_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp 10") << 10 << "small.bmp" << QByteArray("bmp");
        QTest::newRow("bmp 800") << 800 << "screen.bmp" << QByteArray("bmp");
        QTest::newRow("jpeg 800") << 800 << "screen.jpg" << QByteArray("jpeg");
        QTest::newRow("png 800") << 800 << "screen.png" << QByteArray("png");
        QTest::newRow("bmp 6000") << 6000 << "full.bmp" << QByteArray("bmp");
    }
    void exportsPicturesOfTheChosenSize() {
        QFETCH(int, side);
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QVERIFY(view->handleCommand(CLumoraView::Draw));
        env->prompts.side = side;
        env->prompts.path = files.filePath(name);
        const int id = name.endsWith(QLatin1String(".jpg")) ? CLumoraView::SaveJpeg : CLumoraView::SaveBitmap;
        QVERIFY(view->handleCommand(id));
        QVERIFY(env->recorded.messages.empty());
        QImageReader reader(env->prompts.path);
        QCOMPARE(reader.format(), format);
        const QImage written = reader.read();
        QCOMPARE(written.size(), QSize(side, side));
        if (format != "jpeg") {
            // Lossless files hold exactly the export picture.
            QCOMPARE(written.convertToFormat(QImage::Format_RGB32), view->exportPicture(side));
        }
        if (side == 800) QCOMPARE(view->exportPicture(800), view->displayPicture());
        QFile::remove(env->prompts.path);
    }

    void failedExportsSayWhyAndLeaveNoFile_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << QStringLiteral("no/such/folder/figure.bmp");
        QTest::newRow("unknown extension") << QStringLiteral("figure.gif");
        QTest::newRow("a folder in the way") << QStringLiteral("taken.bmp");
    }
    void failedExportsSayWhyAndLeaveNoFile() {
        QFETCH(QString, path);
        QDir dir(files.path());
        dir.mkdir(QStringLiteral("taken.bmp"));
        const QStringList before = dir.entryList(QDir::Files);
        env->prompts.path = files.filePath(path);
        QVERIFY(view->handleCommand(CLumoraView::SaveBitmap));
        QCOMPARE(env->recorded.messages.size(), size_t(1));
        QVERIFY(QString::fromStdString(env->recorded.messages[0].text)
                    .startsWith(QStringLiteral("画像ファイルを保存できませんでした。")));
        QVERIFY(env->recorded.messages[0].icon == MessageIcon::Warning);
        QCOMPARE(dir.entryList(QDir::Files), before);
        QVERIFY(!QFileInfo(env->prompts.path).isFile());
    }

    void cancelledDialogsEndTheCommandSilently() {
        env->prompts.side.reset();
        env->prompts.path = files.filePath(QStringLiteral("never.bmp"));
        QVERIFY(view->handleCommand(CLumoraView::SaveBitmap));
        env->prompts.side = 800;
        env->prompts.path.clear();
        QVERIFY(view->handleCommand(CLumoraView::SaveJpeg));
        QVERIFY(view->handleCommand(CLumoraView::Print));
        QVERIFY(env->recorded.messages.empty());
        QVERIFY(!QFile::exists(files.filePath(QStringLiteral("never.bmp"))));
    }

    void printsOnePageWithTheSquare() {
        QVERIFY(view->handleCommand(CLumoraView::Draw));
        env->prompts.pdfPath = files.filePath(QStringLiteral("print.pdf"));
        QVERIFY(view->handleCommand(CLumoraView::Print));
        QVERIFY(env->recorded.messages.empty());
        QFile pdf(env->prompts.pdfPath);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    }

    void printSquareUsesTheShorterEdge_data() {
        QTest::addColumn<int>("orientation");
        QTest::newRow("portrait") << int(QPageLayout::Portrait);
        QTest::newRow("landscape") << int(QPageLayout::Landscape);
    }
    void printSquareUsesTheShorterEdge() {
        QFETCH(int, orientation);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        printer.setPageOrientation(QPageLayout::Orientation(orientation));
        const QRect square = CPrintLayout::pictureSquare(printer);
        const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
        const int dpi = printer.resolution();
        const int shorter = std::min(paper.width(), paper.height());
        const int expected = int((qint64(shorter) * 1440 / dpi - 400) * dpi / 1440);
        QCOMPARE(square.width(), expected);
        QCOMPARE(square.height(), expected);
        QCOMPARE(square.topLeft(), QPoint(200 * dpi / 1440, 200 * dpi / 1440));
    }

    void printSquareShrinksIntoTheprintableArea() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(30, 30, 30, 30), QPageLayout::Millimeter);
        const QRect square = CPrintLayout::pictureSquare(printer);
        const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
        QVERIFY(square.right() < page.width());
        QVERIFY(square.bottom() < page.height());
    }

    void previewPlacesTheSquareWithItsMargins() {
        int askedSide = 0;
        CInsatuPreview preview([&](int side) {
            askedSide = side;
            return view->exportPicture(side);
        });
        QCOMPARE(preview.windowTitle(), QStringLiteral("印刷 プレビュー"));
        const QRect sheet = preview.sheetRect();
        QCOMPARE(sheet.topLeft(), QPoint(10, 10));
        QCOMPARE(sheet.width(), preview.width() - 20);
        QCOMPARE(sheet.height(), int(sheet.width() * 1.414));
        const int m = sheet.width() / 24;
        QCOMPARE(preview.squareRect(), QRect(10 + m, 10 + m, 22 * m, 22 * m));
        QCOMPARE(askedSide, 22 * m);
    }

    void previewCommandOpensAndClosesWithOk() {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<CInsatuPreview*>(QApplication::activeModalWidget())) {
                seen = true;
                dialog->accept();
            }
        });
        QVERIFY(view->handleCommand(CLumoraView::PrintPreview));
        QVERIFY(seen);
    }

    void resolutionFollowsOnlyValidText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("side");
        QTest::newRow("7000 stops at 700") << "7000" << 700;
        QTest::newRow("5 keeps 6000") << "5" << 6000;
        QTest::newRow("10 is the smallest") << "10" << 10;
        QTest::newRow("letters are refused") << "ab" << 6000;
    }
    void resolutionFollowsOnlyValidText() {
        QFETCH(QString, typed);
        QFETCH(int, side);
        CGazouKaizoudoDialog dialog(PictureFormat::Bmp);
        QCOMPARE(dialog.sideLength(), 6000);
        dialog.edit()->clear();
        QTest::keyClicks(dialog.edit(), typed);
        QCOMPARE(dialog.sideLength(), side);
    }

    void resolutionDialogTitlesAndArrows() {
        CGazouKaizoudoDialog bmp(PictureFormat::Bmp);
        CGazouKaizoudoDialog jpeg(PictureFormat::Jpeg);
        QCOMPARE(bmp.windowTitle(), QStringLiteral("BITMAP 画像・解像度"));
        QCOMPARE(jpeg.windowTitle(), QStringLiteral("JPEG 画像・解像度"));
        QTest::keyClick(bmp.edit(), Qt::Key_Up);
        QCOMPARE(bmp.sideLength(), 6000);
        QTest::keyClick(bmp.edit(), Qt::Key_Down);
        QCOMPARE(bmp.sideLength(), 5999);
        bmp.setSideLength(3);
        QCOMPARE(bmp.sideLength(), 10);
    }
};

LUMORA_ISOLATED_TEST_MAIN(CLumoraViewTest)
#include "CLumoraViewTest.moc"
