#pragma once

#include <vector>
#include <wx/string.h>

/// A reference an HTML page makes to another file or page: the value of an
/// href or src attribute.
struct Html_Reference
{
    wxString Attribute;  ///< "href" or "src", in lower case
    wxString Value;      ///< as the toolkit reads it: entities decoded, quotes removed
    int Line = 0;        ///< 1-based line of the attribute in the text
};

/// Finds every href and src attribute in the tags of an HTML text, in text
/// order. Attribute names compare ignoring case; values may be quoted with
/// double or single quotes or not at all. Comments are passed over.
std::vector<Html_Reference> Find_Html_References(const wxString& html);
