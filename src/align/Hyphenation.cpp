#include "align/Hyphenation.h"

#include <QStringList>

namespace {

const QString kVowels = QStringLiteral("aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿœ");

bool syllabic(QChar c) {
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
           script == QChar::Script_Katakana || script == QChar::Script_Hangul ||
           script == QChar::Script_Thai;
}

bool vowel(QChar c) {
    return kVowels.contains(c.toLower());
}

// Two letters sounded as one consonant, which a break does not part.
bool digraph(QChar a, QChar b) {
    static const QStringList pairs = {
        QStringLiteral("ch"), QStringLiteral("sh"), QStringLiteral("th"), QStringLiteral("ph"),
        QStringLiteral("wh"), QStringLiteral("gh"), QStringLiteral("ck"), QStringLiteral("ng")};
    return pairs.contains(QString(a.toLower()) + b.toLower());
}

} // namespace

std::vector<qsizetype> SyllableBreaks(const QString& word) {
    std::vector<qsizetype> breaks;
    // Each syllabic character starts a syllable of its own, the marks after it its.
    bool anySyllabic = false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (syllabic(word[i])) {
            if (anySyllabic)
                breaks.push_back(i);
            anySyllabic = true;
        }
    if (anySyllabic)
        return breaks;

    // The vowel groups: [start, end) of each.
    std::vector<std::pair<qsizetype, qsizetype>> groups;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!word[i].isLetter() || !vowel(word[i]))
            continue;
        if (!groups.empty() && groups.back().second == i)
            groups.back().second = i + 1;
        else
            groups.emplace_back(i, i + 1);
    }
    // "love", "time": a final e after a consonant is no syllable of its own.
    if (groups.size() > 1 && word.size() > 2 && groups.back().first == word.size() - 1 &&
        word.back().toLower() == u'e' && !vowel(word.at(word.size() - 2)))
        groups.pop_back();
    for (std::size_t k = 1; k < groups.size(); ++k) {
        const qsizetype from = groups[k - 1].second; // the consonants between the two
        const qsizetype to = groups[k].first;
        qsizetype at = from; // a lone consonant starts the next syllable
        if (to - from >= 2) {
            const bool pair = digraph(word[from], word[from + 1]);
            at = pair ? (to - from > 2 ? from + 2 : from) : from + 1;
        }
        // A break is never before a mark or an apostrophe: they belong to the letter before.
        while (at < to && !word[at].isLetter())
            ++at;
        if (at > 0 && at < word.size() && (breaks.empty() || at > breaks.back()))
            breaks.push_back(at);
    }
    return breaks;
}
