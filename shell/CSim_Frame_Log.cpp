// The activity log of the main window.

#include "shell/CSim_Frame.h"

void CSim_Frame::Start_Log() {}
void CSim_Frame::Add_Log_Entry(const wxString&) {}
bool CSim_Frame::Ask_Log_File() { return false; }
bool CSim_Frame::Choose_Log_File() { return false; }
bool CSim_Frame::Write_Log() { return false; }
