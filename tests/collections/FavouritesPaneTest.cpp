#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "CollectionsTestSupport.h"
#include "collections/CFileViewOkiniiri.h"
#include "collections/COkiniiriDialog.h"
#include "collections/COkiniiriNamaeDialog.h"
#include "collections/COkiniiriStore.h"
#include "collections/CViewTree.h"
#include "engine/TextFields.h"

using namespace lumora;

namespace {

const std::string kTop = "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8";

std::string top(int e = 1) { return "1,0," + kTop + ",1," + std::to_string(e) + ",1"; }
std::string folder(int id, int parent, const std::string& name, int e = 1) {
    return std::to_string(id) + "," + std::to_string(parent) + "," + name + ",1," + std::to_string(e) + ",1";
}
std::string favourite(int id, int parent, const std::string& name, int base = 1) {
    const FigureRecord r = test::sampleRecord(base);
    std::string row = std::to_string(id) + "," + std::to_string(parent) + "," + name + ",0,0";
    for (int i = 0; i < FigureRecord::kSize; ++i) row += "," + std::to_string(r[i]);
    return row + "," + std::to_string(wrappingSum(r.v.data(), FigureRecord::kSize));
}
std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

}  // namespace

class FavouritesPaneTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::filesystem::path folder_;
    std::unique_ptr<COkiniiriStore> store_;
    test::RecordingFigures figures_;
    test::AnsweredPrompts prompts_;

    void table(const std::vector<std::string>& lines) { test::writeFile(folder_ / "csv_okiniiri0", crlf(lines)); }
    std::vector<std::string> lines() {
        const std::string bytes = test::readFile(folder_ / "csv_okiniiri0");
        std::vector<std::string> out;
        for (auto l : splitLines(bytes)) out.emplace_back(l);
        return out;
    }
    std::unique_ptr<CFileViewOkiniiri> pane() {
        auto p = std::make_unique<CFileViewOkiniiri>(*store_, figures_, prompts_);
        p->resize(300, 400);
        p->show();
        (void)QTest::qWaitForWindowExposed(p.get());
        return p;
    }
    // Drops whatever is selected at a point of the tree's viewport.
    static void dropAt(CFileViewOkiniiri& p, QPoint at) {
        QMimeData mime;
        mime.setData("application/x-qabstractitemmodeldatalist", QByteArray());
        // The drop goes to the widget that took the drag's enter event.
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p.tree()->viewport(), &enter);
        QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p.tree()->viewport(), &drop);
    }
    static QPoint centreOf(CFileViewOkiniiri& p, std::size_t row) {
        return p.tree()->visualItemRect(p.itemOfRow(row)).center();
    }
    // A double-click as the item views see it: a click, then the second press.
    static void doubleClick(CFileViewOkiniiri& p, std::size_t row) {
        QTest::mouseClick(p.tree()->viewport(), Qt::LeftButton, {}, centreOf(p, row));
        QTest::mouseDClick(p.tree()->viewport(), Qt::LeftButton, {}, centreOf(p, row));
    }
    static void select(CFileViewOkiniiri& p, std::size_t row) { p.tree()->setCurrentItem(p.itemOfRow(row)); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        folder_ = std::filesystem::path(dir_->path().toStdString()) / "Orvane" / "LumoraFree105";
        store_ = std::make_unique<COkiniiriStore>(folder_);
        figures_ = {};
        prompts_ = {};
    }

    void firstStartShowsTheTopFolder() {
        auto p = pane();
        QCOMPARE(p->tree()->topLevelItemCount(), 1);
        QCOMPARE(p->tree()->topLevelItem(0)->text(0), QStringLiteral("お気に入り"));
        QCOMPARE(p->tree()->toolTip(), QStringLiteral("ファイルをドラッグして移動できます"));
        QCOMPARE(lines(), std::vector<std::string>{top()});
    }

    void doubleClickDrawsAFavouriteAndOnlyThat() {
        table({top(), folder(2, 1, "A"), favourite(3, 2, "x", 5)});
        auto p = pane();
        QTreeWidgetItem* fav = p->itemOfRow(2);
        QVERIFY(fav);
        select(*p, 2);
        QCOMPARE(figures_.draws, 0);  // a single click only selects
        doubleClick(*p, 2);
        QCOMPARE(figures_.draws, 1);
        QCOMPARE(figures_.applied.back()[FigureRecord::Param1], test::sampleRecord(5)[FigureRecord::Param1]);
        // A refused record draws nothing.
        figures_.outcome = ApplyOutcome::RefusedCategory;
        p->applyFavourite(fav);
        QCOMPARE(figures_.draws, 1);
    }

    void doubleClickOnAFolderTogglesItAndWritesTheFlag() {
        table({top(), folder(2, 1, "A", 1), favourite(3, 2, "x")});
        auto p = pane();
        doubleClick(*p, 1);
        QCOMPARE(figures_.draws, 0);
        QVERIFY(!p->itemOfRow(1)->isExpanded());
        QCOMPARE(lines()[1], folder(2, 1, "A", 0));
    }

    void collapsingTheTopFolderIsRemembered() {
        table({top(), folder(2, 1, "A")});
        {
            auto p = pane();
            p->itemOfRow(0)->setExpanded(false);
            QCOMPARE(lines()[0], top(0));
        }
        auto again = pane();
        QVERIFY(!again->itemOfRow(0)->isExpanded());
    }

    void dragOntoAFolderMovesItInAndOpensIt() {
        table({top(), folder(2, 1, "A"), folder(3, 1, "B", 0), favourite(4, 2, "moved")});
        auto p = pane();
        select(*p, 3);
        dropAt(*p, centreOf(*p, 2));
        QCOMPARE(lines(),
                 (std::vector<std::string>{top(), folder(2, 1, "A"), folder(3, 1, "B", 1), favourite(4, 3, "moved")}));
        QVERIFY(p->itemOfRow(2)->isExpanded());
        QCOMPARE(p->itemOfRow(3)->parent(), p->itemOfRow(2));
    }

    void dropOnNothingOrTheTopOrWithAFolderMovesNothing() {
        table({top(), folder(2, 1, "A"), folder(3, 1, "B"), favourite(4, 2, "f")});
        const std::string before = test::readFile(folder_ / "csv_okiniiri0");
        auto p = pane();
        select(*p, 3);
        dropAt(*p, QPoint(5, p->tree()->viewport()->height() - 2));  // below the last item
        QCOMPARE(test::readFile(folder_ / "csv_okiniiri0"), before);
        dropAt(*p, centreOf(*p, 0));  // onto the top folder
        QCOMPARE(test::readFile(folder_ / "csv_okiniiri0"), before);
        select(*p, 1);  // a folder
        dropAt(*p, centreOf(*p, 2));
        QCOMPARE(test::readFile(folder_ / "csv_okiniiri0"), before);
    }

    void renamingTheTopFolderDoesNothing() {
        table({top(), folder(2, 1, "A")});
        auto p = pane();
        select(*p, 0);
        bool opened = false;
        test::answerNextDialog<QDialog>([](QDialog& d) { d.reject(); }, &opened);
        p->handleCommand(CFileViewOkiniiri::IdRename);
        QTest::qWait(5);
        QVERIFY(!opened);
        QCOMPARE(lines()[0], top());
    }

    void renameTurnsCommasIntoPeriods() {
        table({top(), folder(2, 1, "A"), favourite(3, 2, "old")});
        auto p = pane();
        select(*p, 2);
        test::answerNextDialog<COkiniiriNamaeDialog>([](COkiniiriNamaeDialog& d) {
            QCOMPARE(d.nameEdit()->text(), QStringLiteral("old"));
            d.nameEdit()->setText(QStringLiteral("新,名前"));
            d.accept();
        });
        p->handleCommand(CFileViewOkiniiri::IdRename);
        QCOMPARE(p->itemOfRow(2)->text(0), QStringLiteral("新.名前"));
    }

    void renameTooLongIsRefusedWithAMessage() {
        table({top(), folder(2, 1, "A")});
        auto p = pane();
        select(*p, 1);
        test::answerNextDialog<COkiniiriNamaeDialog>([](COkiniiriNamaeDialog& d) {
            d.nameEdit()->setText(QString(256, QChar(0x3042)));  // 512 bytes in code page 932
            d.accept();
            QVERIFY(d.isVisible());  // still open for a shorter name
            d.reject();
        });
        p->handleCommand(CFileViewOkiniiri::IdRename);
        QCOMPARE(prompts_.told.size(), std::size_t(1));
        QCOMPARE(lines()[1], folder(2, 1, "A"));
    }

    void newFolderUnderACollapsedFolderOpensIt() {
        table({top(), folder(2, 1, "A", 0), favourite(3, 2, "x")});
        auto p = pane();
        select(*p, 1);
        test::answerNextDialog<COkiniiriDialog>([](COkiniiriDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("フォルダ作成"));
            QCOMPARE(d.chosenFolder(), 2);
            d.nameEdit()->setText(QStringLiteral("N,1"));
            d.accept();
        });
        p->handleCommand(CFileViewOkiniiri::IdNewFolder);
        QCOMPARE(lines(),
                 (std::vector<std::string>{top(), folder(2, 1, "A", 1), favourite(3, 2, "x"), folder(4, 2, "N.1")}));
        QVERIFY(p->itemOfRow(1)->isExpanded());
        QCOMPARE(p->itemOfRow(3)->parent(), p->itemOfRow(1));
        QCOMPARE(p->itemOfRow(1)->child(0), p->itemOfRow(3));  // sub-folders before favourites
    }

    void newFavouritePreselectsTheFolderOfTheSelectedFavourite() {
        table({top(), folder(2, 1, "A"), folder(3, 1, "B"), favourite(4, 3, "x")});
        auto p = pane();
        select(*p, 3);
        QCOMPARE(p->currentFolder(), 3);
        test::answerNextDialog<COkiniiriDialog>([](COkiniiriDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("お気に入り作成"));
            QCOMPARE(d.chosenFolder(), 3);
            QCOMPARE(d.folderTree()->currentItem()->text(0), QStringLiteral("B"));
            d.accept();  // an empty name is fine
        });
        p->handleCommand(CFileViewOkiniiri::IdMenuNewFavourite);
        const auto after = lines();
        QCOMPARE(after.size(), std::size_t(5));
        QCOMPARE(after[4].substr(0, 9), std::string("5,3,,0,0,"));
        const COkiniiriRows rows(crlf(after));
        QCOMPARE(COkiniiriStore::favouriteRecord(rows, 4).value()[FigureRecord::Param1],
                 figures_.current[FigureRecord::Param1]);
    }

    void aCurrentFolderThatIsGoneFallsBackToTheTop() {
        table({top(), folder(2, 1, "A"), folder(3, 2, "B")});
        auto p = pane();
        select(*p, 2);
        QCOMPARE(p->currentFolder(), 3);
        prompts_.yes = true;
        select(*p, 1);
        p->handleCommand(CFileViewOkiniiri::IdDelete);  // takes B with it
        QCOMPARE(lines().size(), std::size_t(1));
        test::answerNextDialog<COkiniiriDialog>([](COkiniiriDialog& d) {
            QCOMPARE(d.chosenFolder(), 1);
            d.reject();
        });
        p->handleCommand(CFileViewOkiniiri::IdNewFolder);
    }

    void deleteAsksAndTheTopFolderCannotGo() {
        table({top(), folder(2, 1, "A"), favourite(3, 2, "x")});
        auto p = pane();
        select(*p, 0);
        p->handleCommand(CFileViewOkiniiri::IdDelete);
        QVERIFY(prompts_.questions.empty());
        select(*p, 2);
        prompts_.yes = false;
        p->handleCommand(CFileViewOkiniiri::IdDelete);
        QCOMPARE(prompts_.questions.back(), std::string(CFileViewOkiniiri::kDeleteQuestion));
        QCOMPARE(lines().size(), std::size_t(3));
        prompts_.yes = true;
        p->handleCommand(CFileViewOkiniiri::IdDelete);
        QCOMPARE(lines().size(), std::size_t(2));
    }

    void contextMenuAndSaveLoadReset() {
        table({top(), folder(2, 1, "A")});
        auto p = pane();
        QStringList texts;
        for (QAction* a : p->contextMenu()->actions()) texts << (a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(texts,
                 QStringList({"削除(&R)", "-", "お気に入りの保存", "お気に入りの読み込み", "-", "お気に入り名前変更"}));
        const std::string before = test::readFile(folder_ / "csv_okiniiri0");
        prompts_.savePath = folder_ / "out.lmfav";
        p->handleCommand(CFileViewOkiniiri::IdSave);
        QCOMPARE(test::readFile(folder_ / "out.lmfav"), before);
        prompts_.yes = true;
        p->handleCommand(CFileViewOkiniiri::IdMenuReset);
        QCOMPARE(lines(), std::vector<std::string>{top()});
        QCOMPARE(p->tree()->topLevelItem(0)->childCount(), 0);
        prompts_.openPath = folder_ / "out.lmfav";
        p->handleCommand(CFileViewOkiniiri::IdMenuLoad);
        QCOMPARE(test::readFile(folder_ / "csv_okiniiri0"), before);
        QCOMPARE(p->tree()->topLevelItem(0)->childCount(), 1);
    }
};

QTEST_MAIN(FavouritesPaneTest)
#include "FavouritesPaneTest.moc"
