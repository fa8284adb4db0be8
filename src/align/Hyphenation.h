#pragma once

#include <QString>

#include <vector>

// Where a word breaks into the syllables Syllables (align/Pronounce.h) counts, for karaoke:
// the places inside the word where a syllable after the first starts, ascending. Between two
// vowel groups one consonant goes with the next syllable ("ti-ger"), of several the first
// stays ("win-ter", "hap-py", "laugh-ter" keeps "gh" whole); a silent final "e" makes no
// syllable ("lo-ve" is "love"). In scripts written without blanks each character is one.
// Marks and punctuation stay with the letter before them. Empty for a word of one syllable.
std::vector<qsizetype> SyllableBreaks(const QString& word);
