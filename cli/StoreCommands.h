#pragma once
// The tool's work on history (.lmhis) and favourites (.lmfav) files: the
// stores' own operations run on a private copy of the file, and a changed
// result replaces the file whole (never a half-written file). Qt-free.

#include <optional>
#include <string>

#include "cli/CliArguments.h"
#include "engine/FigureRecord.h"

namespace lumora::cli {

struct StoreRun {
    int exitCode = 0;   // 0, or 2 for bad input
    std::string out;    // what to print on standard output
    std::string error;  // one line for standard error when exitCode != 0
};

// favourites FILE tree|repair|move|remove|rename, history FILE list|repair.
StoreRun runStoreCommand(const Arguments& a);

// The record of history entry a.entry (1 = newest, after the start-up check
// of the file) or of favourite line a.entry.
std::optional<FigureRecord> recordFromStore(const Arguments& a, std::string& error);

}  // namespace lumora::cli
