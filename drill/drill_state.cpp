#include "drill_state.h"

// Count 3, time 3, idle, generator unseeded: the state of a fresh program.
constinit DrillState Drill;
