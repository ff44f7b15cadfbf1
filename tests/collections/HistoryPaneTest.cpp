#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "CollectionsTestSupport.h"
#include "collections/CHistoryNavigator.h"
#include "collections/CHistoryStore.h"
#include "collections/CPropertiesWndHistory.h"

using namespace lumora;

class HistoryPaneTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::filesystem::path folder_;
    std::unique_ptr<CHistoryStore> store_;
    test::RecordingFigures figures_;
    test::RecordingMessages messages_;
    test::AnsweredPrompts prompts_;
    std::unique_ptr<CHistoryNavigator> nav_;
    std::array<bool, 20> active_{};

    void withEntries(int n) {
        std::string lines;
        for (int i = 0; i < n; ++i) lines += CHistoryStore::entryLine(test::sampleRecord(i), active_);
        test::writeFile(folder_ / "csv_history0", lines);
    }
    std::unique_ptr<CPropertiesWndHistory> pane() {
        auto p = std::make_unique<CPropertiesWndHistory>(*store_, *nav_, prompts_);
        p->show();
        return p;
    }
    // Labels of the visible buttons, first and last, and how many.
    static std::tuple<QString, QString, int> shown(CPropertiesWndHistory& p) {
        QString first, last;
        int count = 0;
        for (int k = 0; k < CPropertiesWndHistory::kButtons; ++k) {
            if (!p.entryButton(k)->isVisible()) continue;
            if (!count) first = p.entryButton(k)->text();
            last = p.entryButton(k)->text();
            ++count;
        }
        return {first, last, count};
    }
    static QAction* tool(CPropertiesWndHistory& p, int id) {
        return p.toolBar()->findChild<QAction*>(QString::number(id));
    }
    int recalledSeed() const { return figures_.applied.back()[FigureRecord::Param1] - FigureRecord::Param1; }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        folder_ = std::filesystem::path(dir_->path().toStdString()) / "Orvane" / "LumoraFree105";
        store_ = std::make_unique<CHistoryStore>(folder_);
        figures_ = {};
        messages_ = {};
        prompts_ = {};
        nav_ = std::make_unique<CHistoryNavigator>(*store_, figures_, messages_);
        active_.fill(true);
    }

    void emptyHistoryShowsNoButton() {
        auto p = pane();
        QCOMPARE(std::get<2>(shown(*p)), 0);
        QCOMPARE(p->windowTitle(), QStringLiteral("ヒストリー"));
    }

    void buttonsSitOnTheirGrid() {
        withEntries(100);
        auto p = pane();
        const int h = p->toolBar()->sizeHint().height();
        QCOMPARE(p->entryButton(0)->geometry(), QRect(2, h + 2, 51, 25));
        QCOMPARE(p->entryButton(99)->geometry(), QRect(53 * 4 + 2, h + 27 * 19 + 2, 51, 25));
        QCOMPARE(p->entryButton(7)->objectName(), QStringLiteral("11407"));
    }

    void toolbarOrder() {
        auto p = pane();
        QStringList ids;
        for (QAction* a : p->toolBar()->actions()) ids << a->objectName();
        QCOMPARE(ids, QStringList({"11809", "11808", "11807", "11806"}));
    }

    void pagingThroughTwoHundredFifty() {
        withEntries(250);
        auto p = pane();
        QCOMPARE(shown(*p), std::make_tuple(QString("1"), QString("100"), 100));
        tool(*p, CPropertiesWndHistory::IdOlderPage)->trigger();
        QCOMPARE(shown(*p), std::make_tuple(QString("101"), QString("200"), 100));
        tool(*p, CPropertiesWndHistory::IdOlderPage)->trigger();
        QCOMPARE(shown(*p), std::make_tuple(QString("201"), QString("250"), 50));
        tool(*p, CPropertiesWndHistory::IdOlderPage)->trigger();
        QCOMPARE(p->page(), 2);
        tool(*p, CPropertiesWndHistory::IdNewerPage)->trigger();
        tool(*p, CPropertiesWndHistory::IdNewerPage)->trigger();
        tool(*p, CPropertiesWndHistory::IdNewerPage)->trigger();
        QCOMPARE(p->page(), 0);
    }

    void olderPageNeedsMoreThanAHundred() {
        withEntries(100);
        auto p = pane();
        p->olderPage();
        QCOMPARE(p->page(), 0);
    }

    void oneClickRecallsItsEntryAtOnce() {
        withEntries(10);
        auto p = pane();
        QTest::mouseClick(p->entryButton(3), Qt::LeftButton);
        QCOMPARE(static_cast<int>(figures_.applied.size()), 1);
        QCOMPARE(figures_.draws, 1);
        QCOMPARE(recalledSeed(), 6);  // entry 3 of 10 is the 7th line
        QVERIFY(p->entryButton(3)->isChecked());
        QVERIFY(!p->entryButton(0)->isChecked());
        QCOMPARE(store_->CountEntries().count, 10);
    }

    void stepBackAcrossAPageBoundary() {
        withEntries(150);
        auto p = pane();
        QTest::mouseClick(p->entryButton(99), Qt::LeftButton);
        tool(*p, CPropertiesWndHistory::IdStepBack)->trigger();
        QCOMPARE(nav_->currentPosition(), 100);
        QCOMPARE(p->page(), 1);
        QCOMPARE(p->entryButton(0)->text(), QStringLiteral("101"));
        QVERIFY(p->entryButton(0)->isChecked());
        tool(*p, CPropertiesWndHistory::IdStepForward)->trigger();
        QCOMPARE(p->page(), 0);
        QVERIFY(p->entryButton(99)->isChecked());
    }

    void aRecordedDrawingIsEntryOne() {
        withEntries(5);
        auto p = pane();
        p->handleCommand(CPropertiesWndHistory::IdEntryBase + 2);
        p->figureDrawn(test::sampleRecord(77), active_);
        QCOMPARE(store_->CountEntries().count, 6);
        QCOMPARE(nav_->currentPosition(), 0);
        QVERIFY(p->entryButton(0)->isChecked());
        QCOMPARE(std::get<2>(shown(*p)), 6);
    }

    void resetAsksFirst() {
        withEntries(120);
        auto p = pane();
        p->olderPage();
        prompts_.yes = false;
        p->handleCommand(CPropertiesWndHistory::IdReset);
        QCOMPARE(prompts_.questions.back(), std::string("ヒストリーををすべて削除しますか？"));
        QCOMPARE(store_->CountEntries().count, 120);
        prompts_.yes = true;
        p->handleCommand(CPropertiesWndHistory::IdReset);
        QCOMPARE(store_->CountEntries().count, 0);
        QCOMPARE(std::get<2>(shown(*p)), 0);
    }

    void saveAndLoadThroughTheContextMenu() {
        withEntries(3);
        auto p = pane();
        const QList<QAction*> items = p->contextMenu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("ヒストリーの保存"));
        QCOMPARE(items[1]->text(), QStringLiteral("ヒストリーの読み込み"));
        const std::string before = test::readFile(folder_ / "csv_history0");
        prompts_.savePath = folder_ / "saved.lmhis";
        items[0]->trigger();
        QCOMPARE(test::readFile(folder_ / "saved.lmhis"), before);
        QCOMPARE(prompts_.filters.back(), std::string("ヒストリー ファイル (*.lmhis)|*.lmhis||"));
        store_->ClearEntries();
        prompts_.openPath = folder_ / "saved.lmhis";
        items[1]->trigger();
        QCOMPARE(test::readFile(folder_ / "csv_history0"), before);
        QCOMPARE(std::get<2>(shown(*p)), 3);
    }

    void tooltipPicturesAreMadeOnceAndKept() {
        withEntries(4);
        auto p = pane();
        QVERIFY(p->entryPicture(0).isNull());  // no picture maker yet
        int made = 0;
        p->setThumbnailer([&made](const FigureRecord&) {
            ++made;
            QImage img(200, 200, QImage::Format_RGB32);
            img.fill(Qt::red);
            return img;
        });
        QCOMPARE(p->entryPicture(1).size(), QSize(96, 96));
        p->entryPicture(1);
        QCOMPARE(made, 1);
        QVERIFY(p->entryPicture(50).isNull());  // names no entry
        // Paging never makes pictures.
        p->olderPage();
        p->newerPage();
        QCOMPARE(made, 1);
    }

    void aHistoryThatCannotBeOpenedIsReported() {
        std::filesystem::create_directories(folder_ / "csv_history0");
        auto p = pane();
        QCOMPARE(prompts_.told.size(), std::size_t(1));
        QCOMPARE(std::get<2>(shown(*p)), 0);
        p->figureDrawn(test::sampleRecord(), active_);  // carries on without it, no second message
        QCOMPARE(prompts_.told.size(), std::size_t(1));
    }
};

QTEST_MAIN(HistoryPaneTest)
#include "HistoryPaneTest.moc"
