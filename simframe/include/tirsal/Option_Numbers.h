#pragma once

// What a plug-in may tell a course checker about the option keys it reads
// as numbers, so that a value it cannot read ("12,5", "zwölf") is reported
// with the default the window then uses. A plug-in offers the list through
//
//     SIM_PLUGIN_API const SIM_Option_Number* SIM_Get_Option_Numbers();
//
// beside SIM_Get_Option_Keys; the list ends with an entry whose Key is null.
// A plug-in without it is checked by its key names only.

/// One option key read as a number.
struct SIM_Option_Number
{
    const char* Key;
    bool bWhole;          ///< read as a whole number; otherwise a decimal with a full stop
    const char* Default;  ///< the value used when the key gives none, as an option would write it
};
