#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class Mp3Player;
class SongSession;

// The song as it plays: Play, Pause and Stop, seeking, the speed, the reaction delay and its
// tap-along, Mark Line's stamp and what the display tick shows. Part of the song session; the
// window only shows what it answers. Texts answered are the status line's.
class SongPlayback final : public QObject {
    Q_OBJECT
public:
    // Lines can be marked this far into a song: the jukebox's markers are 16-bit seconds.
    static constexpr std::int32_t kMaxMarkSeconds = 32767;

    // settingsFile keeps the reaction delay between runs ("" for the platform's usual place).
    SongPlayback(SongSession& session, const QString& settingsFile);
    ~SongPlayback() override;

    // Why the settings file could not be used at start-up, as a sentence, or "".
    QString settingsNote() const;

    // ---- Play, Pause, Stop ------------------------------------------------------------------
    // Loaded and not stopped: playing or paused.
    bool isPlaying() const { return m_playing; }
    // Fills the preview table and plays; from Stop it loads the song first. Answers true then.
    bool play();
    void pause();
    // Stops the song, the mark cursor back at the top; or ends a tap-along, answering what it
    // measured.
    QString stop();
    std::int32_t songLengthSeconds() const;
    // Texts like "Speed 0.8× · reaction delay 150 ms" when not the usual, else "".
    QString markingAidsText() const;

    // ---- seeking and speed ------------------------------------------------------------------
    // Moves by deltaMs within the song, the mark cursor to the first line with words after the
    // last one marked by then; answers why not, or "".
    QString seekBy(std::int32_t deltaMs);
    void seekTo(double seconds);
    // Steps the speed by tenths (0: normal); answers the status text.
    QString stepSpeed(int tenths);

    // ---- marking ----------------------------------------------------------------------------
    std::int32_t reactionDelayMs() const { return m_reactionDelayMs; }
    // Moves the delay within its range and keeps it; answers the status text.
    QString stepReactionDelay(std::int32_t deltaMs);
    // Stamps the sheet's selected line with the playing position less the reaction delay;
    // answers why not, or "".
    QString markSelected();
    // The line's time in seconds when it has one to replay from.
    std::optional<double> replayTime(int position) const;
    // Plays from a little before the line at position (or from fromMs) and makes it the mark
    // cursor, which the tick then leaves alone until Stop.
    void replay(int position, std::optional<qint64> fromMs = std::nullopt);

    // ---- the display tick -------------------------------------------------------------------
    struct Shown {
        bool atStart = true; // nothing played yet: the time label is cleared
        double lengthSeconds = 0;
        std::int32_t second = 0;
        QString timeText; // "1:05 / 3:30"
        int row = 0;      // the line to select now the song reached it, or 0
        QString lyric;    // its lyric
    };
    // Where the song is and which line it reached; throws when the player or the preview table
    // fails.
    Shown tick();

    // ---- measuring the reaction delay ---------------------------------------------------------
    bool tapAlongRunning() const { return m_tapAlong != nullptr; }
    // Plays clicks at known times: Mark Line presses on them measure the delay. Answers the
    // status text; throws when the clicks cannot be written.
    QString startTapAlong();
    // A Mark Line press during the tap-along; answers the status text.
    QString takeTap();

private:
    // Ends the tap-along, setting the delay it measured; answers the status text.
    QString finishTapAlong();
    void cursorToNextLineAfter(std::int32_t ms);
    Mp3Player& player() const;

    struct TapAlong {
        QTemporaryDir folder;
        double speed = 1;
        std::vector<std::int32_t> latenessMs;
        std::vector<bool> clickTaken;
    };

    SongSession& m_session;
    QString m_settingsFile;
    QString m_settingsNotKept; // why the settings file was refused at start-up, or ""
    std::int32_t m_reactionDelayMs = 0;
    bool m_playing = false;
    bool m_replayHold = false; // a replayed line stays the mark cursor until Stop
    int m_tickRow = 0;         // the row the tick last selected; 0 after a seek, a resume or Stop
    std::unique_ptr<TapAlong> m_tapAlong;
};
