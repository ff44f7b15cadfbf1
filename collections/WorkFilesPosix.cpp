// The file primitives on POSIX systems: open/write/fsync/rename.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "collections/WorkFiles.h"

namespace lumora {

namespace {

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the rename itself has happened; this only hardens it
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileBytes readFileBytes(const std::filesystem::path& file) {
    FileBytes result;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.status = errno == ENOENT ? FileStatus::Missing : FileStatus::CannotRead;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        result.status = FileStatus::CannotRead;
        return result;
    }
    if (st.st_size > 0) result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            result.bytes.clear();
            result.status = FileStatus::CannotRead;
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return result;
}

FileStatus ensureFileExists(const std::filesystem::path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return FileStatus::Ok;
    }
    if (errno != ENOENT) return FileStatus::CannotRead;
    fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return FileStatus::CannotWrite;
    ::close(fd);
    fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FileStatus::CannotRead;
    ::close(fd);
    return FileStatus::Ok;
}

FileStatus replaceFileContents(const std::filesystem::path& file, std::string_view bytes, Durability durability) {
    const std::filesystem::path folder = file.parent_path();
    std::string tmpl = (folder / ("." + file.filename().string() + ".tmp.XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return FileStatus::CannotWrite;
    ::fchmod(fd, 0644);  // mkstemp makes 0600; a failure here is cosmetic
    bool ok = writeAll(fd, bytes);
    if (ok && durability == Durability::Synced) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(tmpl.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(tmpl.c_str());
        return FileStatus::CannotWrite;
    }
    if (durability == Durability::Synced) syncFolder(folder);
    return FileStatus::Ok;
}

FileStatus appendCompletingLine(const std::filesystem::path& file, std::string_view line) {
    const int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return FileStatus::CannotWrite;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return FileStatus::CannotWrite;
    }
    std::string out;
    if (st.st_size > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, st.st_size - 1) != 1) {
            ::close(fd);
            return FileStatus::CannotRead;
        }
        if (last != '\n') out = "\r\n";
    }
    out.append(line);
    // A full disk or a file size limit can take part of the line before the
    // write fails; a refused line is cut off again, so the file ends as it did.
    bool ok = writeAll(fd, out);
    if (ok) ok = ::fsync(fd) == 0;
    if (!ok) {
        const int cut = ::ftruncate(fd, st.st_size);
        static_cast<void>(cut);  // nothing more can be done when even this fails
    }
    if (::close(fd) != 0) ok = false;
    return ok ? FileStatus::Ok : FileStatus::CannotWrite;
}

}  // namespace lumora
