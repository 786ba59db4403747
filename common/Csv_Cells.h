#pragma once

// Cells of the CSV files the program writes for German spreadsheets: fields
// separated by ";", a decimal comma, Windows-1252 bytes.

#include <string>
#include <wx/string.h>

/// A value with six decimals after a comma, no thousands separators,
/// whatever the locale. Empty for infinity or not-a-number, for which a
/// spreadsheet has no number.
std::string Csv_Number(double value);

/// A value rounded to 15 significant digits, in as few digits as read back
/// to that, with a comma: whole numbers stay whole ("12"), halves get one
/// decimal ("0,5"), and 3 × 0.1 is "0,3", not its binary noise.
std::string Csv_Short_Number(double value);

/// A text field as Windows-1252 bytes; one that holds ";", a quote or a line
/// break is quoted, its quotes doubled, so that it cannot break the row.
std::string Csv_Text(const wxString& text);
