#pragma once

#include "CaptionSets.h"

// Qt's own texts (standard buttons, the text fields' context menus) in the interface
// language, from the translations the system ships; a language without them keeps Qt's
// English. The windows keep their layout direction: a translation mirrors none of them.
void showQtTextsIn(UiLanguage language);
