#pragma once

/// A course opened for its author ("corvena --preview"): every item opens at
/// once, no minimum stay runs, and nothing is recorded (activity log,
/// simulation logs, reflection answers, the notes file). Set once, before the
/// main window is built.
void Set_Preview(bool preview);
bool Is_Preview();
