#include "tirsal/CSim_Window.h"

#include "common/Clock.h"
#include "common/Record_File.h"
#include "common/Record_Keeping.h"
#include "common/Scroll_Page.h"
#include "common/Text_Codec.h"
#include "simframe/src/Activity_Log.h"
#include "simframe/src/Option_String.h"
#include "simframe/src/Tirsal_Testing.h"
#include "simframe/src/Value_Mapping.h"

#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace
{
    // Shared by every simulation window of the process: a series of one
    // activity is merged across windows, timed from the last report.
    Activity_Merge_State s_Merge;

    // One file that one or more windows log into (themes may name the same
    // Simulation_Log): one header, then the lines of all its windows in the
    // order they came. It grows entry by entry, so that a crash loses
    // nothing recorded before it.
    struct Shared_Log
    {
        Record_File File;
        bool bKnown = false;  // the file's identity below was found
        dev_t Device = 0;
        ino_t Inode = 0;
        int nWindows = 0;       // windows and holds of the host
        bool bWritten = false;  // a line was logged
    };

    // What each window with a log file keeps besides its members: its file
    // and the entry of its last line with that line's activity. Kept here
    // rather than in the window so that the window's layout, which plug-ins
    // are compiled against, stays fixed.
    struct Window_Record
    {
        Shared_Log* pLog = nullptr;
        int Last_Line = -1;
        wxString Last_Activity;
    };
    // Never destroyed: window destructors reach them, also late at exit.
    std::map<const CSim_Window*, Window_Record>& s_Records = *new std::map<const CSim_Window*, Window_Record>;
    std::vector<std::unique_ptr<Shared_Log>>& s_Logs = *new std::vector<std::unique_ptr<Shared_Log>>;

    // The log already open at path (by name, or the same file by another
    // name), or a new one, for which an earlier run there is kept first.
    Shared_Log* Join_Log(const wxString& path, const wxDateTime& now)
    {
        struct stat st;
        const bool found = stat(path.fn_str(), &st) == 0;
        for (const std::unique_ptr<Shared_Log>& log : s_Logs)
            if (log->File.Get_Path() == path
                || (found && log->bKnown && log->Device == st.st_dev && log->Inode == st.st_ino))
            {
                log->nWindows++;
                return log.get();
            }
        Keep_Earlier_Run(path, Holds_Activity_Lines);
        s_Logs.emplace_back(new Shared_Log);
        Shared_Log* log = s_Logs.back().get();
        log->File.Start(path, Encode_Windows_1252(Activity_Log_Header(now)));
        log->bKnown = stat(path.fn_str(), &st) == 0;
        log->Device = st.st_dev;
        log->Inode = st.st_ino;
        log->nWindows = 1;
        return log;
    }

    // A window leaves its log: the last try to write what the disk refused
    // so far, and the end of the log with its last window.
    void Leave_Log(Shared_Log* log)
    {
        if (!log)
            return;
        log->File.Flush();
        if (--log->nWindows > 0)
            return;
        for (auto it = s_Logs.begin(); it != s_Logs.end(); ++it)
            if (it->get() == log)
            {
                s_Logs.erase(it);
                return;
            }
    }

    // A label pair: a label in colour directly above its control, the two
    // centred in the settings column with 2 pixels around them. The label
    // is made first, so it comes before its control among the children.
    void Add_Label(wxWindow* window, wxSizer* column, const wxColour& colour, const wxString& label)
    {
        wxStaticText* text = new wxStaticText(window, wxID_ANY, label, wxDefaultPosition,
                                              wxDefaultSize, wxALIGN_CENTRE);
        text->SetForegroundColour(colour);
        column->Add(text, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxTOP, 2);
    }

    void Add_Below_Label(wxSizer* column, wxWindow* control)
    {
        column->Add(control, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 2);
    }
}

wxBEGIN_EVENT_TABLE(CSim_Window, wxScrolledWindow)
wxEND_EVENT_TABLE()

CSim_Window::CSim_Window(wxWindow* parent, const wxString& options)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL,
                       wxPanelNameStr),
      m_Ctrl_Color(*wxBLACK), m_pSettings(nullptr), m_pOutput(nullptr), m_Options(options)
{
    m_pSettings = new wxStaticBoxSizer(wxVERTICAL, this, "Einstellungen");
    m_pOutput = new wxStaticBoxSizer(wxVERTICAL, this, "Ausgabe");

    // The output area takes all the width the settings column leaves.
    // (The toolkit rejects a right alignment beside wxEXPAND in a horizontal
    // sizer, where it would mean nothing anyway.)
    wxBoxSizer* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(m_pSettings, 0, wxEXPAND | wxALL, 10);
    sizer->Add(m_pOutput, 1, wxEXPAND | wxALL, 10);
    SetSizer(sizer, true);
    FitInside();
    SetScrollRate(20, 20);
    Prepare_Scroll_Page(this);
}

CSim_Window::~CSim_Window()
{
    auto it = s_Records.find(this);
    if (it == s_Records.end())
        return;
    Leave_Log(it->second.pLog);
    s_Records.erase(it);
}

bool CSim_Window::Set_Log_File(const wxString& path)
{
    if (path.empty())
        return false;
    const wxDateTime now = Clock::Now();
    m_Log_File = path;
    m_Log.Clear();
    m_Log.Add(Activity_Log_Header(now));
    Window_Record& record = s_Records[this];
    Leave_Log(record.pLog);
    record = Window_Record();
    record.pLog = Join_Log(path, now);
    return true;
}

void CSim_Window::Stop_Execution()
{
}

wxButton* CSim_Window::Add_Button(const wxString& label, int id, const wxSize& size)
{
    wxButton* button = new wxButton(this, id, label, wxDefaultPosition, size, 0);
    m_pSettings->Add(button, 0, wxALIGN_CENTER | wxALL, 2);
    return button;
}

wxCheckBox* CSim_Window::Add_CheckBox(const wxString& label, bool value, int id)
{
    wxCheckBox* box = new wxCheckBox(this, id, label, wxDefaultPosition, wxDefaultSize, 0);
    box->SetForegroundColour(m_Ctrl_Color);
    box->SetValue(value);
    m_pSettings->Add(box, 0, wxALL, 2);
    return box;
}

wxChoice* CSim_Window::Add_Choice(const wxString& label, const wxArrayString& items, int selection,
                                  int id)
{
    Add_Label(this, m_pSettings, m_Ctrl_Color, label);
    wxChoice* choice = new wxChoice(this, id, wxDefaultPosition, wxDefaultSize, items, 0);
    choice->SetSelection(selection);
    Add_Below_Label(m_pSettings, choice);
    return choice;
}

CSim_Slider* CSim_Window::Add_Slider(const wxString& label, double value, double min, double max,
                                     bool percent, int id, int width)
{
    if (percent)
        value = Value_From_Percent(value, min, max);
    Add_Label(this, m_pSettings, m_Ctrl_Color, label);
    CSim_Slider* slider = new CSim_Slider(this, id, value, min, max, wxDefaultPosition,
                                          wxSize(width, -1), wxSL_AUTOTICKS | wxSL_LABELS | wxSL_TOP);
    Add_Below_Label(m_pSettings, slider);
    return slider;
}

CSim_SpinCtrl* CSim_Window::Add_SpinCtrl(const wxString& label, double value, double min,
                                         double max, bool percent, int id, int width)
{
    Add_Label(this, m_pSettings, m_Ctrl_Color, label);
    CSim_SpinCtrl* spin = new CSim_SpinCtrl(this, id, value, min, max, percent, wxDefaultPosition,
                                            wxSize(width, -1), wxSP_ARROW_KEYS | wxTE_PROCESS_ENTER);
    Add_Below_Label(m_pSettings, spin);
    return spin;
}

void CSim_Window::Add_Spacer(int size)
{
    m_pSettings->Add(size, size, 0, 0, 0);
}

bool CSim_Window::Add_Output(wxWindow* output)
{
    m_pOutput->Add(output, 1, wxEXPAND | wxALL, 10);
    return true;
}

bool CSim_Window::Add_Output(wxWindow* first, wxWindow* second, int proportion_first,
                             int proportion_second)
{
    m_pOutput->Add(first, proportion_first, wxEXPAND | wxALL, 10);
    m_pOutput->Add(second, proportion_second, wxEXPAND | wxALL, 10);
    return true;
}

void CSim_Window::Set_Ctrl_Color(wxColour colour)
{
    m_Ctrl_Color = colour;
}

bool CSim_Window::Get_Option(const char* key, wxString& value) const
{
    return Find_Option(m_Options, key, value);
}

bool CSim_Window::Get_Option(const char* key, int& value) const
{
    wxString text;
    return Find_Option(m_Options, key, text) && Option_To_Int(text, value);
}

bool CSim_Window::Get_Option(const char* key, double& value) const
{
    wxString text;
    return Find_Option(m_Options, key, text) && Option_To_Double(text, value);
}

void CSim_Window::Log_Activity(const wxString& activity, const wxString& value)
{
    const wxDateTime now = Clock::Now();
    if (!s_Merge.bStarted)
    {
        s_Merge.bStarted = true;
        s_Merge.Last_Time = now;
    }
    if (m_Log_File.empty() || activity.empty())
        return;

    const wxString line = Activity_Log_Line(now, activity, value);
    Window_Record& record = s_Records[this];
    const wxString* last_line = m_Log.size() > 1 && record.Last_Line >= 0 ? &record.Last_Activity : nullptr;
    if (Replaces_Last_Line(s_Merge, activity, now, last_line))
    {
        m_Log.Last() = line;
        record.pLog->File.Replace(record.Last_Line, Encode_Windows_1252(line));
    }
    else
    {
        m_Log.Add(line);
        record.Last_Line = record.pLog->File.Append(Encode_Windows_1252(line));
    }
    record.pLog->bWritten = true;
    record.Last_Activity = activity;
    s_Merge.Last_Activity = activity;
    s_Merge.Last_Time = now;
}

void Tirsal_Reset_Activity_Merge()
{
    s_Merge = Activity_Merge_State();
}

void Tirsal_Hold_Log(const wxString& path)
{
    if (!path.empty())
        Join_Log(path, Clock::Now());
}

void Tirsal_Release_Log(const wxString& path, bool withdraw)
{
    for (const std::unique_ptr<Shared_Log>& log : s_Logs)
        if (log->File.Get_Path() == path)
        {
            // A log that no window came to and nobody else uses goes
            // again (an earlier run is kept beside it): the simulation
            // never ran. A link there stays, as does what it leads to.
            struct stat st;
            if (withdraw && log->nWindows == 1 && !log->bWritten && lstat(path.fn_str(), &st) == 0
                && S_ISREG(st.st_mode))
            {
                log->File.Close();
                unlink(path.fn_str());
            }
            Leave_Log(log.get());
            return;
        }
}
