#include "QueryText.h"
