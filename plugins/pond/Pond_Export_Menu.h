#pragma once

// The right-click menu of the pond plots and its two commands: the values
// of both runs as a CSV file, the plot as a PNG picture. Each asks for a
// file, writes it in one piece and notes the export in the simulation log
// of the plot's window.

#include <functional>
#include <memory>
#include <string>

class wxDC;
class wxMenu;
class wxWindow;

/// The menu commands, after the identifiers of the pond window's controls.
enum
{
    ID_POND_EXPORT_VALUES = 7011,  ///< "Werte speichern..."
    ID_POND_EXPORT_IMAGE = 7012,   ///< "Bild speichern..."
};

/// The menu a right-click on a plot opens.
std::unique_ptr<wxMenu> Pond_Export_Menu();

/// What paint draws, as PNG bytes of a picture of the plot's client size
/// on its background colour. False when the plot has no area or the
/// picture cannot be made.
bool Pond_Plot_Png(wxWindow* plot, const std::function<void(wxDC&)>& paint, std::string& bytes);

/// Runs a menu command of plot: the save dialog, then content's bytes to
/// the chosen file. A written file is logged in the simulation window (the
/// plot's parent) with its path; a file that cannot be made or written
/// shows a message and is not logged; a cancelled dialog does nothing.
/// Unknown commands are ignored.
void Pond_Export(wxWindow* plot, int command, const std::function<bool(std::string&)>& content);
