#pragma once

#include <string>
#include <wx/datetime.h>
#include <wx/string.h>

// Before a new run empties a record's file, the earlier run it holds is kept
// beside it under a name that tells when that run started.

/// The name an earlier run of the record at path is kept under, beside it:
/// <stem>-<YYYY-MM-DD_HH-MM-SS><ext>, and for try n from 2 on "-n" after the
/// time.
wxString Kept_Name(const wxString& path, const wxDateTime& start, int n = 1);

/// The date of a record's "Datum: YYYY-MM-DD" line, one of its first three.
bool Record_Date(const std::string& bytes, wxDateTime* date);

/// When the run a record holds started: the date of its header at the time
/// of the first entry after it ("HH:MM:SS" and a tab). False without both.
bool Record_Start(const std::string& bytes, wxDateTime* start);

/// Tests of what makes the bytes at a record's place an earlier run.
bool Holds_Bytes(const std::string& bytes);
bool Holds_More_Than_White_Space(const std::string& bytes);

/// Moves the file at path aside to its kept name when holds_run finds an
/// earlier run in it (a file that cannot be read counts as one). The name
/// comes from Record_Start, or else from the file's modification time; a
/// name already taken is never replaced. Through a link the file it points
/// to is kept beside itself. No regular file, or a folder that refuses: the
/// file stays. Returns the kept path, or empty.
wxString Keep_Earlier_Run(const wxString& path, bool (*holds_run)(const std::string& bytes));
