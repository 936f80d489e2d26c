#pragma once
// The random draw lives below the solver; this name stays for the callers that use it.
#include "model/casuale.h"
