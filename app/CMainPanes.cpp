#include "app/CMainPanes.h"

#include <QImage>
#include <QString>

#include "app/CAppContext.h"
#include "app/CMainFrame.h"
#include "collections/CFileViewOkiniiri.h"
#include "collections/CHistoryNavigator.h"
#include "collections/CPropertiesWndHistory.h"
#include "engine/FigureThumbnail.h"
#include "engine/PictureScale.h"
#include "engine/RecordPanes.h"
#include "panes/CPropertiesWnd3D.h"
#include "panes/CPropertiesWndHensu.h"
#include "panes/CPropertiesWndPen.h"
#include "view/CLumoraView.h"

namespace lumora {
namespace {

std::filesystem::path folderPath(const CUserFolder& folder) {
    return std::filesystem::path(folder.path().toStdU16String());
}

// The tooltip picture of a history entry: made without the canvas, so the
// figure on screen stays as it is.
QImage thumbnail(const FigureRecord& record) {
    const std::optional<Thumbnail> t = recordThumbnail(record, 128);
    if (!t) return {};
    QImage image(t->side, t->side, QImage::Format_RGB32);
    for (int y = 0; y < t->side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < t->side; ++x) line[x] = toArgb(t->pixels[static_cast<std::size_t>(y * t->side + x)]);
    }
    return image;
}

}  // namespace

CMainPanes::CMainPanes(CAppContext& context, CMainFrame& frame, CCollectionPrompts* prompts)
    : context_(context),
      frame_(frame),
      dialogs_(&frame),
      prompts_(prompts ? *prompts : dialogs_),
      history_(folderPath(context.userFolder())),
      favourites_(folderPath(context.userFolder())),
      documents_(folderPath(context.userFolder())) {
    // The parameter panes first: the stores' panes recall figures into them.
    variables_ = new CPropertiesWndHensu(frame_, context_.messages());
    pen_ = new CPropertiesWndPen(context_.userFolder().path());
    turn_ = new CPropertiesWnd3D(frame_);
    frame_.setPaneWidget(CMainFrame::VariablesPane, variables_);
    frame_.setPaneWidget(CMainFrame::PenPane, pen_);
    frame_.setPaneWidget(CMainFrame::TurnPane, turn_);
    context_.setPanes(*variables_, *pen_, *turn_);

    navigator_ = std::make_unique<CHistoryNavigator>(history_, *this, context_.messages());
    historyPane_ = new CPropertiesWndHistory(history_, *navigator_, prompts_);
    favouritesPane_ = new CFileViewOkiniiri(favourites_, *this, prompts_);
    frame_.setPaneWidget(CMainFrame::HistoryPane, historyPane_);
    frame_.setPaneWidget(CMainFrame::FavouritesPane, favouritesPane_);
    historyPane_->setThumbnailer(thumbnail);
    historyPane_->refresh();

    context_.setFigureDrawnHook([this] { recordDrawnFigure(); });
    frame_.addCommandHandler(*this);
}

CMainPanes::~CMainPanes() { context_.setFigureDrawnHook({}); }

bool CMainPanes::runCommand(int id) {
    switch (id) {
        case Open:
            openDocument();
            return true;
        case Save:
            saveDocument();
            return true;
        case SaveAs:
            saveDocumentAs();
            return true;
        case PenDefaults:
            pen_->restoreDefaults();
            return true;
        case TurnReset:
            turn_->reset();
            return true;
        default:
            break;
    }
    return historyPane_->handleCommand(id) || favouritesPane_->handleCommand(id);
}

ApplyOutcome CMainPanes::applyFigure(const FigureRecord& record) {
    return applyRecord(record, context_.panes(), context_.drawState().colours, context_.messages());
}

void CMainPanes::drawFigure() { frame_.view().drawFigure(); }

FigureRecord CMainPanes::collectFigure() {
    return collectRecord(context_.panes(), context_.drawState().colours, current_);
}

std::array<bool, 20> CMainPanes::activeRows() const {
    std::array<bool, 20> rows{};
    for (int r = 1; r <= 20; ++r) rows[static_cast<std::size_t>(r - 1)] = variables_->rowActive(r);
    return rows;
}

void CMainPanes::recordDrawnFigure() { historyPane_->figureDrawn(collectFigure(), activeRows()); }

void CMainPanes::showTitle() { frame_.setDocumentTitle(QString::fromStdString(documents_.documentTitle())); }

void CMainPanes::tellDocumentFailure(DocumentStatus status) {
    const std::string message = CDocumentFiles::messageFor(status);
    if (!message.empty()) prompts_.tell(message);
}

void CMainPanes::openDocument() {
    const auto chosen = prompts_.askOpenPath(CDocumentFiles::kFilter, CDocumentFiles::kExtension);
    if (!chosen) return;
    const DocumentResult result = documents_.Open(*chosen);
    if (!result.ok() || !result.record) {
        tellDocumentFailure(result.status);
        return;
    }
    showTitle();
    // A record the panes refuse still draws what they show, and that is
    // recorded like any other Draw.
    applyFigure(*result.record);
    drawFigure();
}

void CMainPanes::saveDocument() {
    const DocumentResult result = documents_.Save(collectFigure());
    if (result.status == DocumentStatus::NeedsPath) {
        saveDocumentAs();
        return;
    }
    tellDocumentFailure(result.status);
}

void CMainPanes::saveDocumentAs() {
    const auto chosen =
        prompts_.askSavePath(CDocumentFiles::kFilter, CDocumentFiles::kExtension, documents_.documentTitle());
    if (!chosen) return;
    const DocumentResult result = documents_.SaveAs(*chosen, collectFigure());
    if (!result.ok()) {
        tellDocumentFailure(result.status);
        return;
    }
    showTitle();
}

}  // namespace lumora
