// The twenty default figures against stored vectors: every point, colour and
// the extent, bit for bit.
#include <gtest/gtest.h>

#include <cstdio>

#include "EngineFixture.h"
#include "engine/FormulaCatalogue.h"
#include "engine/PointListing.h"
#include "tests/support/DataFiles.h"
#include "tests/support/Sha256.h"

namespace lumora {
namespace {

struct Golden {
    int category, formula;
    std::string name, lmfig;
    int points;
    std::string sha256;
    std::string extent[4];
};

std::vector<Golden> loadGolden() {
    std::vector<Golden> out;
    for (const auto& f : test::readTsv(std::string(LUMORA_TEST_DATA) + "/figures.tsv"))
        out.push_back({std::stoi(f[0]), std::stoi(f[1]), f[2], f[3], std::stoi(f[4]), f[5], {f[6], f[7], f[8], f[9]}});
    return out;
}

std::string g17(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

class GoldenFigure : public ::testing::TestWithParam<int> {};

TEST_P(GoldenFigure, PointsColoursAndExtentMatch) {
    static const std::vector<Golden> golden = loadGolden();
    ASSERT_EQ(golden.size(), 20u);
    const Golden& g = golden[static_cast<std::size_t>(GetParam())];
    EXPECT_EQ(FormulaCatalogue::formulaName(g.category, g.formula), g.name);

    // The stored line is exactly what the default panes write.
    EXPECT_EQ(writeDocumentLine(test::defaultRecord(g.category, g.formula)), g.lmfig + "\r\n");

    const DocumentReadResult doc = readDocument(g.lmfig);
    ASSERT_TRUE(doc.record.has_value());
    DrawState& st = test::sharedState();
    ASSERT_EQ(draw(test::inputsFor(*doc.record), st), DrawOutcome::Drawn);
    EXPECT_EQ(st.points.count, g.points);
    EXPECT_EQ(test::sha256Hex(pointListing(st)), g.sha256);
    EXPECT_EQ(g17(st.extent.minX), g.extent[0]);
    EXPECT_EQ(g17(st.extent.maxX), g.extent[1]);
    EXPECT_EQ(g17(st.extent.minY), g.extent[2]);
    EXPECT_EQ(g17(st.extent.maxY), g.extent[3]);
}

INSTANTIATE_TEST_SUITE_P(AllFormulas, GoldenFigure, ::testing::Range(0, 20));

}  // namespace
}  // namespace lumora
