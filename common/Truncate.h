#pragma once

/// Truncates toward zero into an int; not-a-number gives 0 and values beyond
/// the int range give its nearest end. Shared by the framework's value
/// controls and the pond plug-ins' options.
int Truncate_To_Int(double value);
