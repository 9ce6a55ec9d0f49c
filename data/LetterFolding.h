#pragma once

#include <QString>
#include <QStringView>

// Tolerant matching's view of Arabic-script text: the alef forms read as alef, alef maksura
// and yeh with hamza as yeh, teh marbuta as heh, waw with hamza as waw; vowel marks, Quranic
// annotation marks, the superscript alef and tatweel are dropped. Everything else stays.
QString foldLetterForms(QStringView text);
