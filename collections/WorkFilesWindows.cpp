// The file primitives on Windows: the same rules as on POSIX systems, with
// CreateFileW, FlushFileBuffers and MoveFileExW (replace, write through).

#include "collections/WorkFiles.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <atomic>
#include <string>

namespace lumora {

namespace {

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    bool close() {
        if (!valid()) return true;
        const BOOL ok = ::CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok != 0;
    }

private:
    HANDLE h_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE openFile(const std::filesystem::path& file, DWORD access, DWORD disposition) {
    return ::CreateFileW(file.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool missingError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool writeAll(HANDLE h, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

std::wstring uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    return std::to_wstring(::GetCurrentProcessId()) + L"." + std::to_wstring(::GetTickCount64()) + L"." +
           std::to_wstring(counter.fetch_add(1));
}

}  // namespace

FileBytes readFileBytes(const std::filesystem::path& file) {
    FileBytes result;
    Handle h(openFile(file, GENERIC_READ, OPEN_EXISTING));
    if (!h.valid()) {
        result.status = missingError(::GetLastError()) ? FileStatus::Missing : FileStatus::CannotRead;
        return result;
    }
    char buf[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(h.get(), buf, sizeof buf, &n, nullptr)) {
            result.bytes.clear();
            result.status = FileStatus::CannotRead;
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buf, n);
    }
    return result;
}

FileStatus ensureFileExists(const std::filesystem::path& file) {
    {
        Handle h(openFile(file, GENERIC_READ, OPEN_EXISTING));
        if (h.valid()) return FileStatus::Ok;
        if (!missingError(::GetLastError())) return FileStatus::CannotRead;
    }
    {
        Handle made(openFile(file, GENERIC_WRITE, CREATE_NEW));
        if (!made.valid() && ::GetLastError() != ERROR_FILE_EXISTS) return FileStatus::CannotWrite;
    }
    Handle h(openFile(file, GENERIC_READ, OPEN_EXISTING));
    return h.valid() ? FileStatus::Ok : FileStatus::CannotRead;
}

FileStatus replaceFileContents(const std::filesystem::path& file, std::string_view bytes, Durability durability) {
    const std::filesystem::path temporary =
        file.parent_path() / (L"." + file.filename().wstring() + L".tmp." + uniqueSuffix());
    Handle h(openFile(temporary, GENERIC_WRITE, CREATE_NEW));
    if (!h.valid()) return FileStatus::CannotWrite;
    bool ok = writeAll(h.get(), bytes);
    if (ok && durability == Durability::Synced) ok = ::FlushFileBuffers(h.get()) != 0;
    if (!h.close()) ok = false;
    if (ok) {
        DWORD flags = MOVEFILE_REPLACE_EXISTING;
        if (durability == Durability::Synced) flags |= MOVEFILE_WRITE_THROUGH;
        ok = ::MoveFileExW(temporary.c_str(), file.c_str(), flags) != 0;
    }
    if (!ok) {
        ::DeleteFileW(temporary.c_str());
        return FileStatus::CannotWrite;
    }
    return FileStatus::Ok;
}

FileStatus appendCompletingLine(const std::filesystem::path& file, std::string_view line) {
    Handle h(openFile(file, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS));
    if (!h.valid()) return FileStatus::CannotWrite;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(h.get(), &size)) return FileStatus::CannotWrite;
    std::string out;
    if (size.QuadPart > 0) {
        LARGE_INTEGER at{};
        at.QuadPart = size.QuadPart - 1;
        char last = 0;
        DWORD n = 0;
        if (!::SetFilePointerEx(h.get(), at, nullptr, FILE_BEGIN) || !::ReadFile(h.get(), &last, 1, &n, nullptr) ||
            n != 1)
            return FileStatus::CannotRead;
        if (last != '\n') out = "\r\n";
    }
    out.append(line);
    if (!::SetFilePointerEx(h.get(), size, nullptr, FILE_BEGIN)) return FileStatus::CannotWrite;
    // A full disk can take part of the line before the write fails; a refused
    // line is cut off again, so the file ends as it did.
    bool ok = writeAll(h.get(), out);
    if (ok) ok = ::FlushFileBuffers(h.get()) != 0;
    if (!ok && ::SetFilePointerEx(h.get(), size, nullptr, FILE_BEGIN)) ::SetEndOfFile(h.get());
    if (!h.close()) ok = false;
    return ok ? FileStatus::Ok : FileStatus::CannotWrite;
}

}  // namespace lumora
