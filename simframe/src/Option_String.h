#pragma once

#include <wx/string.h>

// Lookup in a simulation's option string "KEY=value;KEY=value". Nothing is
// parsed up front: each call scans the whole string for one key.

/// The text of the first value given for key: found by a plain substring
/// search for key + "=", so a longer key or an earlier value that ends with
/// the key shadows it. The value runs to the next ";" or the end. False, with
/// value untouched, when the key is absent, empty, or its value is empty.
/// Bytes of the key above 127 are read as UTF-8 when they form valid UTF-8,
/// as Windows-1252 otherwise.
bool Find_Option(const wxString& options, const char* key, wxString& value);

/// A whole decimal number filling all of text (leading white space allowed)
/// that fits an int; false with value untouched otherwise.
bool Option_To_Int(const wxString& text, int& value);

/// A finite number in the classic locale (full stop as decimal separator)
/// filling all of text (leading white space allowed); false with value
/// untouched otherwise, also for "nan", "inf" and numbers out of range.
bool Option_To_Double(const wxString& text, double& value);
