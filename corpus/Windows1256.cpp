#include "Windows1256.h"
