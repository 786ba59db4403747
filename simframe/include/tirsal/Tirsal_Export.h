#pragma once

// Marks what the framework library exports: the classes plug-ins derive from
// and the functions they call. Everything else stays inside the library.
#if defined(TIRSAL_BUILDING)
#define TIRSAL_API __attribute__((visibility("default")))
#else
#define TIRSAL_API __attribute__((visibility("default")))
#endif

// The plug-in entry point is exported by every plug-in under its plain name.
#define SIM_PLUGIN_API extern "C" __attribute__((visibility("default")))
