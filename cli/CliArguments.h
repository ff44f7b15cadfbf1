#pragma once
// Parsing the command line of lumora-cli. Qt-free, so it can be tested and
// fuzzed on its own.

#include <string>
#include <vector>

namespace lumora::cli {

enum class Command { Render, Points, Info, Defaults };

struct Arguments {
    Command command = Command::Info;
    std::string figure;  // render, points, info
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
