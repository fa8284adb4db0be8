#include "sources/FormatTags.h"

#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "sources/AudioLayout.h"
#include "sources/TagSave.h"
#include "storage/Lrc.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <flacfile.h>
#include <mp4file.h>
#include <opusfile.h>
#include <tfilestream.h>
#include <vorbisfile.h>
#include <wavfile.h>
#include <xiphcomment.h>

#include <memory>

namespace {

const char* const kMp4Lyrics = "\251lyr";

QString formatName(AudioFormat format, OggCodec codec) {
    switch (format) {
    case AudioFormat::Flac:
        return QStringLiteral("FLAC");
    case AudioFormat::Ogg:
        return codec == OggCodec::Opus ? QStringLiteral("Ogg Opus") : QStringLiteral("Ogg");
    case AudioFormat::M4a:
        return QStringLiteral("MP4");
    case AudioFormat::Wav:
        return QStringLiteral("WAV");
    default:
        return QStringLiteral("song");
    }
}

// Vorbis or Opus, from the first packet, which starts the first page.
OggCodec oggCodec(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty())
        return OggCodec::None;
    const QByteArray head = file.read(64);
    if (!head.startsWith("OggS"))
        return OggCodec::None;
    return head.contains("OpusHead")     ? OggCodec::Opus
           : head.contains("\x01vorbis") ? OggCodec::Vorbis
                                         : OggCodec::Other;
}

// One song opened through the tag library class of its format.
class TagFile {
public:
    // format is the song's, by its name: a working copy's path says nothing.
    // The audio's properties are read only for a song opened read-only, when asked for.
    TagFile(const QString& path, AudioFormat format, bool writable = false, bool withLength = true)
        : m_format(format), m_codec(m_format == AudioFormat::Ogg ? oggCodec(path) : OggCodec::None),
          m_stream(QFile::encodeName(path).constData(), !writable) {
        const bool readAudio = !writable && withLength;
        const auto style = TagLib::AudioProperties::Fast;
        if (!m_stream.isOpen())
            return;
        if (m_format == AudioFormat::Flac)
            m_file = std::make_unique<TagLib::FLAC::File>(
                &m_stream, TagLib::ID3v2::FrameFactory::instance(), readAudio, style);
        else if (m_format == AudioFormat::Ogg && m_codec == OggCodec::Vorbis)
            m_file = std::make_unique<TagLib::Ogg::Vorbis::File>(&m_stream, readAudio, style);
        else if (m_format == AudioFormat::Ogg && m_codec == OggCodec::Opus)
            m_file = std::make_unique<TagLib::Ogg::Opus::File>(&m_stream, readAudio, style);
        else if (m_format == AudioFormat::M4a)
            m_file = std::make_unique<TagLib::MP4::File>(&m_stream, readAudio, style);
        else if (m_format == AudioFormat::Wav)
            m_file = std::make_unique<TagLib::RIFF::WAV::File>(&m_stream, readAudio, style);
        // A FLAC file without its stream information is no FLAC file, whatever TagLib says.
        if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(m_file.get());
            flac && readAudio && !flac->audioProperties())
            m_file.reset();
    }

    // "" when the file is open as its format, else what it is not.
    QString fault() const {
        if (!m_stream.isOpen())
            return QStringLiteral("it cannot be opened");
        if (m_format == AudioFormat::Ogg && m_codec != OggCodec::Vorbis &&
            m_codec != OggCodec::Opus)
            return m_codec == OggCodec::None
                       ? QStringLiteral("it is not an Ogg file")
                       : QStringLiteral("it holds neither Vorbis nor Opus audio");
        if (!m_file || !m_file->isValid())
            return QStringLiteral("it is not a%1 %2 file")
                .arg(m_format == AudioFormat::M4a ? QStringLiteral("n") : QString(),
                     formatName(m_format, m_codec));
        return {};
    }

    TagLib::File& file() { return *m_file; }

    QString lyrics() {
        if (TagLib::Ogg::XiphComment* comment = xiph(false)) {
            const TagLib::Ogg::FieldListMap& fields = comment->fieldListMap();
            for (const char* key : {"LYRICS", "UNSYNCEDLYRICS"})
                if (fields.contains(key))
                    return fields[key].isEmpty() ? QString() : FromTagLib(fields[key].front());
            return {};
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

    // Sets the lyrics and writes the file; false when the tag library could not.
    bool saveLyrics(const QString& text) {
        if (TagLib::Ogg::XiphComment* comment = xiph(true)) {
            comment->addField("LYRICS", ToTagLib(text), true);
            return m_file->save();
        }
        if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(m_file.get())) {
            mp4->tag()->setItem(kMp4Lyrics, TagLib::StringList(ToTagLib(text)));
            return mp4->save();
        }
        if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(m_file.get())) {
            // The tag keeps its version; a new one is 2.3, as in an MP3 (see TagSave.cpp).
            const bool v4 = wav->hasID3v2Tag() && wav->ID3v2Tag()->header()->majorVersion() != 3;
            SetLyricsText(*wav->ID3v2Tag(), text,
                          v4 ? TagLib::String::UTF8 : TagLib::String::UTF16);
            return wav->save(TagLib::RIFF::WAV::File::ID3v2, TagLib::File::StripNone,
                             v4 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3);
        }
        return false;
    }

private:
    TagLib::Ogg::XiphComment* xiph(bool create) {
        if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(m_file.get()))
            return flac->xiphComment(create);
        if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(m_file.get()))
            return vorbis->tag();
        if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(m_file.get()))
            return opus->tag();
        return nullptr;
    }

    AudioFormat m_format;
    OggCodec m_codec;
    TagLib::FileStream m_stream;
    std::unique_ptr<TagLib::File> m_file;
};

// What keeps the tag library from reading the song, in the words of the raw reading where it
// says more ("its FLAC metadata is cut short" rather than "it is not a FLAC file").
QString faultOf(const TagFile& song, const QString& path) {
    const QString fault = song.fault();
    if (fault.isEmpty())
        return {};
    const QString raw = ReadAudioLayout(path, AudioFormatOf(path)).fault;
    return raw.isEmpty() ? fault : raw;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The fields a reader sees, but the lyrics.
QStringList keptFields(const AudioLayout& layout) {
    QStringList fields = layout.fields;
    fields.removeIf([](const QString& field) { return IsLyricsField(field); });
    return fields;
}

// The names of the fields in one list and not in the other.
QString differingFields(const QStringList& before, const QStringList& after) {
    QStringList names;
    const auto add = [&names](const QStringList& from, const QStringList& other) {
        for (const QString& field : from)
            if (!other.contains(field))
                names << field.left(field.indexOf(QLatin1Char('=')));
    };
    add(before, after);
    add(after, before);
    names.removeDuplicates();
    return names.join(QStringLiteral(", "));
}

} // namespace

FormatTag ReadFormatTag(const QString& path, bool withLength) {
    if (const QString kind = NonRegularKind(path); !kind.isEmpty())
        throw VersettaError(QStringLiteral("%1 is %2, not a song.").arg(shown(path), kind));
    TagFile song(path, AudioFormatOf(path), false, withLength);
    if (const QString fault = faultOf(song, path); !fault.isEmpty())
        throw VersettaError(QStringLiteral("%1: %2.").arg(shown(path), fault));
    FormatTag tag;
    tag.lyrics = song.lyrics();
    if (const TagLib::Tag* common = song.file().tag()) {
        tag.title = FromTagLib(common->title());
        tag.artist = FromTagLib(common->artist());
        tag.album = FromTagLib(common->album());
    }
    if (const TagLib::AudioProperties* audio = song.file().audioProperties())
        tag.lengthMs = audio->lengthInMilliseconds();
    return tag;
}

QString SaveFormatLyrics(const QString& path, const QString& lyrics, const QString& what) {
    const AudioFormat format = AudioFormatOf(path);
    AudioLayout before;
    FileChange change;
    change.what = what;
    change.prepare = [&](const QString& song) {
        if (const QString fault = faultOf(TagFile(song, format), song); !fault.isEmpty())
            return fault + QStringLiteral(", so it was left as it was.");
        before = ReadAudioLayout(song, format);
        return before.fault.isEmpty()
                   ? QString()
                   : before.fault + QStringLiteral(", so it was left as it was.");
    };
    change.apply = [&](const QString& copy) {
        TagFile song(copy, format, true);
        return song.fault().isEmpty() && song.saveLyrics(lyrics)
                   ? QString()
                   : QStringLiteral("the tag library could not write its tag");
    };
    change.check = [&](const QString& copy) {
        if (TagFile(copy, format).lyrics() != lyrics)
            return QStringLiteral("the lyrics would not read back as written");
        const AudioLayout after = ReadAudioLayout(copy, format);
        if (!after.fault.isEmpty() || after.kept != before.kept)
            return QStringLiteral("the audio would have changed");
        if (const QString fields = differingFields(keptFields(before), keptFields(after));
            !fields.isEmpty())
            return QStringLiteral("its tag holds fields that could not be kept as they are (%1)")
                .arg(fields);
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
    const QString note = SaveFormatLyrics(path, text, QStringLiteral("the synchronized lyrics"));
    return note.isEmpty() ? QStringLiteral("Wrote %1 lines, %2 of them timed, into %3 of %4 as "
                                           "LRC text.")
                                .arg(rows.size())
                                .arg(marked)
                                .arg(LyricsPlaceOf(path), QFileInfo(path).fileName())
                          : note;
}
