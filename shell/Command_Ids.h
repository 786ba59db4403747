#pragma once

// Fixed command identifiers of the main window. Theme notebooks carry
// ID_THEME so the main window can tell them from other content pages.
enum
{
    ID_THEME = 6000,
    ID_PREV_THEME,          // 6001
    ID_NEXT_THEME,          // 6002
    ID_BACK,                // 6003
    ID_FORWARD,             // 6004
    ID_SHOW_NAVIGATION,     // 6005
    ID_SHOW_NOTES,          // 6006
    ID_NOTES_SAVE,          // 6007
    ID_NOTES_SAVE_AS,       // 6008
    ID_NOTES_CLEAR,         // 6009
    ID_SELFTEST,            // 6010
    ID_REFLECTIONS,         // 6011
    ID_SHOW_TASKS,          // 6012
    ID_FONT_SMALLER,        // 6013
    ID_FONT_LARGER,         // 6014
    ID_TIMER                // 6015
};
