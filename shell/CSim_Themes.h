#pragma once

#include <wx/string.h>

class wxWindow;
class CSim_Config;
class CSim_Glossar;
class CSim_Reflections;
class CSim_Selftest;
class Theme_Entry;

/// The course described by one theme file: its title, the process-wide
/// exercise settings and default time-out, the optional glossary, self-test
/// and reflection aid, and the tree of themes. Every window it creates has
/// the main window as parent and goes with it; the catalogue owns the tree
/// of theme entries, and the glossary while it is no window yet.
class CSim_Themes
{
public:
    /// Reads the whole theme file at path.
    CSim_Themes(wxWindow* parent, const wxString& path);
    virtual ~CSim_Themes();

    /// Selects the first glossary page whose title equals text ignoring
    /// case; true if there was one. Needs a glossary.
    bool Show_Glossar_Entry(const wxString& text);

    const wxString& Get_Name() const { return m_Name; }
    Theme_Entry* Get_Root() const { return m_pRoot; }
    CSim_Glossar* Get_Glossar() const { return m_pGlossar; }
    CSim_Selftest* Get_Selftest() const { return m_pSelftest; }
    CSim_Reflections* Get_Reflections() const { return m_pReflections; }

private:
    void Read_Settings(CSim_Config& config);
    void Create_Glossar(wxWindow* parent, CSim_Config& config);
    void Create_Selftest(wxWindow* parent, CSim_Config& config);
    void Create_Reflections(wxWindow* parent, CSim_Config& config);

    wxString m_Name;
    Theme_Entry* m_pRoot;
    CSim_Glossar* m_pGlossar;
    CSim_Selftest* m_pSelftest;
    CSim_Reflections* m_pReflections;
};
