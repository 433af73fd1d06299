#pragma once
// Writes a grid text into a data cell so that the sheet shows it typed: a
// number in the shape #0, #0.0, #0.00 or #0.000 gets the matching grouped
// format, a date gets d-MM-yyyy, everything else is written as it stands.

#include <string_view>

#include "host/regional/regional_settings.h"
#include "host/spreadsheet/worksheet.h"

namespace gridkit::sheet {

void WriteTypedCell(host::Range cell, std::string_view text,
                    const host::RegionalSettings& regional);

// Whether a text reads as a number: optional surrounding blanks and sign,
// digits, optional thousands commas, decimal point and exponent.
bool ReadsAsNumber(std::string_view text);

}  // namespace gridkit::sheet
