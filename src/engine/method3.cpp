#include "engine/method3.h"
