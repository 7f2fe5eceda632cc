#include "engine/monthlytables.h"
