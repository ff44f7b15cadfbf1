#pragma once
// A fresh per-user folder for every test, and small helpers to write and
// read the files in it byte for byte.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/FigureRecord.h"

namespace lumora::test {

inline const std::string kTop = "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8";  // お気に入り in code page 932

class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (std::filesystem::temp_directory_path() / "lumora-stores-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        root_ = tmpl;
        folder_ = root_ / "Orvane" / "LumoraFree105";
        ::setenv("LUMORA_DATA_DIR", root_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(root_, ec);
    }

    std::filesystem::path path(const std::string& name) const { return folder_ / name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(folder_);
        std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read(const std::string& name) const { return readPath(path(name)); }
    static std::string readPath(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    // Files in the folder other than the ones named, e.g. stray temporaries.
    std::vector<std::string> filesIn() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path root_;
    std::filesystem::path folder_;
};

// Lines joined with CR LF, each line ended.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// A record whose values are easy to tell apart: position i holds base + i,
// colours fit in 24 bits, recordSum filled.
inline FigureRecord sampleRecord(int base = 1) {
    FigureRecord r;
    for (int i = 0; i < FigureRecord::kValueCount; ++i) r[i] = base + i;
    r[FigureRecord::Category] = 3;
    r[FigureRecord::Formula] = 1;
    r[FigureRecord::RecordSum] = recordSum(r);
    return r;
}

inline std::string joinInts(const std::vector<long long>& v) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i) s += ",";
        s += std::to_string(v[i]);
    }
    return s;
}

}  // namespace lumora::test
