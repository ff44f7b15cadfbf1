#pragma once
// The history of drawn figures: one line per figure in "csv_history0" in the
// per-user folder, oldest first, 68 record values and their wrapping sum.
// The store keeps nothing in memory; every operation reads the file afresh.
// "csv_history1" (the result of the last trim) and "csv_history2" (the
// result of the last check) are written whole and kept.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "collections/StoreResult.h"
#include "engine/FigureRecord.h"

namespace lumora {

struct HistoryCount {
    StoreStatus status = StoreStatus::Ok;
    int count = 0;
};

struct HistoryEntry {
    StoreStatus status = StoreStatus::Ok;
    std::optional<std::vector<std::string>> fields;  // empty when there is no such entry
};

struct HistoryCheck {
    StoreStatus status = StoreStatus::Ok;
    int kept = 0;
    int removed = 0;  // lines that were not valid entries
    bool ok() const { return status == StoreStatus::Ok; }
};

class CHistoryStore {
public:
    static constexpr int kCapacity = 1000;
    static constexpr int kFieldCount = 69;

    // The folder is created when missing (a failure shows at the first operation).
    explicit CHistoryStore(std::filesystem::path userFolder);

    std::filesystem::path workFile() const { return folder_ / "csv_history0"; }

    // Lines that end with a line end; creates the file empty when missing.
    HistoryCount CountEntries();

    // Appends the figure as the newest entry (parameters of inactive rows as
    // 0, colours as their 24 bits), then trims to the newest kCapacity.
    StoreResult AppendEntry(const FigureRecord& record, const std::array<bool, 20>& activeRows);

    // Keeps the newest kCapacity entries.
    StoreResult TrimEntries();

    // Removes every line that is not 69 fields with a matching sum; the
    // valid lines keep their order and text.
    HistoryCheck CheckEntries();

    // Fields of entry i (0 = newest); no fields when there is no such line.
    HistoryEntry ReadEntry(int index);

    // Empties the history.
    HistoryCheck ClearEntries();

    // Byte copy of the history to the path.
    StoreResult ExportHistory(const std::filesystem::path& destination);

    // Byte copy of the file over the history (its last line given a line end
    // when it lacks one), then the check. An unreadable file leaves the
    // history as it was (the check still runs) and says so.
    HistoryCheck ImportHistory(const std::filesystem::path& source);

    // An entry's 69 fields as a record: positions 0..67, colours taken as
    // their low 24 bits, recordSum computed. Nothing for another field count.
    static std::optional<FigureRecord> entryRecord(const std::vector<std::string>& fields);

    // The line AppendEntry writes, with its CR LF.
    static std::string entryLine(const FigureRecord& record, const std::array<bool, 20>& activeRows);

private:
    std::filesystem::path file(const char* name) const { return folder_ / name; }
    std::filesystem::path folder_;
};

}  // namespace lumora
