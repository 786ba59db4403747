#pragma once

#include <wx/string.h>

/// What one answer value of an exercise or self-test file says: whether its
/// box must be ticked, and the text it shows.
struct Answer_Code
{
    bool Correct = false;   ///< the box must be ticked
    bool Marked = false;    ///< the value begins with a solution marker
    wxString Label;         ///< the text after the marker, or the whole value
};

/// Splits an answer value at its first colon. A one-character part before it
/// is the solution marker ("1" means correct, any other character not) and
/// the rest is the label; a single character without a colon is a marker with
/// an empty label. Any other value is all label and not correct.
Answer_Code Parse_Answer_Code(const wxString& value);

/// True when a self-test answer label asks for a picture: it contains
/// "IMAGE:" (case-sensitive) anywhere.
bool Is_Picture_Label(const wxString& label);

/// The picture name of a self-test answer label: what follows the label's
/// first colon, empty when it has none.
wxString Get_Picture_Name(const wxString& label);
