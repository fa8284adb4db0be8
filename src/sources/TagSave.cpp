#include "sources/TagSave.h"

#include "core/Failure.h"
#include "sources/Id3v2Layout.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <mpegfile.h>
#include <tfilestream.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

// The whole file; "" in why, else why it could not be read.
QByteArray readWhole(const QString& path, QString& why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        why = file.errorString();
    return bytes;
}

// The frames a save does not own that did not come through as they were, compared
// by their decoded contents (a 2.2 frame with its later counterpart); none when all did.
QStringList framesChanged(const QByteArray& before, const QByteArray& after,
                          const QStringList& owned) {
    QList<Id3v2Frame> written = Id3v2Frames(after);
    QStringList changed;
    for (const Id3v2Frame& frame : Id3v2Frames(before)) {
        if (owned.contains(frame.laterId))
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
        if (!owned.contains(frame.laterId))
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

// One save, step by step; every step throws when the song must be left alone.
class TagSave {
public:
    TagSave(const QString& path, const TagChange& change)
        : m_path(path), m_shown(QDir::toNativeSeparators(path)), m_change(change) {}

    QString run() {
        checkTarget();
        readOriginal();
        makeCopy();
        writeTag();
        checkCopy();
        return putInPlace();
    }

private:
    VersettaError fail(const QString& why) const {
        return VersettaError(
            QStringLiteral("Cannot save %1 into %2: %3").arg(m_change.what, m_shown, why));
    }

    // Only a regular file the user may write is saved into.
    void checkTarget() {
        // A link is followed to a regular file only: a link to a device or a pipe must never
        // have that replaced.
        if (const QString kind = NonRegularKind(m_path); !kind.isEmpty())
            throw fail(kind == QLatin1String("a link to nothing")
                           ? QStringLiteral("there is no such file.")
                           : QStringLiteral("it is %1, not a regular file.").arg(kind));
        const QFileInfo info(m_path);
        if (!info.isFile())
            throw fail(QStringLiteral("there is no such file."));
        // A read-only file is refused even where the user could override it, as the owner
        // asked.
        if (!info.isWritable() || !hasWriteBit(info.permissions()))
            throw fail(QStringLiteral("the file is read-only."));
        m_target = info.canonicalFilePath();
    }

    // The song as it is, which the copy is checked against.
    void readOriginal() {
        QString why;
        m_original = readWhole(m_target, why);
        if (!why.isEmpty())
            throw fail(why);
        m_before = Id3v2ExtentOf(m_original);
        if (m_before.length > m_original.size() ||
            (m_before.length > 0 && (m_before.majorVersion < 2 || m_before.majorVersion > 4)))
            throw fail(QStringLiteral("its ID3v2 tag is damaged or of an unknown version."));
        TagLib::FileStream stream(QFile::encodeName(m_target).constData(), true);
        TagLib::MPEG::File probe(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (!stream.isOpen() || !probe.isValid() || probe.firstFrameOffset() < 0)
            throw fail(QStringLiteral("it is not an MP3 file."));
    }

    // The song is changed only by putting a checked copy in its place, so a failure at any
    // step before that leaves it exactly as it was.
    void makeCopy() {
        const QFileInfo song(m_target);
        removeStaleCopies(song);
        QString why = m_copy.open(song.absolutePath(), song.fileName());
        // A folder that takes no new file, holding a song the user may write: the copy is
        // made and checked elsewhere, then written over the song.
        m_inPlace = !why.isEmpty() && !QFileInfo(song.absolutePath()).isWritable();
        if (m_inPlace)
            why = m_copy.open(QDir::tempPath(), song.fileName());
        if (why.isEmpty())
            why = m_copy.write(m_original);
        if (!why.isEmpty())
            throw fail(QStringLiteral("cannot write a temporary copy in its folder: ") + why);
    }

    void writeTag() {
        // Keep the tag's own version; TagLib cannot write 2.2, and a new tag is 2.3, the
        // version most players read. Unicode text survives in both: UTF-16 in 2.3, UTF-8 in
        // 2.4.
        const TagLib::ID3v2::Version version =
            m_before.majorVersion == 3 || m_before.majorVersion == 0 ? TagLib::ID3v2::v3
                                                                     : TagLib::ID3v2::v4;
        const TagLib::String::Type encoding =
            version == TagLib::ID3v2::v3 ? TagLib::String::UTF16 : TagLib::String::UTF8;
        TagLib::MPEG::File file(QFile::encodeName(m_copy.path()).constData(), false);
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
        if (m_change.apply)
            m_change.apply(*tag, encoding);
        // TagLib marks 2.3 frames that 2.4 dropped (RVAD, TSIZ, ...) to be discarded on
        // writing; written back in the tag's own version they are still valid, so they stay.
        // TDAT and TIME are the exception: TagLib folds them into TDRC and writes them anew.
        if (m_before.majorVersion >= 3) {
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
            m_original.size() - m_before.length + static_cast<qint64>(tag->render(version).size());
        if (!m_copy.hasRoomFor(grown))
            throw fail(QStringLiteral("the disk is full, so the song was left as it was."));
        if (!file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, version,
                       TagLib::File::DoNotDuplicate))
            throw fail(QStringLiteral("the tag could not be written."));
    }

    void checkCopy() {
        if (m_change.readBack) {
            TagLib::MPEG::File written(QFile::encodeName(m_copy.path()).constData(), false);
            if (const QString why = m_change.readBack(written.ID3v2Tag(false)); !why.isEmpty())
                throw fail(QStringLiteral("%1, so the song was left as it was.").arg(why));
        }
        QString why;
        m_saved = readWhole(m_copy.path(), why);
        if (!why.isEmpty())
            throw fail(why);
        const Id3v2Extent after = Id3v2ExtentOf(m_saved);
        if (m_saved.mid(after.length) != m_original.mid(m_before.length))
            throw fail(
                QStringLiteral("the audio would have changed, so the song was left as it was."));
        if (const QStringList changed = framesChanged(
                m_original.left(m_before.length), m_saved.left(after.length), m_change.frameIds);
            !changed.isEmpty())
            throw fail(QStringLiteral("its tag holds frames that could not be kept as they are "
                                      "(%1), so the song was left as it was.")
                           .arg(changed.join(QStringLiteral(", "))));
    }

    QString putInPlace() {
        if (m_inPlace) {
            if (const QString why = OverwriteInPlace(m_target, m_original, m_saved); !why.isEmpty())
                throw fail(why);
            QString saved = m_change.what;
            saved[0] = saved[0].toUpper();
            return QStringLiteral("%1 were saved into %2 in place: its folder takes no "
                                  "temporary file, so the save was not atomic.")
                .arg(saved, m_shown);
        }
        if (const QString why = m_copy.install(m_target); !why.isEmpty())
            throw fail(why);
        return {};
    }

    QString m_path;
    QString m_shown;
    const TagChange& m_change;
    QString m_target;
    QByteArray m_original;
    Id3v2Extent m_before;
    WorkingCopy m_copy;
    bool m_inPlace = false;
    QByteArray m_saved;
};

} // namespace

QString SaveTagChange(const QString& path, const TagChange& change) {
    return TagSave(path, change).run();
}
