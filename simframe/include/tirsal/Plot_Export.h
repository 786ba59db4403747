#pragma once

// The right-click menu of a plot that saves what it shows: its values as a
// CSV file for a German spreadsheet, its picture as a PNG file. One call of
// Add_Plot_Export gives a plot window the menu; each saved file is noted in
// the log of the simulation window the plot belongs to.

#include <functional>
#include <string>
#include <vector>
#include <wx/string.h>

#include "tirsal/Tirsal_Export.h"

class wxDC;
class wxWindow;

/// The commands of the menu; a plot window that handles menu commands of
/// its own keeps clear of these identifiers.
enum
{
    PLOT_EXPORT_VALUES = 7011,  ///< "Werte speichern..."
    PLOT_EXPORT_IMAGE = 7012,   ///< "Bild speichern..."
};

/// One curve of a values file: its column title and its values at the
/// points of the plot, in the current run and, if the plot has one, in the
/// reference run (null: no reference column).
struct Plot_Series
{
    wxString Name;
    const std::vector<double>* pCurrent;
    const std::vector<double>* pReference;
};

/// The values file of a plot as Windows-1252 bytes: fields separated by
/// ";", numbers with a decimal comma, lines ending in "\n". A header row:
/// time_title, every series' name, then the name of every series with a
/// reference run followed by " (Ausgangsfunktion)". Then one row per point
/// i < n: the time i * dt, every current value, every reference value. A
/// series shorter than n leaves its later cells empty.
TIRSAL_API std::string Plot_Values_Csv(const wxString& time_title, double dt, int n,
                                       const std::vector<Plot_Series>& series);

/// What paint draws into a picture of the plot's client size, cleared to
/// its background colour and with its font selected, as PNG bytes. False
/// when the plot has no area or the picture cannot be made.
TIRSAL_API bool Plot_Picture_Png(wxWindow* plot, const std::function<void(wxDC&)>& paint,
                                 std::string& bytes);

/// Gives plot a right-click menu with "Werte speichern..." and "Bild
/// speichern...". Each asks for a file (suggesting name + "_werte.csv" and
/// name + "_bild.png") and writes it in one piece: values() gives the bytes
/// of the values file (Plot_Values_Csv makes them), paint draws the plot as
/// on screen, at its client size, for the picture. A written file is logged
/// as "Export Werte" or "Export Bild" with its path in the simulation window
/// that holds the plot; a file that cannot be written shows a message and is
/// not logged; a cancelled dialog does nothing. The menu goes with the plot.
TIRSAL_API void Add_Plot_Export(wxWindow* plot, const wxString& name,
                                const std::function<void(wxDC&)>& paint,
                                const std::function<std::string()>& values);
