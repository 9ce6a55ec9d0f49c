#include "SettingsRow.h"
