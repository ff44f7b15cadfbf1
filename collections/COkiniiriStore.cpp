#include "collections/COkiniiriStore.h"

#include <charconv>
#include <numeric>
#include <system_error>
#include <unordered_map>

#include "collections/CodePage932.h"
#include "collections/WorkFiles.h"
#include "engine/TextFields.h"

namespace lumora {

const std::string_view COkiniiriStore::kTopFolderName = "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8";

namespace {

constexpr const char* kCheckFile = "csv_okiniiri_check";
constexpr const char* kOrphanFile = "csv_okiniiri_oyako_check";
constexpr const char* kRenumberFile = "csv_okiniiri_junjo";
constexpr const char* kExpansionFile = "csv_okiniiri_tenkai";

void appendNumber(std::string& out, std::int64_t v) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

// "1,0,お気に入り,1,E,1" with its line end.
void appendTopLine(std::string& out, std::int32_t expanded) {
    out += "1,0,";
    out += COkiniiriStore::kTopFolderName;
    out += ",1,";
    appendNumber(out, expanded);
    out += ",1\r\n";
}

void appendLine(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

bool knownLength(std::size_t fields) {
    return fields == COkiniiriStore::kFolderFields || fields == COkiniiriStore::kFavouriteFields;
}

bool rowPassesCheck(const COkiniiriRows& rows, std::size_t i) {
    const std::size_t n = rows.fieldCount(i);
    if (n == COkiniiriStore::kFolderFields) return rows.number(i, 4) == rows.number(i, 6);
    if (n == COkiniiriStore::kFavouriteFields) {
        std::int32_t sum = rows.number(i, 4);
        std::int32_t written = 0;
        std::size_t k = 6;
        rows.forFields(i, 6, 75, [&](std::string_view f) {
            if (k++ <= 74)
                sum = wrapAdd(sum, atoiClamped(f));
            else
                written = atoiClamped(f);
        });
        return written == sum;
    }
    return false;
}

// Converts a UI name to the bytes the table keeps.
std::optional<std::string> tableName(std::string_view name) {
    Cp932Text t = utf8ToCp932(COkiniiriStore::sanitizeName(name));
    if (!t.ok()) return std::nullopt;
    return std::move(t.text);
}

// Groups of parent slots that share a value and a done flag, merged with a
// union-find: remapping a folder's children then costs one merge instead of
// a scan over every slot, and the slots end with the same values.
class SlotGroups {
public:
    int groupFor(std::int32_t value) {
        const auto key = keyOf(value, false);
        auto it = byKey_.find(key);
        if (it != byKey_.end()) return it->second;
        const int g = static_cast<int>(value_.size());
        value_.push_back(value);
        up_.push_back(g);
        byKey_.emplace(key, g);
        return g;
    }
    // Every slot holding c (not yet done, or any when done is not
    // consulted) takes value d and is marked done.
    void remap(std::int32_t c, std::int32_t d, bool consultDone) {
        int sources[2] = {take(keyOf(c, false)), consultDone ? -1 : take(keyOf(c, true))};
        for (int g : sources) {
            if (g < 0) continue;
            const auto target = keyOf(d, true);
            auto it = byKey_.find(target);
            if (it != byKey_.end() && it->second != g) {
                up_[static_cast<std::size_t>(g)] = it->second;
            } else {
                value_[static_cast<std::size_t>(g)] = d;
                byKey_[target] = g;
            }
        }
    }
    std::int32_t valueOf(int g) { return value_[static_cast<std::size_t>(find(g))]; }

private:
    static std::uint64_t keyOf(std::int32_t v, bool done) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(v)) << 1) | (done ? 1u : 0u);
    }
    int take(std::uint64_t key) {
        auto it = byKey_.find(key);
        if (it == byKey_.end()) return -1;
        const int g = it->second;
        byKey_.erase(it);
        return g;
    }
    int find(int g) {
        while (up_[static_cast<std::size_t>(g)] != g) {
            auto& u = up_[static_cast<std::size_t>(g)];
            u = up_[static_cast<std::size_t>(u)];
            g = u;
        }
        return g;
    }
    std::vector<std::int32_t> value_;
    std::vector<int> up_;
    std::unordered_map<std::uint64_t, int> byKey_;
};

}  // namespace

COkiniiriStore::COkiniiriStore(std::filesystem::path userFolder) : folder_(std::move(userFolder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
}

std::string COkiniiriStore::sanitizeName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (c == ',')
            c = '.';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

StoreStatus COkiniiriStore::readTable(COkiniiriRows& rows) {
    FileBytes f = readFileBytes(workFile());
    if (f.status == FileStatus::Missing) {
        if (ensureFileExists(workFile()) != FileStatus::Ok) return StoreStatus::CannotOpenWorkFile;
        f = readFileBytes(workFile());
    }
    if (f.status != FileStatus::Ok) return StoreStatus::CannotOpenWorkFile;
    rows = COkiniiriRows(std::move(f.bytes));
    return StoreStatus::Ok;
}

OkiniiriRowsResult COkiniiriStore::ReadRows() {
    OkiniiriRowsResult result;
    result.status = readTable(result.rows);
    return result;
}

StoreResult COkiniiriStore::stage(const char* stagingName, const std::string& content, bool changed) {
    StoreResult result;
    if (replaceFileContents(file(stagingName), content, Durability::Unsynced) != FileStatus::Ok) {
        // The table is only ever replaced from a staging file written whole just now.
        result.status = StoreStatus::CannotWriteStagingFile;
        return result;
    }
    if (!changed) return result;
    if (replaceFileContents(workFile(), content) != FileStatus::Ok) {
        result.status = StoreStatus::CannotWriteWorkFile;
        return result;
    }
    result.changed = true;
    return result;
}

namespace {

struct StageOutput {
    std::string content;
    bool changed = false;
    int removed = 0;
};

// The row's fields from `first` (counted from 1) to its end, as read, except
// field `replaced`, which is written as `with`.
void appendFieldsFrom(std::string& out, const COkiniiriRows& rows, std::size_t row, std::size_t first,
                      std::size_t replaced = 0, std::string_view with = {}) {
    const std::string_view from = rows.fromField(row, first);
    if (replaced < first || replaced > rows.fieldCount(row)) {
        out += from;
        return;
    }
    const std::string_view target = rows.fromField(row, replaced);
    out += from.substr(0, static_cast<std::size_t>(target.data() - from.data()));
    out += with;
    out += target.substr(rows.field(row, replaced).size());
}

// Field k (counted from 1) of a row written as `with`, the rest as read.
void appendRowReplacing(std::string& out, const COkiniiriRows& rows, std::size_t row, std::size_t k,
                        std::string_view with) {
    appendFieldsFrom(out, rows, row, 1, k, with);
    out += "\r\n";
}

StageOutput checkStage(const COkiniiriRows& rows) {
    StageOutput s;
    s.content.reserve(rows.byteSize() + rows.size() * 2 + 64);
    const bool topValid = !rows.empty() && rows.fieldCount(0) == 6 && rows.number(0, 1) == 1 &&
                          rows.number(0, 2) == 0 && rows.number(0, 4) == 1 &&
                          (rows.number(0, 5) == 0 || rows.number(0, 5) == 1) && rows.number(0, 6) == 1;
    // A valid line 1 keeps its expanded flag but is written with the standard
    // name; the table itself is only rewritten when something else changed.
    if (topValid) {
        appendTopLine(s.content, rows.number(0, 5));
    } else {
        appendTopLine(s.content, 1);
        s.changed = true;
    }
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rowPassesCheck(rows, i))
            appendLine(s.content, rows.text(i));
        else
            s.changed = true;
    }
    return s;
}

std::unordered_map<std::int32_t, int> idCounts(const COkiniiriRows& rows) {
    std::unordered_map<std::int32_t, int> ids;
    ids.reserve(rows.size() * 2);
    for (std::size_t i = 0; i < rows.size(); ++i) ++ids[rows.id(i)];
    return ids;
}

// One orphan run: the first row whose parent names no line (or whose length
// is neither 6 nor 75) is left out, and so are the odd-length rows after it.
StageOutput orphanRun(const COkiniiriRows& rows) {
    StageOutput s;
    const auto ids = idCounts(rows);
    s.content.reserve(rows.byteSize() + rows.size() * 2 + 64);
    appendTopLine(s.content, rows.empty() ? 0 : rows.number(0, 5));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const bool known = knownLength(rows.fieldCount(i));
        if (s.changed) {
            if (known) appendLine(s.content, rows.text(i));
            continue;
        }
        if (known && ids.count(rows.parent(i)) > 0)
            appendLine(s.content, rows.text(i));
        else
            s.changed = true;
    }
    s.removed = s.changed ? 1 : 0;
    return s;
}

// What repeating orphanRun until it removes nothing leaves. Removing a row
// only ever takes an id away, so an orphan stays one until it goes and the
// rows left do not depend on the order: one sweep finds them all. Line 1
// is the exception, since the first run that removes anything writes it back
// as the top folder with id 1; when it has another id that run is made first.
StageOutput orphanSweep(const COkiniiriRows& input) {
    StageOutput first;
    COkiniiriRows rewritten;
    const COkiniiriRows* rowsPtr = &input;
    if (!input.empty() && input.id(0) != 1) {
        first = orphanRun(input);
        if (!first.changed) return first;
        rewritten = COkiniiriRows(first.content);
        rowsPtr = &rewritten;
    }
    const COkiniiriRows& rows = *rowsPtr;
    const std::size_t n = rows.size();
    auto ids = idCounts(rows);
    std::unordered_map<std::int32_t, std::vector<std::size_t>> children;
    children.reserve(n * 2);
    std::vector<char> alive(n, 1);
    std::vector<std::size_t> pending;
    for (std::size_t i = 1; i < n; ++i) {
        children[rows.parent(i)].push_back(i);
        if (!knownLength(rows.fieldCount(i)) || ids.count(rows.parent(i)) == 0) pending.push_back(i);
    }
    StageOutput s;
    s.removed = first.removed;
    while (!pending.empty()) {
        const std::size_t i = pending.back();
        pending.pop_back();
        if (!alive[i]) continue;
        alive[i] = 0;
        ++s.removed;
        auto it = ids.find(rows.id(i));
        if (--it->second > 0) continue;
        ids.erase(it);
        auto kids = children.find(rows.id(i));
        if (kids == children.end()) continue;
        for (std::size_t c : kids->second)
            if (alive[c]) pending.push_back(c);
    }
    s.changed = s.removed > 0;
    s.content.reserve(rows.byteSize() + rows.size() * 2 + 64);
    appendTopLine(s.content, n == 0 ? 0 : rows.number(0, 5));
    for (std::size_t i = 1; i < n; ++i)
        if (alive[i]) appendLine(s.content, rows.text(i));
    return s;
}

// Ids become line numbers; nothing when they already are.
std::optional<std::string> renumberStage(const COkiniiriRows& rows) {
    const std::size_t n = rows.size();
    bool inOrder = true;
    for (std::size_t i = 1; i < n && inOrder; ++i) inOrder = rows.id(i) == static_cast<std::int64_t>(i + 1);
    if (n <= 1 || inOrder) return std::nullopt;
    // Old id -> new line; when ids repeat the last line holding it wins.
    std::unordered_map<std::int32_t, std::size_t> lineOfId;
    lineOfId.reserve(n * 2);
    for (std::size_t i = 1; i < n; ++i) lineOfId[rows.id(i)] = i + 1;
    std::string out;
    out.reserve(rows.byteSize() + n * 8 + 64);
    for (std::size_t i = 0; i < n; ++i) {
        appendNumber(out, static_cast<std::int64_t>(i + 1));
        out.push_back(',');
        if (i == 0) {
            out.push_back('0');
        } else {
            const std::int32_t p = rows.parent(i);
            if (p == 1) {
                out.push_back('1');
            } else if (auto it = lineOfId.find(p); it != lineOfId.end()) {
                appendNumber(out, static_cast<std::int64_t>(it->second));
            }  // a parent that names no line is written empty
        }
        if (rows.fieldCount(i) >= 3) {
            out.push_back(',');
            appendFieldsFrom(out, rows, i, 3);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace

StoreResult COkiniiriStore::CheckRows() {
    COkiniiriRows rows;
    StoreResult result;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    const StageOutput s = checkStage(rows);
    return stage(kCheckFile, s.content, s.changed);
}

OrphanRun COkiniiriStore::RemoveOneOrphan() {
    OrphanRun result;
    COkiniiriRows rows;
    result.status = readTable(rows);
    if (result.status != StoreStatus::Ok) return result;
    const StageOutput s = orphanRun(rows);
    const StoreResult w = stage(kOrphanFile, s.content, s.changed);
    result.status = w.status;
    result.removed = s.changed && w.ok();
    return result;
}

OrphanRun COkiniiriStore::RemoveOrphans(int* removedCount) {
    OrphanRun result;
    COkiniiriRows rows;
    result.status = readTable(rows);
    if (result.status != StoreStatus::Ok) return result;
    const StageOutput s = orphanSweep(rows);
    const StoreResult w = stage(kOrphanFile, s.content, s.changed);
    result.status = w.status;
    result.removed = s.changed && w.ok();
    if (removedCount) *removedCount = w.ok() ? s.removed : 0;
    return result;
}

StoreResult COkiniiriStore::RenumberRows() {
    StoreResult result;
    COkiniiriRows rows;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    const auto out = renumberStage(rows);
    if (!out) return result;
    return stage(kRenumberFile, *out, true);
}

IntegrityReport COkiniiriStore::RunIntegrityPass() {
    // The stages work on the table in memory as each one leaves it on disk:
    // the original when a stage changed nothing, its staging content when it
    // did (and that content was written whole).
    IntegrityReport report;
    COkiniiriRows rows;
    report.status = readTable(rows);
    if (!report.ok()) return report;
    const std::size_t rowsBefore = rows.size();

    StageOutput check = checkStage(rows);
    StoreResult w = stage(kCheckFile, check.content, check.changed);
    report.status = w.status;
    report.checkChanged = w.changed;
    if (!report.ok()) return report;
    if (check.changed) rows = COkiniiriRows(std::move(check.content));

    // The orphan runs are bounded by the row count read before the check, so
    // a table that started empty goes straight to the renumbering.
    if (rowsBefore > 0) {
        StageOutput orphans = orphanSweep(rows);
        w = stage(kOrphanFile, orphans.content, orphans.changed);
        report.status = w.status;
        if (!report.ok()) return report;
        report.orphansRemoved = orphans.removed;
        if (orphans.changed) rows = COkiniiriRows(std::move(orphans.content));
    }

    if (auto renumbered = renumberStage(rows)) {
        w = stage(kRenumberFile, *renumbered, true);
        report.status = w.status;
        report.renumbered = w.changed;
    }
    return report;
}

StoreResult COkiniiriStore::append(const std::string& nameBytes, std::int32_t parentId, const std::string& tail) {
    StoreResult result;
    COkiniiriRows rows;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    std::int32_t largest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) largest = std::max(largest, rows.id(i));
    std::string line;
    appendNumber(line, wrapAdd(largest, 1));
    line.push_back(',');
    appendNumber(line, parentId == 0 ? 1 : parentId);
    line.push_back(',');
    line += nameBytes;
    line += tail;
    line += "\r\n";
    if (appendCompletingLine(workFile(), line) != FileStatus::Ok) {
        result.status = StoreStatus::CannotWriteWorkFile;
        return result;
    }
    result.changed = true;
    return result;
}

StoreResult COkiniiriStore::AppendFolder(std::int32_t parentId, std::string_view name) {
    auto bytes = tableName(name);
    if (!bytes) return {StoreStatus::NameNotConvertible, false};
    return append(*bytes, parentId, ",1,1,1");
}

StoreResult COkiniiriStore::AppendFavourite(std::int32_t parentId, std::string_view name, const FigureRecord& record) {
    auto bytes = tableName(name);
    if (!bytes) return {StoreStatus::NameNotConvertible, false};
    std::string tail = ",0,0,";
    appendDecimalFields(tail, record.v.data(), FigureRecord::kSize);
    tail.push_back(',');
    appendNumber(tail, wrappingSum(record.v.data(), FigureRecord::kSize));
    return append(*bytes, parentId, tail);
}

StoreResult COkiniiriStore::rewriteThenPass(const std::string& content) {
    StoreResult result;
    if (replaceFileContents(workFile(), content) != FileStatus::Ok) {
        result.status = StoreStatus::CannotWriteWorkFile;
        return result;
    }
    result.changed = true;
    const IntegrityReport pass = RunIntegrityPass();
    result.status = pass.status;
    return result;
}

StoreResult COkiniiriStore::RemoveRow(std::size_t line) {
    COkiniiriRows rows;
    StoreResult result;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    if (line < 2 || line > rows.size()) return {StoreStatus::Refused, false};
    std::string out;
    out.reserve(rows.byteSize() + rows.size() * 2 + 64);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (i != line - 1) appendLine(out, rows.text(i));
    return rewriteThenPass(out);
}

StoreResult COkiniiriStore::RenameRow(std::size_t line, std::string_view name) {
    COkiniiriRows rows;
    StoreResult result;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    if (line < 2 || line > rows.size() || rows.fieldCount(line - 1) < 3) return {StoreStatus::Refused, false};
    auto bytes = tableName(name);
    if (!bytes) return {StoreStatus::NameNotConvertible, false};
    if (bytes->size() > kMaxRenameBytes) return {StoreStatus::NameTooLong, false};
    std::string out;
    out.reserve(rows.byteSize() + rows.size() * 2 + 64);
    appendTopLine(out, rows.number(0, 5));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (i != line - 1) {
            appendLine(out, rows.text(i));
            continue;
        }
        appendRowReplacing(out, rows, i, 3, *bytes);
    }
    return rewriteThenPass(out);
}

StoreResult COkiniiriStore::SyncExpansionFlags(const std::vector<std::optional<bool>>& shownExpanded) {
    COkiniiriRows rows;
    StoreResult result;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    std::vector<int> newFlag(rows.size(), -1);
    bool any = false;
    for (std::size_t i = 0; i < rows.size() && i < shownExpanded.size(); ++i) {
        if (!rows.isFolder(i) || rows.fieldCount(i) < 5 || !shownExpanded[i]) continue;
        const bool expanded = *shownExpanded[i];
        const bool flagOne = rows.number(i, 5) == 1;
        if (expanded != flagOne) {
            newFlag[i] = expanded ? 1 : 0;
            any = true;
        }
    }
    if (!any) return result;
    std::string out;
    out.reserve(rows.byteSize() + rows.size() * 2 + 64);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (newFlag[i] < 0) {
            appendLine(out, rows.text(i));
            continue;
        }
        appendRowReplacing(out, rows, i, 5, newFlag[i] ? "1" : "0");
    }
    return stage(kExpansionFile, out, true);
}

StoreResult COkiniiriStore::MoveFavourite(std::size_t source, std::size_t target) {
    COkiniiriRows rows;
    StoreResult result;
    result.status = readTable(rows);
    if (!result.ok()) return result;
    const std::size_t n = rows.size();
    const std::size_t S = source, T = target;
    if (S == T || T < 2 || S < 2 || S > n || T > n || rows.number(S - 1, 4) != 0) return {StoreStatus::Refused, false};

    // order[p] is the old line (1-based) at new position p (1-based).
    std::vector<std::size_t> order;
    order.reserve(n + 1);
    order.push_back(0);
    auto range = [&](std::size_t a, std::size_t b) {
        for (std::size_t k = a; k <= b; ++k) order.push_back(k);
    };
    std::size_t movedAt;
    if (S > T) {
        range(1, T);
        order.push_back(S);
        movedAt = T + 1;
        range(T + 1, S - 1);
        range(S + 1, n);
    } else {
        range(1, S - 1);
        range(S + 1, T);
        order.push_back(S);
        movedAt = T;
        range(T + 1, n);
    }
    const bool targetIsFolder = rows.isFolder(T - 1);
    const std::int32_t movedParent = targetIsFolder ? rows.id(T - 1) : rows.parent(T - 1);

    SlotGroups groups;
    std::vector<int> slotGroup(n + 1, -1);
    for (std::size_t p = 2; p <= n; ++p)
        slotGroup[p] = groups.groupFor(p == movedAt ? movedParent : rows.parent(order[p] - 1));
    for (std::size_t f = 2; f <= n; ++f) {
        if (!rows.isFolder(f - 1)) continue;
        const std::int32_t c = rows.id(f - 1);
        std::int64_t d = static_cast<std::int64_t>(f);
        bool consult = true;
        if (S > T) {
            if (f > S)
                consult = false;
            else if (f > T)
                d = static_cast<std::int64_t>(f) + 1;
        } else {
            if (f > T)
                consult = false;
            else if (f > S)
                d = static_cast<std::int64_t>(f) - 1;
        }
        groups.remap(c, static_cast<std::int32_t>(d), consult);
    }

    std::string out;
    out.reserve(rows.byteSize() + rows.size() * 2 + 64);
    appendTopLine(out, rows.number(0, 5));
    std::int64_t nextId = 2;
    for (std::size_t p = 2; p <= n; ++p) {
        const std::size_t row = order[p] - 1;
        if (!knownLength(rows.fieldCount(row))) continue;
        appendNumber(out, nextId++);
        out.push_back(',');
        appendNumber(out, groups.valueOf(slotGroup[p]));
        out.push_back(',');
        // The folder that receives the favourite opens, so the favourite shows.
        if (order[p] == T && targetIsFolder)
            appendFieldsFrom(out, rows, row, 3, 5, "1");
        else
            appendFieldsFrom(out, rows, row, 3);
        out += "\r\n";
    }
    return rewriteThenPass(out);
}

StoreResult COkiniiriStore::ResetTable() { return rewriteThenPass(""); }

StoreResult COkiniiriStore::ExportTable(const std::filesystem::path& destination) {
    StoreResult result;
    FileBytes f = readFileBytes(workFile());
    if (f.status == FileStatus::Missing) {
        if (ensureFileExists(workFile()) != FileStatus::Ok) return {StoreStatus::CannotOpenWorkFile, false};
        f = readFileBytes(workFile());
    }
    if (f.status != FileStatus::Ok) return {StoreStatus::CannotOpenWorkFile, false};
    if (replaceFileContents(destination, f.bytes) != FileStatus::Ok)
        result.status = StoreStatus::CannotWriteDestination;
    return result;
}

IntegrityReport COkiniiriStore::ImportTable(const std::filesystem::path& source) {
    FileBytes f = readFileBytes(source);
    StoreStatus copy = StoreStatus::Ok;
    if (f.status != FileStatus::Ok)
        copy = StoreStatus::CannotReadSource;
    else if (replaceFileContents(workFile(), withFinalLineEnd(std::move(f.bytes))) != FileStatus::Ok)
        copy = StoreStatus::CannotWriteWorkFile;
    IntegrityReport report = RunIntegrityPass();
    if (report.ok() && copy != StoreStatus::Ok) report.status = copy;
    return report;
}

OkiniiriTree COkiniiriStore::DeriveTree(const COkiniiriRows& rows, TreeScope scope) {
    OkiniiriTree tree;
    const std::size_t L = rows.size();
    tree.itemOfRow.assign(L, -1);
    // Every parent id from 0 to the row count has a bucket, so a row whose
    // parent is the last line shows too.
    std::vector<std::vector<std::size_t>> byParent(L + 1);
    for (std::size_t i = 0; i < L; ++i) {
        const std::int32_t p = rows.parent(i);
        if (p >= 0 && static_cast<std::size_t>(p) <= L) byParent[static_cast<std::size_t>(p)].push_back(i);
    }
    std::vector<int> itemById(L + 2, -1);
    auto addItem = [&](std::size_t row, std::size_t p) {
        OkiniiriItem item;
        item.row = row;
        item.folder = rows.isFolder(row);
        item.picture = item.folder ? 0 : 2;
        item.text = cp932ToUtf8Lossy(rows.field(row, 3));
        item.parentItem = itemById[p];
        const int index = static_cast<int>(tree.items.size());
        tree.items.push_back(std::move(item));
        if (tree.items[static_cast<std::size_t>(index)].parentItem < 0)
            tree.topLevel.push_back(index);
        else
            tree.items[static_cast<std::size_t>(tree.items[static_cast<std::size_t>(index)].parentItem)]
                .children.push_back(index);
        tree.itemOfRow[row] = index;
        return index;
    };
    for (std::size_t p = 0; p <= L; ++p) {
        for (std::size_t row : byParent[p]) {
            if (!rows.isFolder(row)) continue;
            const int index = addItem(row, p);
            const std::int32_t id = rows.id(row);
            if (id >= 0 && static_cast<std::size_t>(id) <= L + 1) itemById[static_cast<std::size_t>(id)] = index;
        }
    }
    if (scope == TreeScope::AllRows) {
        for (std::size_t p = 0; p <= L; ++p)
            for (std::size_t row : byParent[p])
                if (!rows.isFolder(row)) addItem(row, p);
        for (std::size_t i = 0; i < L; ++i) {
            const int index = tree.itemOfRow[i];
            if (index >= 0 && rows.isFolder(i) && rows.number(i, 5) == 1)
                tree.items[static_cast<std::size_t>(index)].expanded = true;
        }
    } else {
        for (auto& item : tree.items)
            if (!item.children.empty()) item.expanded = true;
    }
    return tree;
}

std::optional<FigureRecord> COkiniiriStore::favouriteRecord(const COkiniiriRows& rows, std::size_t row) {
    if (row >= rows.size() || rows.fieldCount(row) != kFavouriteFields || rows.number(row, 4) != 0) return std::nullopt;
    FigureRecord r;
    int pos = 0;
    rows.forFields(row, 6, 74, [&](std::string_view f) { r[pos++] = atoiClamped(f); });
    for (int pos : {int(FigureRecord::FgColour), int(FigureRecord::BgColour)})
        r[pos] = static_cast<std::int32_t>(colourBits(r[pos]));
    for (int c = 0; c < 7; ++c)
        r[FigureRecord::Colour1 + c] = static_cast<std::int32_t>(colourBits(r[FigureRecord::Colour1 + c]));
    r[FigureRecord::RecordSum] = recordSum(r);
    return r;
}

}  // namespace lumora
