#pragma once

#include <memory>
#include <vector>
#include <wx/dialog.h>

class wxScrolledWindow;
class wxSizer;
class wxTextCtrl;
class CSim_Config;
class CSim_Reflection;

/// Command identifier of the "Beenden" button.
enum { ID_REFLECTIONS_END = 6120 };

/// The reflection questionnaire ("Reflektionshilfe"): a full-screen modal
/// dialog with one panel per topic of the reflection file. It is built once
/// and kept, so answers stay between openings; it writes them to the answers
/// file when it is destroyed.
class CSim_Reflections : public wxDialog
{
public:
    /// Builds the dialog from the reflection file; without a readable file
    /// it has no topics.
    CSim_Reflections(wxWindow* parent, const wxString& file);
    /// Writes the answers file.
    virtual ~CSim_Reflections();

    int Get_Item_Count() const { return m_nItems; }
    /// The topic's panel; the panels are made when the dialog is first
    /// opened, or here when one is asked for before.
    CSim_Reflection* Get_Item(int index);
    /// The resolved answers file, empty when the reflection file names none.
    const wxString& Get_Log_File() const { return m_Log_File; }

    /// The text of the answers file for the current ratings and explanations.
    wxString Get_Answers();

    /// Replaces the answers file (Windows-1252 bytes); the first time in a
    /// run the answers of an earlier run are kept beside it. False when there
    /// is no answers file or it cannot be written, which the status bar and
    /// standard error tell until a later write succeeds.
    bool Write_Answers();

    /// A borderless, read-only, wrapping text block, at least 100 pixels wide
    /// and height pixels high.
    static wxTextCtrl* Create_Info_Text(wxWindow* parent, const wxString& text, int point_size,
                                        bool bold, int height);

protected:
    void On_End(wxCommandEvent& event);
    void On_Init(wxInitDialogEvent& event);
    void On_Size(wxSizeEvent& event);

private:
    void Build_Topics();

    int m_nItems;
    int m_Min_Length;
    std::vector<CSim_Reflection*> m_pItems;
    wxString m_Log_File;
    wxString m_Min_Prompt;
    bool m_bFile_Taken;  // this run has written the answers file
    // The reflection file as read at start, until the content is made.
    std::unique_ptr<CSim_Config> m_pUnbuilt;
    wxScrolledWindow* m_pArea;

    wxDECLARE_EVENT_TABLE();
};
