#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A font name the program uses and the installed families that stand in for it, best first.
struct FontSubstitution {
    QString family;
    QStringList substitutes;
};

// Every font name of the program with its stand-ins: Arabic names get Arabic fonts, the
// Kurdish names fonts that carry the Sorani letters, Latin names a Latin font followed by an
// Arabic one so that Arabic text in a Latin-named font still renders.
const std::vector<FontSubstitution>& fontSubstitutions();

// Registers the table with QFont; call once after the application object exists.
void installFontSubstitutions();
