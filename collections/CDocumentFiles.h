#pragma once
// The document commands' file work and the document state they change. A
// save writes the record to the work file "lumora" in the per-user folder
// and copies it to the chosen path; an open copies the chosen file over the
// work file "lumora_yomi" and reads that copy. The dialogs belong to the
// window, which hands the chosen path in and turns the result into a
// message or a new title.

#include <filesystem>
#include <optional>
#include <string>

#include "collections/StoreResult.h"
#include "engine/DocumentLine.h"
#include "engine/FigureRecord.h"

namespace lumora {

enum class DocumentStatus {
    Ok,
    NeedsPath,            // Save before any save or open: ask for a path (Save As)
    CannotWriteWorkFile,  // "lumora" could not be written; the chosen file is untouched
    CannotWriteTarget,    // the chosen file could not be written
    CannotOpenWorkFile,   // "lumora_yomi" can be neither opened nor created
    CannotRead,           // the chosen file could not be read
    NotADocument,         // no data line, wrong field count or wrong checksum
};

struct DocumentResult {
    DocumentStatus status = DocumentStatus::Ok;
    std::optional<FigureRecord> record;      // an open that passed: the record to apply and draw
    std::optional<DocumentRefusal> refusal;  // why a NotADocument was refused
    bool ok() const { return status == DocumentStatus::Ok; }
};

class CDocumentFiles {
public:
    // Shown after a failed open, as it stands.
    static constexpr const char* kCannotOpenMessage = "ファイルが開けません";
    static constexpr const char* kUntitled = "無題";
    static constexpr const char* kFilter = "ルモラ ファイル (*.lmfig)|*.lmfig||";
    static constexpr const char* kExtension = "lmfig";

    explicit CDocumentFiles(std::filesystem::path userFolder);

    // Writes the record to the chosen path. Only on success do the path,
    // the title and the saved flag change.
    DocumentResult SaveAs(const std::filesystem::path& chosen, const FigureRecord& record);

    // Writes to the document path; NeedsPath while nothing was saved or opened.
    // A failure leaves the saved flag and title as they were.
    DocumentResult Save(const FigureRecord& record);

    // Reads the chosen file. Only a file that passes its checks becomes the
    // document (path, title, saved flag); a refused one changes nothing, so a
    // later Save cannot overwrite it.
    DocumentResult Open(const std::filesystem::path& chosen);

    const std::filesystem::path& documentPath() const { return path_; }
    const std::string& documentTitle() const { return title_; }
    bool saved() const { return saved_; }
    // The title followed by " - LumoraFree".
    std::string windowTitle() const { return title_ + " - LumoraFree"; }

    // The file name without its last extension ("a.b.lmfig" gives "a.b").
    static std::string titleOf(const std::filesystem::path& path);

    // The window's message for a failed result, empty for Ok and NeedsPath.
    static std::string messageFor(DocumentStatus status);

private:
    DocumentResult writeTo(const std::filesystem::path& chosen, const FigureRecord& record);
    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::string title_ = kUntitled;
    bool saved_ = false;
};

}  // namespace lumora
