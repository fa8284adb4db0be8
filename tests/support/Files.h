#pragma once

#include "core/Failure.h"
#include "storage/LyricsXml.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// The whole file, or "(unreadable)".
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Writes bytes as the whole file; answers path, or a null string when that failed.
inline QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// A lyrics file for song, a line per "secs|lyric".
inline QByteArray lyricsFileOf(const QString& song, const QStringList& secsAndLyrics) {
    LyricsDocumentWriter writer(song);
    for (qsizetype i = 0; i < secsAndLyrics.size(); ++i)
        writer.addLine(QString::number(i + 1), secsAndLyrics[i].section(u'|', 0, 0),
                       secsAndLyrics[i].section(u'|', 1));
    return writer.finish();
}

// The message of the VersettaError that work throws, or "(no failure)".
template <class Work> QString failureOf(Work&& work) {
    try {
        work();
    } catch (const VersettaError& error) {
        return error.message();
    }
    return QStringLiteral("(no failure)");
}
