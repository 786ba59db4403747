#include "tests/support/Html_Inspection.h"

#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>

namespace
{
    void Collect(const wxHtmlCell* cell, std::vector<wxString>& links)
    {
        // Words of one link are cells of their own; count each link once.
        for (; cell; cell = cell->GetNext())
        {
            if (cell->GetFirstChild())
                Collect(cell->GetFirstChild(), links);
            else if (wxHtmlLinkInfo* link = cell->GetLink())
                if (links.empty() || links.back() != link->GetHref())
                    links.push_back(link->GetHref());
        }
    }
}

std::vector<wxString> Page_Links(wxHtmlWindow* window)
{
    std::vector<wxString> links;
    if (window && window->GetInternalRepresentation())
        Collect(window->GetInternalRepresentation(), links);
    return links;
}

wxString Page_Text(wxHtmlWindow* window)
{
    // Blocks come out with blank lines around them; one line break each is
    // enough to compare.
    wxString text = window ? window->ToText() : wxString();
    while (text.Replace("\n\n", "\n"))
        ;
    return text.Trim(true).Trim(false);
}
