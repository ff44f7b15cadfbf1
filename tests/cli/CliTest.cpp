// lumora-cli: argument parsing, and the tool run end to end on good and bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cli/CliArguments.h"
#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"
#include "tests/support/DataFiles.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

TEST(CliArguments, Table) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        int size;
    };
    const Case cases[] = {
        {{"render", "a.lmfig", "-o", "b.png"}, true, 6000},
        {{"render", "a.lmfig", "-o", "b.png", "--size", "10"}, true, 10},
        {{"render", "--size", "6000", "-o", "b.bmp", "a.lmfig"}, true, 6000},
        {{"render", "a.lmfig", "-o", "b.png", "--size", "9"}, false, 0},
        {{"render", "a.lmfig", "-o", "b.png", "--size", "6001"}, false, 0},
        {{"render", "a.lmfig", "-o", "b.png", "--size", "12x"}, false, 0},
        {{"render", "a.lmfig", "-o", "b.png", "--size"}, false, 0},
        {{"render", "a.lmfig"}, false, 0},
        {{"render", "a.lmfig", "-o"}, false, 0},
        {{"points", "a.lmfig"}, true, 6000},
        {{"points", "a.lmfig", "b.lmfig"}, false, 0},
        {{"points", "a.lmfig", "--size", "100"}, false, 0},
        {{"info"}, false, 0},
        {{"info", "a.lmfig", "--bogus"}, false, 0},
        {{"defaults", "9", "1"}, true, 6000},
        {{"defaults", "10", "0"}, false, 0},
        {{"defaults", "0", "2"}, false, 0},
        {{"defaults", "0"}, false, 0},
        {{"defaults", "-0", "1"}, true, 6000},
        {{"frobnicate"}, false, 0},
        {{}, false, 0},
    };
    for (const auto& c : cases) {
        const cli::ParseResult r = cli::parseArguments(c.args);
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        EXPECT_EQ(r.ok, c.ok) << joined;
        if (r.ok) {
            EXPECT_EQ(r.args.size, c.size) << joined;
        } else {
            EXPECT_FALSE(r.error.empty()) << joined;
        }
    }
}

struct ToolRun {
    int status;
    std::string out;
};

ToolRun runTool(const std::string& args) {
    const std::string outFile = fs::temp_directory_path() / ("lumora-cli-out-" + std::to_string(getpid()));
    const std::string cmd = std::string(LUMORA_CLI) + " " + args + " > " + outFile + " 2>/dev/null";
    const int raw = std::system(cmd.c_str());
    ToolRun r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::readFile(outFile)};
    fs::remove(outFile);
    return r;
}

class CliRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("lumora-cli-" + std::to_string(getpid()));
        fs::create_directories(dir);
        figure = (dir / "d.lmfig").string();
        const ToolRun d = runTool("defaults 0 0");
        ASSERT_EQ(d.status, 0);
        std::ofstream(figure, std::ios::binary) << d.out;
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
    std::string figure;
};

TEST_F(CliRun, DefaultsInfoAndPoints) {
    const ToolRun info = runTool("info " + figure);
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out,
              "formula: 宝石 ダイヤモンド\npoints: 100001\n"
              "extent: -869.37384097005315 852.47701640689161 -861.71355275851602 861.71729000080688\n"
              "crop: 1631 1639 2723\n");
    const ToolRun points = runTool("points " + figure);
    EXPECT_EQ(points.status, 0);
    EXPECT_EQ(points.out.substr(0, 41), "index,x,y,colour\n0,3042,3268,#000000\n1,29");
}

TEST_F(CliRun, RendersTheRequestedSize) {
    for (const char* name : {"small.png", "small.bmp", "small.jpg"}) {
        const std::string out = (dir / name).string();
        EXPECT_EQ(runTool("render " + figure + " -o " + out + " --size 10").status, 0) << name;
        EXPECT_TRUE(fs::exists(out)) << name;
        EXPECT_GT(fs::file_size(out), 0u) << name;
    }
}

TEST_F(CliRun, BadInputWritesNothingAndExitsTwo) {
    const std::string out = (dir / "never.png").string();
    std::ofstream(dir / "bad.lmfig") << "1,2,3\r\n";
    std::ofstream(dir / "newer.lmfig") << [] {
        std::string line = "10";
        long long sum = 10;
        for (int i = 1; i < 67; ++i) line += ",0";
        return line + "," + std::to_string(sum) + "\r\n";
    }();
    fs::create_directories(dir / "ro");
    chmod((dir / "ro").c_str(), 0500);
    const std::string cases[] = {
        "render " + (dir / "missing.lmfig").string() + " -o " + out,
        "render " + (dir / "bad.lmfig").string() + " -o " + out,
        "render " + (dir / "newer.lmfig").string() + " -o " + out,
        "render " + figure + " -o " + (dir / "never.gif").string(),
        "render " + figure + " -o " + out + " --size 5",
        "render " + figure + " -o " + out + " --colour red",
        "points " + (dir / "bad.lmfig").string(),
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runTool(c).status, 2) << c;
        EXPECT_FALSE(fs::exists(out)) << c;
    }
    // A folder that cannot be written: a clear failure, no file (root may still write, so skip then).
    if (geteuid() != 0) {
        const std::string ro = (dir / "ro" / "x.png").string();
        EXPECT_EQ(runTool("render " + figure + " -o " + ro + " --size 10").status, 2);
        EXPECT_FALSE(fs::exists(ro));
    }
    chmod((dir / "ro").c_str(), 0700);
}

FigureRecord defaults(int c, int f) {
    PlainPanes panes;
    panes.variables.selectCategory(c);
    panes.variables.selectFormula(f);
    FigureRecord current;
    return collectRecord(panes.panes(), ViewColours{}, current);
}

TEST_F(CliRun, HistoryListRepairAndEntries) {
    const fs::path store = dir / "store";
    CHistoryStore history(store);
    std::array<bool, 20> active{};
    active.fill(true);
    ASSERT_TRUE(history.AppendEntry(defaults(0, 0), active).ok());
    ASSERT_TRUE(history.AppendEntry(defaults(8, 1), active).ok());
    const std::string file = (dir / "h.lmhis").string();
    std::string bytes = test::readFile(history.workFile().string());
    bytes.insert(bytes.find('\n') + 1, "1,2,3\r\n");  // a damaged line between the two
    std::ofstream(file, std::ios::binary) << bytes;

    EXPECT_EQ(runTool("history " + file + " list").out, "1\t都市 京都\n2\t宝石 ダイヤモンド\n");
    EXPECT_EQ(test::readFile(file), bytes);  // listing changes nothing
    EXPECT_EQ(runTool("info " + file + " --entry 1").out.substr(0, 23), "formula: 都市 京都\n");
    EXPECT_EQ(runTool("info " + file + " --entry 3").status, 2);
    const ToolRun repair = runTool("history " + file + " repair");
    EXPECT_EQ(repair.out, "kept 2 entries, removed 1 invalid lines\n");
    EXPECT_EQ(test::readFile(file), test::readFile(history.workFile().string()));
}

TEST_F(CliRun, FavouritesOperations) {
    const fs::path store = dir / "store";
    COkiniiriStore fav(store);
    ASSERT_TRUE(fav.ResetTable().ok());
    ASSERT_TRUE(fav.AppendFolder(0, "花").ok());
    ASSERT_TRUE(fav.AppendFavourite(0, "一番,目", defaults(2, 0)).ok());
    ASSERT_TRUE(fav.AppendFavourite(2, "二番", defaults(2, 1)).ok());
    const std::string file = (dir / "f.lmfav").string();
    std::ofstream(file, std::ios::binary) << test::readFile(fav.workFile().string());

    EXPECT_EQ(runTool("favourites " + file + " tree").out, "1\tお気に入り/\n2\t  花/\n4\t    二番\n3\t  一番.目\n");
    EXPECT_EQ(runTool("info " + file + " --line 4").out.substr(0, 20), "formula: 花詞 梅\n");
    EXPECT_EQ(runTool("info " + file + " --line 2").status, 2);  // a folder has no figure
    EXPECT_EQ(runTool("favourites " + file + " rename 3 三番").out, "renamed line 3\n");
    const std::string before = test::readFile(file);
    EXPECT_EQ(runTool("favourites " + file + " rename 3 " + std::string(600, 'x')).status, 2);
    EXPECT_EQ(test::readFile(file), before);
    EXPECT_EQ(runTool("favourites " + file + " move 3 4").status, 0);
    EXPECT_EQ(runTool("favourites " + file + " tree").out, "1\tお気に入り/\n2\t  花/\n3\t    二番\n4\t    三番\n");
    EXPECT_EQ(runTool("favourites " + file + " remove 1").status, 2);  // the top folder stays
    EXPECT_EQ(runTool("favourites " + file + " remove 2").status, 0);
    EXPECT_EQ(runTool("favourites " + file + " tree").out, "1\tお気に入り/\n");
    EXPECT_EQ(runTool("favourites " + (dir / "none.lmfav").string() + " tree").status, 2);
}

}  // namespace
}  // namespace lumora
