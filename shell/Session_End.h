#pragma once

/// Makes SIGTERM, SIGINT and SIGHUP end the program the way a confirmed close
/// does, without any question: open dialogs are dismissed, then the main
/// window shuts down and writes every record.
void Install_Session_End_Handlers();

/// Ends the session as a signal does (also used by tests).
void Request_Session_End();

/// True once the session is ending: code that would ask the pupil something
/// must not ask any more.
bool Is_Session_Ending();
