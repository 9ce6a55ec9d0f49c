#pragma once

#include <QString>
#include <QStringView>

// Tolerant matching's view of Arabic-script text: the alef forms read as alef, alef maksura
// and yeh with hamza as yeh, teh marbuta as heh, waw with hamza as waw; vowel marks, Quranic
// annotation marks, the superscript alef and tatweel are dropped. Everything else stays.
QString foldLetterForms(QStringView text);

// The letters Persian and Kurdish keyboards type for kaf, yeh and heh (keheh, farsi yeh, heh
// doachashmee) read as the Arabic letters of the corpus.
QString foldKeyboardLetters(QStringView text);
// foldKeyboardLetters, then foldLetterForms.
QString foldKeyboardLettersAndForms(QStringView text);
// Latin and other cased letters without case.
QString foldCase(QStringView text);
