#pragma once

#include <map>
#include <vector>
#include <wx/string.h>

/// What a simulation plug-in offers, found by loading it the way a theme
/// does (now, not lazily), without building any window.
class Plugin_Probe
{
public:
    /// Looks for the library a theme loads for file, in place: file itself
    /// when it is a library of this system; for a course written for another
    /// platform ("fischlauf.dll"), the same name with this platform's
    /// extension when file is missing or not a library here (a Windows DLL
    /// copied along); otherwise file as it is, if it exists. False when
    /// nothing exists.
    static bool Find_Library(wxString& file);

    /// True when file is a whole library of this platform: loading one cut
    /// short would kill the program when its missing pages are touched.
    static bool Is_Whole_Library(const wxString& file);

    /// The loader's reason with a missing symbol's linker name turned into
    /// the function's name ("undefined symbol: Not_There()").
    static wxString Readable_Reason(const wxString& reason);

    /// Loads the library at file and looks up its exports; the library
    /// stays loaded. False, with Get_Error telling why, when it does not load.
    bool Load(const wxString& file);

    /// The last Load succeeded.
    bool Is_Loaded() const { return m_bLoaded; }

    /// What the loader said when the library did not load.
    const wxString& Get_Error() const { return m_Error; }

    /// The library exports the entry point "SIM_Get_Simulation".
    bool Has_Entry_Point() const { return m_bEntry; }

    /// The library lists its option keys ("SIM_Get_Option_Keys").
    bool Has_Option_Keys() const { return m_bKeys; }

    /// The option keys the library's windows read (empty unless listed).
    const std::vector<wxString>& Get_Option_Keys() const { return m_Keys; }

    /// How the windows read a key that takes a number.
    struct Number
    {
        bool bWhole = false;  ///< as a whole number, else as a decimal
        wxString Default;     ///< what they use when the value is none
    };

    /// The keys read as numbers ("SIM_Get_Option_Numbers"; empty unless listed).
    const std::map<wxString, Number>& Get_Option_Numbers() const { return m_Numbers; }

private:
    bool m_bLoaded = false;
    bool m_bEntry = false;
    bool m_bKeys = false;
    std::vector<wxString> m_Keys;
    std::map<wxString, Number> m_Numbers;
    wxString m_Error;
};
