#pragma once

#include <wx/string.h>

// Process-wide settings of the exercise pages, read from the theme file's
// [General/Exercises] group before any theme is built.
//   flag 1: after a failed check, offer to show the right answers (Show)
//   flag 2: the panel has a "Zeigen" button (Button_Show)
//   flag 3: the panel has a "Zurücksetzen" button (Button_Reset)
//   text 1: message for a passed check (Text_Okay)
//   text 2: message for a failed check (Text_Failed)

/// Flag 1 to 3; any other index gives false.
bool Get_Exercise_Flag(int index);
/// Sets flag 1 to 3; any other index is ignored.
void Set_Exercise_Flag(int index, bool value);
/// Text 1 or 2; any other index gives an empty text.
wxString Get_Exercise_Text(int index);
/// Sets text 1 or 2; any other index is ignored.
void Set_Exercise_Text(int index, const wxString& text);
/// Puts the five settings to their defaults: on, off, on, "Test bestanden.",
/// "Test nicht bestanden.".
void Init_Exercise_Settings();

/// The minimum stay, in seconds, for themes without a TimeOut of their own.
int Get_Default_TimeOut();
void Set_Default_TimeOut(int seconds);
