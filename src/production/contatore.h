#pragma once
// The solution counter lives with the solver; this name stays for the callers that use it.
#include "solver/contatore.h"
