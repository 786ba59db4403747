#include "activities/Static_Label.h"

#include <wx/stattext.h>
#include <wx/textwrapper.h>

namespace
{
    class Line_Joiner : public wxTextWrapper
    {
    public:
        wxString Text;

    protected:
        void OnOutputLine(const wxString& line) override { Text += line; }
        void OnNewLine() override { Text += '\n'; }
    };
}

wxStaticText* New_Static_Label(wxWindow* parent, const wxString& text)
{
    wxStaticText* label = new wxStaticText(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0);
    label->SetLabel(text);
    return label;
}

wxString Wrapped_Text(wxWindow* window, const wxString& text, int width)
{
    Line_Joiner joiner;
    joiner.Wrap(window, text, width);
    return joiner.Text;
}
