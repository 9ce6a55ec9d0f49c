#pragma once

#include <vector>

#include "CaptionSets.h"

class Quran1;

// Writes every caption to its control of the main window or of the surah copy window; the
// latter is created, hidden, if it does not exist.
void writeCaptions(Quran1& window, const std::vector<Caption>& captions);
