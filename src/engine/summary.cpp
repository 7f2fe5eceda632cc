#include "engine/summary.h"
