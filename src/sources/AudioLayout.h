#pragma once

#include "core/AudioFormats.h"
#include "sources/SongCopy.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

// The tag of a FLAC, Ogg, M4A or WAV song read from its raw bytes, and a lyrics save planned on
// them: the part of the file that holds the lyrics field is rewritten, every other byte is
// copied as it stands. The check after a save reads the copy the same way and compares what a
// reader sees; the tag library reads it back on its own too (sources/FormatTags.h).

struct AudioLayout {
    QString fault; // "" when the file is of its format, else what is wrong with it
    // Every field a reader sees but the lyrics, sorted: Vorbis comments as "KEY=value" (the key
    // upper-cased, as readers compare it), MP4 items and WAV ID3 frames by name and content;
    // long values by their digest.
    QStringList fields;
    // Digest of every byte a lyrics save leaves alone: the audio, every other block, packet,
    // atom or chunk.
    QByteArray kept;
    std::optional<QString> lyrics; // the lyrics field a save writes; none when there is none
    std::optional<QString> unsyncedLyrics; // Vorbis UNSYNCEDLYRICS, read where LYRICS is missing
    QString title;
    QString artist;
    QString album;
    QString codec; // Ogg: what the stream that carries the tag holds ("Vorbis", "Opus", "FLAC")
    qint64 tagSize = 0; // of the part that holds the fields (comment block or packet, ilst, ID3)
};

// Reads the song at path as format. hashAudio false leaves kept empty and reads only the tag.
// A file that is not one gives a fault, never a throw.
AudioLayout ReadAudioLayout(const QString& path, AudioFormat format, bool hashAudio = true);

// How a save of lyrics into the song at path rewrites it (its lyrics field set to lyrics), or
// why it cannot.
SongPlan PlanLyricsSave(const QString& path, AudioFormat format, const QString& lyrics);

// ---- shared by the formats' readers -------------------------------------------------------

// The song's bytes (or a packet's), read where they are wanted; never more than asked for in
// memory.
class SongBytes {
public:
    explicit SongBytes(QIODevice& file) : m_file(file), m_size(file.size()) {}
    qint64 size() const { return m_size; }
    // Up to count bytes at at; fewer at the end.
    QByteArray read(qint64 at, qint64 count) const;
    // Adds the bytes of [at, at + count) to hash, piece by piece; false when they run past the
    // end of the file.
    bool hash(QCryptographicHash& hash, qint64 at, qint64 count) const;

private:
    QIODevice& m_file;
    qint64 m_size;
};

quint32 LittleEndian32(QByteArrayView bytes, qsizetype at);
quint64 BigEndian(QByteArrayView bytes, qsizetype at, int width);
QByteArray BigEndianBytes(quint64 value, int width);
QByteArray LittleEndianBytes(quint64 value, int width);

// A field's value as the layout keeps it: text up to a few kilobytes, else its digest.
QString FieldValue(QByteArrayView value, bool text);

// Adds a part's name and contents to hash, so parts cannot be told apart by moving bytes
// between them.
void HashPart(QCryptographicHash& hash, QByteArrayView name, const SongBytes& song, qint64 at,
              qint64 size);

// A Vorbis comment list: "vendor", then "KEY=value" items, parsed from bytes as readers parse
// them; the end of what it took.
struct VorbisComments {
    bool ok = false;
    QByteArray vendor;
    QList<QByteArray> comments;
    qint64 end = 0; // just past the last comment, counted from where the list started
};
VorbisComments ReadVorbisComments(const SongBytes& song, qint64 at, qint64 limit);
// The list again, with the first LYRICS comment set to lyrics (in its own key's spelling) and
// any later one dropped, or a LYRICS comment added at the end; between head and tail, in one
// buffer.
QByteArray WriteVorbisComments(const VorbisComments& list, const QString& lyrics,
                               const QByteArray& head = {}, const QByteArray& tail = {});
// Puts the comments into layout: fields, lyrics and the song's names.
void TakeVorbisComments(const VorbisComments& list, AudioLayout& layout);

// The formats' readers and planners.
AudioLayout ReadFlacLayout(const SongBytes& song, bool hashAudio);
SongPlan PlanFlacLyrics(const SongBytes& song, const QString& lyrics);
AudioLayout ReadWavLayout(const SongBytes& song, bool hashAudio);
SongPlan PlanWavLyrics(const SongBytes& song, const QString& lyrics);
AudioLayout ReadMp4Layout(const SongBytes& song, bool hashAudio);
SongPlan PlanMp4Lyrics(const SongBytes& song, const QString& lyrics);
AudioLayout ReadOggLayout(const SongBytes& song, bool hashAudio);
SongPlan PlanOggLyrics(const SongBytes& song, const QString& lyrics);
