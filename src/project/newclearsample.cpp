#include "project/newclearsample.h"
