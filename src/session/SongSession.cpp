#include "session/SongSession.h"

#include "core/AudioFormats.h"
#include "core/PathRules.h"
#include "playback/Mp3Player.h"
#include "session/MarkingSettings.h"
#include "session/PreciseTimes.h"
#include "session/SongPlayback.h"
#include "session/SongSuggestions.h"
#include "sheet/TimeText.h"
#include "sources/SyncedLines.h"
#include "sources/TextCleaning.h"
#include "sources/TextFile.h"
#include "storage/AtomicFile.h"
#include "storage/Database.h"
#include "storage/Lrc.h"
#include "storage/LyricsXml.h"
#include "storage/RegularFile.h"
#include "storage/Subtitles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <future>

namespace {

constexpr int kTickBusyTimeoutMs = 10;
// What the sheet shows for a song without lyrics, in its one unnumbered row.
constexpr QLatin1String kNoLyrics("No Lyrics Found");

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

// Unmarked rows of a text's lines; row numbers are 16-bit, so a longer text keeps its first
// kMaxRows lines.
std::vector<SheetRow> unmarkedRows(const QStringList& lines) {
    const qsizetype kept = std::min<qsizetype>(lines.size(), LyricSheet::kMaxRows);
    std::vector<SheetRow> rows;
    rows.reserve(static_cast<std::size_t>(kept));
    for (qsizetype n = 1; n <= kept; ++n)
        rows.push_back({QString::number(n), lines.at(n - 1), QString(), QString()});
    return rows;
}

// "1 line" keeps its figure in English; other languages have plural forms of their own.
QString linesText(qsizetype lines) {
    const int n = static_cast<int>(lines);
    if (n == 1)
        return QCoreApplication::translate("SongSession", "1 line");
    return QCoreApplication::translate("SongSession", "%n lines", nullptr, n);
}

} // namespace

SongSession::SongSession(Mp3Player* player, TagFactory newTagComponent, QString programFolder,
                         const QString& settingsFile, QObject* parent)
    : QObject(parent), m_player(player), m_newTag(std::move(newTagComponent)),
      m_programFolder(std::move(programFolder)),
      m_unsaved((settingsFile.isEmpty()
                     ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                     : QFileInfo(settingsFile).absolutePath()) +
                QStringLiteral("/unsaved")),
      m_previewTable(std::make_unique<PreviewTable>()),
      m_playback(new SongPlayback(*this, settingsFile)),
      m_suggestions(new SongSuggestions(*this, this)) {
    setObjectName(QStringLiteral("session"));
    connect(m_suggestions, &SongSuggestions::outlined, this,
            [this](const std::shared_ptr<const PeakEnvelope>& envelope) {
                m_outlined = true;
                m_waveform = envelope->empty() ? nullptr : envelope;
                emit waveformChanged();
            });
    // A file refused here is named once, by the playback's note at start-up.
    readSettings(settingsFile);
}

SongSession::~SongSession() {
    // Its analysis reads the sheet, which members' destruction ends before the children's.
    delete m_suggestions;
}

QString SongSession::songFolder() const {
    return SplitSongPath(m_path, nativeSeparator()).folder;
}

QString SongSession::songName() const {
    return SplitSongPath(m_path, nativeSeparator()).file;
}

QString SongSession::besideSong(Beside kind) const {
    // A name too short to drop its extension names nothing beside the song.
    if (songName().size() < 4)
        return {};
    return kind == Beside::LyricsFile ? SynchLyricsFileName(m_path) : LrcFileName(m_path);
}

std::unique_ptr<TagComponent> SongSession::newTag() const {
    return m_newTag ? m_newTag() : nullptr;
}

void SongSession::choose(const QString& path) {
    m_path = path;
    m_outlined = false;
    if (std::exchange(m_waveform, nullptr))
        emit waveformChanged();
    emit songOpened(m_path);
}

SongSession::Opened SongSession::open(const QString& path) {
    choose(path);
    // The "USLT" text, or "" when anything on the way fails: a missing file, no tag, no frame,
    // a component that cannot be made. Read here once; later uses take what was kept.
    m_tagLyrics.clear();
    try {
        if (const std::unique_ptr<TagComponent> tag = newTag()) {
            try {
                tag->LoadTag(path, true);
            } catch (...) {
                // A failed load is skipped like any other step; the frame read answers "".
            }
            m_tagLyrics = tag->GetFrameText(QStringLiteral("USLT"));
        }
    } catch (...) {
        m_tagLyrics.clear();
    }
    const QString xml = SynchLyricsFileName(path);
    const bool hasLyricsFile = !xml.isEmpty() && FileExists(xml);
    const QString lrc = LrcFileName(path);
    m_lrcBeside = !hasLyricsFile && !lrc.isEmpty() && NonRegularKind(lrc).isEmpty() &&
                  QFileInfo(lrc).isFile();

    // Another song starts a history of its own, whatever the loading does; loading the song
    // that is shown again is a step that can be undone.
    struct ForgetHistory {
        LyricSheet& sheet;
        bool forget;
        ~ForgetHistory() {
            if (forget)
                sheet.clearHistory();
        }
    } history{m_sheet, path != m_historySong};
    m_historySong = path;

    // Until a file is read into the sheet, what is there is what the sheet has not seen.
    m_xmlSeen = FileSeen::of(xml, true);
    m_lrcSeen = FileSeen::of(lrc, false);
    m_savedRows.clear(); // a lyrics file that cannot be read leaves an empty sheet
    Opened opened;
    if (hasLyricsFile) {
        opened.source = Source::LyricsFile;
        opened.note = loadLyricsFile(path);
    } else if (!m_tagLyrics.isEmpty()) { // not trimmed: a frame of blanks still counts
        opened = loadTagLyrics();
    } else {
        m_sheet.load({{QString(), kNoLyrics, QString(), QString()}},
                     tr("Open Song Without Lyrics"));
    }
    m_savedRows = m_sheet.rows();
    // Changes kept that the song's own files now hold (lyrics saved into its tag since) are
    // no longer offered.
    try {
        const auto sameCells = [](const SheetRow& a, const SheetRow& b) {
            return a.number == b.number && a.lyric == b.lyric && a.secs == b.secs;
        };
        if (m_unsaved.keptAt(path).isValid() &&
            std::ranges::equal(m_unsaved.read(path), m_savedRows, sameCells))
            m_unsaved.forget(path);
    } catch (const VersettaError&) {
        // a kept sheet that cannot be read is said so by Ctrl+Shift+O
    }
    return opened;
}

bool SongSession::showsNoLyrics() const {
    const std::vector<SheetRow>& rows = m_sheet.rows();
    return rows.size() == 1 && rows[0].number.isEmpty() && rows[0].lyric == kNoLyrics &&
           rows[0].secs.isEmpty();
}

QString SongSession::tagLyrics() const {
    return TrimBlanks(m_tagLyrics);
}

QString SongSession::lrcOffer() const {
    if (!m_lrcBeside)
        return {};
    return tr("%1 lies beside the song: Ctrl+I reads it into the sheet.")
        .arg(nameOf(LrcFileName(m_path)));
}

QString SongSession::loadLyricsFile(const QString& song) {
    const QString path = SynchLyricsFileName(song);
    const QString step = tr("Load Lyrics File");
    LyricsFileRows content;
    // Seen before the reading, so that a change while it reads counts as one.
    m_xmlSeen = FileSeen::of(path, false);
    try {
        content = ReadLyricsFileRows(path);
    } catch (const VersettaError&) {
        m_sheet.load({}, step); // the old song's lines are not left to be saved as this one's
        throw;
    }
    m_xmlSeen.whole = content.note.isEmpty();
    // Song.lrc beside it supplies the precise times while it agrees with the lines the sheet
    // keeps (of a longer file, the first 32767, as the exports write them).
    const QString lrc = LrcFileName(song);
    m_lrcSeen = FileSeen::of(lrc, false);
    const PreciseTimesTaken precise = TakePreciseTimes(content.rows, lrc);
    m_lrcSeen.whole = precise.taken;
    m_sheet.load(std::move(content.rows), step);
    if (!precise.note.isEmpty())
        emit statusNote(precise.note);
    return content.note;
}

SongSession::Opened SongSession::loadTagLyrics() {
    const QString step = tr("Load Tag Lyrics");
    // Timed lyrics that other formats keep in their lyrics field: the stamps are marks, and
    // the header tags no lyrics.
    if (IsLrcText(m_tagLyrics)) {
        const LrcContent content = ReadLrc(m_tagLyrics);
        if (!content.tooLong && !content.lines.empty()) {
            m_sheet.load(SheetRowsFromLrc(content.lines), step);
            return {Source::TimedTagLyrics, {}};
        }
    }
    return {Source::TagLyrics, loadText(tagLyrics(), step)};
}

QString SongSession::loadText(const QString& lyrics, const QString& step) {
    const QStringList lines = LyricLines(lyrics);
    m_sheet.load(unmarkedRows(lines), step);
    if (lines.size() <= LyricSheet::kMaxRows)
        return {};
    return tr("The lyrics have %1 lines; only the first %2 are on the sheet.")
        .arg(lines.size())
        .arg(LyricSheet::kMaxRows);
}

Mp3Player& SongSession::player() const {
    if (!m_player)
        throw VersettaError(tr("No audio player is available."));
    return *m_player;
}

QString SongSession::databasePath() const {
    return DatabasePathIn(m_programFolder);
}

void SongSession::fillPreview() {
    // A name too short to drop its extension names no lyrics file: the song plays without a
    // preview, as one never saved does.
    const QString xml = besideSong(Beside::LyricsFile);
    // The table is emptied and filled from the file in one transaction, on the connection the
    // tick reads through.
    PreviewRows preview;
    m_previewTable->refill(databasePath(), m_path, [this, &xml, &preview] {
        if (xml.isEmpty())
            return std::vector<PreviewRow>();
        // No file, or one that does not load, leaves the table empty: the song plays
        // unpreviewed. Only a file that is there but is no regular file is worth a word: a
        // named pipe would otherwise have stopped the window here.
        QFile file;
        if (const QString why = OpenRegularFile(file, xml); !why.isEmpty()) {
            if (!NonRegularKind(xml).isEmpty())
                emit statusNote(tr("Cannot read %1: %2; the song plays without a "
                                   "preview")
                                    .arg(ShownPath(xml), why));
            return std::vector<PreviewRow>();
        }
        PreviewRowsRead read = ReadPreviewRows(file);
        if (read.stoppedEarly)
            return std::vector<PreviewRow>();
        preview = std::move(read.preview);
        return std::move(preview.rows);
    });
    if (preview.badLineNumber)
        throw VersettaError(
            tr("%1, line element %2: the LineNumber \"%3\" is not a "
               "whole number from -32768 to 32767; the preview holds "
               "the lines before it")
                .arg(nameOf(xml), QString::number(preview.badLine), *preview.badLineNumber));
}

std::optional<PreviewRow> SongSession::lyricAt(std::int16_t second) {
    // Ten times a second on the window's thread: another program's lock must not stall it.
    // The tick reports the lock and tries again on the next one.
    return m_previewTable->find(databasePath(), m_path, second, kTickBusyTimeoutMs);
}

QString SongSession::requireSong(const QString& action) const {
    if (songName().size() < 4)
        throw VersettaError(tr("Open a song before %1.").arg(action));
    return m_path;
}

QString SongSession::saveLyricsFile() {
    const QString name = songName();
    if (name.size() < 4)
        throw VersettaError(name.isEmpty()
                                ? tr("Open a song before saving its lyrics")
                                : tr("Cannot save: the song's name \"%1\" is too short to name a "
                                     "lyrics file beside it")
                                      .arg(name));
    const QString xml = SynchLyricsFileName(m_path);
    QStringList notes;
    const auto saveXml = [&] {
        notes << KeepUnseenFile(xml, m_xmlSeen);
        notes << SaveSheetAsLyricsFile(m_path, m_sheet.rows());
        m_xmlSeen = FileSeen::of(xml, true);
    };
    const auto joined = [&notes] {
        notes.removeAll(QString());
        return notes.join(u' ');
    };
    const auto saved = [&] {
        m_savedRows = m_sheet.rows();
        m_unsaved.forget(m_path); // what was kept is overtaken by what the person saved
        return joined();
    };
    if (!m_keepPrecise && !HoldsWordTimes(m_sheet.rows())) {
        saveXml();
        return saved();
    }
    // The precise times go beside it, once it is saved: Song.lrc is only trusted while it
    // agrees with Song.xml. Their text, megabytes for a long sheet of word stamps, is made
    // while Song.xml goes to the disk; the sheet is not changed before both are done.
    int marked = 0;
    std::future<QByteArray> lrcText =
        std::async(std::launch::async, [this, &marked] { return lrcBytes(true, marked); });
    saveXml(); // on a throw, the future's end waits for the text
    const QByteArray bytes = lrcText.get();
    if (marked == 0)
        return saved();
    const QString lrc = LrcFileName(m_path);
    try {
        notes << KeepUnseenFile(lrc, m_lrcSeen);
        notes << SaveLyricsFile(lrc, bytes);
        m_lrcSeen = FileSeen::of(lrc, true);
    } catch (const VersettaError& error) {
        throw VersettaError(
            tr("Saved %1, but not its precise times: %2").arg(nameOf(xml), error.message()));
    }
    return saved();
}

bool SongSession::keepUnsaved(const QString& panelText) {
    if (m_path.isEmpty())
        return false;
    if (m_sheet.rows() != m_savedRows) {
        m_unsaved.keep(m_path, m_sheet.rows());
        return true;
    }
    // Lyrics typed or pasted into the text panel and never saved come back as lines.
    const QString typed = TrimBlanks(panelText);
    if (typed.isEmpty() || typed == tagLyrics())
        return false;
    m_unsaved.keep(m_path, unmarkedRows(LyricLines(typed)));
    return true;
}

QDateTime SongSession::unsavedKeptAt() const {
    return m_path.isEmpty() ? QDateTime() : m_unsaved.keptAt(m_path);
}

QString SongSession::bringBackUnsaved() {
    const QDateTime at = unsavedKeptAt();
    std::vector<SheetRow> rows = m_unsaved.read(m_path);
    m_sheet.load(std::move(rows), tr("Bring Back Unsaved Changes"));
    return tr("Brought back the %1 kept unsaved on %2; Save writes them to the lyrics file, "
              "Ctrl+Z takes them back.")
        .arg(linesText(m_sheet.count()), QLocale().toString(at, QLocale::ShortFormat));
}

QString SongSession::savedSummary() const {
    const std::vector<SheetRow>& rows = m_sheet.rows();
    const auto marked = std::count_if(rows.begin(), rows.end(), [](const SheetRow& row) {
        return !row.secs.trimmed().isEmpty();
    });
    QString summary =
        tr("Saved %1: %2, %3 marked")
            .arg(nameOf(SynchLyricsFileName(m_path)),
                 linesText(static_cast<qsizetype>(rows.size())), QString::number(marked));
    if ((m_keepPrecise || HoldsWordTimes(rows)) && marked > 0)
        summary += tr("; the precise times in %1").arg(nameOf(LrcFileName(m_path)));
    return summary;
}

QByteArray SongSession::lrcBytes(bool milliseconds, int& marked) const {
    LrcHeader header;
    if (const std::unique_ptr<TagComponent> tag = newTag())
        header = tag->LrcHeaderOf(m_path);
    return WriteLrc(header, m_sheet.rows(), &marked, milliseconds);
}

std::function<QString()> SongSession::tagLyricsSave(const QString& lyrics) {
    std::shared_ptr<TagComponent> tag = newTag();
    if (!tag)
        throw VersettaError(tr("Cannot save the lyrics: no tag component."));
    if (songName().isEmpty())
        throw VersettaError(tr("Open a song before saving its lyrics."));
    return [tag, song = m_path, lyrics] {
        tag->LoadTag(song, true);
        tag->SetFrameText(QStringLiteral("USLT"), lyrics);
        tag->SaveTag(song);
        if (QString note = tag->SaveNote(); !note.isEmpty())
            return note;
        if (lyrics.isEmpty())
            return tr("Saved empty lyrics into %1 of %2.").arg(LyricsPlaceOf(song), nameOf(song));
        const qsizetype lines = LyricLines(lyrics).size();
        return tr("Saved %1 of lyrics into %2 of %3.")
            .arg(linesText(lines), LyricsPlaceOf(song), nameOf(song));
    };
}

std::function<QString()> SongSession::syncedLyricsSave() {
    const QString song = requireSong(tr("writing timed lyrics into its tag"));
    std::vector<SheetRow> rows = m_sheet.rows();
    if (SyncedLinesFromRows(rows).empty())
        throw VersettaError(tr("No line is marked yet, so the tag of %1 was not "
                               "changed.")
                                .arg(nameOf(song)));
    std::shared_ptr<TagComponent> tag = newTag();
    if (!tag)
        throw VersettaError(tr("Cannot write timed lyrics: no tag component."));
    return [tag, song, rows = std::move(rows), milliseconds = m_keepPrecise] {
        return tag->SaveTimedLyrics(song, rows, milliseconds);
    };
}

QString SongSession::writeLrc() {
    const QString song = requireSong(tr("writing an LRC file"));
    const QString path = LrcFileName(song);
    int marked = 0;
    const QByteArray bytes = lrcBytes(m_keepPrecise, marked);
    if (marked == 0)
        throw VersettaError(tr("No line is marked yet, so %1 was not written.").arg(nameOf(path)));
    const QString kept = KeepUnseenFile(path, m_lrcSeen);
    const QString saved = SaveLyricsFile(path, bytes);
    m_lrcSeen = FileSeen::of(path, true);
    const QString note = kept.isEmpty() || saved.isEmpty() ? kept + saved : kept + u' ' + saved;
    const QString lines = QString::number(m_sheet.count());
    const QString wrote = marked == 1
                              ? tr("Wrote %1: 1 timed line of %2.").arg(ShownPath(path), lines)
                              : tr("Wrote %1: %2 timed lines of %3.")
                                    .arg(ShownPath(path), QString::number(marked), lines);
    return wrote + (note.isEmpty() ? QString() : tr(" ") + note);
}

QString SongSession::writeSubtitles() {
    const QString song = requireSong(tr("writing subtitles"));
    LrcHeader header;
    if (const std::unique_ptr<TagComponent> tag = newTag())
        header = tag->LrcHeaderOf(song);
    const SubtitleCues cues = SubtitleCuesOf(m_sheet.rows(), header.lengthMs);
    QStringList names;
    for (const SubtitleFormat format : kSubtitleFormats)
        names << nameOf(SubtitleFileName(song, format));
    const QString all =
        tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(tr(", ")), names.last());
    if (cues.cues.empty())
        throw VersettaError(
            tr("No line is marked yet, so %1 were not written: mark lines first.").arg(all));
    const QString title =
        header.title.trimmed().isEmpty() ? QFileInfo(song).completeBaseName() : header.title;
    QStringList notes;
    qsizetype written = 0;
    for (const SubtitleFormat format : kSubtitleFormats) {
        try {
            notes << SaveLyricsFile(SubtitleFileName(song, format),
                                    WriteSubtitles(format, cues, title));
        } catch (const VersettaError& error) {
            if (written == 0)
                throw;
            throw VersettaError(tr("Wrote %1, but not the rest: %2")
                                    .arg(names.mid(0, written).join(tr(", ")), error.message()));
        }
        ++written;
    }
    notes.removeAll(QString());
    const auto lines = static_cast<qsizetype>(cues.cues.size());
    QString status = tr("Wrote %1 beside the song: %2").arg(all, linesText(lines));
    if (cues.unmarked > 0)
        status += tr("; %1 without a time left out (mark them to include them)")
                      .arg(linesText(cues.unmarked));
    status += u'.';
    return notes.isEmpty() ? status : status + u' ' + notes.join(u' ');
}

QString SongSession::lrcToRead() const {
    const QString song = requireSong(tr("reading its LRC file"));
    QString lrc = LrcFileName(song);
    const QString xml = SynchLyricsFileName(song);
    if (FileExists(xml))
        throw VersettaError(tr("%1 has a lyrics file already (%2); drop %3 on the "
                               "window to replace the sheet with it.")
                                .arg(nameOf(song), nameOf(xml), nameOf(lrc)));
    // A pipe, a folder or a dangling link there is named by the reading.
    if (!QFileInfo::exists(lrc) && NonRegularKind(lrc).isEmpty())
        throw VersettaError(tr("There is no %1 beside the song.").arg(nameOf(lrc)));
    return lrc;
}

QString SongSession::readLrc(const QString& path) {
    const FileSeen seen = FileSeen::of(path, true);
    const LrcContent content = ReadLrc(ReadLyricsFile(path));
    if (content.tooLong)
        throw VersettaError(tr("%1 holds more lines than the sheet's %2; the sheet "
                               "was left as it was.")
                                .arg(ShownPath(path), QString::number(LyricSheet::kMaxRows)));
    if (content.lines.empty())
        throw VersettaError(
            tr("%1 holds no lyrics lines; the sheet was left as it was.").arg(ShownPath(path)));
    if (content.stamped == 0)
        throw VersettaError(tr("%1 holds no time stamps, so it is no LRC file; the "
                               "sheet was left as it was.")
                                .arg(ShownPath(path)));
    m_sheet.load(SheetRowsFromLrc(content.lines), tr("Read LRC File"));
    if (QFileInfo(path) == QFileInfo(LrcFileName(m_path)))
        m_lrcSeen = seen;
    return tr("Read %n lines from %1; Save writes them to the lyrics file.", nullptr,
              m_sheet.count())
        .arg(nameOf(path));
}

// ---- precise times and words ----------------------------------------------------------------

QString SongSession::readSettings(const QString& settingsFile) {
    m_settingsFile = settingsFile;
    const StoredSwitch stored = ReadKeepPreciseTimes(settingsFile);
    m_settingsRefused = stored.notKept;
    if (stored.on != m_keepPrecise) {
        m_keepPrecise = stored.on;
        emit keepPreciseTimesChanged(m_keepPrecise);
    }
    return stored.notKept;
}

QString SongSession::setKeepPrecise(bool on) {
    QString status = on ? tr("Precise times are kept: Save also writes Song.lrc "
                             "beside Song.xml, in milliseconds.")
                        : tr("Precise times are not kept: Save writes Song.xml "
                             "alone, in whole seconds.");
    if (on == m_keepPrecise)
        return status;
    m_keepPrecise = on;
    emit keepPreciseTimesChanged(on);
    if (const QString why = KeepPreciseTimes(m_settingsFile, on, m_settingsRefused); !why.isEmpty())
        status += tr(" It lasts until the window closes: %1.").arg(why);
    return status;
}

QString SongSession::toggleKeepPreciseTimes() {
    if (m_keepPrecise && m_wordMode)
        return tr("Word marking is on, and word times live only in Song.lrc: turn "
                  "it off first.");
    return setKeepPrecise(!m_keepPrecise);
}

QString SongSession::toggleWordMode() {
    m_wordMode = !m_wordMode;
    emit wordModeChanged(m_wordMode);
    if (!m_wordMode)
        return tr("Word marking is off: Mark Line stamps the next line.");
    const bool turnedOn = !m_keepPrecise;
    const QString kept = setKeepPrecise(true);
    return tr("Word marking is on: Mark Line stamps the next word of the line.") +
           (turnedOn ? u' ' + kept : QString());
}

namespace {

// The lines a status names: "Line 3", "Lines 3 and 4", "Lines 3–7", "Lines 1, 2 and 5",
// "12 lines from line 3".
QString linesNamed(const std::vector<int>& positions) {
    if (positions.size() == 1)
        return QCoreApplication::translate("SongSession", "Line %1").arg(positions.front());
    const bool run = positions.back() - positions.front() + 1 == static_cast<int>(positions.size());
    if (run && positions.size() > 2)
        return QCoreApplication::translate("SongSession", "Lines %1–%2")
            .arg(positions.front())
            .arg(positions.back());
    if (positions.size() > 4)
        return QCoreApplication::translate("SongSession", "%1 lines from line %2")
            .arg(positions.size())
            .arg(positions.front());
    QStringList numbers;
    for (const int p : positions)
        numbers << QString::number(p);
    const QString last = numbers.takeLast();
    return QCoreApplication::translate("SongSession", "Lines %1 and %2")
        .arg(numbers.join(QStringLiteral(", ")), last);
}

} // namespace

SongSession::Nudged SongSession::nudge(const std::vector<int>& positions, int word,
                                       qint64 deltaMs) {
    const auto rowAt = [this](int p) -> const SheetRow* {
        return p >= 1 && p <= m_sheet.count() ? &m_sheet.rows()[static_cast<std::size_t>(p - 1)]
                                              : nullptr;
    };
    std::vector<SheetRow> before;
    before.reserve(positions.size());
    for (const int p : positions)
        before.push_back(rowAt(p) ? *rowAt(p) : SheetRow{});
    const LyricSheet::NudgeReport report = m_sheet.nudge(positions, word, deltaMs);
    std::vector<int> moved; // the lines whose time changed, in sheet order
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (const SheetRow* row = rowAt(positions[i]); row && !(*row == before[i]))
            moved.push_back(positions[i]);
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    Nudged nudged;
    nudged.moved = report.moved > 0;
    nudged.replayFromMs = std::max<qint64>(0, report.firstMs - kReplayLeadInMs);
    const QString by = tr("%1%2 s")
                           .arg(deltaMs < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                           .arg(static_cast<double>(std::abs(deltaMs)) / 1000);
    if (positions.empty())
        nudged.status = tr("Select a line to nudge.");
    else if (!nudged.moved && report.untimed > 0)
        nudged.status = word >= 0 ? tr("That word has no time to nudge yet.")
                                  : tr("The selected lines have no time to nudge.");
    else if (!nudged.moved || moved.empty())
        nudged.status = tr("The time cannot move before the song's start.");
    else if (word >= 0) {
        const SheetRow& row = *rowAt(moved.front());
        const auto w = static_cast<std::size_t>(word);
        const QString text = w < row.words.size()
                                 ? row.lyric.mid(row.words[w].start, row.words[w].length)
                                 : QString();
        nudged.status =
            tr("Word “%1” of line %2 moved %3 to %4.")
                .arg(text, QString::number(moved.front()), by, PreciseTimeText(report.firstMs));
    } else
        nudged.status =
            tr("%1 moved %2%3.")
                .arg(linesNamed(moved),
                     moved.size() == 1 ? tr("%1 to %2").arg(by, PreciseTimeText(report.firstMs))
                                       : by,
                     report.untimed > 0 ? tr("; %n without a time stayed", nullptr, report.untimed)
                                        : QString());
    return nudged;
}

QString SongSession::shift(const std::vector<int>& positions, const QString& amountText) {
    const LyricSheet::ShiftReport report = m_sheet.shiftRows(positions, amountText);
    if (report.skipped == 0)
        return {};
    if (report.skipped == 1)
        return tr("Adjust Selected Line: %1, so it was left unchanged.").arg(report.first);
    return tr("Adjust Selected Line: %n lines were left unchanged; %1.", nullptr, report.skipped)
        .arg(report.first);
}
