#include "sources/FormatTags.h"

#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "core/PathRules.h"
#include "sources/AudioLayout.h"
#include "sources/TagSave.h"
#include "storage/Lrc.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <flacfile.h>
#include <mp4file.h>
#include <opusfile.h>
#include <tfilestream.h>
#include <vorbisfile.h>
#include <wavfile.h>
#include <xiphcomment.h>

#include <algorithm>
#include <memory>

namespace {

const char* const kMp4Lyrics = "\251lyr";
constexpr qint64 kLargestTagRead = qint64{16} << 20;

// One song opened read-only through the tag library class of its format: the second reader
// of what a save wrote, and the song's length. format is the song's, by its name (a working
// copy's path says nothing), and codec what its own reading found in an Ogg file.
class TagFile {
public:
    TagFile(const QString& path, AudioFormat format, const QString& codec, bool withLength)
        : m_stream(QFile::encodeName(path).constData(), true) {
        const auto style = TagLib::AudioProperties::Fast;
        if (!m_stream.isOpen())
            return;
        if (format == AudioFormat::Flac)
            m_file = std::make_unique<TagLib::FLAC::File>(
                &m_stream, TagLib::ID3v2::FrameFactory::instance(), withLength, style);
        else if (format == AudioFormat::Ogg && codec == QLatin1String("Vorbis"))
            m_file = std::make_unique<TagLib::Ogg::Vorbis::File>(&m_stream, withLength, style);
        else if (format == AudioFormat::Ogg && codec == QLatin1String("Opus"))
            m_file = std::make_unique<TagLib::Ogg::Opus::File>(&m_stream, withLength, style);
        else if (format == AudioFormat::M4a)
            m_file = std::make_unique<TagLib::MP4::File>(&m_stream, withLength, style);
        else if (format == AudioFormat::Wav && !isRf64())
            m_file = std::make_unique<TagLib::RIFF::WAV::File>(&m_stream, withLength, style);
    }

    // Whether the tag library reads the file as its format at all (not an Ogg file of FLAC,
    // nor one whose first stream is not its audio).
    bool reads() const { return m_file && m_file->isValid(); }

    qint64 lengthMs() const {
        const TagLib::AudioProperties* audio = reads() ? m_file->audioProperties() : nullptr;
        return audio ? audio->lengthInMilliseconds() : -1;
    }

    QString lyrics() const {
        if (!reads())
            return {};
        TagLib::Ogg::XiphComment* comment = nullptr;
        if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(m_file.get()))
            comment = flac->xiphComment(false);
        else if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(m_file.get()))
            comment = vorbis->tag();
        else if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(m_file.get()))
            comment = opus->tag();
        if (comment) {
            const TagLib::StringList values = comment->fieldListMap()["LYRICS"];
            return values.isEmpty() ? QString() : FromTagLib(values.front());
        }
        if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(m_file.get())) {
            const TagLib::MP4::Tag* tag = mp4->tag();
            if (!tag || !tag->contains(kMp4Lyrics))
                return {};
            const TagLib::StringList texts = tag->item(kMp4Lyrics).toStringList();
            return texts.isEmpty() ? QString() : FromTagLib(texts.front());
        }
        if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(m_file.get()))
            return wav->hasID3v2Tag() ? LyricsText(*wav->ID3v2Tag()) : QString();
        return {};
    }

private:
    // The tag library reads RIFF lists, not their 64-bit form.
    bool isRf64() {
        const TagLib::ByteVector head = m_stream.readBlock(4);
        m_stream.seek(0);
        return head == "RF64";
    }

    TagLib::FileStream m_stream;
    std::unique_ptr<TagLib::File> m_file;
};

// The names of the fields in one sorted list and not in the other.
QString differingFields(const QStringList& before, const QStringList& after) {
    QStringList differing;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(differing));
    QStringList names;
    for (const QString& field : differing)
        names << field.left(field.indexOf(QLatin1Char('=')));
    names.removeDuplicates();
    return names.join(QStringLiteral(", "));
}

} // namespace

FormatTag ReadFormatTag(const QString& path, bool withLength) {
    if (const QString kind = NonRegularKind(path); !kind.isEmpty())
        throw VersettaError(QCoreApplication::translate("FormatTags", "%1 is %2, not a song.")
                                .arg(ShownPath(path), kind));
    const AudioFormat format = AudioFormatOf(path);
    const AudioLayout layout = ReadAudioLayout(path, format, false);
    if (!layout.fault.isEmpty())
        throw VersettaError(QStringLiteral("%1: %2.").arg(ShownPath(path), layout.fault));
    FormatTag tag;
    tag.lyrics = layout.lyrics.value_or(layout.unsyncedLyrics.value_or(QString()));
    tag.title = layout.title;
    tag.artist = layout.artist;
    tag.album = layout.album;
    if (withLength)
        tag.lengthMs = TagFile(path, format, layout.codec, true).lengthMs();
    return tag;
}

QString SaveFormatLyrics(const QString& path, const QString& lyrics, const QString& what) {
    const AudioFormat format = AudioFormatOf(path);
    AudioLayout before;
    FileChange change;
    change.what = what;
    change.plan = [&](const QString& song) {
        before = ReadAudioLayout(song, format);
        return before.fault.isEmpty() ? PlanLyricsSave(song, format, lyrics)
                                      : SongPlan{{}, before.fault};
    };
    change.check = [&](const QString& copy) {
        const AudioLayout after = ReadAudioLayout(copy, format);
        if (!after.fault.isEmpty() || after.kept != before.kept)
            return QCoreApplication::translate("FormatTags", "the audio would have changed");
        if (after.lyrics != lyrics)
            return QCoreApplication::translate("FormatTags",
                                               "the lyrics would not read back as written");
        QStringList written = after.fields;
        // A new comment block names the program that made it; no reader shows that name.
        const auto vendor = [](const QString& field) { return field.startsWith(u"vendor="); };
        if (std::none_of(before.fields.begin(), before.fields.end(), vendor))
            written.removeIf(vendor);
        if (const QString fields = differingFields(before.fields, written); !fields.isEmpty())
            return QCoreApplication::translate(
                       "FormatTags", "its tag holds fields that could not be kept as they are (%1)")
                .arg(fields);
        // The tag library reads the copy on its own, where it reads such a song at all, and
        // where its tag is small enough: the library holds every field of it in memory, some
        // four times over.
        if (after.tagSize > kLargestTagRead)
            return QString();
        if (const TagFile reader(copy, format, after.codec, false);
            reader.reads() && reader.lyrics() != lyrics)
            return QCoreApplication::translate("FormatTags",
                                               "the lyrics would not read back as written");
        return QString();
    };
    return SaveFileChange(path, change);
}

QString SaveFormatSyncedLyrics(const QString& path, const std::vector<SheetRow>& rows,
                               bool milliseconds) {
    int marked = 0;
    // Without the trailing line feed, which a reader of the field would take for a line.
    QString text = QString::fromUtf8(WriteLrc({}, rows, &marked, milliseconds));
    text.chop(text.endsWith(u'\n') ? 1 : 0);
    QString note = SaveFormatLyrics(
        path, text, QCoreApplication::translate("FormatTags", "the synchronized lyrics"));
    if (!note.isEmpty())
        return note;
    // "1 line" keeps its figure in English; other languages have plural forms of their own.
    const int lines = static_cast<int>(rows.size());
    return QCoreApplication::translate("FormatTags",
                                       "Wrote %1, %2 of them timed, into %3 of %4 as LRC text.")
        .arg(lines == 1 ? QCoreApplication::translate("FormatTags", "1 line")
                        : QCoreApplication::translate("FormatTags", "%n lines", nullptr, lines))
        .arg(marked)
        .arg(LyricsPlaceOf(path), QFileInfo(path).fileName());
}
