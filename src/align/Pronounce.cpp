#include "align/Pronounce.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

bool InLatinLetters(const QString& text) {
    bool letters = false;
    for (const QChar c : text) {
        if (!c.isLetter())
            continue;
        if (c.script() != QChar::Script_Latin)
            return false;
        letters = true;
    }
    return letters;
}

QStringList LyricWords(const QString& line) {
    QStringList words;
    QString word;
    const auto close = [&] {
        while (word.endsWith(u'\''))
            word.chop(1);
        if (!word.isEmpty())
            words << word;
        word.clear();
    };
    for (const QChar c : line.toLower()) {
        if (c.isLetterOrNumber())
            word += c;
        else if ((c == u'\'' || c == u'\u2019') && !word.isEmpty())
            word += u'\'';
        else
            close();
    }
    close();
    return words;
}

int Syllables(const QString& word) {
    static const QString vowels = QStringLiteral("aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿœ");
    int groups = 0;
    int letters = 0;
    bool inVowel = false;
    for (const QChar c : word.toLower()) {
        const QChar::Script script = c.script();
        if (script == QChar::Script_Han || script == QChar::Script_Hiragana ||
            script == QChar::Script_Katakana || script == QChar::Script_Hangul ||
            script == QChar::Script_Thai) {
            ++groups;
            inVowel = false;
            continue;
        }
        if (!c.isLetter())
            continue;
        ++letters;
        const bool vowel = vowels.contains(c);
        groups += vowel && !inVowel ? 1 : 0;
        inVowel = vowel;
    }
    // "love", "time": a final e after a consonant is seldom a syllable of its own.
    if (groups > 1 && word.size() > 2 && word.endsWith(u'e') &&
        !vowels.contains(word.at(word.size() - 2)))
        --groups;
    return std::max(groups, letters > 0 || groups > 0 ? 1 : 0);
}

namespace {

// IPA as espeak-ng writes it, longest symbols first, to the model's phones.
constexpr std::array<std::pair<std::u16string_view, std::string_view>, 52> kIpa{{
    {u"tʃ", "CH"},   {u"dʒ", "JH"},   {u"eɪ", "EY"}, {u"aɪ", "AY"},   {u"ɔɪ", "OY"},
    {u"aʊ", "AW"},   {u"oʊ", "OW"},   {u"əʊ", "OW"}, {u"ɪə", "IH R"}, {u"eə", "EH R"},
    {u"ʊə", "UH R"}, {u"əl", "AH L"}, {u"p", "P"},   {u"b", "B"},     {u"t", "T"},
    {u"d", "D"},     {u"k", "K"},     {u"g", "G"},   {u"ɡ", "G"},     {u"f", "F"},
    {u"v", "V"},     {u"θ", "TH"},    {u"ð", "DH"},  {u"s", "S"},     {u"z", "Z"},
    {u"ʃ", "SH"},    {u"ʒ", "ZH"},    {u"h", "HH"},  {u"m", "M"},     {u"n", "N"},
    {u"ŋ", "NG"},    {u"l", "L"},     {u"ɹ", "R"},   {u"r", "R"},     {u"w", "W"},
    {u"j", "Y"},     {u"i", "IY"},    {u"ɪ", "IH"},  {u"ɛ", "EH"},    {u"e", "EH"},
    {u"æ", "AE"},    {u"ɑ", "AA"},    {u"ɒ", "AA"},  {u"a", "AA"},    {u"ɔ", "AO"},
    {u"ʌ", "AH"},    {u"ə", "AH"},    {u"ɐ", "AH"},  {u"ʊ", "UH"},    {u"u", "UW"},
    {u"ɜ", "ER"},    {u"ɚ", "ER"},
}};
// Symbols that are no sound of their own: stress, length, syllable marks.
constexpr std::u16string_view kMarks = u"ˈˌːˑ.‿-";

QString mapIpa(const QString& ipa) {
    QStringList phones;
    std::u16string_view rest(reinterpret_cast<const char16_t*>(ipa.utf16()),
                             static_cast<std::size_t>(ipa.size()));
    while (!rest.empty()) {
        if (kMarks.find(rest.front()) != std::u16string_view::npos || rest.front() == u' ') {
            rest.remove_prefix(1);
            continue;
        }
        bool matched = false;
        for (const auto& [symbol, phone] : kIpa) {
            if (rest.starts_with(symbol)) {
                phones << QString::fromLatin1(phone.data(), static_cast<qsizetype>(phone.size()));
                rest.remove_prefix(symbol.size());
                matched = true;
                break;
            }
        }
        if (!matched) {
            // "ɾ" (a flapped t), "ʔ" and the like: the nearest plain consonant.
            if (rest.front() == u'ɾ' || rest.front() == u'ʔ')
                phones << QStringLiteral("T");
            rest.remove_prefix(1);
        }
    }
    return phones.join(u' ');
}

} // namespace

QString PhonesFromIpa(const QString& ipa) {
    return mapIpa(ipa);
}

QString PhonesFromSpelling(const QString& word) {
    static const std::pair<const char*, const char*> kGroups[] = {
        {"tch", "CH"},  {"th", "TH"},   {"sh", "SH"}, {"ch", "CH"}, {"ng", "NG"}, {"ph", "F"},
        {"ck", "K"},    {"qu", "K W"},  {"ee", "IY"}, {"ea", "IY"}, {"oo", "UW"}, {"ou", "AW"},
        {"ow", "OW"},   {"oa", "OW"},   {"ai", "EY"}, {"ay", "EY"}, {"ie", "IY"}, {"igh", "AY"},
        {"wh", "W"},    {"kn", "N"},    {"wr", "R"},  {"er", "ER"}, {"ir", "ER"}, {"ur", "ER"},
        {"ar", "AA R"}, {"or", "AO R"}, {"a", "AE"},  {"b", "B"},   {"c", "K"},   {"d", "D"},
        {"e", "EH"},    {"f", "F"},     {"g", "G"},   {"h", "HH"},  {"i", "IH"},  {"j", "JH"},
        {"k", "K"},     {"l", "L"},     {"m", "M"},   {"n", "N"},   {"o", "AA"},  {"p", "P"},
        {"q", "K"},     {"r", "R"},     {"s", "S"},   {"t", "T"},   {"u", "AH"},  {"v", "V"},
        {"w", "W"},     {"x", "K S"},   {"y", "Y"},   {"z", "Z"}};
    QString w = word.normalized(QString::NormalizationForm_D);
    w.removeIf([](QChar c) { return c.unicode() > 0x7F || c == u'\''; });
    if (w.size() > 2 && w.endsWith(u'e') && !w.endsWith(QLatin1String("ee")))
        w.chop(1); // a silent final e
    QStringList phones;
    for (qsizetype i = 0; i < w.size();) {
        bool matched = false;
        for (const auto& [letters, sounds] : kGroups) {
            const QLatin1String group(letters);
            if (QStringView(w).sliced(i).startsWith(group)) {
                // A final y sounds as a vowel ("lonely").
                const bool vowelY = group == QLatin1String("y") && i > 0 && i + 1 == w.size();
                phones << (vowelY ? QStringLiteral("IY") : QLatin1String(sounds));
                i += group.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            ++i; // a digit: espeak-ng reads numbers, the spelling rules do not
    }
    return phones.join(u' ');
}
