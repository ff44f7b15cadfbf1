#include "view/CLumoraView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "engine/DrawInputs.h"
#include "engine/DrawPipeline.h"
#include "engine/PictureScale.h"
#include "engine/RandomDraw.h"
#include "view/CExportPrompts.h"
#include "view/CInsatuPreview.h"
#include "view/CPictureWriter.h"
#include "view/CPrintLayout.h"
#include "view/CViewEnvironment.h"
#include "view/CWaitCursor.h"
#include "view/ScreenReduction.h"
#include "view/ZoomArithmetic.h"

namespace lumora {

CLumoraView::CLumoraView(CViewEnvironment& env, QWidget* parent) : QAbstractScrollArea(parent), env_(env) {
    setObjectName(QStringLiteral("CLumoraView"));
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    displaySize_ = displaySizeFor(zoomStep_);
    refreshPicture();
    updateScrollBars();
}

bool CLumoraView::handleCommand(int id) {
    switch (id) {
        case ZoomIn:
            zoomIn();
            return true;
        case ZoomOut:
            zoomOut();
            return true;
        case Centre:
            centre();
            return true;
        case Enlarge:
            enlarge();
            return true;
        case Shrink:
            shrink();
            return true;
        case StandardSize:
            standardSize();
            return true;
        case Draw:
            drawFigure();
            return true;
        case DrawRandom:
            drawRandom();
            return true;
        case SaveBitmap:
            savePicture(PictureFormat::Bmp);
            return true;
        case SaveJpeg:
            savePicture(PictureFormat::Jpeg);
            return true;
        case Print:
            printPicture();
            return true;
        case PrintPreview:
            printPreview();
            return true;
        default:
            return false;
    }
}

int CLumoraView::magnify() const { return env_.panes().turn.value(TurnControls::Magnify); }

void CLumoraView::drawFigure() {
    DrawState& state = env_.drawState();
    const DrawInputs inputs = readDrawInputs(env_.panes());
    const DrawOutcome outcome = draw(inputs, state);
    if (outcome == DrawOutcome::SameColour) {
        env_.messages().showMessage(kSameColourMessage, kSameColourCaption, MessageIcon::Error);
        return;
    }
    drawn_ = drawnAreaOf(state.points.x.data(), state.points.y.data(), state.points.count, inputs.penWidth);
    refreshPicture();
    viewport()->update();
    env_.figureDrawn();
}

void CLumoraView::drawRandom() {
    randomStep(env_.panes().variables, systemTick());
    drawFigure();
}

void CLumoraView::setZoomStep(int step) {
    step = std::clamp(step, kMinZoomStep, kMaxZoomStep);
    if (step == zoomStep_) return;
    zoomStep_ = step;
    displaySize_ = displaySizeFor(zoomStep_);
    refreshPicture();
    updateScrollBars();
    centre();
}

void CLumoraView::zoomIn() { setZoomStep(zoomStep_ + 1); }

void CLumoraView::zoomOut() { setZoomStep(zoomStep_ - 1); }

void CLumoraView::centre() {
    const int h = centredScrollPosition(displaySize_, viewport()->width());
    if (h >= 0) horizontalScrollBar()->setValue(h);
    const int v = centredScrollPosition(displaySize_, viewport()->height());
    if (v >= 0) verticalScrollBar()->setValue(v);
    viewport()->update();
}

void CLumoraView::enlarge() {
    TurnControls& turn = env_.panes().turn;
    int v = turn.value(TurnControls::Magnify) + 100;
    if (v >= 1000) v = 999;
    turn.setValue(TurnControls::Magnify, v);
    drawFigure();
}

void CLumoraView::shrink() {
    TurnControls& turn = env_.panes().turn;
    int v = turn.value(TurnControls::Magnify) - 100;
    if (v < -999) v = -999;
    turn.setValue(TurnControls::Magnify, v);
    drawFigure();
}

void CLumoraView::standardSize() {
    env_.panes().turn.setValue(TurnControls::Magnify, 100);
    drawFigure();
}

QImage CLumoraView::exportPicture(int side) const {
    if (side <= 0) return {};
    QImage image(side, side, QImage::Format_RGB32);
    if (image.isNull()) return image;
    scaleCrop(env_.drawState().canvas, shown_, reinterpret_cast<std::uint32_t*>(image.bits()), side,
              image.bytesPerLine() / 4);
    return image;
}

void CLumoraView::refreshPicture() {
    // A canvas not made yet is a new canvas: white, with an empty extent.
    const bool ready = env_.drawStateReady();
    shown_ = paintCrop(ready ? env_.drawState().extent : Extent{}, magnify());
    pictureRatio_ = devicePixelRatioF();
    // Device pixels for a crisp picture on a high-density screen; never more
    // than the crop has, since enlarging only repeats pixels and painting
    // does that for free.
    const long long wanted = std::llround(displaySize_ * pictureRatio_);
    const int side = static_cast<int>(std::clamp<long long>(std::min<long long>(wanted, shown_.side), 1, 6000));
    if (picture_.width() != side) picture_ = QImage(side, side, QImage::Format_RGB32);
    if (picture_.isNull()) return;
    if (!ready) {
        picture_.fill(QColor(Qt::white));
        return;
    }
    auto* bits = reinterpret_cast<std::uint32_t*>(picture_.bits());
    const Canvas& canvas = env_.drawState().canvas;
    if (!reduceCropForScreen(canvas, shown_, drawn_, bits, side, picture_.bytesPerLine() / 4))
        scaleCrop(canvas, shown_, bits, side, picture_.bytesPerLine() / 4);
}

void CLumoraView::updateScrollBars() {
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, displaySize_ - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, displaySize_ - client.height()));
    verticalScrollBar()->setPageStep(client.height());
    verticalScrollBar()->setSingleStep(std::max(1, client.height() / 10));
}

void CLumoraView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CLumoraView::scrollContentsBy(int, int) { viewport()->update(); }

void CLumoraView::paintEvent(QPaintEvent* event) {
    // Moving to a screen of another density is the one reason besides a
    // Draw or a zoom to make the picture again.
    if (!qFuzzyCompare(pictureRatio_, devicePixelRatioF())) refreshPicture();
    QPainter p(viewport());
    const QRectF target(-horizontalScrollBar()->value(), -verticalScrollBar()->value(), displaySize_, displaySize_);
    const QRegion outside = QRegion(event->rect()) - QRegion(target.toAlignedRect());
    for (const QRect& r : outside) p.fillRect(r, palette().color(QPalette::Window));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!picture_.isNull()) p.drawImage(target, picture_, QRectF(picture_.rect()));
}

void CLumoraView::savePicture(PictureFormat format) {
    CExportPrompts& prompts = env_.exportPrompts();
    const std::optional<int> side = prompts.askResolution(this, format);
    if (!side) return;
    const QString path = prompts.askSavePath(this, format);
    if (path.isEmpty()) return;
    QString error;
    bool written = false;
    {
        CWaitCursor wait;
        if (CPictureWriter::formatFor(path).isEmpty()) {
            written = CPictureWriter::write(QImage(), path, &error);
        } else {
            const QImage picture = exportPicture(*side);
            written = CPictureWriter::write(picture, path, &error);
        }
    }
    if (!written) env_.messages().showMessage(error.toStdString(), std::string(), MessageIcon::Warning);
}

void CLumoraView::printPicture() {
    QPrinter printer(QPrinter::HighResolution);
    if (!env_.exportPrompts().askPrinter(printer, this)) return;
    bool printed = false;
    {
        CWaitCursor wait;
        // The picture is reduced to the printed square with the view's own
        // rule (thin lines stay) unless the square is larger than 6000.
        const int square = CPrintLayout::pictureSquare(printer).width();
        const QImage picture = exportPicture(std::clamp(square, 1, 6000));
        printed = !picture.isNull() && CPrintLayout::print(printer, picture);
    }
    if (!printed) env_.messages().showMessage("印刷できませんでした。", std::string(), MessageIcon::Warning);
}

void CLumoraView::printPreview() {
    std::unique_ptr<CInsatuPreview> dialog;
    {
        CWaitCursor wait;
        dialog = std::make_unique<CInsatuPreview>([this](int side) { return exportPicture(side); }, this);
    }
    dialog->exec();
}

}  // namespace lumora
