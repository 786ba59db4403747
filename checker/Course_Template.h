#pragma once

#include <cstdio>
#include <wx/string.h>

/// Writes a new course into dir from the template folder beside the program
/// ("vorlage/"): the template's files as they are, with "@PLUGINS@" in its
/// INI files replaced by the program's plug-in folder and "@KURS@" by the
/// name of dir, so that its records go to the pupil's own "~/Sim-Corvena/"
/// folder of that name. dir must not exist yet or be empty; otherwise
/// nothing is written. On out the course check of the new course and how to
/// open it; on err why nothing was made. Returns 0 when the course was made,
/// 2 otherwise.
int Write_Course_Template(const wxString& dir, FILE* out, FILE* err);
