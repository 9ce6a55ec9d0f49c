#include "RecordSetModel.h"
