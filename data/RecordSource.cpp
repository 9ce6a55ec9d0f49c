#include "RecordSource.h"
