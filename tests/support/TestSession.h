#pragma once

#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "sources/TagLibComponent.h"
#include "support/FakePlayer.h"

#include <QTemporaryDir>

// A song session without a window: the fake player, the real tag component, and a folder of
// its own for the program (database, settings) and the songs.
struct TestSession {
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FakePlayer player;
    SongSession session{&player, [] { return std::make_unique<TagLibComponent>(); }, dir.path(),
                        dir.filePath(QStringLiteral("settings.ini"))};
    SongPlayback& playback = session.playback();
    LyricSheet& sheet = session.sheet();
};

// Mark Line at the song's position ms, by the program's own path: the player's clock set
// there and the playback's stamp. Answers why nothing was stamped, or "".
inline QString markAt(SongSession& session, FakePlayer& player, qint64 ms) {
    player.positionMs = static_cast<std::int32_t>(ms);
    return session.playback().markSelected();
}
