// A library that loads but offers no simulation.

#include "tirsal/Tirsal_Export.h"

SIM_PLUGIN_API int Not_A_Simulation()
{
    return 42;
}
