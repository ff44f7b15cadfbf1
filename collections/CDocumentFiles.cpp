#include "collections/CDocumentFiles.h"

#include <system_error>

#include "collections/WorkFiles.h"

namespace lumora {

CDocumentFiles::CDocumentFiles(std::filesystem::path userFolder) : folder_(std::move(userFolder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
}

std::string CDocumentFiles::titleOf(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

std::string CDocumentFiles::messageFor(DocumentStatus status) {
    switch (status) {
        case DocumentStatus::Ok:
        case DocumentStatus::NeedsPath:
            return "";
        case DocumentStatus::CannotWriteWorkFile:
        case DocumentStatus::CannotWriteTarget:
            return "ファイルを保存できません";
        case DocumentStatus::CannotOpenWorkFile:
            return storeStatusMessage(StoreStatus::CannotOpenWorkFile);
        case DocumentStatus::CannotRead:
        case DocumentStatus::NotADocument:
            return kCannotOpenMessage;
    }
    return "";
}

DocumentResult CDocumentFiles::writeTo(const std::filesystem::path& chosen, const FigureRecord& record) {
    DocumentResult result;
    const std::string line = writeDocumentLine(record);
    // The work file comes first so it always holds the figure last saved; the
    // chosen file is only written from content that was written completely.
    if (replaceFileContents(folder_ / "lumora", line) != FileStatus::Ok) {
        result.status = DocumentStatus::CannotWriteWorkFile;
        return result;
    }
    if (replaceFileContents(chosen, line) != FileStatus::Ok) result.status = DocumentStatus::CannotWriteTarget;
    return result;
}

DocumentResult CDocumentFiles::SaveAs(const std::filesystem::path& chosen, const FigureRecord& record) {
    DocumentResult result = writeTo(chosen, record);
    if (!result.ok()) return result;
    path_ = chosen;
    title_ = titleOf(chosen);
    saved_ = true;
    return result;
}

DocumentResult CDocumentFiles::Save(const FigureRecord& record) {
    if (!saved_) return {DocumentStatus::NeedsPath, std::nullopt, std::nullopt};
    return writeTo(path_, record);
}

DocumentResult CDocumentFiles::Open(const std::filesystem::path& chosen) {
    DocumentResult result;
    const std::filesystem::path copy = folder_ / "lumora_yomi";
    FileBytes source = readFileBytes(chosen);
    // The read copy holds the chosen file's bytes, or nothing when it could not be read.
    if (replaceFileContents(copy, source.status == FileStatus::Ok ? std::string_view(source.bytes)
                                                                  : std::string_view{}) != FileStatus::Ok) {
        result.status = DocumentStatus::CannotOpenWorkFile;
        return result;
    }
    if (source.status != FileStatus::Ok) {
        result.status = DocumentStatus::CannotRead;
        return result;
    }
    FileBytes read = readFileBytes(copy);
    if (read.status != FileStatus::Ok) {
        result.status = DocumentStatus::CannotOpenWorkFile;
        return result;
    }
    DocumentReadResult doc = readDocument(read.bytes);
    if (!doc.record) {
        result.status = DocumentStatus::NotADocument;
        result.refusal = doc.refusal;
        return result;
    }
    result.record = doc.record;
    path_ = chosen;
    title_ = titleOf(chosen);
    saved_ = true;
    return result;
}

}  // namespace lumora
