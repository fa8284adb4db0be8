#include "sources/TagLibComponent.h"

#include "sources/Id3v2Layout.h"
#include "window/Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <id3v2tag.h>
#include <mpegfile.h>
#include <tfilestream.h>
#include <unsynchronizedlyricsframe.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include <filesystem>
#include <system_error>

namespace {

using LyricsFrame = TagLib::ID3v2::UnsynchronizedLyricsFrame;

const QString kLyricsId = QStringLiteral("USLT");

TagLib::String toTagLib(const QString& text) {
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

QString fromTagLib(const TagLib::String& text) {
    return QString::fromStdString(text.to8Bit(true));
}

// Lyrics are the only frame this program reads or writes.
void requireLyrics(const QString& id) {
    if (id != kLyricsId)
        throw VersettaError(QStringLiteral("The tag frame \"%1\" is not supported.").arg(id));
}

// The lyrics a user expects when a tag holds several: those without a description (what
// players show), else the first. Saving replaces that same frame and leaves the rest.
LyricsFrame* expectedLyrics(const TagLib::ID3v2::Tag& tag) {
    LyricsFrame* first = nullptr;
    for (TagLib::ID3v2::Frame* frame : tag.frameList("USLT")) {
        auto* lyrics = dynamic_cast<LyricsFrame*>(frame);
        if (!lyrics)
            continue;
        if (lyrics->description().isEmpty())
            return lyrics;
        if (!first)
            first = lyrics;
    }
    return first;
}

QString lyricsText(const TagLib::ID3v2::Tag& tag) {
    const LyricsFrame* lyrics = expectedLyrics(tag);
    return lyrics ? fromTagLib(lyrics->text()) : QString();
}

void setLyricsText(TagLib::ID3v2::Tag& tag, const QString& text, TagLib::String::Type encoding) {
    LyricsFrame* lyrics = expectedLyrics(tag);
    if (!lyrics) {
        auto created = std::make_unique<LyricsFrame>(encoding);
        // "XXX" is the tag format's code for a language that is not known.
        created->setLanguage("XXX");
        lyrics = created.get();
        tag.addFrame(created.release());
    }
    lyrics->setTextEncoding(encoding);
    lyrics->setText(toTagLib(text));
}

QByteArray readWhole(const QString& path, const QString& shown) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VersettaError(
            QStringLiteral("Cannot save the lyrics into %1: %2").arg(shown, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VersettaError(
            QStringLiteral("Cannot save the lyrics into %1: %2").arg(shown, file.errorString()));
    return bytes;
}

// The frames of the tag that a save is not meant to touch.
QStringList framesOtherThanLyrics(const QByteArray& bytes) {
    QStringList ids = Id3v2FrameIds(bytes);
    ids.removeAll(kLyricsId);
    return ids;
}

// Makes the copy's bytes durable before it replaces the song, so a crash cannot leave an
// empty file in the song's place.
bool flushToDisk(const QString& path) {
#ifdef Q_OS_UNIX
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}

// TagLib keeps a frame's header protected; a derived class may name the member, and the
// pointer to it reaches the header of any frame.
struct FrameHeader : TagLib::ID3v2::Frame {
    static Header& of(const TagLib::ID3v2::Frame& frame) {
        return *(frame.*(&FrameHeader::header))();
    }
};

bool hasWriteBit(QFileDevice::Permissions permissions) {
    return permissions &
           (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}

} // namespace

struct TagLibComponent::Loaded {
    explicit Loaded(const QString& path)
        : stream(QFile::encodeName(path).constData(), true),
          file(&stream, TagLib::ID3v2::FrameFactory::instance(), false) {}
    TagLib::FileStream stream;
    TagLib::MPEG::File file;
};

TagLibComponent::TagLibComponent() = default;
TagLibComponent::~TagLibComponent() = default;

void TagLibComponent::LoadTag(const QString& path, bool /*flag*/) {
    m_loaded.reset();
    m_newLyrics.reset();
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        throw VersettaError(
            QStringLiteral("Cannot read the tag of %1: it is a folder, not a song.").arg(shown));
    if (!QFileInfo(path).isFile())
        throw VersettaError(
            QStringLiteral("Cannot read the tag of %1: there is no such file.").arg(shown));
    auto loaded = std::make_unique<Loaded>(path);
    if (!loaded->stream.isOpen() || !loaded->file.isValid())
        throw VersettaError(
            QStringLiteral("Cannot read the tag of %1: the file cannot be opened.").arg(shown));
    m_loaded = std::move(loaded);
}

QString TagLibComponent::GetFrameText(const QString& frameId) {
    requireLyrics(frameId);
    if (m_newLyrics)
        return *m_newLyrics;
    if (!m_loaded)
        return {};
    const TagLib::ID3v2::Tag* tag = m_loaded->file.ID3v2Tag(false);
    return tag ? lyricsText(*tag) : QString();
}

void TagLibComponent::SetFrameText(const QString& frameId, const QString& text) {
    requireLyrics(frameId);
    // A NUL ends a text in the tag and a lone surrogate has no encoding: either would be saved
    // as something else without a word.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isNull() || c.isSurrogate()) {
            const QString code =
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
            throw VersettaError(QStringLiteral("The lyrics hold a character a tag cannot hold "
                                               "(U+%1); remove it and save again.")
                                    .arg(code));
        }
    }
    m_newLyrics = text;
}

void TagLibComponent::SaveTag(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const auto fail = [&shown](const QString& why) {
        return VersettaError(QStringLiteral("Cannot save the lyrics into %1: %2").arg(shown, why));
    };
    const QFileInfo info(path);
    if (!info.isFile())
        throw fail(QStringLiteral("there is no such file."));
    // A read-only file is refused even where the user could override it, as the owner asked.
    if (!info.isWritable() || !hasWriteBit(info.permissions()))
        throw fail(QStringLiteral("the file is read-only."));
    const QString target = info.canonicalFilePath();

    const QByteArray original = readWhole(target, shown);
    const Id3v2Extent before = Id3v2ExtentOf(original);
    if (before.length > original.size() ||
        (before.length > 0 && (before.majorVersion < 2 || before.majorVersion > 4)))
        throw fail(QStringLiteral("its ID3v2 tag is damaged or of an unknown version."));
    {
        TagLib::FileStream stream(QFile::encodeName(target).constData(), true);
        TagLib::MPEG::File probe(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (!stream.isOpen() || !probe.isValid() || probe.firstFrameOffset() < 0)
            throw fail(QStringLiteral("it is not an MP3 file."));
    }

    // The song is changed only by renaming a checked copy over it, so a failure at any step
    // before that leaves it exactly as it was.
    const QFileInfo song(target);
    QTemporaryFile copy(song.absolutePath() + QStringLiteral("/.") + song.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!copy.open() || copy.write(original) != original.size() || !copy.flush()) {
        // A short write (a full disk, a file-size limit) leaves only the default "Unknown error".
        const QString why =
            copy.errorString().isEmpty() || copy.errorString() == QFile().errorString()
                ? QStringLiteral("it could not be written in full; the disk may "
                                 "be full")
                : copy.errorString();
        throw fail(QStringLiteral("cannot write a temporary copy in its folder: ") + why);
    }
    copy.close();

    // Keep the tag's own version; TagLib cannot write 2.2, and a new tag is 2.3, the
    // version most players read. Unicode text survives in both: UTF-16 in 2.3, UTF-8 in 2.4.
    const TagLib::ID3v2::Version version = before.majorVersion == 3 || before.majorVersion == 0
                                               ? TagLib::ID3v2::v3
                                               : TagLib::ID3v2::v4;
    const TagLib::String::Type encoding =
        version == TagLib::ID3v2::v3 ? TagLib::String::UTF16 : TagLib::String::UTF8;
    {
        TagLib::MPEG::File file(QFile::encodeName(copy.fileName()).constData(), false);
        TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
        if (!file.isValid() || file.readOnly() || !tag)
            throw fail(QStringLiteral("the temporary copy cannot be written."));
        // TagLib writes every frame back with its flags cleared, so an encrypted frame would
        // come out as garbage under its old name (an encrypted USLT as lyrics of noise).
        for (const TagLib::ID3v2::Frame* frame : tag->frameList())
            if (FrameHeader::of(*frame).encryption())
                throw fail(
                    QStringLiteral("its tag holds encrypted frames (%1), so the song was "
                                   "left as it was.")
                        .arg(QString::fromLatin1(frame->frameID().data(),
                                                 static_cast<qsizetype>(frame->frameID().size()))));
        if (m_newLyrics)
            setLyricsText(*tag, *m_newLyrics, encoding);
        // TagLib marks 2.3 frames that 2.4 dropped (RVAD, TSIZ, ...) to be discarded on
        // writing; written back in the tag's own version they are still valid, so they stay.
        // TDAT and TIME are the exception: TagLib folds them into TDRC and writes them anew.
        if (before.majorVersion >= 3) {
            const bool hasDate = !tag->frameList("TDRC").isEmpty();
            for (TagLib::ID3v2::Frame* frame : tag->frameList()) {
                const TagLib::ByteVector id = frame->frameID();
                if (!(hasDate && (id == "TDAT" || id == "TIME")))
                    FrameHeader::of(*frame).setTagAlterPreservation(false);
            }
        }
        if (!file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, version,
                       TagLib::File::DoNotDuplicate))
            throw fail(QStringLiteral("the tag could not be written."));
    }

    // TagLib does not read back every frame it writes as it was (a described lyrics frame
    // with no text loses its description), so the lyrics themselves are checked too: a
    // frame that would now come first must not hide the new ones.
    if (m_newLyrics) {
        TagLib::MPEG::File written(QFile::encodeName(copy.fileName()).constData(), false);
        const TagLib::ID3v2::Tag* tag = written.ID3v2Tag(false);
        if (!tag || lyricsText(*tag) != *m_newLyrics)
            throw fail(QStringLiteral("the lyrics would not read back as written, so the song "
                                      "was left as it was."));
    }
    const QByteArray saved = readWhole(copy.fileName(), shown);
    const Id3v2Extent after = Id3v2ExtentOf(saved);
    if (saved.mid(after.length) != original.mid(before.length))
        throw fail(QStringLiteral("the audio would have changed, so the song was left as it was."));
    if (before.majorVersion >= 3) {
        QStringList lost = framesOtherThanLyrics(original);
        QStringList added;
        for (const QString& id : framesOtherThanLyrics(saved))
            if (!lost.removeOne(id))
                added << id;
        if (!lost.isEmpty() || !added.isEmpty())
            throw fail(QStringLiteral("its tag holds frames that could not be kept as they are "
                                      "(%1), so the song was left as it was.")
                           .arg((lost + added).join(QStringLiteral(", "))));
    }

    copy.setPermissions(info.permissions());
    if (!flushToDisk(copy.fileName()))
        throw fail(QStringLiteral("the temporary copy could not be written to disk."));
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(copy.fileName()).constData(),
                            QFile::encodeName(target).constData(), error);
    if (error)
        throw fail(QString::fromStdString(error.message()));
    copy.setAutoRemove(false);
}
