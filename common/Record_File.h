#pragma once

#include <string>
#include <wx/string.h>

/// Replaces the file at path with the given bytes in one piece. False when
/// the file cannot be opened for writing or a write fails (a full disk);
/// nothing is reported.
bool Write_Record_File(const wxString& path, const std::string& bytes);

/// True when a file can be created or emptied at path (mode "w").
bool Can_Write_File(const wxString& path);
