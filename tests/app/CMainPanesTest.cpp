// The docked panes wired to the frame: Draw reads the real panes and every
// painted Draw lands in the history; the document commands change the title
// only when the file work succeeded; the menu's pane commands reach them.

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/CAppContext.h"
#include "app/CMainFrame.h"
#include "app/CMainPanes.h"
#include "collections/CCollectionPrompts.h"
#include "collections/CHistoryStore.h"
#include "engine/DocumentLine.h"
#include "engine/DrawPipeline.h"
#include "engine/PaintCrop.h"
#include "engine/PictureScale.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"
#include "panes/CPropertiesWnd3D.h"
#include "panes/CPropertiesWndHensu.h"
#include "panes/CPropertiesWndPen.h"
#include "tests/app/TestIsolation.h"
#include "view/CLumoraView.h"

using namespace lumora;

namespace {

class AnsweredPrompts : public CCollectionPrompts {
public:
    std::optional<std::filesystem::path> askSavePath(const std::string&, const std::string&,
                                                     const std::string& initialName) override {
        ++saveAsked;
        offeredName = initialName;
        return next();
    }
    std::optional<std::filesystem::path> askOpenPath(const std::string&, const std::string&) override { return next(); }
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    void tell(const std::string& text, const std::string&) override { told.push_back(text); }

    std::optional<std::filesystem::path> answer;
    std::vector<std::string> told;
    std::string offeredName;
    int saveAsked = 0;

private:
    std::optional<std::filesystem::path> next() { return std::exchange(answer, std::nullopt); }
};

class RecordingMessages : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class NoApplication : public CommandSink {
public:
    bool runCommand(int) override { return false; }
};

}  // namespace

class CMainPanesTest : public QObject {
    Q_OBJECT
    QTemporaryDir files;
    RecordingMessages messages;
    AnsweredPrompts prompts;
    NoApplication application;
    CAppContext* context = nullptr;
    CMainFrame* frame = nullptr;
    CMainPanes* panes = nullptr;

    int historyCount() { return panes->historyStore().CountEntries().count; }
    std::filesystem::path file(const char* name) const {
        return std::filesystem::path(files.path().toStdString()) / name;
    }
    void writeFile(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

private slots:
    void init() {
        context = new CAppContext;
        context->setMessageSink(messages);
        frame = new CMainFrame(*context, application);
        panes = new CMainPanes(*context, *frame, &prompts);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        panes->historyStore().ClearEntries();
        prompts.told.clear();
        messages.shown.clear();
    }
    void cleanup() {
        delete frame;
        delete panes;
        delete context;
    }

    void drawAndDrawRandomRecordWhatThePanesShow() {
        panes->variablesPane().setValue(2, 21);
        QTest::keyClick(frame, Qt::Key_F3);
        QCOMPARE(historyCount(), 1);
        const HistoryEntry newest = panes->historyStore().ReadEntry(0);
        QVERIFY(newest.fields);
        QCOMPARE((*newest.fields)[FigureRecord::Param1 + 1], std::string("21"));

        // Lock every row but the second: Draw Random may change only that one.
        for (int r = 1; r <= 20; ++r) panes->variablesPane().setLocked(r, r != 2);
        const int before = panes->variablesPane().value(1);
        QTest::keyClick(frame, Qt::Key_F4);
        QCOMPARE(historyCount(), 2);
        QCOMPARE(panes->variablesPane().value(1), before);
        QCOMPARE(std::stoi((*panes->historyStore().ReadEntry(0).fields)[FigureRecord::Param1 + 1]),
                 panes->variablesPane().value(2));
    }

    // What F3 shows is what the engine draws for the record the panes give.
    void drawShowsTheEngineFigureOfTheCollectedRecord() {
        panes->variablesPane().setValue(3, 70);
        panes->penPane().setPenWidth(4);
        panes->penPane().setFgMode(3, false);
        panes->turnPane().setValue(TurnControls::RotY, 25);
        panes->turnPane().setValue(TurnControls::ShiftH, -10);
        QTest::keyClick(frame, Qt::Key_F3);
        const FigureRecord record = panes->collectFigure();

        PlainPanes plain;
        auto state = std::make_unique<DrawState>();
        QCOMPARE(applyRecord(record, plain.panes(), state->colours, messages), ApplyOutcome::Applied);
        const DrawInputs in = readDrawInputs(plain.panes());
        QVERIFY(draw(in, *state) == DrawOutcome::Drawn);
        constexpr int kSide = 750;
        QImage expected(kSide, kSide, QImage::Format_RGB32);
        scaleCrop(state->canvas, paintCrop(state->extent, in.magnify),
                  reinterpret_cast<std::uint32_t*>(expected.bits()), kSide, expected.bytesPerLine() / 4);
        QVERIFY(frame->view().exportPicture(kSide) == expected);
    }

    void refusedDrawIsNotRecorded() {
        panes->penPane().setFgMode(1, false);  // white on the white background
        frame->runCommand(10030);
        QCOMPARE(historyCount(), 0);
        QCOMPARE(messages.shown.size(), std::size_t(1));
    }

    void stepBackRecallsWithoutRecording() {
        panes->variablesPane().setValue(2, 20);
        frame->runCommand(10030);
        panes->variablesPane().setValue(2, 30);
        frame->runCommand(10030);
        QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(panes->variablesPane().value(2), 20);
        QCOMPARE(historyCount(), 2);
    }

    void saveAsThenOpenBringsTheFigureBack() {
        const auto path = file("rings.lmfig");
        panes->variablesPane().setValue(2, 33);
        prompts.answer = path;
        frame->runCommand(11702);  // Save before any Save As asks for a path
        QCOMPARE(prompts.saveAsked, 1);
        QCOMPARE(prompts.offeredName, std::string("無題"));
        QVERIFY(std::filesystem::exists(path));
        QCOMPARE(frame->windowTitle(), QStringLiteral("rings - LumoraFree"));

        panes->variablesPane().setValue(2, 44);
        frame->runCommand(11702);  // now a plain save, no dialog
        QCOMPARE(prompts.saveAsked, 1);
        panes->variablesPane().setValue(2, 55);
        prompts.answer = path;
        frame->runCommand(11701);
        QCOMPARE(panes->variablesPane().value(2), 44);
        QCOMPARE(historyCount(), 1);
        QVERIFY(prompts.told.empty());
    }

    void refusedOpenChangesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QByteArray historyLine = "0";  // 69 zero fields: a history line, not a document
        for (int i = 1; i < 69; ++i) historyLine += ",0";
        QTest::newRow("history line") << historyLine + "\r\n";
        QTest::newRow("wrong checksum")
            << QByteArray(writeDocumentLine(FigureRecord{}).c_str()).replace("\r\n", "1\r\n");
    }
    void refusedOpenChangesNothing() {
        QFETCH(QByteArray, content);
        const auto path = file("broken.lmfig");
        writeFile(path, content.toStdString());
        panes->variablesPane().setValue(2, 66);
        prompts.answer = path;
        frame->runCommand(11701);
        QCOMPARE(prompts.told, (std::vector<std::string>{"ファイルが開けません"}));
        QCOMPARE(frame->windowTitle(), QStringLiteral("無題 - LumoraFree"));
        QCOMPARE(panes->variablesPane().value(2), 66);
        QCOMPARE(historyCount(), 0);
        QVERIFY(panes->documents().documentPath().empty());
    }

    void failedSaveKeepsTitleAndSaysSo() {
        prompts.answer = file("no such folder/x.lmfig");
        frame->runCommand(11700);
        QCOMPARE(prompts.told.size(), std::size_t(1));
        QCOMPARE(frame->windowTitle(), QStringLiteral("無題 - LumoraFree"));
        QVERIFY(!panes->documents().saved());
    }

    // A per-user folder that cannot be made: the panes say so and the
    // program goes on drawing; nothing claims to be saved.
    void aFolderThatCannotBeWrittenIsReportedNotFatal() {
        cleanup();
        const QByteArray saved = qgetenv("LUMORA_DATA_DIR");
        const QString blocker = files.path() + QStringLiteral("/blocker");
        QFile(blocker).open(QIODevice::WriteOnly);
        qputenv("LUMORA_DATA_DIR", (blocker + QStringLiteral("/inside")).toLocal8Bit());
        prompts.told.clear();
        context = new CAppContext;
        qputenv("LUMORA_DATA_DIR", saved);
        context->setMessageSink(messages);
        frame = new CMainFrame(*context, application);
        panes = new CMainPanes(*context, *frame, &prompts);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QCOMPARE(prompts.told.size(), std::size_t(2));  // history, favourites
        prompts.told.clear();
        QTest::keyClick(frame, Qt::Key_F3);
        QVERIFY(!frame->view().displayPicture().isNull());
        prompts.answer = file("beside.lmfig");
        frame->runCommand(11700);
        QCOMPARE(prompts.told.size(), std::size_t(1));
        QVERIFY(!std::filesystem::exists(file("beside.lmfig")));
        QVERIFY(!panes->documents().saved());
        QCOMPARE(frame->windowTitle(), QStringLiteral("無題 - LumoraFree"));
    }

    void menuCommandsReachThePanes() {
        panes->penPane().setPenWidth(7);
        panes->turnPane().setValue(TurnControls::RotX, 40);
        QVERIFY(frame->runCommand(11070));
        QCOMPARE(panes->penPane().penWidth(), 1);
        QVERIFY(frame->runCommand(11240));
        QCOMPARE(panes->turnPane().value(TurnControls::RotX), 0);
        QCOMPARE(historyCount(), 0);  // neither draws
        QTest::keyClick(frame, Qt::Key_F5);
        QCOMPARE(panes->turnPane().value(TurnControls::Magnify), 200);
        QCOMPARE(historyCount(), 1);
    }
};

LUMORA_ISOLATED_TEST_MAIN(CMainPanesTest)
#include "CMainPanesTest.moc"
