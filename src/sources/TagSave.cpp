#include "sources/TagSave.h"

#include "core/Failure.h"
#include "sources/Id3v2Layout.h"
#include "sources/SongCopy.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <id3v2header.h>
#include <mpegfile.h>
#include <tfilestream.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

QString leftAsItWas(const QString& why) {
    return QCoreApplication::translate("TagSave", "%1, so the song was left as it was.").arg(why);
}

QString noTemporaryCopy(const QString& why) {
    return QCoreApplication::translate("TagSave", "cannot write a temporary copy in its folder: %1")
        .arg(why);
}

// The frames of tag a reader sees that change does not own.
QList<Id3v2Frame> keptFrames(const QList<Id3v2Frame>& tag, const LyricsFramesChange& change,
                             const QString& ownLanguage) {
    QList<Id3v2Frame> kept;
    for (qsizetype i = 0; i < tag.size(); ++i)
        if (!tag[i].blank && !OwnedFrame(i, tag, change, ownLanguage))
            kept << tag[i];
    return kept;
}

// The frames not owned by the save that a reader would not find as they were, compared by
// what a reader sees; none when all came through.
QStringList framesChanged(const QList<Id3v2Frame>& before, const QList<Id3v2Frame>& after,
                          const LyricsFramesChange& change, const QString& ownLanguage) {
    QList<Id3v2Frame> written = keptFrames(after, change, ownLanguage);
    QStringList changed;
    for (const Id3v2Frame& frame : keptFrames(before, change, ownLanguage)) {
        const auto same = std::find_if(written.begin(), written.end(), [&](const auto& other) {
            return other.laterId == frame.laterId && other.fields == frame.fields &&
                   other.content == frame.content;
        });
        if (same == written.end() || frame.laterId.isEmpty())
            changed << frame.id;
        else
            written.erase(same);
    }
    for (const Id3v2Frame& frame : written)
        changed << frame.id;
    changed.removeDuplicates();
    return changed;
}

// Whether the written frames the change owns hold what it meant.
bool ownFramesHold(const QList<Id3v2Frame>& after, const LyricsFramesChange& change,
                   const QString& ownLanguage) {
    int lyrics = 0;
    int synced = 0;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const Id3v2Frame& frame = after[i];
        if (!OwnedFrame(i, after, change, ownLanguage))
            continue;
        if (frame.laterId == QLatin1String("USLT")) {
            lyrics += frame.fields.value(2) == *change.lyrics ? 1 : 2;
            continue;
        }
        QStringList expected{ownLanguage, QStringLiteral("2"), QStringLiteral("1"), QString()};
        for (const SyncedLine& line : *change.synced)
            expected << line.text << QString::number(line.ms);
        synced += frame.fields == expected ? 1 : 2;
    }
    return lyrics == (change.lyrics ? 1 : 0) && synced == (change.synced ? 1 : 0);
}

// One save into an MP3, step by step; every step throws when the song must be left alone.
class TagSave {
public:
    TagSave(const QString& path, const QString& what, const LyricsFramesChange& change,
            const std::function<QString(const TagLib::ID3v2::Tag*)>& readBack)
        : m_path(path), m_shown(QDir::toNativeSeparators(path)), m_what(what), m_change(change),
          m_readBack(readBack) {}

    QString run() {
        checkTarget();
        readOriginal();
        spliceTag();
        makeCopy();
        checkCopy();
        return putInPlace();
    }

private:
    VersettaError fail(const QString& why) const {
        return VersettaError(QCoreApplication::translate("TagSave", "Cannot save %1 into %2: %3")
                                 .arg(m_what, m_shown, why));
    }

    void checkTarget() {
        QString why;
        m_target = WritableSong(m_path, why);
        if (m_target.isEmpty())
            throw fail(why);
    }

    // The song's tag as it is, which the copy's is checked against; the audio stays on disk.
    void readOriginal() {
        m_song.reset(
            ::open(QFile::encodeName(m_target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (m_song.get() < 0)
            throw fail(qt_error_string(errno));
        const qint64 size = SizeOf(m_song.get());
        m_before = Id3v2ExtentOf(ReadBytes(m_song.get(), 10, 0));
        if (m_before.length > size ||
            (m_before.length > 0 && (m_before.majorVersion < 2 || m_before.majorVersion > 4)))
            throw fail(QCoreApplication::translate(
                "TagSave", "its ID3v2 tag is damaged or of an unknown version."));
        m_tagBefore = ReadBytes(m_song.get(), m_before.length, 0);
        if (m_tagBefore.size() != m_before.length)
            throw fail(qt_error_string(errno));
        // A tag with nothing after it is no song. What follows a tag is kept as it stands,
        // whether a reader can play it or not.
        if (m_before.length > 0 && m_before.length == size)
            throw fail(QCoreApplication::translate("TagSave", "it is not an MP3 file."));
        if (m_before.length == 0)
            checkUntagged(size);
    }

    // A song without an ID3v2 tag gets one in front of its audio, so its audio must be MP3.
    void checkUntagged(qint64 size) {
        TagLib::FileStream stream(QFile::encodeName(m_target).constData(), true);
        TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (!stream.isOpen() || !file.isValid() || file.firstFrameOffset() < 0)
            throw fail(QCoreApplication::translate("TagSave", "it is not an MP3 file."));
        // A tag behind leading bytes that are not one: readers would find the new one instead.
        if (file.hasID3v2Tag())
            throw fail(QCoreApplication::translate(
                "TagSave", "its ID3v2 tag does not start the file, so the song was "
                           "left as it was."));
        // Readers read the ID3v1 tag only without an ID3v2 tag: its fields move into the new
        // one, and it stays.
        if (size >= 128)
            m_id3v1 = ReadBytes(m_song.get(), 128, size - 128);
    }

    void spliceTag() {
        m_spliced = SpliceId3v2(m_tagBefore, m_id3v1, m_change);
        if (!m_spliced.refusal.isEmpty())
            throw fail(leftAsItWas(m_spliced.refusal));
    }

    // The song is changed only by putting a checked copy in its place, so a failure at any
    // step before that leaves it exactly as it was. The copy is the new tag followed by the
    // song's audio as it stands.
    void makeCopy() {
        const QFileInfo song(m_target);
        RemoveStaleCopies(song);
        QString why = m_copy.open(song.absolutePath(), song.fileName());
        // A folder that takes no new file, holding a song the user may write: the copy is
        // made and checked elsewhere, then written over the song.
        m_inPlace = !why.isEmpty() && !QFileInfo(song.absolutePath()).isWritable();
        if (m_inPlace) {
            m_inPlaceBecause =
                QCoreApplication::translate("TagSave", "its folder takes no temporary file");
            why = m_copy.open(QDir::tempPath(), song.fileName());
        }
        if (!why.isEmpty())
            throw fail(noTemporaryCopy(why));
        const qint64 songSize = SizeOf(m_song.get());
        // Once in the copy, the new tag is read from there: a tag with a picture of a hundred
        // megabytes is not held twice.
        const QByteArray tag = std::exchange(m_spliced.tag, QByteArray());
        m_tagAfterLength = tag.size();
        Transfer transfer;
        if (!WriteAt(m_copy.fd(), tag.constData(), tag.size(), 0))
            transfer = {0, errno, true};
        else
            transfer = CopyRange(m_song.get(), m_before.length, m_copy.fd(), tag.size(),
                                 songSize - m_before.length);
        if (transfer.error == 0)
            return;
        if (!transfer.writing)
            throw fail(qt_error_string(transfer.error));
        // Where even a copy of the song does not fit, nothing else was tried.
        const qint64 reached = SizeOf(m_copy.fd()); // written in order from the start
        throw fail(IsDiskFull(transfer.error) && reached >= songSize
                       ? QCoreApplication::translate(
                             "TagSave", "the disk is full, so the song was left as it was.")
                       : noTemporaryCopy(DiskWriteError(transfer.error)));
    }

    void checkCopy() {
        const int copy = m_copy.fd();
        const Id3v2Extent after = Id3v2ExtentOf(ReadBytes(copy, 10, 0));
        const qint64 audio = SizeOf(m_song.get()) - m_before.length;
        if (SizeOf(copy) - after.length != audio ||
            !SameBytes(m_song.get(), m_before.length, copy, after.length, audio))
            throw fail(QCoreApplication::translate(
                "TagSave", "the audio would have changed, so the song was left as it was."));
        const QString& language = m_spliced.ownLanguage;
        QString why;
        qsizetype frames = 0;
        {
            const QList<Id3v2Frame> written = Id3v2Frames(ReadBytes(copy, after.length, 0));
            frames = written.size();
            if (const QStringList changed =
                    framesChanged(m_spliced.before, written, m_change, language);
                !changed.isEmpty())
                throw fail(QCoreApplication::translate(
                               "TagSave", "its tag holds frames that could not be kept as they "
                                          "are (%1), so the song was left as it was.")
                               .arg(changed.join(QStringLiteral(", "))));
            if (!ownFramesHold(written, m_change, language))
                why = QCoreApplication::translate("TagSave",
                                                  "the lyrics would not read back as written");
        }
        // The tag library reads the copy too, where it finds audio in it: the lyrics, which
        // come first, and the timed lyrics where it reads as far as they are (it stops at a
        // frame it cannot parse, which the save keeps as it was).
        TagLib::FileStream stream(QFile::encodeName(m_copy.path()).constData(), true);
        TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (why.isEmpty() && file.isValid()) {
            const TagLib::ID3v2::Tag* tag = file.ID3v2Tag(false);
            const bool whole = tag && static_cast<qsizetype>(tag->frameList().size()) >= frames;
            if (m_change.lyrics && (!tag || LyricsText(*tag) != *m_change.lyrics))
                why = QCoreApplication::translate("TagSave",
                                                  "the lyrics would not read back as written");
            else if (m_readBack && whole)
                why = m_readBack(tag);
        }
        if (!why.isEmpty())
            throw fail(leftAsItWas(why));
    }

    QString putInPlace() {
        // Another user's song that this one may write: written over, it stays theirs.
        if (!m_inPlace && !m_copy.takeOwner(m_target)) {
            m_inPlace = true;
            m_inPlaceBecause =
                QCoreApplication::translate("TagSave", "a new file could not be given its owner");
        }
        if (m_inPlace) {
            if (const QString why = overwriteSong(); !why.isEmpty())
                throw fail(why);
            QString saved = m_what;
            saved[0] = saved[0].toUpper();
            return QCoreApplication::translate(
                       "TagSave", "%1 were saved into %2 in place: %3, so the save was not "
                                  "atomic.")
                .arg(saved, m_shown, m_inPlaceBecause);
        }
        if (const QString why = m_copy.install(m_target); !why.isEmpty())
            throw fail(why);
        return {};
    }

    // Writes the checked copy over the song itself. The part past the old end goes first, so
    // a full disk is met before any old byte is overwritten; on a failure the old tag and
    // audio are put back from memory and the copy.
    QString overwriteSong() {
        const Descriptor song(
            ::open(QFile::encodeName(m_target).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (song.get() < 0 || ::fstat(song.get(), &status) != 0 || !S_ISREG(status.st_mode))
            return song.get() < 0 ? qt_error_string(errno)
                                  : QCoreApplication::translate("TagSave", "not a regular file");
        const int copy = m_copy.fd();
        const qint64 oldSize = status.st_size;
        const qint64 newSize = SizeOf(copy);
        const qint64 common = std::min(oldSize, newSize);
        if (const Transfer grown = CopyRange(copy, common, song.get(), common, newSize - common);
            grown.error != 0) {
            const QString why = DiskWriteError(grown.error);
            return ::ftruncate(song.get(), oldSize) == 0
                       ? leftAsItWas(why)
                       : QCoreApplication::translate(
                             "TagSave", "%1, and the song could not be put back as it was.")
                             .arg(why);
        }
        // A tag of the old length leaves the audio where it stands.
        const qint64 tagLength = m_tagAfterLength;
        const qint64 changed = tagLength == m_before.length ? tagLength : common;
        const Transfer head = CopyRange(copy, 0, song.get(), 0, changed);
        QString failure;
        if (head.error != 0)
            failure = DiskWriteError(head.error);
        else if (::ftruncate(song.get(), newSize) != 0 || ::fsync(song.get()) != 0)
            failure = DiskWriteError(errno);
        else if (!SameBytes(song.get(), 0, copy, 0, newSize))
            failure =
                QCoreApplication::translate("TagSave", "the song did not read back as written");
        if (failure.isEmpty())
            return {};
        const qint64 audio = newSize - tagLength;
        const bool restored =
            WriteAt(song.get(), m_tagBefore.constData(), m_tagBefore.size(), 0) &&
            (changed == tagLength ||
             CopyRange(copy, tagLength, song.get(), m_before.length, audio).error == 0) &&
            ::ftruncate(song.get(), oldSize) == 0 && ::fsync(song.get()) == 0 &&
            ReadBytes(song.get(), m_before.length, 0) == m_tagBefore &&
            SameBytes(song.get(), m_before.length, copy, tagLength, audio);
        return (restored ? QCoreApplication::translate("TagSave",
                                                       "%1, so the old contents were put back.")
                         : QCoreApplication::translate(
                               "TagSave", "%1, and the old contents could not be put back."))
            .arg(failure);
    }

    QString m_path;
    QString m_shown;
    QString m_what;
    const LyricsFramesChange& m_change;
    const std::function<QString(const TagLib::ID3v2::Tag*)>& m_readBack;
    QString m_target;
    Descriptor m_song; // the song, read-only
    Id3v2Extent m_before;
    QByteArray m_tagBefore;
    QByteArray m_id3v1;
    SplicedTag m_spliced;
    qint64 m_tagAfterLength = 0;
    WorkingCopy m_copy;
    bool m_inPlace = false;
    QString m_inPlaceBecause;
};

} // namespace

QString SaveTagChange(const QString& path, const QString& what, const LyricsFramesChange& change,
                      const std::function<QString(const TagLib::ID3v2::Tag*)>& readBack) {
    return TagSave(path, what, change, readBack).run();
}

QString SaveFileChange(const QString& path, const FileChange& change) {
    const auto fail = [&](const QString& why) {
        return VersettaError(QCoreApplication::translate("TagSave", "Cannot save %1 into %2: %3")
                                 .arg(change.what, QDir::toNativeSeparators(path), why));
    };
    QString why;
    const QString target = WritableSong(path, why);
    if (target.isEmpty())
        throw fail(why);
    const Descriptor song(
        ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (song.get() < 0)
        throw fail(qt_error_string(errno));
    SongPlan plan = change.plan(target);
    if (!plan.refusal.isEmpty())
        throw fail(QCoreApplication::translate("TagSave", "%1, so it was left as it was.")
                       .arg(plan.refusal));
    const QFileInfo info(target);
    RemoveStaleCopies(info);
    // The tag may sit anywhere in these formats and the song around it moves, so only a copy
    // beside it can take its place at once; a folder that takes no new file leaves it alone.
    WorkingCopy copy;
    if (why = copy.open(info.absolutePath(), info.fileName()); !why.isEmpty())
        throw fail(QCoreApplication::translate(
                       "TagSave", "cannot write a temporary copy in its folder (%1), so the song "
                                  "was left as it was.")
                       .arg(why));
    qint64 at = 0;
    for (SongPiece& piece : plan.pieces) {
        // A piece of new bytes is a part of them, or all.
        const qint64 size = piece.from >= 0  ? piece.size
                            : piece.size > 0 ? piece.size
                                             : piece.bytes.size();
        Transfer transfer;
        if (piece.from >= 0)
            transfer = CopyRange(song.get(), piece.from, copy.fd(), at, piece.size);
        else if (!WriteAt(copy.fd(), piece.bytes.constData() + piece.offset, size, at))
            transfer = {0, errno, true};
        piece.bytes.clear(); // the new tag is in the copy now
        if (transfer.error != 0 || (piece.from >= 0 && transfer.copied != size))
            throw fail(transfer.writing && IsDiskFull(transfer.error)
                           ? QCoreApplication::translate(
                                 "TagSave", "the disk is full, so the song was left as it was.")
                           : QCoreApplication::translate(
                                 "TagSave", "cannot copy the song: %1, so it was left as it was.")
                                 .arg(transfer.error != 0 ? DiskWriteError(transfer.error)
                                                          : QCoreApplication::translate(
                                                                "TagSave", "it is cut short")));
        at += size;
    }
    if (why = change.check(copy.path()); !why.isEmpty())
        throw fail(leftAsItWas(why));
    if (!copy.takeOwner(target))
        throw fail(QCoreApplication::translate(
            "TagSave", "it belongs to another user, and the new copy cannot be made "
                       "theirs, so the song was left as it was."));
    if (why = copy.install(target); !why.isEmpty())
        throw fail(why);
    return {};
}
