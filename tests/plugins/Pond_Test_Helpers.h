#pragma once

// Helpers of the pond plug-in tests: windows made from a loaded module as
// the host makes them, the settings column as a person reads it, events as
// the controls send them, and plots painted into a bitmap.

#include "tirsal/CSim_Window.h"

#include "tests/support/Temp_Dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/dynlib.h>
#include <wx/image.h>
#include <wx/panel.h>

class wxCheckBox;
class wxChoice;
class wxDC;
class wxFrame;

/// Loads a plug-in module and makes its windows in a shown frame. Windows
/// still there at the end are deleted before the module is unloaded.
class Pond_Plugin_Test : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /// Loads the module at path; fails the test when it cannot.
    void Load(const char* path);

    /// A window of the loaded module for options, filling the frame; shown
    /// false keeps it hidden, as a theme's page that is not open.
    CSim_Window* Make(const wxString& options, bool shown = true);

    /// Deletes a window (which writes its log).
    void Destroy(CSim_Window* window);

    /// The log header the framework writes on 5 March 2024.
    static const std::string Log_Header;

    wxFrame* m_pFrame = nullptr;
    wxDynamicLibrary m_Library;
    std::vector<CSim_Window*> m_Windows;
    Temp_Dir m_Dir;
};

/// The plot of a pond window: its one panel child. The class is the
/// plug-in's; its accessors are inline, so they read the loaded module's
/// object directly.
template <class Plot>
Plot* Find_Plot(wxWindow* window)
{
    for (wxWindow* child : window->GetChildren())
        if (wxPanel* panel = dynamic_cast<wxPanel*>(child))
            return static_cast<Plot*>(panel);
    return nullptr;
}

/// The settings column and output of a window, one line per child window
/// in creation order: "button TEXT", "label TEXT R,G,B", "spin N",
/// "choice ITEM", "check TEXT on|off R,G,B", "plot".
std::vector<std::string> Column(wxWindow* window);

/// The spin controls of a window, top to bottom.
std::vector<CSim_SpinCtrl*> Spin_Controls(wxWindow* window);

/// Sets a control as the pupil would and sends the event it sends.
void Spin_To(CSim_SpinCtrl* spin, int value);
void Choose(wxChoice* choice, int selection);
void Tick(wxCheckBox* box, bool value);

/// What paint draws on a white bitmap of size.
wxImage Paint(const wxSize& size, const std::function<void(wxDC&)>& paint);

/// Whether a pixel within radius of (x, y) has about this colour.
bool Colour_Near(const wxImage& image, int x, int y, const wxColour& colour, int radius = 2);

/// How many pixels of rect have about this colour.
int Count_Colour(const wxImage& image, const wxRect& rect, const wxColour& colour);

/// How many pixels of rect are clearly not white (lines, text).
int Count_Ink(const wxImage& image, const wxRect& rect);
