#pragma once

#include <wx/app.h>

class CSim_Frame;

/// The application: finds the program directory and creates the main window.
class CSim_GUI : public wxApp
{
public:
    CSim_GUI();
    bool OnInit() override;

private:
    CSim_Frame* m_pFrame;
};
