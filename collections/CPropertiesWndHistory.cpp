#include "collections/CPropertiesWndHistory.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include "collections/CCollectionPrompts.h"
#include "collections/CHistoryNavigator.h"
#include "collections/CHistoryStore.h"
#include "collections/CollectionPictures.h"

namespace lumora {

namespace {
constexpr int kPitchX = 53, kPitchY = 27, kButtonW = 51, kButtonH = 25;
constexpr std::size_t kPictureCacheLimit = 300;
constexpr int kPictureSide = 96;

std::string joined(const std::vector<std::string>& fields) {
    std::string s;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) s.push_back(',');
        s += fields[i];
    }
    return s;
}
}  // namespace

CPropertiesWndHistory::CPropertiesWndHistory(CHistoryStore& store, CHistoryNavigator& navigator,
                                             CCollectionPrompts& prompts, QWidget* parent)
    : QWidget(parent), store_(store), navigator_(navigator), prompts_(prompts) {
    setWindowTitle(QStringLiteral("ヒストリー"));
    const HistoryCheck check = store_.CheckEntries();
    if (check.status == StoreStatus::CannotOpenWorkFile) {
        storeAvailable_ = false;
        prompts_.tell(storeStatusMessage(check.status) + "（ヒストリー）");
    }

    background_ = new QFrame(this);
    background_->setObjectName(QString::number(IdBackground));
    background_->setFrameShape(QFrame::Box);

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QString::number(IdToolBar));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    struct Tool {
        int id;
        QIcon icon;
        const char* tip;
    } tools[] = {
        {IdNewerPage, newerPageIcon(), "後のページ"},
        {IdOlderPage, olderPageIcon(), "前のページ"},
        {IdStepForward, stepForwardIcon(), "一つ後に戻す"},
        {IdStepBack, stepBackIcon(), "一つ前に戻す"},
    };
    for (const Tool& t : tools) {
        QAction* a = toolBar_->addAction(t.icon, QString::fromUtf8(t.tip));
        a->setObjectName(QString::number(t.id));
        a->setData(t.id);
        const int id = t.id;
        connect(a, &QAction::triggered, this, [this, id] { handleCommand(id); });
    }

    const int h = toolBar_->sizeHint().height();
    for (int k = 0; k < kButtons; ++k) {
        auto* b = new QPushButton(QString::number(k + 1), this);
        b->setObjectName(QString::number(IdEntryBase + k));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(kPitchX * (k % 5) + 2, h + kPitchY * (k / 5) + 2, kButtonW, kButtonH);
        b->hide();
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, k] { handleCommand(IdEntryBase + k); });
        buttons_[static_cast<std::size_t>(k)] = b;
    }
    background_->lower();

    menu_ = new QMenu(this);
    QAction* save = menu_->addAction(QStringLiteral("ヒストリーの保存"));
    save->setObjectName(QString::number(IdSave));
    connect(save, &QAction::triggered, this, [this] { handleCommand(IdSave); });
    QAction* load = menu_->addAction(QStringLiteral("ヒストリーの読み込み"));
    load->setObjectName(QString::number(IdLoad));
    connect(load, &QAction::triggered, this, [this] { handleCommand(IdLoad); });

    picturePopup_ = new QLabel(this, Qt::ToolTip);
    picturePopup_->setFrameShape(QFrame::Box);
    picturePopup_->hide();

    refresh();
    layOut();
}

void CPropertiesWndHistory::setThumbnailer(Thumbnailer thumbnailer) {
    thumbnailer_ = std::move(thumbnailer);
    pictures_.clear();
}

QSize CPropertiesWndHistory::sizeHint() const {
    return QSize(kPitchX * 5 + 4, toolBar_->sizeHint().height() + kPitchY * 20 + 4);
}

void CPropertiesWndHistory::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void CPropertiesWndHistory::layOut() {
    const int h = toolBar_->sizeHint().height();
    toolBar_->setGeometry(0, 0, width(), h);
    background_->setGeometry(0, h, width(), height());
}

void CPropertiesWndHistory::refresh() {
    const int n = store_.CountEntries().count;
    const int p = page_;
    // A page past the end (after a load or reset) shows no buttons: they
    // would name no entry.
    const int shown = n >= 100 * (p + 1) ? kButtons : (n > 100 * p ? n % 100 : 0);
    for (int k = 0; k < kButtons; ++k) {
        QPushButton* b = buttons_[static_cast<std::size_t>(k)];
        if (k < shown) {
            b->setText(QString::number(100 * p + k + 1));
            b->show();
        } else {
            b->hide();
        }
    }
    highlight();
}

void CPropertiesWndHistory::highlight() {
    const int pos = navigator_.currentPosition();
    for (int k = 0; k < kButtons; ++k)
        buttons_[static_cast<std::size_t>(k)]->setChecked(pos >= 0 && pos / 100 == page_ && pos % 100 == k);
}

void CPropertiesWndHistory::report(int statusCode) {
    const auto status = static_cast<StoreStatus>(statusCode);
    if (status != StoreStatus::Ok && storeAvailable_) prompts_.tell(storeStatusMessage(status));
}

bool CPropertiesWndHistory::handleCommand(int id) {
    if (id >= IdEntryBase && id < IdEntryBase + kButtons) {
        navigator_.entryCommand(page_, id - IdEntryBase);
        highlight();
        return true;
    }
    switch (id) {
        case IdStepBack:
            stepBack();
            return true;
        case IdStepForward:
            stepForward();
            return true;
        case IdOlderPage:
            olderPage();
            return true;
        case IdNewerPage:
            newerPage();
            return true;
        case IdSave:
        case IdMenuSave:
            saveHistory();
            return true;
        case IdLoad:
        case IdMenuLoad:
            loadHistory();
            return true;
        case IdReset:
            resetHistory();
            return true;
        default:
            return false;
    }
}

void CPropertiesWndHistory::figureDrawn(const FigureRecord& record, const std::array<bool, 20>& activeRows) {
    const bool recorded = !navigator_.recalling();
    const StoreResult r = navigator_.figureDrawn(record, activeRows);
    if (recorded) report(static_cast<int>(r.status));
    refresh();
}

void CPropertiesWndHistory::olderPage() {
    if (store_.CountEntries().count >= 100 * page_ + 101) ++page_;
    refresh();
}

void CPropertiesWndHistory::newerPage() {
    if (page_ > 0) --page_;
    refresh();
}

void CPropertiesWndHistory::afterStep() {
    page_ = navigator_.currentPosition() / 100;
    refresh();
}

void CPropertiesWndHistory::stepBack() {
    if (navigator_.stepBack()) afterStep();
}

void CPropertiesWndHistory::stepForward() {
    if (navigator_.stepForward()) afterStep();
}

void CPropertiesWndHistory::saveHistory() {
    const auto path = prompts_.askSavePath(kFilter, "lmhis", "無題");
    if (!path) return;
    report(static_cast<int>(store_.ExportHistory(*path).status));
}

void CPropertiesWndHistory::loadHistory() {
    const auto path = prompts_.askOpenPath(kFilter, "lmhis");
    if (!path) return;
    const HistoryCheck r = store_.ImportHistory(*path);
    pictures_.clear();
    report(static_cast<int>(r.status));
    refresh();
}

void CPropertiesWndHistory::resetHistory() {
    if (!prompts_.askYesNo(kResetQuestion, kResetCaption)) return;
    report(static_cast<int>(store_.ClearEntries().status));
    pictures_.clear();
    refresh();
}

void CPropertiesWndHistory::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
    event->accept();
}

QImage CPropertiesWndHistory::entryPicture(int k) {
    if (!thumbnailer_ || k < 0 || k >= kButtons) return {};
    const HistoryEntry entry = store_.ReadEntry(100 * page_ + k);
    if (!entry.fields) return {};
    const auto record = CHistoryStore::entryRecord(*entry.fields);
    if (!record) return {};
    const std::string key = joined(*entry.fields);
    auto it = pictures_.find(key);
    if (it != pictures_.end()) return it->second;
    if (pictures_.size() >= kPictureCacheLimit) pictures_.clear();
    QImage picture = thumbnailer_(*record);
    if (!picture.isNull() && (picture.width() > kPictureSide || picture.height() > kPictureSide))
        picture = picture.scaled(kPictureSide, kPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pictures_.emplace(key, picture);
    return picture;
}

bool CPropertiesWndHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        menu_->popup(e->globalPos());
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        for (int k = 0; k < kButtons; ++k) {
            if (buttons_[static_cast<std::size_t>(k)] != watched) continue;
            const QImage picture = entryPicture(k);
            if (picture.isNull()) return true;
            picturePopup_->setPixmap(QPixmap::fromImage(picture));
            picturePopup_->adjustSize();
            picturePopup_->move(static_cast<QHelpEvent*>(event)->globalPos() + QPoint(12, 16));
            picturePopup_->show();
            return true;
        }
    }
    if (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress) picturePopup_->hide();
    return QWidget::eventFilter(watched, event);
}

}  // namespace lumora
