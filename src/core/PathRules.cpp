#include "core/PathRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QChar nativeSeparator() {
    return QDir::separator();
}

namespace {
bool g_isolatePaths = false;
} // namespace

void IsolatePathsInMessages(bool on) {
    g_isolatePaths = on;
}

QString ShownPath(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    // Left-to-right isolate ... pop directional isolate.
    return g_isolatePaths ? QChar(0x2066) + shown + QChar(0x2069) : shown;
}

SongLocation SplitSongPath(const QString& path, QChar separator) {
    const qsizetype k = path.lastIndexOf(separator) + 1; // 0 when there is no separator
    return {path.left(k), path.mid(k)};
}

QString QualifyPath(const QString& path, QChar separator) {
    if (path.endsWith(separator))
        return path;
    return path + separator;
}

QString SynchLyricsFileName(const QString& songPath) {
    if (songPath.size() < 4)
        return {};
    return songPath.left(songPath.size() - 4) + QStringLiteral(".xml");
}

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    // A folder opens on some systems; only a regular, readable file counts.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    file.close();
    return opened;
}
