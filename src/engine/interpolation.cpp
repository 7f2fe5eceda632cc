#include "engine/interpolation.h"
