#pragma once

// The controls the Add_* operations return, whole, so that a plug-in can
// use them and bind their events with this header alone.
#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/colour.h>
#include <wx/scrolwin.h>
#include <wx/string.h>

#include "tirsal/CSim_Slider.h"
#include "tirsal/CSim_SpinCtrl.h"
#include "tirsal/Tirsal_Export.h"

class wxStaticBoxSizer;

/// The base of every simulation window. A plug-in derives its window from
/// it and, in its own constructor, reads its parameters with Get_Option,
/// fills the settings column (framed "Einstellungen", left) with the Add_*
/// operations in display order and places its drawing windows in the output
/// area (framed "Ausgabe", the rest of the space) with Add_Output. Control
/// events reach the derived window's own event table; the base handles none
/// and logs nothing by itself.
///
/// The host program only creates the window through the plug-in's
/// SIM_Get_Simulation, calls Set_Log_File and Stop_Execution, and destroys it
/// with its notebook page, before it unloads the plug-in.
class TIRSAL_API CSim_Window : public wxScrolledWindow
{
public:
    /// Creates the empty two-area layout as a child of parent and keeps the
    /// option string as given.
    CSim_Window(wxWindow* parent, const wxString& options);

    /// Writes the activity log to its file, if one was set (see
    /// Set_Log_File); the controls go with the window.
    virtual ~CSim_Window();

    /// Starts the activity log for path: anything recorded before is
    /// dropped and a header with today's date begins the record. An earlier
    /// run found at path (a log with activity lines) is first kept beside it
    /// as <stem>-<YYYY-MM-DD_HH-MM-SS><ext>; the file then holds the new
    /// record as it grows and is written whole when the window is destroyed
    /// (an unwritable path is skipped silently). False for an empty path,
    /// which changes nothing.
    bool Set_Log_File(const wxString& path);

    /// Stops whatever the simulation runs by itself (timers, stepping). The
    /// host calls it often, also while nothing runs, so an override must be
    /// harmless then. Does nothing here.
    virtual void Stop_Execution();

protected:
    // The settings column. Each control is a child of this window, appended
    // below the ones added before; the window owns it, the returned pointer
    // is for use, never for delete. Choices, sliders and spin controls get a
    // label above them, in the colour of Set_Ctrl_Color.

    /// A button with the given label, identifier and size; it keeps the
    /// toolkit's colours.
    wxButton* Add_Button(const wxString& label, int id, const wxSize& size);

    /// A left-aligned check box, ticked when value is true; its text takes
    /// the label colour.
    wxCheckBox* Add_CheckBox(const wxString& label, bool value, int id);

    /// A labelled choice of items with selection chosen (wxNOT_FOUND for
    /// none).
    wxChoice* Add_Choice(const wxString& label, const wxArrayString& items, int selection, int id);

    /// A labelled slider over min..max (always 101 steps), width pixels wide.
    /// With percent, value is given as a percentage of the range (used
    /// unchanged unless max > min).
    CSim_Slider* Add_Slider(const wxString& label, double value, double min, double max,
                            bool percent, int id, int width);

    /// A labelled spin control over min..max, width pixels wide: with
    /// percent it counts 0 to 100 over the range, otherwise it shows the
    /// value itself as a whole number.
    CSim_SpinCtrl* Add_SpinCtrl(const wxString& label, double value, double min, double max,
                                bool percent, int id, int width);

    /// Empty space of size by size pixels.
    void Add_Spacer(int size);

    /// Gives output, a child window of this one, all of the output area.
    /// Always true.
    bool Add_Output(wxWindow* output);

    /// Stacks two child windows in the output area, sharing its height in
    /// the ratio proportion_first to proportion_second. Always true.
    bool Add_Output(wxWindow* first, wxWindow* second, int proportion_first, int proportion_second);

    /// The label colour for controls added from now on (black at first);
    /// controls that exist keep theirs.
    void Set_Ctrl_Color(wxColour colour);

    // The option string "KEY=value;KEY=value" handed to the constructor. A
    // key is found by plain text search for key + "=": the first occurrence
    // wins, also inside a longer key or an earlier value (B is found in
    // "AB=1;B=2" as 1), case and spaces count. A value runs to the next ";".
    // All three return false and leave value untouched when the key is
    // missing or its value is empty or not a number, so preload the default.

    /// The text of the value.
    bool Get_Option(const char* key, wxString& value) const;

    /// A whole decimal number (leading spaces allowed, nothing after it).
    bool Get_Option(const char* key, int& value) const;

    /// A finite number with a full stop as decimal separator (leading spaces
    /// allowed, nothing after it).
    bool Get_Option(const char* key, double& value) const;

    /// Records what the pupil did: a line with the time, the activity and
    /// the value, once Set_Log_File was called (nothing before; an empty
    /// activity is ignored). The same activity reported again less than two
    /// seconds after the last report of any simulation window replaces this
    /// window's last line, if that line is of the same activity, so that a
    /// dragged slider leaves one line with its final value.
    void Log_Activity(const wxString& activity, const wxString& value);

private:
    wxColour m_Ctrl_Color;
    wxStaticBoxSizer* m_pSettings;
    wxStaticBoxSizer* m_pOutput;
    wxString m_Options;
    wxString m_Log_File;
    wxArrayString m_Log;

    wxDECLARE_EVENT_TABLE();
};
