#pragma once

#include <QString>

#include "CaptionSets.h"

// Says in `language` that no web browser could be started to show `page`, named on a line
// of its own.
QString noBrowserMessage(UiLanguage language, const QString& page);
