#include "engine/method1.h"
