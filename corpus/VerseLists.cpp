#include "VerseLists.h"
