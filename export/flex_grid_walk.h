#pragma once
// Copies a flexible grid into the frame's sheet: fixed rows as bold header
// rows (plain or merged), data rows typed and formatted cell by cell with
// their merged runs, hidden columns packed out, then the column merges.

#include "export/workbook_frame.h"
#include "host/grid/flex_grid.h"

namespace gridkit::sheet {

// A column narrower than this many twips (or as narrow) is hidden.
inline constexpr int32_t kHiddenColumnTwips = 15;

void WalkFlexGrid(host::FlexGrid& grid, WorkbookFrame& frame);

}  // namespace gridkit::sheet
