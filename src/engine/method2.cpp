#include "engine/method2.h"
