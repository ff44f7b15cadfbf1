// A child process keeps cycling one store between known valid contents and
// is killed with SIGKILL at a random moment; afterwards every file the store
// writes must be whole: byte for byte one of the contents the cycle passes
// through, never a mix of two or a truncated one. The kill moments are
// spread over two measured cycles, so they land in every step of it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <thread>

#include "StoreFixture.h"
#include "collections/CDocumentFiles.h"
#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using test::crlf;

constexpr int kKillPoints = 100;

// A content a watched file may hold after a kill. An append is one write
// call, which the kernel may still cut between pages when the process is
// killed; the history drops such a partial last line at its next check, so
// for an append any prefix of `bytes` at least `shortest` long is whole.
struct Valid {
    std::string name;  // shown in the tally
    std::string bytes;
    std::size_t shortest = std::string::npos;  // npos: exactly `bytes`
    bool accepts(const std::string& now) const {
        if (shortest == std::string::npos) return now == bytes;
        return now.size() >= shortest && now.size() <= bytes.size() && bytes.compare(0, now.size(), now) == 0;
    }
};

struct Watched {
    fs::path file;
    std::vector<Valid> valid;
};

struct Cycle {
    std::vector<Watched> watched;
    // One pass through every content; true when every operation reported Ok.
    std::function<bool()> run;
};

struct KillCase {
    const char* name;
    // Writes the inputs and the initial files under the fixture's folders.
    std::function<Cycle(const fs::path& folder, const fs::path& docs)> make;
};

std::array<bool, 20> allActive() {
    std::array<bool, 20> a;
    a.fill(true);
    return a;
}

void writeFile(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

Cycle favourites(const fs::path& folder, const fs::path& docs) {
    // The large table makes each rewrite take long enough that kills land
    // inside it; both tables already pass the integrity pass unchanged.
    std::string big = crlf({"1,0," + test::kTop + ",1,1,1", "2,1,A,1,1,1", "3,2,B,1,0,1"});
    for (int i = 4; i < 3000; ++i) big += std::to_string(i) + ",2,name" + std::to_string(i) + ",1,1,1\r\n";
    const std::string small = crlf({"1,0," + test::kTop + ",1,0,1", "2,1,C,1,1,1"});
    writeFile(docs / "big.lmfav", big);
    writeFile(docs / "small.lmfav", small);
    writeFile(folder / "csv_okiniiri0", small);
    auto store = std::make_shared<COkiniiriStore>(folder);
    return {{{folder / "csv_okiniiri0", {{"big", big}, {"small", small}}}}, [store, docs] {
                return store->ImportTable(docs / "big.lmfav").ok() && store->ImportTable(docs / "small.lmfav").ok();
            }};
}

Cycle history(const fs::path& folder, const fs::path& docs) {
    // Import a full history, append one entry (which trims the oldest),
    // import a short one. Clearing is left out: the only state a torn clear
    // could leave is the empty file it writes anyway, and an empty history
    // among the valid contents would hide a rewrite that truncates first.
    std::string full, few;
    for (int i = 0; i < CHistoryStore::kCapacity; ++i)
        full += CHistoryStore::entryLine(test::sampleRecord(i), allActive());
    for (int i = 0; i < 3; ++i) few += CHistoryStore::entryLine(test::sampleRecord(5000 + i), allActive());
    const FigureRecord added = test::sampleRecord(9000);
    const std::string line = CHistoryStore::entryLine(added, allActive());
    const std::string trimmed = full.substr(full.find('\n') + 1) + line;
    writeFile(docs / "full.csv", full);
    writeFile(docs / "few.csv", few);
    writeFile(folder / "csv_history0", few);
    auto store = std::make_shared<CHistoryStore>(folder);
    return {{{folder / "csv_history0",
              {{"full", full}, {"appended", full + line, full.size()}, {"trimmed", trimmed}, {"few", few}}}},
            [store, docs, added] {
                bool ok = store->ImportHistory(docs / "full.csv").ok();
                ok = store->AppendEntry(added, allActive()).ok() && ok;
                return store->ImportHistory(docs / "few.csv").ok() && ok;
            }};
}

Cycle documents(const fs::path& folder, const fs::path& docs) {
    // Save As and Save alternate two figures into the same chosen file.
    const FigureRecord first = test::sampleRecord(100), second = test::sampleRecord(200);
    const std::string a = writeDocumentLine(first), b = writeDocumentLine(second);
    writeFile(folder / "lumora", b);
    writeFile(docs / "fig.lmfig", b);
    auto store = std::make_shared<CDocumentFiles>(folder);
    const fs::path chosen = docs / "fig.lmfig";
    const std::vector<Valid> valid{{"first", a}, {"second", b}};
    return {{{folder / "lumora", valid}, {chosen, valid}},
            [store, chosen, first, second] { return store->SaveAs(chosen, first).ok() && store->Save(second).ok(); }};
}

const KillCase kCases[] = {
    {"Favourites", favourites},
    {"History", history},
    {"Documents", documents},
};

class KillDuringRewrites : public test::StoreFixture, public ::testing::WithParamInterface<KillCase> {};

TEST_P(KillDuringRewrites, LeaveEveryFileWhole) {
    const fs::path docs = root_ / "docs";
    const Cycle cycle = GetParam().make(folder_, docs);

    // The kill moments are drawn from one cycle's measured length.
    constexpr int kMeasured = 3;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kMeasured; ++i) ASSERT_TRUE(cycle.run()) << "a cycle without faults failed";
    const auto cycleMicros = std::max<long long>(
        1, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() /
               kMeasured);

    std::uint32_t seed = std::random_device{}();
    if (const char* s = std::getenv("LUMORA_KILL_SEED"))
        seed = static_cast<std::uint32_t>(std::strtoul(s, nullptr, 10));
    SCOPED_TRACE("seed " + std::to_string(seed) + " (LUMORA_KILL_SEED repeats it), cycle " +
                 std::to_string(cycleMicros) + " us");
    std::mt19937 random(seed);
    std::uniform_int_distribution<long long> delay(0, 2 * cycleMicros);

    std::map<std::string, int> seen;  // which content each kill left
    for (int round = 0; round < kKillPoints; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(ready[0]);
            const char go = 1;
            if (::write(ready[1], &go, 1) != 1) ::_exit(2);
            for (;;) cycle.run();
        }
        ::close(ready[1]);
        char go = 0;
        ASSERT_EQ(::read(ready[0], &go, 1), 1) << "the child did not start";
        ::close(ready[0]);
        const long long wait = delay(random);
        std::this_thread::sleep_for(std::chrono::microseconds(wait));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended by itself: " << status;

        for (const Watched& w : cycle.watched) {
            const std::string now = readPath(w.file);
            const auto match =
                std::find_if(w.valid.begin(), w.valid.end(), [&](const Valid& v) { return v.accepts(now); });
            if (match == w.valid.end()) {
                ADD_FAILURE() << "round " << round << ", killed after " << wait << " us: " << w.file.filename()
                              << " holds " << now.size() << " bytes that are none of the valid contents";
                return;
            }
            ++seen[w.file.filename().string() + " " + match->name];
        }
    }
    // Temporaries of killed rewrites do not stand in the way of the next one.
    EXPECT_TRUE(cycle.run());

    std::cout << "[ kills    ] " << kKillPoints << " over a " << cycleMicros << " us cycle:";
    for (const auto& [what, n] : seen) std::cout << " " << what << " " << n << ";";
    std::cout << "\n";
}

void PrintTo(const KillCase& c, std::ostream* out) { *out << c.name; }

INSTANTIATE_TEST_SUITE_P(Stores, KillDuringRewrites, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumora
