#pragma once
// A flexible grid from a JSON grid description:
//
//   { "rows": 3, "cols": 2, "fixedRows": 1,
//     "cells": [["Name", "Amount"], ["Tea", "12.50"], ["Total", "12.50"]],
//     "colWidth": [1200, 960], "colAlignment": [1, 7],
//     "mergeRow": [false, false, false], "mergeCol": [true, false],
//     "cellStyle": [{"row": 2, "col": 0, "bold": true, "foreColor": 255}],
//     "font": {"name": "Arial", "size": 8}, "foreColor": 0 }
//
// Every key is optional: rows and cols default to the size of "cells",
// fixedRows to 1 (0 for a grid without rows), columns are 960 twips wide
// with alignment 9 (general), nothing is merged or formatted, the font is
// Arial 8 and the grid's colour is the window text colour.

#include <string>

#include "host/grid/flex_grid_model.h"

namespace gridkit::cli {

// Raises InputError, naming the file and the offending key, when the file
// cannot be read or does not describe a grid.
host::FlexGridModel LoadGridJson(const std::string& path);

}  // namespace gridkit::cli
