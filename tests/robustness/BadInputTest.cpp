// One table of bad inputs, each fed the way a user would feed it (opening a
// document, importing a history or a favourites file) and followed by a
// Draw where the program would draw. Every row has its own defined outcome;
// none may crash, hang or allocate without bound.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "collections/CDocumentFiles.h"
#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"
#include "engine/DrawPipeline.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using F = FigureRecord;

struct Messages : MessageSink {
    std::vector<std::string> texts;
    void showMessage(const std::string& t, const std::string&, MessageIcon) override { texts.push_back(t); }
};

DrawState& state() {
    static auto* s = new DrawState();
    return *s;
}

FigureRecord defaults(int c = 0, int f = 0) {
    PlainPanes p;
    p.variables.selectCategory(c);
    p.variables.selectFormula(f);
    FigureRecord cur;
    return collectRecord(p.panes(), ViewColours{}, cur);
}

// A document line from a record whose values were edited by hand.
std::string documentWith(std::function<void(FigureRecord&)> edit, int c = 0, int f = 0) {
    FigureRecord r = defaults(c, f);
    edit(r);
    return writeDocumentLine(r);
}

enum class Kind { Document, History, Favourites };

// What a row expects.
struct Outcome {
    bool opened = false;  // document: passed its checks; history/favourites: the import ran
    bool drawn = false;   // the figure was applied and drawn
    std::string message;  // the message the window shows, if any
    std::function<void(const PlainPanes&, const DrawState&)> check;  // further checks on what was drawn
    int entries = -1;                                                // history: entries kept; favourites: rows kept
};

struct BadInput {
    const char* name;
    Kind kind;
    std::function<std::string()> content;
    Outcome expected;
};

std::string historyLine(const FigureRecord& r) {
    std::array<bool, 20> active{};
    active.fill(true);
    return CHistoryStore::entryLine(r, active);
}

const std::string kTen = std::string(10 * 1024 * 1024, '7');

// Rows leave out the checks they do not need.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
const BadInput kRows[] = {
    {"empty document", Kind::Document, [] { return std::string(); }, {false, false, CDocumentFiles::kCannotOpenMessage}},
    {"lone CR", Kind::Document, [] { return std::string("\r"); }, {false, false, CDocumentFiles::kCannotOpenMessage}},
    {"no final line end", Kind::Document, [] { auto s = writeDocumentLine(defaults()); return s.substr(0, s.size() - 2); }, {true, true, ""}},
    {"10 MB line", Kind::Document, [] { return kTen + "\r\n"; }, {false, false, CDocumentFiles::kCannotOpenMessage}},
    {"NUL bytes", Kind::Document, [] { auto s = writeDocumentLine(defaults()); s[3] = '\0'; return s; }, {false, false, CDocumentFiles::kCannotOpenMessage}},
    {"numbers beyond 32 bits", Kind::Document, [] { return std::string("99999999999,") + std::string(66 * 2, ',') + "\r\n"; }, {false, false, CDocumentFiles::kCannotOpenMessage}},
    {"negative category", Kind::Document, [] { return documentWith([](F& r) { r[F::Category] = -3; }); }, {true, true, "", [](const PlainPanes& p, const DrawState&) { EXPECT_EQ(p.variables.category(), 0); }}},
    {"negative formula", Kind::Document, [] { return documentWith([](F& r) { r[F::Formula] = -1; }); }, {true, true, ""}},
    {"category 10", Kind::Document, [] { return documentWith([](F& r) { r[F::Category] = 10; }); }, {true, true, kNewerVersionMessage}},
    {"formula 2", Kind::Document, [] { return documentWith([](F& r) { r[F::Formula] = 2; }); }, {true, true, ""}},
    {"parameters far outside", Kind::Document, [] { return documentWith([](F& r) { for (int k = 0; k < 20; ++k) r[F::Param1 + k] = (k % 2) ? INT_MAX : INT_MIN; }); },
        {true, true, "", [](const PlainPanes& p, const DrawState& s) { EXPECT_EQ(p.variables.range(1).minimum, 1); EXPECT_EQ(s.points.count, 501); }}},
    {"pen width 0", Kind::Document, [] { return documentWith([](F& r) { r[F::PenWidth] = 0; }); }, {true, true, "", [](const PlainPanes& p, const DrawState&) { EXPECT_EQ(p.pen.penWidth(), 1); }}},
    {"pen width 1000", Kind::Document, [] { return documentWith([](F& r) { r[F::PenWidth] = 1000; }); }, {true, true, "", [](const PlainPanes& p, const DrawState&) { EXPECT_EQ(p.pen.penWidth(), 100); }}},
    {"repeat 0 in gradient mode", Kind::Document, [] { return documentWith([](F& r) { r[F::RepeatCount] = 0; r[F::FgMode] = 3; }); }, {true, true, "", [](const PlainPanes& p, const DrawState&) { EXPECT_EQ(p.pen.repeatCount(), 1); }}},
    {"zScale and magnify plus 999", Kind::Document, [] { return documentWith([](F& r) { r[F::ZScale] = 999; r[F::Magnify] = 999; r[F::RotX] = 90; }); }, {true, true, ""}},
    {"zScale and magnify minus 999", Kind::Document, [] { return documentWith([](F& r) { r[F::ZScale] = -999; r[F::Magnify] = -999; r[F::RotY] = 270; r[F::FgMode] = 3; }); }, {true, true, ""}},
    {"shifts plus 100", Kind::Document, [] { return documentWith([](F& r) { r[F::ShiftV] = 100; r[F::ShiftH] = 100; }); }, {true, true, ""}},
    {"shifts minus 100", Kind::Document, [] { return documentWith([](F& r) { r[F::ShiftV] = -100; r[F::ShiftH] = -100; }); }, {true, true, ""}},
    {"P2 = 0", Kind::Document, [] { return documentWith([](F& r) { r[F::Param1 + 1] = 0; }); }, {true, true, "", [](const PlainPanes& p, const DrawState&) { EXPECT_EQ(const_cast<PlainPanes&>(p).variables.value(2), 1); }}},
    {"P1 = 0", Kind::Document, [] { return documentWith([](F& r) { r[F::Param1] = 0; }, 1, 0); }, {true, true, "", [](const PlainPanes&, const DrawState& s) { EXPECT_EQ(s.points.count, 500); }}},
    {"P1 negative", Kind::Document, [] { return documentWith([](F& r) { r[F::Param1] = -999; }, 7, 0); }, {true, true, "", [](const PlainPanes&, const DrawState& s) { EXPECT_EQ(s.points.count, 501); }}},
    {"P1 beyond the catalogue", Kind::Document, [] { return documentWith([](F& r) { r[F::Param1] = 2000000; }); }, {true, true, "", [](const PlainPanes&, const DrawState& s) { EXPECT_EQ(s.points.count, 999 * 500 + 1); }}},
    {"negative colours", Kind::Document, [] { return documentWith([](F& r) { r[F::FgMode] = 2; r[F::FgColour] = -1; r[F::BgMode] = 2; r[F::BgColour] = INT_MIN; }); },
        {true, true, "", [](const PlainPanes&, const DrawState& s) { EXPECT_EQ(s.colours.fg, 0xFFFFFFu); EXPECT_EQ(s.colours.bg, 0u); }}},

    {"empty history", Kind::History, [] { return std::string(); }, {true, false, "", {}, 0}},
    {"history lone CR", Kind::History, [] { return std::string("\r"); }, {true, false, "", {}, 0}},
    {"history without final line end", Kind::History, [] { auto s = historyLine(defaults()) + historyLine(defaults(3, 1)); return s.substr(0, s.size() - 2); }, {true, false, "", {}, 2}},
    {"history 10 MB line", Kind::History, [] { return historyLine(defaults()) + kTen + "\r\n"; }, {true, false, "", {}, 1}},
    {"history NUL bytes", Kind::History, [] { return historyLine(defaults()) + std::string("\0\0,\0\r\n", 6); }, {true, false, "", {}, 1}},
    {"history with a document line", Kind::History, [] { return writeDocumentLine(defaults()); }, {true, false, "", {}, 0}},

    {"empty favourites", Kind::Favourites, [] { return std::string(); }, {true, false, "", {}, 1}},
    {"favourites lone CR", Kind::Favourites, [] { return std::string("\r"); }, {true, false, "", {}, 1}},
    {"favourites invalid CP932 name", Kind::Favourites, [] { return std::string("1,0,x,1,1,1\r\n2,1,\xFF\x81\x80,1,1,1\r\n"); }, {true, false, "", {}, 2}},
    {"favourites 10 MB line", Kind::Favourites, [] { return "1,0,x,1,1,1\r\n" + kTen + "\r\n"; }, {true, false, "", {}, 1}},
    {"favourites numbers beyond 32 bits", Kind::Favourites, [] { return std::string("1,0,x,1,1,1\r\n99999999999,1,a,1,1,1\r\n"); }, {true, false, "", {}, 2}},
};
// clang-format on
#pragma GCC diagnostic pop

class BadInputs : public ::testing::TestWithParam<BadInput> {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "lumora-bad-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        root = tmpl;
        folder = root / "user";
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root, folder;
};

TEST_P(BadInputs, HaveTheirDefinedOutcome) {
    const BadInput& row = GetParam();
    const fs::path file = root / "input";
    {
        const std::string bytes = row.content();
        std::ofstream(file, std::ios::binary) << bytes;
    }
    const Outcome& want = row.expected;
    switch (row.kind) {
        case Kind::Document: {
            CDocumentFiles docs(folder);
            const DocumentResult r = docs.Open(file);
            ASSERT_EQ(r.ok(), want.opened) << row.name;
            if (!r.ok()) {
                EXPECT_EQ(CDocumentFiles::messageFor(r.status), want.message);
                EXPECT_EQ(docs.documentTitle(),
                          CDocumentFiles::kUntitled);  // a refused file never becomes the document
                return;
            }
            PlainPanes panes;
            ViewColours view;
            Messages messages;
            applyRecord(*r.record, panes.panes(), view, messages);
            EXPECT_EQ(messages.texts.empty() ? std::string() : messages.texts[0], want.message);
            EXPECT_EQ(draw(readDrawInputs(panes.panes()), state()), DrawOutcome::Drawn);
            if (want.check) want.check(panes, state());
            break;
        }
        case Kind::History: {
            CHistoryStore history(folder);
            const HistoryCheck c = history.ImportHistory(file);
            ASSERT_TRUE(c.ok()) << row.name;
            EXPECT_EQ(c.kept, want.entries);
            EXPECT_EQ(history.CountEntries().count, want.entries);
            // Appending after any import keeps the new entry whole.
            std::array<bool, 20> active{};
            active.fill(true);
            ASSERT_TRUE(history.AppendEntry(defaults(2, 1), active).ok());
            const HistoryEntry newest = history.ReadEntry(0);
            ASSERT_TRUE(newest.fields);
            EXPECT_EQ(CHistoryStore::entryRecord(*newest.fields).value()[F::Category], 2);
            break;
        }
        case Kind::Favourites: {
            COkiniiriStore fav(folder);
            const IntegrityReport rep = fav.ImportTable(file);
            ASSERT_TRUE(rep.ok()) << row.name;
            const OkiniiriRowsResult rows = fav.ReadRows();
            ASSERT_TRUE(rows.ok());
            EXPECT_EQ(static_cast<int>(rows.rows.size()), want.entries);
            EXPECT_EQ(COkiniiriStore::DeriveTree(rows.rows, TreeScope::AllRows).items.size(), rows.rows.size());
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputs, ::testing::ValuesIn(kRows), [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
});

}  // namespace
}  // namespace lumora
