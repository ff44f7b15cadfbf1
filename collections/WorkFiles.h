#pragma once
// File primitives every store uses. A work file is only ever replaced whole
// through a temporary file in the same folder that is written completely,
// synced and renamed over it, so a kill at any moment leaves either the old
// or the new content and never a truncated file.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

enum class FileStatus {
    Ok,
    Missing,      // the file does not exist
    CannotRead,   // it exists but cannot be opened or read
    CannotWrite,  // it (or its temporary file) cannot be created or written
};

struct FileBytes {
    FileStatus status = FileStatus::Ok;
    std::string bytes;
};

// The whole content of a file.
FileBytes readFileBytes(const std::filesystem::path& file);

// Creates the file empty when it is missing; Ok when it exists (or now
// exists) and can be opened for reading.
FileStatus ensureFileExists(const std::filesystem::path& file);

// Whether a replaced file is also synced to the disk before the rename. Work
// files are; staging files, which nothing ever reads back, need not be.
enum class Durability { Synced, Unsynced };

// Replaces the file's content with `bytes`: temporary file in the same
// folder, complete write, flush (and sync), rename over the file. On any
// failure the file is left exactly as it was and the temporary is removed.
FileStatus replaceFileContents(const std::filesystem::path& file, std::string_view bytes,
                               Durability durability = Durability::Synced);

// Appends `line` (which carries its own line end) to the file, creating it
// when missing. When the file is not empty and does not end with LF, a CR LF
// is written first, so a last line without its line end is never joined to
// the new one. When the write fails (a full disk) the file is cut back to
// its old length, so a refused line never stays half written.
FileStatus appendCompletingLine(const std::filesystem::path& file, std::string_view line);

// Removes the temporary files a rewrite that was killed left behind in the
// folder (".NAME.tmp.*"); returns how many went. Only the single running
// instance may call it: another one could be in the middle of a rewrite.
int removeLeftoverTemporaries(const std::filesystem::path& folder);

// `bytes` with CR LF added when it is not empty and does not end with LF.
std::string withFinalLineEnd(std::string bytes);

// Every line followed by CR LF.
std::string joinCrLf(const std::vector<std::string_view>& lines);

}  // namespace lumora
