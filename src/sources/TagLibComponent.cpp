#include "sources/TagLibComponent.h"

#include "core/Failure.h"
#include "sources/Id3v2Layout.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <id3v2tag.h>
#include <mpegfile.h>
#include <tfilestream.h>
#include <unsynchronizedlyricsframe.h>

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

// The frames a save is not meant to touch that did not come through as they were, compared
// by their decoded contents (a 2.2 frame with its later counterpart); none when all did.
QStringList framesChanged(const QByteArray& before, const QByteArray& after) {
    QList<Id3v2Frame> written = Id3v2Frames(after);
    QStringList changed;
    for (const Id3v2Frame& frame : Id3v2Frames(before)) {
        if (frame.laterId == kLyricsId)
            continue;
        const auto same = std::find_if(written.begin(), written.end(), [&](const auto& other) {
            return other.laterId == frame.laterId && other.content == frame.content;
        });
        if (same == written.end() || frame.laterId.isEmpty())
            changed << frame.id;
        else
            written.erase(same);
    }
    for (const Id3v2Frame& frame : written)
        if (frame.laterId != kLyricsId)
            changed << frame.id;
    changed.removeDuplicates();
    return changed;
}

// Copies a killed save may have left beside the song (".Song.mp3.XXXXXX", where no file
// without a name can be made); each is a full copy of the song.
void removeStaleCopies(const QFileInfo& song) {
    QDir folder = song.absoluteDir();
    const QString prefix = QStringLiteral(".") + song.fileName() + QLatin1Char('.');
    for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")},
                                                QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

// The copy a save works on. Where the system allows, it has no name until it is put in the
// song's place, so a save killed half-way leaves nothing behind.
class WorkingCopy {
public:
    WorkingCopy() = default;
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;
    ~WorkingCopy() { close(); }

    // Answers "" or why no copy can be made in folder.
    QString open(const QString& folder, const QString& songName) {
        close();
        m_folder = folder;
        m_songName = songName;
        m_fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (m_fd >= 0)
            return {};
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return qt_error_string(errno);
        m_named = uniqueName();
        m_fd = ::open(QFile::encodeName(m_named).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC,
                      0600);
        if (m_fd < 0) {
            m_named.clear();
            return qt_error_string(errno);
        }
        return {};
    }

    // The name TagLib opens the copy by.
    QString path() const {
        return m_named.isEmpty() ? QStringLiteral("/proc/self/fd/%1").arg(m_fd) : m_named;
    }

    QString write(const QByteArray& bytes) {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = ::pwrite(m_fd, bytes.constData() + done,
                                       static_cast<size_t>(bytes.size() - done), done);
            if (n < 0)
                return diskError(errno);
            done += n;
        }
        return {};
    }

    // Claims room for the copy to grow to size by writing it, then gives it back.
    bool hasRoomFor(qint64 size) {
        struct stat status {};
        if (::fstat(m_fd, &status) != 0)
            return false;
        if (size <= status.st_size)
            return true;
        const QByteArray zeros(static_cast<qsizetype>(size - status.st_size), '\0');
        bool room = true;
        for (qsizetype done = 0; room && done < zeros.size();) {
            const ssize_t n =
                ::pwrite(m_fd, zeros.constData() + done, static_cast<size_t>(zeros.size() - done),
                         status.st_size + done);
            room = n > 0;
            done += std::max<ssize_t>(n, 0);
        }
        return ::ftruncate(m_fd, status.st_size) == 0 && room;
    }

    // Makes the copy durable and renames it over target; answers "" or why not.
    QString install(const QString& target) {
        // The song keeps its permissions.
        if (struct stat song{}; ::stat(QFile::encodeName(target).constData(), &song) == 0)
            ::fchmod(m_fd, song.st_mode & 07777);
        // A crash must not leave an empty file in the song's place.
        if (::fsync(m_fd) != 0)
            return QStringLiteral("the temporary copy could not be written to disk.");
        if (m_named.isEmpty()) {
            for (int attempt = 0; m_named.isEmpty() && attempt < 100; ++attempt) {
                const QString name = uniqueName();
                if (::linkat(AT_FDCWD, QFile::encodeName(path()).constData(), AT_FDCWD,
                             QFile::encodeName(name).constData(), AT_SYMLINK_FOLLOW) == 0)
                    m_named = name;
                else if (errno != EEXIST)
                    return qt_error_string(errno);
            }
        }
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(m_named).constData(),
                                QFile::encodeName(target).constData(), error);
        if (error)
            return QString::fromStdString(error.message());
        m_named.clear();
        return {};
    }

private:
    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        if (!m_named.isEmpty())
            QFile::remove(m_named);
        m_named.clear();
    }

    QString uniqueName() const {
        static const char letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        return m_folder + QStringLiteral("/.") + m_songName + QLatin1Char('.') + suffix;
    }

    static QString diskError(int error) {
        // A short write or a file-size limit is what a full disk looks like from here.
        return error == ENOSPC || error == EFBIG || error == EDQUOT
                   ? QStringLiteral("the disk is full")
                   : qt_error_string(error);
    }

    QString m_folder;
    QString m_songName;
    QString m_named; // "" while the copy has no name
    int m_fd = -1;
};

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
    // TagLib would block for ever on a named pipe.
    if (const QString kind = NonRegularKind(path);
        !kind.isEmpty() && kind != QLatin1String("a link to nothing"))
        throw VersettaError(
            QStringLiteral("Cannot read the tag of %1: it is %2, not a song.").arg(shown, kind));
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
    m_saveNote.clear();
    const QString shown = QDir::toNativeSeparators(path);
    const auto fail = [&shown](const QString& why) {
        return VersettaError(QStringLiteral("Cannot save the lyrics into %1: %2").arg(shown, why));
    };
    // A link is followed to a regular file only: a link to a device or a pipe must never
    // have that replaced.
    if (const QString kind = NonRegularKind(path); !kind.isEmpty())
        throw fail(kind == QLatin1String("a link to nothing")
                       ? QStringLiteral("there is no such file.")
                       : QStringLiteral("it is %1, not a regular file.").arg(kind));
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

    // The song is changed only by putting a checked copy in its place, so a failure at any
    // step before that leaves it exactly as it was.
    const QFileInfo song(target);
    removeStaleCopies(song);
    WorkingCopy copy;
    QString why = copy.open(song.absolutePath(), song.fileName());
    // A folder that takes no new file, holding a song the user may write: the copy is made
    // and checked elsewhere, then written over the song.
    const bool inPlace = !why.isEmpty() && !QFileInfo(song.absolutePath()).isWritable();
    if (inPlace)
        why = copy.open(QDir::tempPath(), song.fileName());
    if (why.isEmpty())
        why = copy.write(original);
    if (!why.isEmpty())
        throw fail(QStringLiteral("cannot write a temporary copy in its folder: ") + why);

    // Keep the tag's own version; TagLib cannot write 2.2, and a new tag is 2.3, the
    // version most players read. Unicode text survives in both: UTF-16 in 2.3, UTF-8 in 2.4.
    const TagLib::ID3v2::Version version = before.majorVersion == 3 || before.majorVersion == 0
                                               ? TagLib::ID3v2::v3
                                               : TagLib::ID3v2::v4;
    const TagLib::String::Type encoding =
        version == TagLib::ID3v2::v3 ? TagLib::String::UTF16 : TagLib::String::UTF8;
    {
        TagLib::MPEG::File file(QFile::encodeName(copy.path()).constData(), false);
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
        // TagLib does not check its writes: on a full disk it would leave a cut-short copy
        // that only fails the checks below, under a misleading reason. Room for the grown
        // tag is claimed first.
        const qint64 grown =
            original.size() - before.length + static_cast<qint64>(tag->render(version).size());
        if (!copy.hasRoomFor(grown))
            throw fail(QStringLiteral("the disk is full, so the song was left as it was."));
        if (!file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, version,
                       TagLib::File::DoNotDuplicate))
            throw fail(QStringLiteral("the tag could not be written."));
    }

    // TagLib does not read back every frame it writes as it was (a described lyrics frame
    // with no text loses its description), so the lyrics themselves are checked too: a
    // frame that would now come first must not hide the new ones.
    if (m_newLyrics) {
        TagLib::MPEG::File written(QFile::encodeName(copy.path()).constData(), false);
        const TagLib::ID3v2::Tag* tag = written.ID3v2Tag(false);
        if (!tag || lyricsText(*tag) != *m_newLyrics)
            throw fail(QStringLiteral("the lyrics would not read back as written, so the song "
                                      "was left as it was."));
    }
    const QByteArray saved = readWhole(copy.path(), shown);
    const Id3v2Extent after = Id3v2ExtentOf(saved);
    if (saved.mid(after.length) != original.mid(before.length))
        throw fail(QStringLiteral("the audio would have changed, so the song was left as it was."));
    if (const QStringList changed =
            framesChanged(original.left(before.length), saved.left(after.length));
        !changed.isEmpty())
        throw fail(QStringLiteral("its tag holds frames that could not be kept as they are "
                                  "(%1), so the song was left as it was.")
                       .arg(changed.join(QStringLiteral(", "))));

    if (inPlace) {
        if (const QString failure = OverwriteInPlace(target, original, saved); !failure.isEmpty())
            throw fail(failure);
        m_saveNote = QStringLiteral("The lyrics were saved into %1 in place: its folder takes "
                                    "no temporary file, so the save was not atomic.")
                         .arg(shown);
        return;
    }
    if (const QString failure = copy.install(target); !failure.isEmpty())
        throw fail(failure);
}

QString TagLibComponent::SaveNote() const {
    return m_saveNote;
}
