#pragma once

#include <vector>

#include "CaptionSets.h"

class Quran1;
class Surat1;

// Writes every caption to its control of the main window or of the surah copy window; the
// latter is created, hidden, if it does not exist.
void writeCaptions(Quran1& window, const std::vector<Caption>& captions);

// Writes only the captions of the surah copy window.
void writeSurahCopyCaptions(Surat1& window, const std::vector<Caption>& captions);
