#include "cli/StoreCommands.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>

#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"
#include "collections/CodePage932.h"
#include "collections/WorkFiles.h"
#include "engine/FormulaCatalogue.h"

namespace lumora::cli {
namespace {

namespace fs = std::filesystem;

const char* describe(StoreStatus s) {
    switch (s) {
        case StoreStatus::Ok:
            return "ok";
        case StoreStatus::CannotOpenWorkFile:
            return "cannot open the working copy";
        case StoreStatus::CannotWriteWorkFile:
            return "cannot write the working copy";
        case StoreStatus::CannotWriteStagingFile:
            return "cannot write a staging file";
        case StoreStatus::CannotReadSource:
            return "cannot read the file";
        case StoreStatus::CannotWriteDestination:
            return "cannot write the file";
        case StoreStatus::Refused:
            return "no such line, or not a line this operation applies to";
        case StoreStatus::NameTooLong:
            return "the name is longer than 511 bytes in code page 932";
        case StoreStatus::NameNotConvertible:
            return "the name cannot be written in code page 932";
    }
    return "failed";
}

// A private folder that goes away with the object.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        const fs::path base = fs::temp_directory_path(ec);
        if (ec) return;
        std::random_device seed;
        // create_directory is false for a name that exists: try another.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = base / ("lumora-cli-" + std::to_string(seed()));
            if (fs::create_directory(candidate, ec)) {
                fs::permissions(candidate, fs::perms::owner_all, ec);
                path_ = candidate;
                return;
            }
            if (ec) return;
        }
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }
    bool ok() const { return !path_.empty(); }

private:
    fs::path path_;
};

StoreRun failure(std::string message) {
    StoreRun r;
    r.exitCode = 2;
    r.error = std::move(message);
    return r;
}

// Copies the user's file in as the store's work file.
bool copyIn(const std::string& file, const fs::path& work, std::string& error) {
    const FileBytes in = readFileBytes(file);
    if (in.status != FileStatus::Ok) {
        error = "cannot read " + file;
        return false;
    }
    if (replaceFileContents(work, in.bytes, Durability::Unsynced) != FileStatus::Ok) {
        error = "cannot make a working copy of " + file;
        return false;
    }
    return true;
}

// Replaces the user's file with the work file when the operation changed it.
bool copyBack(const fs::path& work, const std::string& file, std::string& error) {
    const FileBytes before = readFileBytes(file);
    const FileBytes after = readFileBytes(work);
    if (after.status != FileStatus::Ok) {
        error = "cannot read the working copy";
        return false;
    }
    if (before.status == FileStatus::Ok && before.bytes == after.bytes) return true;
    if (replaceFileContents(file, after.bytes) != FileStatus::Ok) {
        error = "cannot write " + file + " (it is unchanged)";
        return false;
    }
    return true;
}

std::string figureName(const FigureRecord& r) {
    const int c = r[FigureRecord::Category];
    const int f = r[FigureRecord::Formula];
    if (!FormulaCatalogue::exists(c, f))
        return "(formula " + std::to_string(c) + "," + std::to_string(f) + " not in the catalogue)";
    return std::string(FormulaCatalogue::categoryName(c)) + " " + std::string(FormulaCatalogue::formulaName(c, f));
}

void printTree(const OkiniiriTree& tree, int item, int depth, std::string& out) {
    const OkiniiriItem& it = tree.items[static_cast<std::size_t>(item)];
    out += std::to_string(it.row + 1) + "\t" + std::string(static_cast<std::size_t>(depth) * 2, ' ') + it.text +
           (it.folder ? "/" : "") + "\n";
    for (int child : it.children) printTree(tree, child, depth + 1, out);
}

StoreRun favourites(const Arguments& a, const fs::path& folder) {
    COkiniiriStore store(folder);
    StoreRun run;
    std::string error;
    if (!copyIn(a.figure, store.workFile(), error)) return failure(error);
    bool write = true;
    switch (a.op) {
        case StoreOp::Tree: {
            write = false;
            const OkiniiriRowsResult rows = store.ReadRows();
            if (!rows.ok()) return failure(describe(rows.status));
            const OkiniiriTree tree = COkiniiriStore::DeriveTree(rows.rows, TreeScope::AllRows);
            for (int top : tree.topLevel) printTree(tree, top, 0, run.out);
            break;
        }
        case StoreOp::Repair: {
            const IntegrityReport rep = store.RunIntegrityPass();
            if (!rep.ok()) return failure(describe(rep.status));
            if (!rep.changed()) run.out += "nothing to repair\n";
            if (rep.checkChanged) run.out += "dropped invalid rows (or replaced the top folder line)\n";
            if (rep.orphansRemoved > 0)
                run.out += "removed " + std::to_string(rep.orphansRemoved) + " rows whose folder was missing\n";
            if (rep.renumbered) run.out += "renumbered the ids to the line numbers\n";
            break;
        }
        case StoreOp::Move: {
            const StoreResult r =
                store.MoveFavourite(static_cast<std::size_t>(a.first), static_cast<std::size_t>(a.second));
            if (!r.ok()) return failure(describe(r.status));
            run.out += r.changed
                           ? "moved line " + std::to_string(a.first) + " after line " + std::to_string(a.second) + "\n"
                           : "nothing moved\n";
            break;
        }
        case StoreOp::Remove: {
            const StoreResult r = store.RemoveRow(static_cast<std::size_t>(a.first));
            if (!r.ok()) return failure(describe(r.status));
            run.out += r.changed ? "removed line " + std::to_string(a.first) + "\n" : "nothing removed\n";
            break;
        }
        case StoreOp::Rename: {
            const StoreResult r = store.RenameRow(static_cast<std::size_t>(a.first), a.name);
            if (!r.ok()) return failure(describe(r.status));
            run.out += r.changed ? "renamed line " + std::to_string(a.first) + "\n" : "nothing renamed\n";
            break;
        }
        case StoreOp::List:
            return failure("favourites has no list operation");
    }
    if (write && !copyBack(store.workFile(), a.figure, error)) return failure(error);
    return run;
}

StoreRun history(const Arguments& a, const fs::path& folder) {
    CHistoryStore store(folder);
    StoreRun run;
    std::string error;
    if (!copyIn(a.figure, store.workFile(), error)) return failure(error);
    const HistoryCheck check = store.CheckEntries();
    if (!check.ok()) return failure(describe(check.status));
    if (a.op == StoreOp::Repair) {
        run.out += "kept " + std::to_string(check.kept) + " entries, removed " + std::to_string(check.removed) +
                   " invalid lines\n";
        if (!copyBack(store.workFile(), a.figure, error)) return failure(error);
        return run;
    }
    for (int k = 1; k <= check.kept; ++k) {
        const HistoryEntry e = store.ReadEntry(k - 1);
        if (!e.fields) break;
        const auto rec = CHistoryStore::entryRecord(*e.fields);
        run.out += std::to_string(k) + "\t" + (rec ? figureName(*rec) : "(unreadable)") + "\n";
    }
    return run;
}

}  // namespace

StoreRun runStoreCommand(const Arguments& a) {
    ScratchFolder scratch;
    if (!scratch.ok()) return failure("cannot make a temporary folder");
    return a.command == Command::Favourites ? favourites(a, scratch.path()) : history(a, scratch.path());
}

std::optional<FigureRecord> recordFromStore(const Arguments& a, std::string& error) {
    ScratchFolder scratch;
    if (!scratch.ok()) {
        error = "cannot make a temporary folder";
        return std::nullopt;
    }
    if (a.source == Source::HistoryEntry) {
        CHistoryStore store(scratch.path());
        if (!copyIn(a.figure, store.workFile(), error)) return std::nullopt;
        const HistoryCheck check = store.CheckEntries();
        if (!check.ok()) {
            error = describe(check.status);
            return std::nullopt;
        }
        const HistoryEntry e = store.ReadEntry(a.entry - 1);
        if (!e.fields) {
            error =
                a.figure + " has " + std::to_string(check.kept) + " valid entries, no entry " + std::to_string(a.entry);
            return std::nullopt;
        }
        auto rec = CHistoryStore::entryRecord(*e.fields);
        if (!rec) error = "entry " + std::to_string(a.entry) + " is not a figure";
        return rec;
    }
    COkiniiriStore store(scratch.path());
    if (!copyIn(a.figure, store.workFile(), error)) return std::nullopt;
    const OkiniiriRowsResult rows = store.ReadRows();
    if (!rows.ok()) {
        error = describe(rows.status);
        return std::nullopt;
    }
    auto rec = COkiniiriStore::favouriteRecord(rows.rows, static_cast<std::size_t>(a.entry - 1));
    if (!rec) error = "line " + std::to_string(a.entry) + " of " + a.figure + " is not a favourite";
    return rec;
}

}  // namespace lumora::cli
