#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "collections/CDocumentFiles.h"

namespace lumora {
namespace {

class DocumentFilesTest : public test::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        std::filesystem::create_directories(root_ / "docs");
    }
    std::filesystem::path doc(const std::string& name) const { return root_ / "docs" / name; }
};

TEST_F(DocumentFilesTest, StartsUntitledAndSaveNeedsAPath) {
    CDocumentFiles d(folder_);
    EXPECT_EQ(d.windowTitle(), "無題 - LumoraFree");
    EXPECT_FALSE(d.saved());
    EXPECT_EQ(d.Save(test::sampleRecord()).status, DocumentStatus::NeedsPath);
}

TEST_F(DocumentFilesTest, SaveAsWritesTheLineAndTakesTheTitle) {
    CDocumentFiles d(folder_);
    FigureRecord r = test::sampleRecord();
    r[FigureRecord::Param1] = -12;
    ASSERT_TRUE(d.SaveAs(doc("a.b.lmfig"), r).ok());
    EXPECT_EQ(readPath(doc("a.b.lmfig")), writeDocumentLine(r));
    EXPECT_EQ(read("lumora"), writeDocumentLine(r));
    EXPECT_EQ(d.documentTitle(), "a.b");
    EXPECT_EQ(d.windowTitle(), "a.b - LumoraFree");
    EXPECT_TRUE(d.saved());
    r[FigureRecord::Param1] = 5;
    ASSERT_TRUE(d.Save(r).ok());
    EXPECT_EQ(readPath(doc("a.b.lmfig")), writeDocumentLine(r));
}

TEST_F(DocumentFilesTest, SaveThatCannotWriteKeepsTitleAndFlag) {
    CDocumentFiles d(folder_);
    const DocumentResult r = d.SaveAs(root_ / "no such folder" / "x.lmfig", test::sampleRecord());
    EXPECT_EQ(r.status, DocumentStatus::CannotWriteTarget);
    EXPECT_FALSE(d.saved());
    EXPECT_EQ(d.documentTitle(), "無題");
    EXPECT_FALSE(CDocumentFiles::messageFor(r.status).empty());
}

TEST_F(DocumentFilesTest, OpenReadsTheCheckedRecord) {
    const FigureRecord r = test::sampleRecord(7);
    std::ofstream(doc("fig.lmfig"), std::ios::binary) << "// a comment\r\n"
                                                      << writeDocumentLine(r) << "anything after\r\n";
    CDocumentFiles d(folder_);
    const DocumentResult res = d.Open(doc("fig.lmfig"));
    ASSERT_TRUE(res.ok());
    ASSERT_TRUE(res.record);
    EXPECT_EQ((*res.record)[FigureRecord::Param1 + 3], r[FigureRecord::Param1 + 3]);
    EXPECT_EQ(read("lumora_yomi"), readPath(doc("fig.lmfig")));
    EXPECT_EQ(d.windowTitle(), "fig - LumoraFree");
    EXPECT_TRUE(d.saved());
}

TEST_F(DocumentFilesTest, AFailedOpenChangesNothingSoSaveCannotOverwriteIt) {
    CDocumentFiles d(folder_);
    ASSERT_TRUE(d.SaveAs(doc("mine.lmfig"), test::sampleRecord(1)).ok());
    const std::string bad = writeDocumentLine(test::sampleRecord(2)).substr(0, 20) + "\r\n";
    const std::string cases[] = {"", "// only\r\n", bad, "1,2,3\r\n"};
    for (const auto& content : cases) {
        std::ofstream(doc("bad.lmfig"), std::ios::binary | std::ios::trunc) << content;
        const DocumentResult res = d.Open(doc("bad.lmfig"));
        EXPECT_EQ(res.status, DocumentStatus::NotADocument);
        EXPECT_EQ(CDocumentFiles::messageFor(res.status), "ファイルが開けません");
        EXPECT_EQ(d.documentTitle(), "mine");
        EXPECT_EQ(d.documentPath(), doc("mine.lmfig"));
    }
    const DocumentResult missing = d.Open(doc("missing.lmfig"));
    EXPECT_EQ(missing.status, DocumentStatus::CannotRead);
    EXPECT_EQ(read("lumora_yomi"), "");
    ASSERT_TRUE(d.Save(test::sampleRecord(3)).ok());
    EXPECT_EQ(readPath(doc("bad.lmfig")), "1,2,3\r\n");
}

TEST_F(DocumentFilesTest, AReadCopyThatCannotBeMadeIsReportedNotFatal) {
    std::filesystem::create_directories(path("lumora_yomi") / "blocked");
    std::ofstream(doc("fig.lmfig"), std::ios::binary) << writeDocumentLine(test::sampleRecord());
    CDocumentFiles d(folder_);
    EXPECT_EQ(d.Open(doc("fig.lmfig")).status, DocumentStatus::CannotOpenWorkFile);
    EXPECT_EQ(d.documentTitle(), "無題");
}

}  // namespace
}  // namespace lumora
