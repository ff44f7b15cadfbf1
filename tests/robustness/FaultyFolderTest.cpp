// The per-user folder fails under the stores in the ways a real machine
// fails: a folder that cannot be written, a disk that is full, a folder that
// cannot even be made. Every store operation that has to write says so, and
// nothing the user had changes.
//
// Each case runs in a child process, so a crash shows as a failure instead of
// ending the run, and so the child can be given limits the test run itself
// must not have: as root it drops to an unprivileged user (permissions do not
// bind root), and a full disk is a file size limit (RLIMIT_FSIZE) with
// SIGXFSZ ignored, which makes writes past the limit fail with EFBIG.
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "collections/CDocumentFiles.h"
#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"
#include "tests/stores/StoreFixture.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

std::string nameOf(StoreStatus s) {
    switch (s) {
        case StoreStatus::Ok:
            return "Ok";
        case StoreStatus::CannotOpenWorkFile:
            return "CannotOpenWorkFile";
        case StoreStatus::CannotWriteWorkFile:
            return "CannotWriteWorkFile";
        case StoreStatus::CannotWriteStagingFile:
            return "CannotWriteStagingFile";
        case StoreStatus::CannotReadSource:
            return "CannotReadSource";
        case StoreStatus::CannotWriteDestination:
            return "CannotWriteDestination";
        case StoreStatus::Refused:
            return "Refused";
        case StoreStatus::NameTooLong:
            return "NameTooLong";
        case StoreStatus::NameNotConvertible:
            return "NameNotConvertible";
    }
    return "?";
}

std::string nameOf(DocumentStatus s) {
    switch (s) {
        case DocumentStatus::Ok:
            return "Ok";
        case DocumentStatus::NeedsPath:
            return "NeedsPath";
        case DocumentStatus::CannotWriteWorkFile:
            return "CannotWriteWorkFile";
        case DocumentStatus::CannotWriteTarget:
            return "CannotWriteTarget";
        case DocumentStatus::CannotOpenWorkFile:
            return "CannotOpenWorkFile";
        case DocumentStatus::CannotRead:
            return "CannotRead";
        case DocumentStatus::NotADocument:
            return "NotADocument";
    }
    return "?";
}

// Where several steps fail one after the other (an import that cannot copy
// and then cannot stage its check), any failure will do.
constexpr const char* kAnyFailure = "any failure";

bool matches(const std::string& got, const std::string& expected) {
    return expected == kAnyFailure ? got != "Ok" : got == expected;
}

std::array<bool, 20> allActive() {
    std::array<bool, 20> a;
    a.fill(true);
    return a;
}

std::string readPath(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writePath(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::string historyOf(int entries, int base) {
    std::string out;
    for (int i = 0; i < entries; ++i) out += CHistoryStore::entryLine(test::sampleRecord(base + i), allActive());
    return out;
}

std::string tableOf(int folders) {
    std::string out = "1,0,\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8,1,1,1\r\n";
    for (int i = 2; i <= folders + 1; ++i) out += std::to_string(i) + ",1,f" + std::to_string(i) + ",1,1,1\r\n";
    return out;
}

// Every file and folder under a root with its bytes.
using Files = std::map<std::string, std::string>;

Files filesUnder(const fs::path& root) {
    Files files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        files[it->path().lexically_relative(root).string()] = it->is_directory() ? "<folder>" : readPath(it->path());
    if (ec) files["<unreadable>"] = ec.message();
    return files;
}

// The names that were added, removed or changed, except those `ignored` takes.
std::string changes(const Files& before, const Files& after, const std::function<bool(const std::string&)>& ignored) {
    std::string out;
    for (const auto& [name, bytes] : before) {
        if (ignored(name)) continue;
        auto it = after.find(name);
        if (it == after.end())
            out += " removed " + name + ";";
        else if (it->second != bytes)
            out += " changed " + name + ";";
    }
    for (const auto& [name, bytes] : after)
        if (!before.count(name) && !ignored(name)) out += " added " + name + ";";
    return out;
}

struct DocumentState {
    fs::path path;
    std::string title;
    bool saved = false;
    bool operator==(const DocumentState&) const = default;
};

// The three stores over one per-user folder, and the files outside it that
// operations read from or save to.
struct Stores {
    Stores(const fs::path& testRoot, const fs::path& userFolder)
        : root(testRoot),
          folder(userFolder),
          in(testRoot / "in"),
          docs(testRoot / "docs"),
          history(userFolder),
          favourites(userFolder),
          documents(userFolder) {}
    DocumentState documentState() const {
        return {documents.documentPath(), documents.documentTitle(), documents.saved()};
    }
    fs::path root, folder, in, docs;
    CHistoryStore history;
    COkiniiriStore favourites;
    CDocumentFiles documents;
};

// Runs the operation and gives what is wrong with its outcome: another
// status than expected, a file changed (other than those `ignored` takes),
// or the document's path, title or saved flag changed.
std::string check(Stores& s, const char* name, const std::function<std::string(Stores&)>& run,
                  const std::string& expected, const std::function<bool(const std::string&)>& ignored) {
    const Files before = filesUnder(s.root);
    const DocumentState document = s.documentState();
    const std::string got = run(s);
    std::string wrong;
    if (!matches(got, expected)) wrong += " gave " + got + " instead of " + expected + ";";
    wrong += changes(before, filesUnder(s.root), ignored);
    if (!(s.documentState() == document)) wrong += " changed the document to \"" + s.documentState().title + "\";";
    return wrong.empty() ? "" : std::string(name) + ":" + wrong + "\n";
}

struct ChildLimits {
    bool unprivileged = false;            // as root: run as uid/gid 65534
    std::optional<rlim_t> fileSizeLimit;  // bytes a file may grow to
};

// Runs `body` in a child process under the limits. Gives what the body found
// wrong, or how the child ended when it did not end normally.
std::string inChild(const ChildLimits& limits, const std::function<std::string()>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "no pipe\n";
    const pid_t pid = ::fork();
    if (pid < 0) return "no fork\n";
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string found;
        if (limits.unprivileged && ::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                found = std::string("cannot drop to uid 65534: ") + std::strerror(errno) + "\n";
            // Keeps /proc/self readable for the sanitizer runtime after the change of user.
            ::prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
        }
        if (found.empty() && limits.fileSizeLimit) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit lim{*limits.fileSizeLimit, *limits.fileSizeLimit};
            if (::setrlimit(RLIMIT_FSIZE, &lim) != 0)
                found = std::string("no file size limit: ") + std::strerror(errno) + "\n";
        }
        if (found.empty()) found = body();
        std::size_t done = 0;
        while (done < found.size()) {
            const ssize_t n = ::write(pipeFds[1], found.data() + done, found.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);  // past the test framework and its exit handlers
    }
    ::close(pipeFds[1]);
    std::string found;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        found.append(buf, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        found += "the child was ended by signal " + std::to_string(WTERMSIG(status)) + "\n";
    else if (WEXITSTATUS(status) != 0)
        found += "the child exited with " + std::to_string(WEXITSTATUS(status)) + "\n";
    return found;
}

bool nothingIgnored(const std::string&) { return false; }

class FaultyFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "lumora-faulty-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        root_ = tmpl;
        ::chmod(root_.c_str(), 0755);  // an unprivileged child must reach the folders inside
        fs::create_directories(root_ / "in");
        fs::create_directories(root_ / "docs");
        writePath(root_ / "in" / "history.csv", historyOf(3, 500));
        writePath(root_ / "in" / "big.csv", historyOf(100, 600));
        writePath(root_ / "in" / "table.lmfav", tableOf(3));
        writePath(root_ / "in" / "big.lmfav", tableOf(3000));
        writePath(root_ / "in" / "doc.lmfig", writeDocumentLine(test::sampleRecord(70)));
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(root_ / "user", fs::perms::owner_all, ec);
        fs::remove_all(root_, ec);
    }

    // A per-user folder with a history, a favourites table with a folder, a
    // favourite in it and one at the top, and a document saved as docs/a.lmfig.
    std::unique_ptr<Stores> filledStores(int historyEntries) {
        auto s = std::make_unique<Stores>(root_, root_ / "user");
        writePath(root_ / "in" / "start.csv", historyOf(historyEntries, 1));
        EXPECT_TRUE(s->history.ImportHistory(root_ / "in" / "start.csv").ok());
        EXPECT_TRUE(s->favourites.RunIntegrityPass().ok());  // writes the top folder
        EXPECT_TRUE(s->favourites.AppendFolder(0, "F").ok());
        EXPECT_TRUE(s->favourites.AppendFavourite(2, "a", test::sampleRecord(10)).ok());
        EXPECT_TRUE(s->favourites.AppendFavourite(0, "b", test::sampleRecord(20)).ok());
        EXPECT_TRUE(s->favourites.RunIntegrityPass().ok());
        EXPECT_TRUE(s->documents.SaveAs(root_ / "docs" / "a.lmfig", test::sampleRecord(30)).ok());
        return s;
    }

    fs::path root_;
};

// One row per store operation, with its status in a folder that cannot be
// written (the stores filled first) and in a folder that cannot be made.
struct Operation {
    const char* name;
    std::function<std::string(Stores&)> run;
    std::string readOnly;
    std::string noFolder;
};

const Operation kOperations[] = {
    {"history count", [](Stores& s) { return nameOf(s.history.CountEntries().status); }, "Ok", "CannotOpenWorkFile"},
    {"history append",
     [](Stores& s) { return nameOf(s.history.AppendEntry(test::sampleRecord(40), allActive()).status); },
     "CannotWriteWorkFile", "CannotWriteWorkFile"},
    {"history trim", [](Stores& s) { return nameOf(s.history.TrimEntries().status); }, "CannotWriteStagingFile",
     "CannotOpenWorkFile"},
    {"history check", [](Stores& s) { return nameOf(s.history.CheckEntries().status); }, "CannotWriteStagingFile",
     "CannotOpenWorkFile"},
    {"history clear", [](Stores& s) { return nameOf(s.history.ClearEntries().status); }, "CannotWriteWorkFile",
     "CannotWriteWorkFile"},
    {"history import", [](Stores& s) { return nameOf(s.history.ImportHistory(s.in / "history.csv").status); },
     kAnyFailure, kAnyFailure},
    {"history export into the folder",
     [](Stores& s) { return nameOf(s.history.ExportHistory(s.folder / "out.csv").status); }, "CannotWriteDestination",
     "CannotOpenWorkFile"},
    {"favourites read", [](Stores& s) { return nameOf(s.favourites.ReadRows().status); }, "Ok", "CannotOpenWorkFile"},
    {"favourites pass", [](Stores& s) { return nameOf(s.favourites.RunIntegrityPass().status); },
     "CannotWriteStagingFile", "CannotOpenWorkFile"},
    {"favourites new folder", [](Stores& s) { return nameOf(s.favourites.AppendFolder(0, "G").status); },
     "CannotWriteWorkFile", "CannotOpenWorkFile"},
    {"favourites add",
     [](Stores& s) { return nameOf(s.favourites.AppendFavourite(2, "c", test::sampleRecord(50)).status); },
     "CannotWriteWorkFile", "CannotOpenWorkFile"},
    {"favourites remove", [](Stores& s) { return nameOf(s.favourites.RemoveRow(3).status); }, "CannotWriteWorkFile",
     "CannotOpenWorkFile"},
    {"favourites rename", [](Stores& s) { return nameOf(s.favourites.RenameRow(2, "H").status); },
     "CannotWriteWorkFile", "CannotOpenWorkFile"},
    {"favourites move", [](Stores& s) { return nameOf(s.favourites.MoveFavourite(4, 2).status); },
     "CannotWriteWorkFile", "CannotOpenWorkFile"},
    {"favourites expansion",
     [](Stores& s) {
         return nameOf(s.favourites.SyncExpansionFlags({std::nullopt, false}).status);
     },
     "CannotWriteStagingFile", "CannotOpenWorkFile"},
    {"favourites reset", [](Stores& s) { return nameOf(s.favourites.ResetTable().status); }, "CannotWriteWorkFile",
     "CannotWriteWorkFile"},
    {"favourites import", [](Stores& s) { return nameOf(s.favourites.ImportTable(s.in / "table.lmfav").status); },
     kAnyFailure, kAnyFailure},
    {"favourites export into the folder",
     [](Stores& s) { return nameOf(s.favourites.ExportTable(s.folder / "out.lmfav").status); },
     "CannotWriteDestination", "CannotOpenWorkFile"},
    {"document save", [](Stores& s) { return nameOf(s.documents.Save(test::sampleRecord(60)).status); },
     "CannotWriteWorkFile", "NeedsPath"},
    {"document save as",
     [](Stores& s) { return nameOf(s.documents.SaveAs(s.docs / "b.lmfig", test::sampleRecord(60)).status); },
     "CannotWriteWorkFile", "CannotWriteWorkFile"},
    {"document open", [](Stores& s) { return nameOf(s.documents.Open(s.in / "doc.lmfig").status); },
     "CannotOpenWorkFile", "CannotOpenWorkFile"},
};

TEST_F(FaultyFolder, ThatCannotBeWrittenRefusesEveryWriteAndKeepsTheFiles) {
    // Over the capacity, so the trim has something to write.
    const auto stores = filledStores(CHistoryStore::kCapacity + 1);
    Stores& s = *stores;
    // Nothing in the folder can be written: read-only files in a read-only
    // folder. Root drops to an unprivileged user that does not own them; the
    // chosen documents' folder stays writable for that user, so a save that
    // reached it would show.
    for (const auto& e : fs::directory_iterator(s.folder)) ::chmod(e.path().c_str(), 0444);
    ::chmod(s.folder.c_str(), 0555);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(s.docs.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown((s.docs / "a.lmfig").c_str(), kNobody, kNobody), 0);
    }
    const std::string found = inChild({.unprivileged = true, .fileSizeLimit = std::nullopt}, [&] {
        std::string wrong;
        for (const Operation& op : kOperations) wrong += check(s, op.name, op.run, op.readOnly, nothingIgnored);
        return wrong;
    });
    EXPECT_EQ(found, "");
}

TEST_F(FaultyFolder, ThatCannotBeMadeIsReportedByEveryStore) {
    // A per-user folder under a regular file: not even root can make it.
    writePath(root_ / "plain", "not a folder");
    Stores s(root_, root_ / "plain" / "user");
    const std::string found = inChild({}, [&] {
        std::string wrong;
        for (const Operation& op : kOperations) wrong += check(s, op.name, op.run, op.noFolder, nothingIgnored);
        return wrong;
    });
    EXPECT_EQ(found, "");
}

// Staging files are the stores' own scratch results; on a full disk they may
// be rewritten. Everything else, temporaries included, must not appear or change.
bool stagingFile(const std::string& name) {
    static const std::set<std::string> staging = {
        "user/csv_history1",       "user/csv_history2",
        "user/csv_okiniiri_check", "user/csv_okiniiri_oyako_check",
        "user/csv_okiniiri_junjo", "user/csv_okiniiri_tenkai",
    };
    return staging.count(name) > 0;
}

struct FullDiskCase {
    const char* name;
    // How large a file the process may still write, from the files as they are.
    std::function<rlim_t(const Stores&)> limit;
    std::function<std::string(Stores&)> run;
    const char* expected;
};

rlim_t sizeOf(const fs::path& p) { return static_cast<rlim_t>(fs::file_size(p)); }

const FullDiskCase kFullDisk[] = {
    {"history import", [](const Stores&) { return rlim_t{4096}; },
     [](Stores& s) { return nameOf(s.history.ImportHistory(s.in / "big.csv").status); }, "CannotWriteWorkFile"},
    {"history append", [](const Stores& s) { return sizeOf(s.history.workFile()) + 100; },
     [](Stores& s) { return nameOf(s.history.AppendEntry(test::sampleRecord(40), allActive()).status); },
     "CannotWriteWorkFile"},
    {"favourites import", [](const Stores&) { return rlim_t{4096}; },
     [](Stores& s) { return nameOf(s.favourites.ImportTable(s.in / "big.lmfav").status); }, "CannotWriteWorkFile"},
    {"favourites add", [](const Stores& s) { return sizeOf(s.favourites.workFile()) + 100; },
     [](Stores& s) { return nameOf(s.favourites.AppendFavourite(2, "c", test::sampleRecord(50)).status); },
     "CannotWriteWorkFile"},
    {"favourites rename", [](const Stores& s) { return sizeOf(s.favourites.workFile()) + 100; },
     [](Stores& s) { return nameOf(s.favourites.RenameRow(2, std::string(500, 'n')).status); }, "CannotWriteWorkFile"},
    {"document save", [](const Stores&) { return rlim_t{64}; },
     [](Stores& s) { return nameOf(s.documents.Save(test::sampleRecord(60)).status); }, "CannotWriteWorkFile"},
    {"document save as", [](const Stores&) { return rlim_t{64}; },
     [](Stores& s) { return nameOf(s.documents.SaveAs(s.docs / "b.lmfig", test::sampleRecord(60)).status); },
     "CannotWriteWorkFile"},
};

TEST_F(FaultyFolder, OnAFullDiskKeepsTheOldFilesAndNoTemporaries) {
    const auto stores = filledStores(2);
    Stores& s = *stores;
    for (const FullDiskCase& c : kFullDisk) {
        const rlim_t limit = c.limit(s);
        EXPECT_EQ(inChild({.unprivileged = false, .fileSizeLimit = limit},
                          [&] { return check(s, c.name, c.run, c.expected, stagingFile); }),
                  "")
            << "file size limit " << limit;
    }
}

}  // namespace
}  // namespace lumora
