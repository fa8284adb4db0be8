#include "sources/TextCleaning.h"

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString NonAsciiReplace(QString& text) {
    text.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
    return text;
}

QStringList LyricLines(const QString& lyrics) {
    QStringList lines;
    qsizetype start = 0;
    while (true) {
        const qsizetype feed = lyrics.indexOf(QLatin1Char('\n'), start);
        // Blanks go before the control characters, so blanks in front of a carriage
        // return survive: the return still stood after them when the ends were trimmed.
        QString line = TrimBlanks(lyrics.mid(start, feed < 0 ? -1 : feed - start));
        lines << NonAsciiReplace(line);
        if (feed < 0)
            return lines;
        start = feed + 1;
    }
}
