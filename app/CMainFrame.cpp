#include "app/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QDockWidget>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "app/CActionTable.h"
#include "app/CAppContext.h"
#include "app/CAppLooks.h"
#include "app/CHelpLinks.h"
#include "app/CMailDialog.h"
#include "app/CToolbarIcons.h"
#include "app/CUrlOpener.h"
#include "view/CLumoraView.h"
#include "view/CWaitCursor.h"

namespace lumora {
namespace {

struct PaneSpec {
    int id;
    const char* caption;
    Qt::DockWidgetArea side;
};

// Creation order; the captions are the panes' titles.
constexpr PaneSpec kPanes[] = {
    {CMainFrame::FavouritesPane, "お気に入り", Qt::LeftDockWidgetArea},
    {CMainFrame::VariablesPane, "描画設定値", Qt::RightDockWidgetArea},
    {CMainFrame::PenPane, "カラー・ストローク", Qt::RightDockWidgetArea},
    {CMainFrame::TurnPane, "３Ｄ変換", Qt::RightDockWidgetArea},
    {CMainFrame::HistoryPane, "ヒストリー", Qt::RightDockWidgetArea},
};

constexpr int kExitCommand = 57665;
constexpr int kStatusBarCommand = 59393;
constexpr int kCustomiseCommand = 126;
constexpr int kLayoutResetCommand = 12102;
constexpr int kLocalHelpCommand = 57670;
constexpr int kOnlineHelpCommand = 12103;
constexpr int kHomepageCommand = 32825;
constexpr int kContactCommand = 32819;

QSettings workspaceSettings() { return QSettings(QStringLiteral("PellinoFree105"), QStringLiteral("LumoraFree")); }

}  // namespace

CMainFrame::CMainFrame(CAppContext& context, CommandSink& application, QWidget* parent)
    : QMainWindow(parent), context_(context), application_(application) {
    context_.userFolder().ensure();
    {
        QSettings settings = workspaceSettings();
        look_ = CAppLooks::valid(settings.value(QLatin1String(CAppLooks::kSettingsKey), CAppLooks::kDefault).toInt());
    }
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QStringLiteral("無題 - LumoraFree"));
    setWindowIcon(CToolbarIcons::programIcon());
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks | QMainWindow::AllowNestedDocks);

    view_ = new CLumoraView(context_, this);
    setCentralWidget(view_);
    context_.setMessageParent(this);

    buildActions();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    buildPanes();
    CAppLooks::apply(look_);
    if (QAction* a = action(look_)) a->setChecked(true);
    // As large as the screen allows, so the view beside the three columns
    // of panes still shows most of the picture.
    QSize size(1560, 960);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(20, 40));
    resize(size);
}

CMainFrame::~CMainFrame() { context_.setMessageParent(nullptr); }

QAction* CMainFrame::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QDockWidget* CMainFrame::pane(int paneId) const {
    const auto it = panes_.find(paneId);
    return it == panes_.end() ? nullptr : it->second;
}

void CMainFrame::setPaneWidget(int paneId, QWidget* widget) {
    if (QDockWidget* dock = pane(paneId)) dock->setWidget(widget);
}

void CMainFrame::buildActions() {
    looks_ = new QActionGroup(this);
    looks_->setExclusive(true);
    for (const ActionSpec& entry : CActionTable::actions()) {
        auto* a = new QAction(QString::fromUtf8(entry.text), this);
        a->setObjectName(QStringLiteral("action%1").arg(entry.id));
        a->setData(entry.id);
        if (entry.key) {
            a->setShortcut(QKeySequence(QString::fromLatin1(entry.key)));
            // Keys work whichever window has the focus, floating panes too.
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        const QString prompt = QString::fromUtf8(entry.prompt);
        const int nl = prompt.indexOf(QLatin1Char('\n'));
        a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
        a->setToolTip(nl < 0 ? prompt : prompt.mid(nl + 1));
        a->setIcon(CToolbarIcons::icon(entry.id));
        a->setIconVisibleInMenu(true);
        if (CAppLooks::exists(entry.id)) {
            a->setCheckable(true);
            looks_->addAction(a);
        }
        if (entry.id == kStatusBarCommand) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        const int id = entry.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        addAction(a);  // keys stay live while the menu bar is hidden
        actions_[entry.id] = a;
    }
}

void CMainFrame::buildMenus() {
    QMenuBar* bar = menuBar();
    std::vector<QMenu*> stack;
    for (const MenuEntry& e : CActionTable::menus()) {
        switch (e.kind) {
            case MenuEntry::Menu:
                stack = {bar->addMenu(QString::fromUtf8(e.text))};
                break;
            case MenuEntry::Submenu:
                stack.push_back(stack.back()->addMenu(QString::fromUtf8(e.text)));
                break;
            case MenuEntry::End:
                stack.pop_back();
                break;
            case MenuEntry::Separator:
                stack.back()->addSeparator();
                break;
            case MenuEntry::Item:
                if (QAction* a = action(e.id)) stack.back()->addAction(a);
                break;
            case MenuEntry::PanesList: {
                QMenu* list = stack.back()->addMenu(QString::fromUtf8(e.text));
                list->setObjectName(QStringLiteral("menu%1").arg(e.id));
                connect(list, &QMenu::aboutToShow, this, [this, list] { fillPanesMenu(list); });
                break;
            }
        }
    }
}

void CMainFrame::fillPanesMenu(QMenu* menu) {
    menu->clear();
    menu->addAction(toolBar_->toggleViewAction());
    menu->addSeparator();
    for (const PaneSpec& p : kPanes) menu->addAction(pane(p.id)->toggleViewAction());
}

void CMainFrame::buildToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("標準"), this);
    toolBar_->setObjectName(QStringLiteral("toolbar128"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setMovable(true);
    for (int id : CActionTable::toolbar()) {
        if (id == 0) {
            toolBar_->addSeparator();
        } else if (QAction* a = action(id)) {
            toolBar_->addAction(a);
        }
    }
    // The customise button at the end of the bar.
    auto* customise = new QToolButton(toolBar_);
    customise->setObjectName(QStringLiteral("customise126"));
    customise->setArrowType(Qt::DownArrow);
    customise->setAutoRaise(true);
    customise->setToolTip(QStringLiteral("カスタマイズ..."));
    connect(customise, &QToolButton::clicked, this, [this] { runCommand(kCustomiseCommand); });
    toolBar_->addWidget(customise);
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    const QString ready = QStringLiteral("レディ");
    bar->showMessage(ready);
    // A prompt that goes away leaves the idle text, not an empty pane.
    connect(bar, &QStatusBar::messageChanged, bar, [bar, ready](const QString& text) {
        if (text.isEmpty()) bar->showMessage(ready);
    });
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QString::fromLatin1(name), bar);
        label->setObjectName(QStringLiteral("indicator%1").arg(QString::fromLatin1(name)));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(label);
    }
}

void CMainFrame::buildPanes() {
    for (const PaneSpec& p : kPanes) {
        auto* dock = new QDockWidget(QString::fromUtf8(p.caption), this);
        dock->setObjectName(QStringLiteral("pane%1").arg(p.id));
        dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                          QDockWidget::DockWidgetFloatable);
        dock->setAllowedAreas(Qt::AllDockWidgetAreas);
        auto* placeholder = new QWidget(dock);
        placeholder->setMinimumSize(200, 200);
        dock->setWidget(placeholder);
        addDockWidget(p.side, dock);
        panes_[p.id] = dock;
    }
}

void CMainFrame::resetLayout() {
    QDockWidget* turn = pane(TurnPane);
    QDockWidget* pen = pane(PenPane);
    QDockWidget* variables = pane(VariablesPane);
    QDockWidget* favourites = pane(FavouritesPane);
    QDockWidget* history = pane(HistoryPane);
    const QDockWidget* order[] = {turn, pen, variables, favourites, history};
    // Take every pane out of its tab group or floating window first, then
    // dock each afresh.
    for (const QDockWidget* d : order) {
        auto* dock = const_cast<QDockWidget*>(d);
        dock->setFloating(false);
        removeDockWidget(dock);
    }
    addDockWidget(Qt::RightDockWidgetArea, turn);
    splitDockWidget(turn, pen, Qt::Vertical);
    addDockWidget(Qt::RightDockWidgetArea, variables, Qt::Horizontal);
    addDockWidget(Qt::LeftDockWidgetArea, favourites);
    splitDockWidget(favourites, history, Qt::Vertical);
    for (const QDockWidget* d : order) const_cast<QDockWidget*>(d)->show();
    // Each column as wide as its widest pane asks for (the pen pane's colour
    // row is the widest), never narrower than the first layout's 283.
    const auto wanted = [](const QDockWidget* dock) { return dock->widget() ? dock->widget()->sizeHint() : QSize(); };
    const int left = std::max({283, wanted(favourites).width(), wanted(history).width()});
    const int middle = std::max({283, wanted(turn).width(), wanted(pen).width()});
    const int right = std::max(283, wanted(variables).width());
    resizeDocks({favourites, turn, variables}, {left, middle, right}, Qt::Horizontal);
    const int turnHeight = std::max(300, wanted(turn).height());
    resizeDocks({turn, pen, favourites, history}, {turnHeight, std::max(300, wanted(pen).height()), 400, 400},
                Qt::Vertical);
}

void CMainFrame::setApplicationLook(int id) {
    if (!CAppLooks::exists(id)) return;
    CWaitCursor wait;
    look_ = id;
    CAppLooks::apply(id);
    if (QAction* a = action(id))
        a->setChecked(true);
    else if (QAction* checked = looks_->checkedAction())
        checked->setChecked(false);
    update();
    QSettings settings = workspaceSettings();
    settings.setValue(QLatin1String(CAppLooks::kSettingsKey), id);
}

void CMainFrame::setDocumentTitle(const QString& name) { setWindowTitle(name + QStringLiteral(" - LumoraFree")); }

bool CMainFrame::runCommand(int id) {
    if (view_->handleCommand(id)) return true;
    if (handleFrameCommand(id)) return true;
    for (CommandSink* handler : handlers_)
        if (handler->runCommand(id)) return true;
    return application_.runCommand(id);
}

bool CMainFrame::handleFrameCommand(int id) {
    if (CAppLooks::exists(id)) {
        setApplicationLook(id);
        return true;
    }
    switch (id) {
        case kLayoutResetCommand:
            resetLayout();
            return true;
        case kExitCommand:
            close();
            return true;
        case kStatusBarCommand:
            statusBar()->setVisible(action(id)->isChecked());
            return true;
        case kCustomiseCommand: {
            QMenu menu(this);
            fillPanesMenu(&menu);
            menu.exec(QCursor::pos());
            return true;
        }
        case kLocalHelpCommand:
            openHelpPage();
            return true;
        case kOnlineHelpCommand:
            openAddress(CHelpLinks::kOnlineHelpUrl);
            return true;
        case kHomepageCommand:
            openAddress(CHelpLinks::kHomepageUrl);
            return true;
        case kContactCommand: {
            CMailDialog dialog(this);
            dialog.exec();
            return true;
        }
        default:
            return false;
    }
}

void CMainFrame::openHelpPage() {
    context_.urlOpener().open(
        QUrl::fromLocalFile(context_.userFolder().file(QString::fromLatin1(CHelpLinks::kHelpFile))));
}

void CMainFrame::openAddress(const char* url) {
    // An address not yet published leaves the command without effect.
    if (url == nullptr || *url == '\0') return;
    context_.urlOpener().open(QUrl(QString::fromUtf8(url)));
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        firstActivation();
    }
}

void CMainFrame::firstActivation() {
    QFile marker(context_.userFolder().file(QLatin1String(kLayoutMarker)));
    if (marker.open(QIODevice::ReadOnly)) return;
    QFile create(marker.fileName());
    if (create.open(QIODevice::WriteOnly)) create.close();
    resetLayout();
}

void CMainFrame::saveWorkspace() const {
    QSettings settings = workspaceSettings();
    settings.setValue(QStringLiteral("Workspace/Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("Workspace/State"), saveState());
}

bool CMainFrame::restoreWorkspace() {
    QSettings settings = workspaceSettings();
    const QByteArray geometry = settings.value(QStringLiteral("Workspace/Geometry")).toByteArray();
    const QByteArray state = settings.value(QStringLiteral("Workspace/State")).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    return !state.isEmpty() && restoreState(state);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    saveWorkspace();
    QMainWindow::closeEvent(event);
}

}  // namespace lumora
