#include "activities/Answer_Code.h"

Answer_Code Parse_Answer_Code(const wxString& value)
{
    Answer_Code code;
    const int colon = value.Find(':');
    wxString marker;
    if (colon == 1)
    {
        marker = value.Left(1);
        code.Label = value.Mid(2);
    }
    else if (colon == wxNOT_FOUND && value.length() == 1)
    {
        marker = value;
    }
    else
    {
        // An empty or longer prefix is no marker: the pupil sees it all.
        code.Label = value;
        return code;
    }
    code.Marked = true;
    code.Correct = marker.IsSameAs("1", false);
    return code;
}

bool Is_Picture_Label(const wxString& label)
{
    return label.Contains("IMAGE:");
}

wxString Get_Picture_Name(const wxString& label)
{
    const int colon = label.Find(':');
    return colon == wxNOT_FOUND ? wxString() : label.Mid(colon + 1);
}
