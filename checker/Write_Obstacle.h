#pragma once

#include <wx/string.h>

/// What would keep a record (activity log, notes, simulation log, answers)
/// from being written at a path. Records make the folders above them that
/// are missing, so only a folder that cannot be made or written counts.
struct Write_Obstacle
{
    enum Kind
    {
        None,              ///< the record can be written
        Is_Folder,         ///< the path names a folder
        Read_Only_File,    ///< the file exists and may not be written
        Below_File,        ///< Where is a file, so no folder can be made at it
        Read_Only_Folder   ///< Where is a folder that may not be written
    };

    Kind What = None;
    wxString Where;  ///< the file or folder in the way

    /// Looks at path and the folders above it without changing anything on
    /// disk (the check runs on a teacher's course, not on a pupil's run).
    static Write_Obstacle Find(const wxString& path);
};
