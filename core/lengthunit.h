// The length unit now lives with the other units in core/units.h; this name stays for
// the headers that still include it.
#pragma once

#include "core/units.h"
