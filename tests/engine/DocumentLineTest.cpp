// Writing and reading the one-line figure document, and the lenient field reader.
#include <gtest/gtest.h>

#include <climits>

#include "EngineFixture.h"
#include "engine/TextFields.h"

namespace lumora {
namespace {

TEST(TextFields, AtoiLikeReading) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"12", 12},
        {" 12", 12},
        {"12a", 12},
        {"a", 0},
        {"", 0},
        {"-7", -7},
        {"+7", 7},
        {"\t\r\n-0", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999999", INT_MAX},
        {"- 5", 0},
        {"1 2", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(atoiClamped(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(atoiClamped(std::string(10'000'000, '9')), INT_MAX);
}

TEST(TextFields, FieldsAndLines) {
    EXPECT_EQ(splitFields("a,b,").size(), 3u);
    EXPECT_EQ(splitFields("").size(), 1u);
    EXPECT_EQ(splitFields(",,").size(), 3u);
    const auto lines = splitLines("one\r\ntwo\n\rthree\r");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], "two");
    EXPECT_EQ(lines[2], "\rthree\r");  // a CR only goes when an LF follows it
    EXPECT_TRUE(splitLines("").empty());
}

TEST(DocumentLine, WritesSixtySevenValuesAndTheirWrappingSum) {
    FigureRecord r;
    r[0] = -5;
    r[2] = INT_MAX;
    r[3] = 10;
    r[67] = 1;  // lock20 is not stored
    const std::string line = writeDocumentLine(r);
    EXPECT_EQ(line.substr(0, 19), "-5,0,2147483647,10,");
    EXPECT_EQ(line.substr(line.size() - 14), ",-2147483644\r\n");
    EXPECT_EQ(splitFields(line.substr(0, line.size() - 2)).size(), 68u);
}

TEST(DocumentLine, ReadsBackWhatItWrites) {
    FigureRecord r = test::defaultRecord(5, 1);
    r[FigureRecord::Lock1 + 3] = 1;
    const DocumentReadResult back = readDocument(writeDocumentLine(r));
    ASSERT_TRUE(back.record);
    for (int i = 0; i < 67; ++i) EXPECT_EQ((*back.record)[i], r[i]) << i;
    EXPECT_EQ((*back.record)[67], 0);
    EXPECT_EQ((*back.record)[68], recordSum(*back.record));
}

TEST(DocumentLine, LenientReading) {
    const std::string good = writeDocumentLine(test::defaultRecord(0, 0));
    const std::string data = good.substr(0, good.size() - 2);
    struct Case {
        const char* what;
        std::string content;
        bool accepted;
        DocumentRefusal refusal;
    };
    std::string spaced = data;
    spaced.replace(0, 1, " 0");
    std::string lettered = data;
    lettered.replace(0, 1, "0x");
    std::string letter = data;
    letter.replace(0, 4, "a,1,");  // category 0 -> a (reads 0), formula 0 -> 1: sum breaks
    const Case cases[] = {
        {"plain", good, true, {}},
        {"no line end", data, true, {}},
        {"comment first", "// made by hand\r\n" + good, true, {}},
        {"comment inside a line", "12,13 // x\n" + good, true, {}},
        {"later lines ignored", good + "garbage,,,\n\n", true, {}},
        {"space before a number", spaced, true, {}},
        {"letter after a number", lettered, true, {}},
        {"empty file", "", false, DocumentRefusal::NoDataLine},
        {"only comments", "//a\n//b", false, DocumentRefusal::NoDataLine},
        {"trailing comma", data + ",", false, DocumentRefusal::FieldCount},
        {"empty first line", "\r\n" + good, false, DocumentRefusal::FieldCount},
        {"checksum off by one", data.substr(0, data.rfind(',')) + ",1", false, DocumentRefusal::Checksum},
        {"letter field", letter, false, DocumentRefusal::Checksum},
        {"history line (69 fields)", data + ",0", false, DocumentRefusal::FieldCount},
    };
    for (const auto& c : cases) {
        const DocumentReadResult r = readDocument(c.content);
        EXPECT_EQ(r.record.has_value(), c.accepted) << c.what;
        if (!c.accepted) {
            EXPECT_EQ(r.refusal, c.refusal) << c.what;
        }
    }
}

// A hand-edited negative colour keeps its line's sum valid but reaches the
// record as 24 bits only.
TEST(DocumentLine, ColoursAreTakenAsTwentyFourBits) {
    FigureRecord r = test::defaultRecord(0, 0);
    r[FigureRecord::FgColour] = -1;
    r[FigureRecord::Colour1 + 6] = 0x7F123456;
    const DocumentReadResult back = readDocument(writeDocumentLine(r));
    ASSERT_TRUE(back.record);
    EXPECT_EQ((*back.record)[FigureRecord::FgColour], 0xFFFFFF);
    EXPECT_EQ((*back.record)[FigureRecord::Colour1 + 6], 0x123456);
}

}  // namespace
}  // namespace lumora
