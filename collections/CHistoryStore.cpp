#include "collections/CHistoryStore.h"

#include <algorithm>
#include <system_error>

#include "collections/WorkFiles.h"
#include "engine/TextFields.h"

namespace lumora {

namespace {

bool isColourPosition(int pos) {
    return pos == FigureRecord::FgColour || pos == FigureRecord::BgColour ||
           (pos >= FigureRecord::Colour1 && pos < FigureRecord::Colour1 + 7);
}

bool validEntry(std::string_view line) {
    const auto fields = splitFields(line);
    if (fields.size() != CHistoryStore::kFieldCount) return false;
    std::int32_t values[68];
    for (int i = 0; i < 68; ++i) values[i] = atoiClamped(fields[static_cast<std::size_t>(i)]);
    return wrappingSum(values, 68) == atoiClamped(fields[68]);
}

std::size_t countLineEnds(const std::string& bytes) {
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// Reads the work file, creating it empty when missing.
StoreStatus readWork(const std::filesystem::path& path, std::string& bytes) {
    FileBytes f = readFileBytes(path);
    if (f.status == FileStatus::Missing) {
        if (ensureFileExists(path) != FileStatus::Ok) return StoreStatus::CannotOpenWorkFile;
        f = readFileBytes(path);
    }
    if (f.status != FileStatus::Ok) return StoreStatus::CannotOpenWorkFile;
    bytes = std::move(f.bytes);
    return StoreStatus::Ok;
}

}  // namespace

CHistoryStore::CHistoryStore(std::filesystem::path userFolder) : folder_(std::move(userFolder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
}

HistoryCount CHistoryStore::CountEntries() {
    HistoryCount result;
    std::string bytes;
    result.status = readWork(workFile(), bytes);
    if (result.status == StoreStatus::Ok) result.count = static_cast<int>(countLineEnds(bytes));
    return result;
}

std::string CHistoryStore::entryLine(const FigureRecord& record, const std::array<bool, 20>& activeRows) {
    std::int32_t values[68];
    for (int pos = 0; pos < 68; ++pos) {
        std::int32_t v = record[pos];
        if (pos >= FigureRecord::Param1 && pos < FigureRecord::Param1 + 20 &&
            !activeRows[static_cast<std::size_t>(pos - FigureRecord::Param1)])
            v = 0;
        // A colour is 24 bits; writing more would make a value atoi cannot read back.
        if (isColourPosition(pos)) v = static_cast<std::int32_t>(colourBits(v));
        values[pos] = v;
    }
    std::string line;
    line.reserve(400);
    appendDecimalFields(line, values, 68);
    const std::int32_t sum = wrappingSum(values, 68);
    line.push_back(',');
    appendDecimalFields(line, &sum, 1);
    line += "\r\n";
    return line;
}

StoreResult CHistoryStore::AppendEntry(const FigureRecord& record, const std::array<bool, 20>& activeRows) {
    StoreResult result;
    if (appendCompletingLine(workFile(), entryLine(record, activeRows)) != FileStatus::Ok) {
        result.status = StoreStatus::CannotWriteWorkFile;
        return result;
    }
    result.changed = true;
    const StoreResult trim = TrimEntries();
    if (!trim.ok()) result.status = trim.status;
    return result;
}

StoreResult CHistoryStore::TrimEntries() {
    StoreResult result;
    std::string bytes;
    result.status = readWork(workFile(), bytes);
    if (!result.ok()) return result;
    const std::size_t n = countLineEnds(bytes);
    if (n <= kCapacity) return result;
    const auto lines = splitLines(bytes);
    const std::size_t drop = n - kCapacity;
    const std::string kept =
        joinCrLf(std::vector<std::string_view>(lines.begin() + static_cast<std::ptrdiff_t>(drop), lines.end()));
    if (replaceFileContents(file("csv_history1"), kept, Durability::Unsynced) != FileStatus::Ok) {
        result.status = StoreStatus::CannotWriteStagingFile;
        return result;
    }
    if (replaceFileContents(workFile(), kept) != FileStatus::Ok) {
        result.status = StoreStatus::CannotWriteWorkFile;
        return result;
    }
    result.changed = true;
    return result;
}

HistoryCheck CHistoryStore::CheckEntries() {
    HistoryCheck result;
    std::string bytes;
    result.status = readWork(workFile(), bytes);
    if (!result.ok()) return result;
    const auto lines = splitLines(bytes);
    std::vector<std::string_view> valid;
    valid.reserve(lines.size());
    for (auto line : lines) {
        if (validEntry(line))
            valid.push_back(line);
        else
            ++result.removed;
    }
    result.kept = static_cast<int>(valid.size());
    const std::string staged = joinCrLf(valid);
    if (replaceFileContents(file("csv_history2"), staged, Durability::Unsynced) != FileStatus::Ok) {
        // Without a complete staging file the history is left as it is.
        result.status = StoreStatus::CannotWriteStagingFile;
        return result;
    }
    if (result.removed > 0 && replaceFileContents(workFile(), staged) != FileStatus::Ok)
        result.status = StoreStatus::CannotWriteWorkFile;
    return result;
}

HistoryEntry CHistoryStore::ReadEntry(int index) {
    HistoryEntry result;
    std::string bytes;
    result.status = readWork(workFile(), bytes);
    if (result.status != StoreStatus::Ok || index < 0) return result;
    const std::size_t n = countLineEnds(bytes);
    if (static_cast<std::size_t>(index) >= n) return result;
    const std::size_t wanted = n - static_cast<std::size_t>(index) - 1;
    const auto lines = splitLines(bytes);
    if (wanted >= lines.size()) return result;
    std::vector<std::string> fields;
    for (auto f : splitFields(lines[wanted])) fields.emplace_back(f);
    result.fields = std::move(fields);
    return result;
}

HistoryCheck CHistoryStore::ClearEntries() {
    if (replaceFileContents(workFile(), "") != FileStatus::Ok) {
        HistoryCheck failed;
        failed.status = StoreStatus::CannotWriteWorkFile;
        return failed;
    }
    return CheckEntries();
}

StoreResult CHistoryStore::ExportHistory(const std::filesystem::path& destination) {
    StoreResult result;
    std::string bytes;
    result.status = readWork(workFile(), bytes);
    if (!result.ok()) return result;
    if (replaceFileContents(destination, bytes) != FileStatus::Ok) result.status = StoreStatus::CannotWriteDestination;
    return result;
}

HistoryCheck CHistoryStore::ImportHistory(const std::filesystem::path& source) {
    FileBytes f = readFileBytes(source);
    StoreStatus copy = StoreStatus::Ok;
    if (f.status != FileStatus::Ok) {
        copy = StoreStatus::CannotReadSource;
    } else if (replaceFileContents(workFile(), withFinalLineEnd(std::move(f.bytes))) != FileStatus::Ok) {
        copy = StoreStatus::CannotWriteWorkFile;
    }
    HistoryCheck result = CheckEntries();
    if (result.ok() && copy != StoreStatus::Ok) result.status = copy;
    return result;
}

std::optional<FigureRecord> CHistoryStore::entryRecord(const std::vector<std::string>& fields) {
    if (fields.size() != kFieldCount) return std::nullopt;
    FigureRecord r;
    for (int pos = 0; pos < 68; ++pos) {
        std::int32_t v = atoiClamped(fields[static_cast<std::size_t>(pos)]);
        if (isColourPosition(pos)) v = static_cast<std::int32_t>(colourBits(v));
        r[pos] = v;
    }
    r[FigureRecord::RecordSum] = recordSum(r);
    return r;
}

}  // namespace lumora
