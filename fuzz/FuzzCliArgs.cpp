// Arguments split at NUL bytes; an accepted command line always names what
// its command needs, with values in range.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora::cli;
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() < 64; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    const ParseResult r = parseArguments(args);
    if (!r.ok) {
        FUZZ_CHECK(!r.error.empty());
        return 0;
    }
    const Arguments& a = r.args;
    if (a.command == Command::Defaults) {
        FUZZ_CHECK(a.category >= 0 && a.category <= 9);
        FUZZ_CHECK(a.formula == 0 || a.formula == 1);
        return 0;
    }
    FUZZ_CHECK(!a.figure.empty());
    FUZZ_CHECK(a.size >= 10 && a.size <= 6000);
    if (a.command == Command::Render) FUZZ_CHECK(!a.output.empty());
    return 0;
}
