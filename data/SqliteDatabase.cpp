#include "SqliteDatabase.h"
