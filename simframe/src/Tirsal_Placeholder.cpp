#include "tirsal/Tirsal_Export.h"
