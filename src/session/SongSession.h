#pragma once

#include "playback/Waveform.h"
#include "session/UnsavedChanges.h"
#include "sheet/LyricSheet.h"
#include "sources/TagComponent.h"
#include "storage/KeptCopy.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class Mp3Player;
class PreviewTable;
class SongPlayback;
class SongSuggestions;
struct PreviewRow;

// What a song is while it is open, without any control: its path, the lyric sources found
// when it was opened, the sheet with its undo history, its playback, its suggested times, its
// precise and word times, the preview table, and every save and export. The window shows what it
// says; failures throw VersettaError with the text the user reads.
class SongSession final : public QObject {
    Q_OBJECT
public:
    using TagFactory = std::function<std::unique_ptr<TagComponent>()>;

    // settingsFile keeps the user's marking settings ("" for the platform's usual place).
    SongSession(Mp3Player* player, TagFactory newTagComponent, QString programFolder,
                const QString& settingsFile, QObject* parent = nullptr);
    ~SongSession() override;

    // ---- the song -----------------------------------------------------------------------------
    // The song's path as the user gave it; "" before any.
    const QString& songPath() const { return m_path; }
    QString songFolder() const; // up to and including the last separator
    QString songName() const;   // after it
    enum class Beside { LyricsFile, Lrc };
    // The file of that kind beside the song: Song.xml or Song.lrc; "" for a name too short.
    QString besideSong(Beside kind) const;

    // TimedTagLyrics: LRC text in the tag's lyrics field, read as marked lines.
    enum class Source { LyricsFile, TagLyrics, Nothing, TimedTagLyrics };
    struct Opened {
        Source source = Source::Nothing;
        QString note; // what the user must know about the lyrics file read, or ""
    };
    // Makes path the song, reads its sources once and loads the sheet from the first that
    // holds lyrics. Another song starts a fresh undo history; the same song again is a load
    // that can be undone. Throws when the lyrics file is there but cannot be read (the sheet
    // is emptied then).
    Opened open(const QString& path);
    // Points the session at path without reading anything.
    void choose(const QString& path);
    // The song's outline for the slider, from the one decode that also gives the aligner its
    // samples (see SongSuggestions); null while it is decoded and for a song that does not
    // decode.
    std::shared_ptr<const PeakEnvelope> waveform() const { return m_waveform; }
    // The song's outline has not come yet.
    bool waveformPending() const { return !m_path.isEmpty() && !m_outlined; }
    // An outline came, with or without a waveform.
    bool outlined() const { return m_outlined; }
    // The sheet holds only the caption of a song without lyrics, no lyric.
    bool showsNoLyrics() const;
    // The tag's lyrics as read when the song was opened, trimmed; "" for none.
    QString tagLyrics() const;
    bool hasTagLyrics() const { return !m_tagLyrics.isEmpty(); }
    // "Song.lrc lies beside the song: ..." when it did at the open and no lyrics file did.
    QString lrcOffer() const;

    // ---- the sheet ------------------------------------------------------------------------------
    LyricSheet& sheet() { return m_sheet; }
    const LyricSheet& sheet() const { return m_sheet; }
    // Loads the lyrics file beside song (one undoable step); answers what the user must know
    // about it, or "". Throws when it cannot be opened, the sheet emptied then.
    QString loadLyricsFile(const QString& song);
    // Loads lyrics text as unmarked lines; answers a note when some lines did not fit.
    QString loadText(const QString& lyrics, const QString& step);
    // Loads the tag's lyrics read at the open: LRC text as timed lines, else as loadText;
    // answers where they came from and a note when some lines did not fit.
    Opened loadTagLyrics();

    // ---- precise times and words ----------------------------------------------------------
    // Reads the user's settings (settingsFile "" for the usual place); answers why they cannot
    // be kept there, or "".
    QString readSettings(const QString& settingsFile);
    // On: Save also writes Song.lrc beside Song.xml, with the times in milliseconds and the
    // word times; Ctrl+E writes milliseconds too. Save writes it whenever a word is timed.
    bool keepsPreciseTimes() const { return m_keepPrecise; }
    // Each answers the status text.
    QString toggleKeepPreciseTimes();
    // In word mode Mark Line stamps the next word of the line; turning it on keeps precise
    // times, since word times live only in Song.lrc.
    bool wordMode() const { return m_wordMode; }
    QString toggleWordMode();
    // A nudge moves the times of the rows at positions, or (word >= 0) that word of the first
    // of them, by deltaMs as one undo step; replay from a short lead-in before the new time.
    static constexpr qint64 kReplayLeadInMs = 1500;
    struct Nudged {
        bool moved = false;
        qint64 replayFromMs = 0;
        QString status; // what the status line says
    };
    Nudged nudge(const std::vector<int>& positions, int word, qint64 deltaMs);
    // Adjust Selected Line on a selection of several rows: one undo step. Answers the status
    // text, "" when every marked row moved.
    QString shift(const std::vector<int>& positions, const QString& amountText);

    // ---- playback -------------------------------------------------------------------------------
    Mp3Player& player() const; // throws when there is none
    bool hasPlayer() const { return m_player != nullptr; }
    SongPlayback& playback() const { return *m_playback; }
    // The song's suggested times, made again as its lines change.
    SongSuggestions& suggestions() const { return *m_suggestions; }
    // Fills the preview table from the song's lyrics file, as Play does.
    void fillPreview();
    // The preview line at second, for the display tick.
    std::optional<PreviewRow> lyricAt(std::int16_t second);
    QString databasePath() const;

    // ---- changes left unsaved -----------------------------------------------------------------
    // Keeps the sheet where the song's next opening offers it back, when it differs from what
    // was opened or last saved, else the text panel's text as lines when it is not the tag's;
    // answers whether either was kept. Throws VersettaError.
    bool keepUnsaved(const QString& panelText);
    // When changes to the open song's lyrics were kept unsaved; invalid when none were.
    QDateTime unsavedKeptAt() const;
    // Ctrl+Shift+O: the kept changes as the sheet, a step that can be undone; answers the
    // status text. Throws VersettaError when none can be read.
    QString bringBackUnsaved();

    // ---- saves and exports --------------------------------------------------------------------
    // Writes the sheet to Song.xml; answers a note about how it was saved, or "".
    QString saveLyricsFile();
    // What Save wrote, for the status line: "Saved Song.xml: 40 lines, 12 marked".
    QString savedSummary() const;
    // The tag saves, checked now and returned as work that blocks (a copy of a large song):
    // the caller runs it off its thread. Each answers the status text: what was written where,
    // or the component's note about how.
    std::function<QString()> tagLyricsSave(const QString& lyrics);
    std::function<QString()> syncedLyricsSave();
    // Ctrl+E: writes Song.lrc from the marked lines; answers the status text.
    QString writeLrc();
    // Ctrl+Shift+T: writes Song.srt, Song.vtt and Song.ass from the marked lines; answers the
    // status text, which counts the lines left out for want of a time.
    QString writeSubtitles();
    // Ctrl+I: the Song.lrc to read into the sheet, checked that it may be.
    QString lrcToRead() const;
    // Replaces the sheet with the lines of an LRC file, as one undoable step; answers the
    // status text.
    QString readLrc(const QString& path);

signals:
    // The path changed: the window shows it.
    void songOpened(const QString& path);
    // The outline came, or went with its song.
    void waveformChanged();
    // A note the user should read that does not end what is under way.
    void statusNote(const QString& text);
    void keepPreciseTimesChanged(bool on);
    void wordModeChanged(bool on);

private:
    QString requireSong(const QString& action) const; // the path; throws when none is open
    std::unique_ptr<TagComponent> newTag() const;
    // Song.lrc for Save or Ctrl+E: the header and the lines; marked receives how many.
    QByteArray lrcBytes(bool milliseconds, int& marked) const;
    QString setKeepPrecise(bool on);

    Mp3Player* m_player;
    TagFactory m_newTag;
    QString m_programFolder;
    QString m_path;
    std::shared_ptr<const PeakEnvelope> m_waveform;
    bool m_outlined = false; // the outline of m_path came, m_waveform or none
    QString m_historySong;   // the song whose sheet the undo history belongs to
    QString m_tagLyrics;     // as read at the open, untrimmed
    bool m_lrcBeside = false;
    FileSeen m_xmlSeen; // Song.xml and Song.lrc as the sheet last saw them
    FileSeen m_lrcSeen;
    std::vector<SheetRow> m_savedRows; // the sheet as opened or last saved
    UnsavedChanges m_unsaved;
    bool m_keepPrecise = false;
    bool m_wordMode = false;
    QString m_settingsFile;
    QString m_settingsRefused; // why the settings file is not written, from the reading
    LyricSheet m_sheet;
    std::unique_ptr<PreviewTable> m_previewTable;
    SongPlayback* m_playback;       // a child
    SongSuggestions* m_suggestions; // a child; it follows m_sheet, so it goes before it
};
