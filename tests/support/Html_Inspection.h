#pragma once

#include <vector>
#include <wx/string.h>

class wxHtmlWindow;

/// The link targets of the page an HTML window shows, in page order.
std::vector<wxString> Page_Links(wxHtmlWindow* window);

/// The text of the page an HTML window shows, blocks separated by one line
/// break, without leading or trailing white space.
wxString Page_Text(wxHtmlWindow* window);
