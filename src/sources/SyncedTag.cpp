#include "sources/SyncedTag.h"

#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "sources/FormatTags.h"
#include "sources/TagSave.h"
#include "storage/Lrc.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mpegfile.h>
#include <synchronizedlyricsframe.h>
#include <tfilestream.h>

#include <algorithm>

namespace {

using SyncedFrame = TagLib::ID3v2::SynchronizedLyricsFrame;

// The language of the program's own timed lyrics: the lyrics frame's, else "XXX", the tag
// format's code for a language that is not known.
TagLib::ByteVector ownLanguage(const TagLib::ID3v2::Tag& tag) {
    const TagLib::ID3v2::UnsynchronizedLyricsFrame* lyrics = ExpectedLyrics(tag);
    const TagLib::ByteVector language = lyrics ? lyrics->language() : TagLib::ByteVector("XXX");
    return language.size() == 3 ? language : TagLib::ByteVector("XXX");
}

// The frame this program owns: SYLT of lyrics in its language, with an empty descriptor.
// Others (a chord track, lyrics in another language, a described frame) are another tool's.
SyncedFrame* ownSyncedFrame(const TagLib::ID3v2::Tag& tag) {
    const TagLib::ByteVector language = ownLanguage(tag);
    for (TagLib::ID3v2::Frame* frame : tag.frameList("SYLT"))
        if (auto* synced = dynamic_cast<SyncedFrame*>(frame);
            synced && synced->type() == SyncedFrame::Lyrics && synced->description().isEmpty() &&
            synced->language() == language)
            return synced;
    return nullptr;
}

std::vector<SyncedLine> linesOf(const SyncedFrame& frame) {
    std::vector<SyncedLine> lines;
    const bool inMs = frame.timestampFormat() == SyncedFrame::AbsoluteMilliseconds;
    for (const SyncedFrame::SynchedText& text : frame.synchedText())
        lines.push_back({inMs ? qint64{text.time} : -1, FromTagLib(text.text)});
    return lines;
}

bool inOtherTag(const QString& path) {
    const AudioFormat format = AudioFormatOf(path);
    return format != AudioFormat::Mp3 && format != AudioFormat::Other;
}

} // namespace

SongTagInfo ReadSongTagInfo(const QString& path) {
    if (inOtherTag(path)) {
        const FormatTag tag = ReadFormatTag(path);
        // Timed lyrics there are LRC text in the lyrics field.
        const bool timed = ReadLrc(tag.lyrics).stamped > 0;
        return {tag.title, tag.artist, tag.album, tag.lengthMs, !tag.lyrics.trimmed().isEmpty(),
                timed};
    }
    const QString shown = QDir::toNativeSeparators(path);
    // TagLib would block for ever on a named pipe.
    if (const QString kind = NonRegularKind(path); !kind.isEmpty())
        throw VersettaError(
            QCoreApplication::translate("SyncedTag", "%1 is %2, not a song.").arg(shown, kind));
    TagLib::FileStream stream(QFile::encodeName(path).constData(), true);
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), true,
                            TagLib::AudioProperties::Fast);
    if (!stream.isOpen())
        throw VersettaError(
            QCoreApplication::translate("SyncedTag", "%1 cannot be opened.").arg(shown));
    if (!file.isValid() || file.firstFrameOffset() < 0)
        throw VersettaError(
            QCoreApplication::translate("SyncedTag", "%1 is not an MP3 file.").arg(shown));
    SongTagInfo info;
    if (const TagLib::Tag* tag = file.tag()) {
        info.title = FromTagLib(tag->title());
        info.artist = FromTagLib(tag->artist());
        info.album = FromTagLib(tag->album());
    }
    if (const TagLib::AudioProperties* audio = file.audioProperties())
        info.lengthMs = audio->lengthInMilliseconds();
    if (const TagLib::ID3v2::Tag* tag = file.ID3v2Tag(false)) {
        info.hasLyrics = !LyricsText(*tag).trimmed().isEmpty();
        info.hasSyncedLyrics = !tag->frameList("SYLT").isEmpty();
    }
    return info;
}

std::vector<SyncedLine> ReadSyncedLyrics(const QString& path) {
    if (!NonRegularKind(path).isEmpty() || !QFileInfo(path).isFile())
        return {};
    TagLib::FileStream stream(QFile::encodeName(path).constData(), true);
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    const TagLib::ID3v2::Tag* tag = file.isValid() ? file.ID3v2Tag(false) : nullptr;
    const SyncedFrame* frame = tag ? ownSyncedFrame(*tag) : nullptr;
    return frame ? LinesOfEntries(linesOf(*frame)) : std::vector<SyncedLine>{};
}

QString SaveTimedLyrics(const QString& path, const std::vector<SheetRow>& rows, bool withText,
                        bool milliseconds) {
    // One lyrics field there: the lines take it as LRC text.
    if (inOtherTag(path))
        return SaveFormatSyncedLyrics(path, rows, milliseconds);
    const std::vector<SyncedLine> entries = SyncedLinesFromRows(rows);
    QStringList text;
    for (const SheetRow& row : rows)
        text << row.lyric;
    QString note = SaveSyncedLyrics(
        path, entries, withText ? std::optional(text.join(QLatin1Char('\n'))) : std::nullopt);
    if (!note.isEmpty())
        return note;
    const std::size_t lines = LinesOfEntries(entries).size();
    const bool words = std::any_of(rows.begin(), rows.end(),
                                   [](const SheetRow& row) { return row.hasWordTimes(); });
    const QString name = QFileInfo(path).fileName();
    const int n = static_cast<int>(lines);
    // "1 line" keeps its figure in English; other languages have plural forms of their own.
    if (n == 1)
        return (words ? QCoreApplication::translate(
                            "SyncedTag", "Wrote 1 timed line and words into the tag of %1 (SYLT).")
                      : QCoreApplication::translate(
                            "SyncedTag", "Wrote 1 timed line into the tag of %1 (SYLT)."))
            .arg(name);
    return (words ? QCoreApplication::translate(
                        "SyncedTag", "Wrote %n timed lines and words into the tag of %1 (SYLT).",
                        nullptr, n)
                  : QCoreApplication::translate(
                        "SyncedTag", "Wrote %n timed lines into the tag of %1 (SYLT).", nullptr, n))
        .arg(name);
}

QString SaveSyncedLyrics(const QString& path, const std::vector<SyncedLine>& lines,
                         const std::optional<QString>& lyrics) {
    if (inOtherTag(path))
        throw VersettaError(QCoreApplication::translate(
                                "SyncedTag", "Cannot save the synchronized lyrics into %1: its "
                                             "format has no SYLT frame.")
                                .arg(QDir::toNativeSeparators(path)));
    LyricsFramesChange change;
    change.lyrics = lyrics;
    change.synced = lines;
    // The tag library reads the frame back as the program's own, with every line as written.
    const auto readBack = [&lines](const TagLib::ID3v2::Tag* written) {
        const SyncedFrame* frame = written ? ownSyncedFrame(*written) : nullptr;
        const std::vector<SyncedLine> back = frame ? linesOf(*frame) : std::vector<SyncedLine>{};
        const bool same = std::equal(back.begin(), back.end(), lines.begin(), lines.end(),
                                     [](const SyncedLine& a, const SyncedLine& b) {
                                         return a.ms == b.ms && a.text == b.text;
                                     });
        return same ? QString()
                    : QCoreApplication::translate("SyncedTag",
                                                  "the lines would not read back as written");
    };
    return SaveTagChange(path, QCoreApplication::translate("SyncedTag", "the synchronized lyrics"),
                         change, readBack);
}

LrcHeader LrcHeaderOf(const QString& song) {
    try {
        const SongTagInfo info = ReadSongTagInfo(song);
        return {info.title, info.artist, info.album, info.lengthMs};
    } catch (const VersettaError&) {
        return {};
    }
}
