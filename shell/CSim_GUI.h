#pragma once

#include <wx/app.h>

class CSim_Frame;

/// The application: finds the program directory and creates the main window.
class CSim_GUI : public wxApp
{
public:
    CSim_GUI();
    bool OnInit() override;

    /// The course files named on the command line (empty: the usual ones).
    static void Set_Course_Files(const wxString& start_file, const wxString& theme_file);

private:
    CSim_Frame* m_pFrame;
};
