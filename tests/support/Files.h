#pragma once

#include "core/Failure.h"

#include <QByteArray>
#include <QFile>
#include <QString>

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

// The message of the VersettaError that work throws, or "(no failure)".
template <class Work> QString failureOf(Work&& work) {
    try {
        work();
    } catch (const VersettaError& error) {
        return error.message();
    }
    return QStringLiteral("(no failure)");
}
