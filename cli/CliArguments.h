#pragma once
// Parsing the command line of lumora-cli. Qt-free, so it can be tested and
// fuzzed on its own.

#include <string>
#include <vector>

namespace lumora::cli {

enum class Command { Render, Points, Info, Defaults, Favourites, History };

// Where the figure of render, points and info comes from.
enum class Source { Document, HistoryEntry, FavouriteLine };

// The store operations of the favourites and history commands.
enum class StoreOp { Tree, Repair, Move, Remove, Rename, List };

struct Arguments {
    Command command = Command::Info;
    std::string figure;  // render, points, info: the file; favourites, history: the store file
    Source source = Source::Document;
    int entry = 0;  // --entry K (1 = newest) or --line L
    StoreOp op = StoreOp::Tree;
    int first = 0;  // move S T, remove L, rename L NAME
    int second = 0;
    std::string name;    // rename
    std::string output;  // render
    int size = 6000;     // render
    int category = 0;    // defaults
    int formula = 0;
};

struct ParseResult {
    bool ok = false;
    Arguments args;
    std::string error;  // one line for standard error when !ok
};

// args excludes the program name.
ParseResult parseArguments(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace lumora::cli
