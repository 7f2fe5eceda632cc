#include "project/projectfile.h"
