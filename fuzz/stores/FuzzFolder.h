#pragma once
// One scratch per-user folder per fuzzing process, on a memory file system
// when there is one (the stores sync every rewrite).
#include <unistd.h>

#include <filesystem>
#include <string>

#include "collections/WorkFiles.h"

namespace lumora::fuzz {

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path base =
            std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::filesystem::path p = base / ("lumora-fuzz-" + std::to_string(getpid()));
        std::filesystem::remove_all(p);
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

inline std::string fileText(const std::filesystem::path& p) { return readFileBytes(p).bytes; }

}  // namespace lumora::fuzz
