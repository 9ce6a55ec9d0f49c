#include "LikePattern.h"
