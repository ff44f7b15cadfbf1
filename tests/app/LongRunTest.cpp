// A long session: 2000 Draw Random from the key in the real window with the
// history on, then a restart. The history holds exactly the newest 1000
// figures in order, and the program's memory does not grow with the Draws.

#include <QApplication>
#include <QTest>
#include <fstream>
#include <string>
#include <vector>

#include "app/CAppContext.h"
#include "app/CMainFrame.h"
#include "app/CMainPanes.h"
#include "collections/CHistoryStore.h"
#include "tests/app/TestIsolation.h"

using namespace lumora;

namespace {

class NoApplication : public CommandSink {
public:
    bool runCommand(int) override { return false; }
};

// Resident memory in kB (0 where /proc is not there).
long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

std::string joined(const std::vector<std::string>& fields) {
    std::string s;
    for (const std::string& f : fields) s += f + ",";
    return s;
}

struct Program {
    NoApplication application;
    CAppContext context;
    CMainFrame frame{context, application};
    CMainPanes panes{context, frame};
    bool exposed = false;
    Program() {
        frame.show();
        exposed = QTest::qWaitForWindowExposed(&frame);
    }
};

}  // namespace

class LongRunTest : public QObject {
    Q_OBJECT
private slots:
    void twoThousandRandomDrawsKeepTheNewestThousand() {
        constexpr int kDraws = 2000;
        constexpr int kWarmUp = 50;
        std::vector<std::string> drawn;  // newest entry after each Draw
        long before = 0;
        long after = 0;
        {
            auto program = std::make_unique<Program>();
            QVERIFY(program->exposed);
            CHistoryStore& history = program->panes.historyStore();
            history.ClearEntries();
            for (int i = 0; i < kDraws; ++i) {
                if (i == kWarmUp) before = residentKb();
                QTest::keyClick(&program->frame, Qt::Key_F4);
                const HistoryEntry newest = history.ReadEntry(0);
                QVERIFY2(newest.fields, qPrintable(QStringLiteral("draw %1 not recorded").arg(i)));
                drawn.push_back(joined(*newest.fields));
            }
            after = residentKb();
            QCOMPARE(history.CountEntries().count, CHistoryStore::kCapacity);
        }
        qInfo("resident memory after %d draws: %ld kB; after %d: %ld kB", kWarmUp, before, kDraws, after);
        // The canvas and the point arrays are made once; a Draw adds nothing
        // that stays. Allow for the allocator's own slack.
        if (before > 0) QVERIFY2(after - before < 32 * 1024, "memory grew with the Draws");

        Program restarted;
        CHistoryStore& history = restarted.panes.historyStore();
        QCOMPARE(history.CountEntries().count, CHistoryStore::kCapacity);
        for (int i = 0; i < CHistoryStore::kCapacity; ++i) {
            const HistoryEntry entry = history.ReadEntry(i);
            QVERIFY(entry.fields);
            QCOMPARE(joined(*entry.fields), drawn[static_cast<std::size_t>(kDraws - 1 - i)]);
        }
    }
};

LUMORA_ISOLATED_TEST_MAIN(LongRunTest)
#include "LongRunTest.moc"
