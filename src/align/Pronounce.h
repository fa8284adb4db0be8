#pragma once

#include <QString>
#include <QStringList>

// Words and pronunciations for the aligner, in the speech model's phone set (CMU's 39 phones).

// The words of a lyric line as the model spells them: lower case, letters, digits and inner
// apostrophes; punctuation and symbols split words and are dropped.
QStringList LyricWords(const QString& line);

// Whether the text's letters are all Latin (it holds one at least): English, and languages the
// model can hear said as English reads them.
bool InLatinLetters(const QString& text);

// How many syllables a word has, for sharing time out by what is sung: vowel groups in a Latin
// word (a silent final "e" aside), one per character in scripts written without vowels
// between blanks (Chinese, Japanese), at least one.
int Syllables(const QString& word);

// A pronunciation in the International Phonetic Alphabet (a Phonemizer's) in the model's
// phones, separated by blanks; "" when it gives nothing usable.
QString PhonesFromIpa(const QString& ipa);

// The word's phones from its spelling alone, by a few English rules: rough, but never empty
// for a word with a Latin letter.
QString PhonesFromSpelling(const QString& word);
