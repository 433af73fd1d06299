#include "host/spreadsheet/cell_area.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "host/error.h"

namespace gridkit::host {
namespace {

struct ReferenceCase {
  std::string reference;
  CellArea area;
  std::string canonical;  // the reference text of the area
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
  *os << c.reference;
}

class ParseReferenceTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ParseReferenceTest, ParsesCellsRangesAndWholeColumns) {
  const ReferenceCase& c = GetParam();
  const CellArea area = ParseReference(c.reference);
  EXPECT_EQ(area, c.area) << c.reference;
  EXPECT_EQ(ReferenceText(area), c.canonical) << c.reference;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseReferenceTest,
    ::testing::Values(ReferenceCase{"B7", CellArea::Cell(7, 2), "B7"},
                      ReferenceCase{"b7", CellArea::Cell(7, 2), "B7"},
                      ReferenceCase{"$B$7", CellArea::Cell(7, 2), "B7"},
                      ReferenceCase{"$B7", CellArea::Cell(7, 2), "B7"},
                      ReferenceCase{"B$7", CellArea::Cell(7, 2), "B7"},
                      ReferenceCase{"B7:B7", CellArea::Cell(7, 2), "B7"},
                      ReferenceCase{"B7:D9", CellArea{7, 2, 9, 4, false}, "B7:D9"},
                      ReferenceCase{"$B$7:$D$9", CellArea{7, 2, 9, 4, false}, "B7:D9"},
                      // reversed corners name the same range
                      ReferenceCase{"D9:B7", CellArea{7, 2, 9, 4, false}, "B7:D9"},
                      ReferenceCase{"B9:D7", CellArea{7, 2, 9, 4, false}, "B7:D9"},
                      ReferenceCase{"b:b", CellArea::Columns(2, 2), "B:B"},
                      ReferenceCase{"B:D", CellArea::Columns(2, 4), "B:D"},
                      ReferenceCase{"D:B", CellArea::Columns(2, 4), "B:D"},
                      ReferenceCase{"$A:$C", CellArea::Columns(1, 3), "A:C"},
                      ReferenceCase{"AA10", CellArea::Cell(10, 27), "AA10"},
                      ReferenceCase{"XFD1048576", CellArea::Cell(kLastSheetRow, 16384),
                                    "XFD1048576"}));

class BadReferenceTest : public ::testing::TestWithParam<std::string> {};

TEST_P(BadReferenceTest, RaisesApplicationDefinedError) {
  try {
    ParseReference(GetParam());
    ADD_FAILURE() << "\"" << GetParam() << "\" did not raise";
  } catch (const Error& error) {
    EXPECT_EQ(error.Number(), err::kApplicationDefined) << GetParam();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadReferenceTest,
                         ::testing::Values("A:", ":A", ":", "", "7", "A0", "A00", "B7:C", "B:C7",
                                           "XFE1", "A1048577", "A1:", "A 1", " A1", "A1 ", "A1B",
                                           "A-1", "$$A1", "A$", "A1:B2:C3", "A99999999999",
                                           "AAAA1"));

}  // namespace
}  // namespace gridkit::host
