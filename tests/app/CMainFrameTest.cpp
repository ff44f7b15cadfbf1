// The main frame with the real context: menus, keys, toolbar, status bar,
// command routing, the pane layout and its marker, the looks, help.

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/CAboutDlg.h"
#include "app/CAppContext.h"
#include "app/CAppLooks.h"
#include "app/CLumoraApp.h"
#include "app/CMailDialog.h"
#include "app/CMainFrame.h"
#include "app/CUrlOpener.h"
#include "tests/app/TestIsolation.h"
#include "view/CLumoraView.h"

using namespace lumora;

namespace {

class RecordingSink : public CommandSink {
public:
    explicit RecordingSink(std::vector<int> handles = {}) : handles_(std::move(handles)) {}
    bool runCommand(int id) override {
        received.push_back(id);
        return std::find(handles_.begin(), handles_.end(), id) != handles_.end();
    }
    std::vector<int> received;

private:
    std::vector<int> handles_;
};

class RecordingUrls : public CUrlOpener {
public:
    void open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

// Answers the next modal dialog of type T, handing it to `inspect` first.
template <class T, class F>
void answerNextDialog(F inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(w)) {
            inspect(dialog);
            dialog->accept();
        } else if (w) {
            w->close();
        }
    });
}

QSettings settings() { return QSettings(QStringLiteral("PellinoFree105"), QStringLiteral("LumoraFree")); }

}  // namespace

class CMainFrameTest : public QObject {
    Q_OBJECT
    CAppContext* context = nullptr;
    RecordingSink application;
    RecordingUrls urls;
    CMainFrame* frame = nullptr;
    int drawn = 0;

    QString marker() const { return context->userFolder().file(QStringLiteral("layout")); }
    void newFrame() {
        delete frame;
        frame = new CMainFrame(*context, application);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
    }

private slots:
    void initTestCase() {
        context = new CAppContext;
        context->setUrlOpener(urls);
        context->setFigureDrawnHook([this] { ++drawn; });
        newFrame();
    }
    void cleanupTestCase() {
        delete frame;
        delete context;
    }

    void titleToolbarAndStatusBar() {
        QCOMPARE(frame->windowTitle(), QStringLiteral("無題 - LumoraFree"));
        QToolBar* bar = frame->standardToolBar();
        QCOMPARE(bar->windowTitle(), QStringLiteral("標準"));
        QList<int> ids;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator())
                ids << 0;
            else if (a->data().isValid())
                ids << a->data().toInt();
        }
        QCOMPARE(ids, (QList<int>{11901, 11902, 11903, 0, 10011, 10012, 11602, 0, 11807, 11806, 0, 10030, 10031}));
        QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("レディ"));
        for (const char* name : {"CAP", "NUM", "SCRL"})
            QVERIFY(frame->statusBar()->findChild<QLabel*>(QStringLiteral("indicator%1").arg(QLatin1String(name))));
    }

    void menusCarryTheirTextsAndKeys_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("open") << 11701 << "開く(&O)..."
                              << "Ctrl+O";
        QTest::newRow("save") << 11702 << "上書き保存(&S)"
                              << "Ctrl+S";
        QTest::newRow("draw") << 10030 << "描画"
                              << "F3";
        QTest::newRow("draw random") << 10031 << "描画 ランダム"
                                     << "F4";
        QTest::newRow("enlarge") << 11901 << "拡大"
                                 << "F5";
        QTest::newRow("shrink") << 11902 << "縮小"
                                << "F6";
        QTest::newRow("standard") << 11903 << "標準の大きさ"
                                  << "F7";
        QTest::newRow("zoom in") << 10011 << "ズームイン"
                                 << "F9";
        QTest::newRow("zoom out") << 10012 << "ズームアウト"
                                  << "F10";
        QTest::newRow("centre") << 11602 << "中央表示"
                                << "F11";
        QTest::newRow("back") << 11806 << "一つ前に戻す(&U)"
                              << "Ctrl+Z";
        QTest::newRow("forward") << 11807 << "一つ後に戻す(&T)"
                                 << "Ctrl+D";
        QTest::newRow("older page") << 11808 << "前のページ"
                                    << "Ctrl+Shift+Z";
        QTest::newRow("newer page") << 11809 << "後のページ"
                                    << "Ctrl+Shift+D";
        QTest::newRow("history load") << 11811 << QStringLiteral("ヒストリーの読み込み") + QString(18, QLatin1Char(' '))
                                      << "";
        QTest::newRow("layout reset") << 12102 << "レイアウトのリセット"
                                      << "";
        QTest::newRow("about") << 57664 << "バージョン情報 LumoraFree(&A)..."
                               << "";
    }
    void menusCarryTheirTextsAndKeys() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QAction* a = frame->action(id);
        QVERIFY(a);
        QCOMPARE(a->text(), text);
        QCOMPARE(a->shortcut(), QKeySequence(key));
        QVERIFY(!a->statusTip().isEmpty());
        QVERIFY(!a->associatedObjects().isEmpty());
    }

    void menuBarInOrder() {
        QStringList titles;
        for (QAction* a : frame->menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{"ファイル(&F)", "描画(&B)", "お気に入り(&O)", "ヒストリー(&E)", "表示(&V)",
                                      "ヘルプ(&H)"}));
        QCOMPARE(frame->action(57664)->statusTip(), QStringLiteral("プログラム情報、バージョン、著作権を表示します。"));
        QCOMPARE(frame->action(57664)->toolTip(), QStringLiteral("バージョン情報"));
    }

    void keysReachTheView() {
        frame->activateWindow();
        CLumoraView& view = frame->view();
        const int zoom = view.zoomStep();
        QTest::keyClick(frame, Qt::Key_F9);
        QCOMPARE(view.zoomStep(), zoom + 1);
        QTest::keyClick(frame, Qt::Key_F10);
        QCOMPARE(view.zoomStep(), zoom);
        const int before = drawn;
        QTest::keyClick(frame, Qt::Key_F3);
        QCOMPARE(drawn, before + 1);
        QTest::keyClick(frame, Qt::Key_F5);
        QCOMPARE(context->panes().turn.value(TurnControls::Magnify), 200);
        QTest::keyClick(frame, Qt::Key_F7);
        QCOMPARE(context->panes().turn.value(TurnControls::Magnify), 100);
        QCOMPARE(drawn, before + 3);
    }

    void commandsGoToViewThenFrameThenApplication() {
        RecordingSink paneHandler({11802});
        frame->addCommandHandler(paneHandler);
        application.received.clear();
        const int zoom = frame->view().zoomStep();
        QVERIFY(frame->runCommand(10011));  // the view's
        QCOMPARE(frame->view().zoomStep(), zoom + 1);
        QVERIFY(frame->runCommand(12102));  // the frame's
        QVERIFY(frame->runCommand(11802));  // a pane's handler
        QCOMPARE(paneHandler.received, (std::vector<int>{11802}));
        QVERIFY(!frame->runCommand(11700));  // left to the application
        QCOMPARE(application.received, (std::vector<int>{11700}));
        frame->action(11701)->trigger();  // a menu item takes the same road
        QCOMPARE(application.received, (std::vector<int>{11700, 11701}));
        frame->view().zoomOut();
    }

    void sameColoursShowTheErrorBox() {
        PenControls& pen = context->panes().pen;
        pen.setFgModeFromRecord(1);
        pen.setBgModeFromRecord(1);
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answerNextDialog<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
        });
        QVERIFY(frame->runCommand(10030));
        QCOMPARE(text, QStringLiteral("描画色と背景色が同じ色です"));
        QCOMPARE(title, QStringLiteral("描画無効"));
        QCOMPARE(icon, QMessageBox::Critical);
        pen.setFgModeFromRecord(0);
    }

    void firstShowResetsTheLayoutAndWritesTheMarker() {
        QVERIFY(QFile::exists(marker()));
        auto area = [&](int id) { return frame->dockWidgetArea(frame->pane(id)); };
        auto geo = [&](int id) { return frame->pane(id)->geometry(); };
        QCOMPARE(area(CMainFrame::FavouritesPane), Qt::LeftDockWidgetArea);
        QCOMPARE(area(CMainFrame::HistoryPane), Qt::LeftDockWidgetArea);
        QVERIFY(geo(CMainFrame::FavouritesPane).bottom() < geo(CMainFrame::HistoryPane).top());
        for (int id : {CMainFrame::VariablesPane, CMainFrame::TurnPane, CMainFrame::PenPane})
            QCOMPARE(area(id), Qt::RightDockWidgetArea);
        QCOMPARE(geo(CMainFrame::TurnPane).left(), geo(CMainFrame::PenPane).left());
        QVERIFY(geo(CMainFrame::TurnPane).bottom() < geo(CMainFrame::PenPane).top());
        QVERIFY(geo(CMainFrame::VariablesPane).left() > geo(CMainFrame::TurnPane).right());
        const QStringList captions{"お気に入り", "描画設定値", "カラー・ストローク", "３Ｄ変換", "ヒストリー"};
        int i = 0;
        for (int id : CMainFrame::kPaneIds) {
            QCOMPARE(frame->pane(id)->windowTitle(), captions[i++]);
            QVERIFY(frame->pane(id)->isVisible());
        }
    }

    void savedLayoutComesBackUntilTheMarkerGoes() {
        frame->addDockWidget(Qt::RightDockWidgetArea, frame->pane(CMainFrame::FavouritesPane));
        frame->close();  // saves the arrangement
        newFrame();
        QVERIFY(frame->restoreWorkspace());
        QCOMPARE(frame->dockWidgetArea(frame->pane(CMainFrame::FavouritesPane)), Qt::RightDockWidgetArea);
        QVERIFY(QFile::remove(marker()));
        newFrame();
        QCOMPARE(frame->dockWidgetArea(frame->pane(CMainFrame::FavouritesPane)), Qt::LeftDockWidgetArea);
        QVERIFY(QFile::exists(marker()));
    }

    void layoutResetGathersFloatingAndTabbedPanes() {
        frame->pane(CMainFrame::PenPane)->setFloating(true);
        frame->tabifyDockWidget(frame->pane(CMainFrame::HistoryPane), frame->pane(CMainFrame::VariablesPane));
        frame->pane(CMainFrame::TurnPane)->hide();
        QVERIFY(frame->runCommand(12102));
        QVERIFY(!frame->pane(CMainFrame::PenPane)->isFloating());
        QVERIFY(frame->tabifiedDockWidgets(frame->pane(CMainFrame::HistoryPane)).isEmpty());
        QVERIFY(frame->pane(CMainFrame::TurnPane)->isVisible());
        QCOMPARE(frame->dockWidgetArea(frame->pane(CMainFrame::HistoryPane)), Qt::LeftDockWidgetArea);
    }

    void looksAreStoredMarkedAndAppliedAgain() {
        settings().remove(QStringLiteral("Workspace/ApplicationLook"));
        newFrame();
        QCOMPARE(frame->applicationLook(), 210);
        QVERIFY(frame->action(210)->isChecked());
        QVERIFY(frame->runCommand(216));
        QCOMPARE(settings().value(QStringLiteral("Workspace/ApplicationLook")).toInt(), 216);
        QVERIFY(frame->action(216)->isChecked());
        QVERIFY(!frame->action(210)->isChecked());
        QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 100);
        newFrame();
        QCOMPARE(frame->applicationLook(), 216);
        QVERIFY(frame->action(216)->isChecked());
        // A value no look has falls back to the default.
        settings().setValue(QStringLiteral("Workspace/ApplicationLook"), 212);
        newFrame();
        QCOMPARE(frame->applicationLook(), 210);
        QVERIFY(!frame->runCommand(212) || frame->applicationLook() == 210);
    }

    void everyLookLooksDifferent() {
        const QList<int> ids{205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219};
        QSet<QRgb> windows;
        for (int id : ids) {
            QVERIFY(CAppLooks::exists(id));
            windows.insert(CAppLooks::palette(id).color(QPalette::Window).rgb());
        }
        QCOMPARE(windows.size(), ids.size());
        QVERIFY(!CAppLooks::exists(211));
    }

    void helpCommandsOpenThePageOrNothing() {
        urls.opened.clear();
        QFile::remove(context->userFolder().file(QStringLiteral("LumoraHelp001.html")));
        QVERIFY(frame->runCommand(57670));
        QCOMPARE(urls.opened.size(), size_t(1));
        QCOMPARE(urls.opened[0], QUrl::fromLocalFile(context->userFolder().file(QStringLiteral("LumoraHelp001.html"))));
        // The online pages have no address yet: nothing opens.
        QVERIFY(frame->runCommand(12103));
        QVERIFY(frame->runCommand(32825));
        QCOMPARE(urls.opened.size(), size_t(1));
    }

    void contactAndAboutShowReadOnlyText() {
        bool readOnly = false;
        answerNextDialog<CMailDialog>([&](CMailDialog* d) {
            readOnly = d->addressEdit()->isReadOnly() && d->windowTitle() == QStringLiteral("メールアドレス");
        });
        QVERIFY(frame->runCommand(32819));
        QVERIFY(readOnly);

        CLumoraApp app(QStringLiteral("/usr/bin/true"));
        QString version;
        answerNextDialog<CAboutDlg>([&](CAboutDlg* d) {
            readOnly = d->homepageEdit()->isReadOnly() && d->contactEdit()->isReadOnly();
            for (QLabel* l : d->findChildren<QLabel*>())
                if (!l->text().isEmpty()) version = l->text();
        });
        QVERIFY(app.runCommand(57664));
        QVERIFY(readOnly);
        QCOMPARE(version, QStringLiteral("LumoraFree, Version 2.00.00"));
    }
};

LUMORA_ISOLATED_TEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
