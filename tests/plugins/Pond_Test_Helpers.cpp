#include "tests/plugins/Pond_Test_Helpers.h"

#include "simframe/src/Tirsal_Testing.h"
#include "tests/support/Gui_Helpers.h"

#include <algorithm>
#include <cstdlib>
#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/stattext.h>

namespace
{
    using Entry = CSim_Window* (*)(wxWindow* parent, const wxString& options);

    std::string Rgb(const wxColour& colour)
    {
        return std::to_string(colour.Red()) + "," + std::to_string(colour.Green()) + "," +
               std::to_string(colour.Blue());
    }

    std::string Text(const wxString& text)
    {
        return std::string(text.utf8_str());
    }

    template <class Event>
    void Send(wxWindow* control, Event event)
    {
        event.SetEventObject(control);
        control->GetEventHandler()->ProcessEvent(event);
    }
}

const std::string Pond_Plugin_Test::Log_Header =
    "Aufzeichung der Aktivit\xE4ten\nDatum: 2024-03-05\nUhrzeit\tAktivtit\xE4t\tWert\n\n";

void Pond_Plugin_Test::SetUp()
{
    Tirsal_Reset_Activity_Merge();
    Tirsal_Set_Clock(wxDateTime(5, wxDateTime::Mar, 2024, 10, 0, 0));
    m_pFrame = new wxFrame(nullptr, wxID_ANY, "Thema", wxDefaultPosition, wxSize(1100, 800));
    m_pFrame->Show();
}

void Pond_Plugin_Test::TearDown()
{
    for (CSim_Window* window : m_Windows)
        delete window;
    m_Windows.clear();
    Process_Events();
    if (m_Library.IsLoaded())
        m_Library.Unload();
    m_pFrame->Destroy();
    Tirsal_Reset_Activity_Merge();
}

void Pond_Plugin_Test::Load(const char* path)
{
    ASSERT_TRUE(m_Library.Load(path, wxDL_NOW)) << path;
}

CSim_Window* Pond_Plugin_Test::Make(const wxString& options, bool shown)
{
    Entry entry = reinterpret_cast<Entry>(m_Library.GetSymbol("SIM_Get_Simulation"));
    if (!entry)
    {
        ADD_FAILURE() << "no entry point";
        return nullptr;
    }
    CSim_Window* window = entry(m_pFrame, options);
    if (!window)
        return nullptr;
    m_Windows.push_back(window);
    window->Show(shown);
    window->SetSize(m_pFrame->GetClientSize());
    Process_Events();
    return window;
}

void Pond_Plugin_Test::Destroy(CSim_Window* window)
{
    m_Windows.erase(std::remove(m_Windows.begin(), m_Windows.end(), window), m_Windows.end());
    delete window;
}

std::vector<std::string> Column(wxWindow* window)
{
    std::vector<std::string> lines;
    for (wxWindow* child : window->GetChildren())
    {
        if (wxButton* button = dynamic_cast<wxButton*>(child))
            lines.push_back("button " + Text(button->GetLabel()));
        else if (wxStaticText* label = dynamic_cast<wxStaticText*>(child))
            lines.push_back("label " + Text(label->GetLabel()) + " " + Rgb(label->GetForegroundColour()));
        else if (CSim_SpinCtrl* spin = dynamic_cast<CSim_SpinCtrl*>(child))
            lines.push_back("spin " + std::to_string(spin->GetValue()));
        else if (wxChoice* choice = dynamic_cast<wxChoice*>(child))
            lines.push_back("choice " + Text(choice->GetStringSelection()));
        else if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(child))
            lines.push_back("check " + Text(box->GetLabel()) + (box->GetValue() ? " on " : " off ") +
                            Rgb(box->GetForegroundColour()));
        else if (dynamic_cast<wxPanel*>(child))
            lines.push_back("plot");
    }
    return lines;
}

std::vector<CSim_SpinCtrl*> Spin_Controls(wxWindow* window)
{
    std::vector<CSim_SpinCtrl*> spins;
    for (wxWindow* child : window->GetChildren())
        if (CSim_SpinCtrl* spin = dynamic_cast<CSim_SpinCtrl*>(child))
            spins.push_back(spin);
    return spins;
}

void Spin_To(CSim_SpinCtrl* spin, int value)
{
    spin->SetValue(value);
    wxSpinEvent event(wxEVT_SPINCTRL, spin->GetId());
    event.SetPosition(value);
    Send(spin, event);
}

void Choose(wxChoice* choice, int selection)
{
    choice->SetSelection(selection);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetInt(selection);
    Send(choice, event);
}

void Tick(wxCheckBox* box, bool value)
{
    box->SetValue(value);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetInt(value);
    Send(box, event);
}

wxImage Paint(const wxSize& size, const std::function<void(wxDC&)>& paint)
{
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        paint(dc);
    }
    return bitmap.ConvertToImage();
}

namespace
{
    bool Matches(const wxImage& image, int x, int y, const wxColour& colour)
    {
        if (x < 0 || y < 0 || x >= image.GetWidth() || y >= image.GetHeight())
            return false;
        const int tolerance = 24;
        return std::abs(image.GetRed(x, y) - colour.Red()) <= tolerance &&
               std::abs(image.GetGreen(x, y) - colour.Green()) <= tolerance &&
               std::abs(image.GetBlue(x, y) - colour.Blue()) <= tolerance;
    }
}

bool Colour_Near(const wxImage& image, int x, int y, const wxColour& colour, int radius)
{
    for (int dy = -radius; dy <= radius; dy++)
        for (int dx = -radius; dx <= radius; dx++)
            if (Matches(image, x + dx, y + dy, colour))
                return true;
    return false;
}

int Count_Colour(const wxImage& image, const wxRect& rect, const wxColour& colour)
{
    int count = 0;
    for (int y = rect.y; y < rect.GetBottom() + 1; y++)
        for (int x = rect.x; x < rect.GetRight() + 1; x++)
            count += Matches(image, x, y, colour);
    return count;
}

int Count_Ink(const wxImage& image, const wxRect& rect)
{
    int count = 0;
    for (int y = rect.y; y < rect.GetBottom() + 1; y++)
        for (int x = rect.x; x < rect.GetRight() + 1; x++)
            count += std::min({image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}) < 200;
    return count;
}
