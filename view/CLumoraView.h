#pragma once
// The canvas view: shows the square of the canvas around the last figure,
// reduced or enlarged to displaySize x displaySize, in a scrolling window.
// The shown picture is computed when a Draw or a zoom changes it and kept;
// painting and scrolling only copy it to the screen.

#include <QAbstractScrollArea>
#include <QImage>

#include "engine/PaintCrop.h"
#include "view/PictureFormat.h"
#include "view/ScreenReduction.h"

namespace lumora {

class CViewEnvironment;

class CLumoraView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Command ids the view handles.
    enum Command : int {
        ZoomIn = 10011,
        ZoomOut = 10012,
        Centre = 11602,
        Enlarge = 11901,
        Shrink = 11902,
        StandardSize = 11903,
        Draw = 10030,
        DrawRandom = 10031,
        SaveBitmap = 11800,
        SaveJpeg = 11801,
        Print = 12003,
        PrintPreview = 12004,
    };

    explicit CLumoraView(CViewEnvironment& env, QWidget* parent = nullptr);

    // Runs a command of the view; false when the id is not the view's.
    bool handleCommand(int id);

    // Draw: reads the panes, paints the canvas and shows it. Equal colours
    // outside gradient mode show the refusal message and change nothing.
    void drawFigure();
    // Draw Random: one random step of the unlocked rows, then Draw.
    void drawRandom();
    // One zoom step in or out (bounded), then centre.
    void zoomIn();
    void zoomOut();
    // Scrolls so the middle of the picture is in the middle of the window.
    void centre();
    // Change the 3D pane's magnify value and Draw.
    void enlarge();
    void shrink();
    void standardSize();

    // The picture commands: resolution, file, write; print; preview.
    void savePicture(PictureFormat format);
    void printPicture();
    void printPreview();

    int zoomStep() const { return zoomStep_; }
    int displaySize() const { return displaySize_; }
    // The canvas square the screen shows now.
    const CropSquare& shownCrop() const { return shown_; }
    // The cached screen picture (device pixels).
    const QImage& displayPicture() const { return picture_; }

    // The shown crop of the canvas scaled to side x side, computed now: the
    // export picture at side 6000, and every smaller picture saving,
    // printing and the preview take. A null image when memory runs out.
    QImage exportPicture(int side) const;

    // Recomputes the shown crop and the screen picture from the canvas.
    void refreshPicture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void setZoomStep(int step);
    void updateScrollBars();
    int magnify() const;

    CViewEnvironment& env_;
    int zoomStep_ = 0;
    int displaySize_ = 800;
    CropSquare shown_;
    DrawnArea drawn_;  // where the last Draw painted; the rest is background
    QImage picture_;
    qreal pictureRatio_ = 0.0;  // device pixel ratio the picture was made for
};

}  // namespace lumora
