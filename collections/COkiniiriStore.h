#pragma once
// The favourites: a tree of named folders and favourites kept in one table,
// "csv_okiniiri0" in the per-user folder, in code page 932 with CR LF lines.
// Folder rows are "id,parent,name,1,expanded,1"; favourite rows are
// "id,parent,name,0,0,<69 record values>,sum". Line 1 is the top folder
// "お気に入り". The store keeps nothing between operations: each one reads
// the table, works on the rows and writes it back whole through a temporary
// file, so a kill never leaves a truncated table.
//
// Each stage of the integrity pass writes its complete result to its own
// staging file first ("csv_okiniiri_check", "csv_okiniiri_oyako_check",
// "csv_okiniiri_junjo"; the expansion sync uses "csv_okiniiri_tenkai"); the
// table is replaced by that content only when the stage changed something
// and the staging file was written completely. Staging files are kept.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "collections/COkiniiriRows.h"
#include "collections/StoreResult.h"
#include "engine/FigureRecord.h"

namespace lumora {

struct OkiniiriRowsResult {
    StoreStatus status = StoreStatus::Ok;
    COkiniiriRows rows;
    bool ok() const { return status == StoreStatus::Ok; }
};

struct IntegrityReport {
    StoreStatus status = StoreStatus::Ok;
    bool checkChanged = false;  // rows dropped or line 1 replaced
    int orphansRemoved = 0;     // rows whose parent named no line
    bool renumbered = false;    // ids rewritten to line numbers
    bool ok() const { return status == StoreStatus::Ok; }
    bool changed() const { return checkChanged || orphansRemoved > 0 || renumbered; }
};

struct OrphanRun {
    StoreStatus status = StoreStatus::Ok;
    bool removed = false;
};

enum class TreeScope { AllRows, FoldersOnly };

struct OkiniiriItem {
    std::size_t row = 0;  // index into the rows (line number - 1)
    int parentItem = -1;  // -1 for a top-level item
    std::string text;     // the name in UTF-8
    bool folder = false;
    int picture = 2;  // 0 open folder, 2 blank page
    bool expanded = false;
    std::vector<int> children;  // item indices in display order
};

struct OkiniiriTree {
    std::vector<OkiniiriItem> items;
    std::vector<int> topLevel;
    std::vector<int> itemOfRow;  // per row: its item, or -1
};

class COkiniiriStore {
public:
    static constexpr std::size_t kFolderFields = 6;
    static constexpr std::size_t kFavouriteFields = 75;
    static constexpr std::size_t kMaxRenameBytes = 511;

    // The folder is created when missing (a failure shows at the first operation).
    explicit COkiniiriStore(std::filesystem::path userFolder);

    std::filesystem::path workFile() const { return folder_ / "csv_okiniiri0"; }

    // The table's rows; a missing table is created empty first.
    OkiniiriRowsResult ReadRows();

    // CheckRows, then RemoveOneOrphan until it removes nothing, then RenumberRows.
    IntegrityReport RunIntegrityPass();

    // Stage 1: a valid top-folder line 1 and only rows whose check holds.
    StoreResult CheckRows();
    // Stage 2, one run: drops the first row whose parent names no line.
    OrphanRun RemoveOneOrphan();
    // Stage 2 whole: the table RemoveOneOrphan repeated until it removes
    // nothing would leave, in one linear pass. Gives the number removed.
    OrphanRun RemoveOrphans(int* removedCount = nullptr);
    // Stage 3: ids become line numbers and parents follow them.
    StoreResult RenumberRows();

    // Appends a folder row (expanded) or a favourite row under the parent
    // (0 means the top folder). The id is the largest id plus one. The name
    // is UTF-8; commas become periods and line breaks spaces.
    StoreResult AppendFolder(std::int32_t parentId, std::string_view name);
    StoreResult AppendFavourite(std::int32_t parentId, std::string_view name, const FigureRecord& record);

    // Line numbers count from 1; line 1 (the top folder) is refused.
    StoreResult RemoveRow(std::size_t line);
    // Refuses a name longer than kMaxRenameBytes bytes in code page 932.
    StoreResult RenameRow(std::size_t line, std::string_view name);

    // shownExpanded[row]: whether that folder row's item is shown expanded,
    // or nothing when it has no item. Rewrites field 5 where it differs.
    StoreResult SyncExpansionFlags(const std::vector<std::optional<bool>>& shownExpanded);

    // Moves the favourite on line source to just after line target, into
    // the target's folder (or the target folder itself), then the pass.
    StoreResult MoveFavourite(std::size_t source, std::size_t target);

    // Leaves only the top folder.
    StoreResult ResetTable();
    StoreResult ExportTable(const std::filesystem::path& destination);
    // Byte copy over the table, then the pass. An unreadable file leaves
    // the table as it was (the pass still runs) and says so.
    IntegrityReport ImportTable(const std::filesystem::path& source);

    // The items of the rows: folders (and, for AllRows, favourites) under
    // their parents, sub-folders before favourites, each in file order.
    static OkiniiriTree DeriveTree(const COkiniiriRows& rows, TreeScope scope);

    // A favourite row's record (fields 6..74), colours as their 24 bits and
    // recordSum recomputed; nothing for a folder or a row without a record.
    static std::optional<FigureRecord> favouriteRecord(const COkiniiriRows& rows, std::size_t row);

    // Commas become periods, CR and LF spaces.
    static std::string sanitizeName(std::string_view name);

    // The 10 bytes of "お気に入り" in code page 932.
    static const std::string_view kTopFolderName;

private:
    std::filesystem::path file(const char* name) const { return folder_ / name; }
    StoreStatus readTable(COkiniiriRows& rows);
    // Writes the staging file, then (when changed) the table from the same bytes.
    StoreResult stage(const char* stagingName, const std::string& content, bool changed);
    StoreResult append(const std::string& nameBytes, std::int32_t parentId, const std::string& tail);
    StoreResult rewriteThenPass(const std::string& content);
    std::filesystem::path folder_;
};

}  // namespace lumora
