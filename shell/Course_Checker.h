#pragma once

#include <cstdio>
#include <wx/string.h>

/// Checks the course at path (a "sim_corvena.ini" or a theme file) without
/// opening a window and writes one German line per problem to out. Returns
/// 0 without problems, 1 with problems, 2 when path cannot be read.
int Check_Course(const wxString& path, FILE* out);
