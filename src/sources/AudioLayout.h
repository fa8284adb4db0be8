#pragma once

#include "core/AudioFormats.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a lyrics save into a FLAC, Ogg, M4A or WAV song must not change, read from the raw
// bytes rather than through the tag library, so the check does not share the library's view
// of the file.

enum class OggCodec { None, Vorbis, Opus, Other };

struct AudioLayout {
    QString fault; // "" when the file is of its format, else what is wrong with it
    OggCodec codec = OggCodec::None;
    // The tag's fields as a reader sees them, sorted: Vorbis comments as "KEY=value" (the key
    // upper-cased, as readers compare it) after "vendor=..."; an MP4 item as its name, "=" and
    // the hex of its atoms; a WAV's ID3v2 frame as its name and fields.
    QStringList fields;
    // SHA-1 of every byte a lyrics save leaves alone: the audio, every other metadata block,
    // packet or chunk.
    QByteArray kept;
};

// Reads the song at path as format. A file that is not one gives a fault, never a throw.
AudioLayout ReadAudioLayout(const QString& path, AudioFormat format);

// The fields of layout that a save of the lyrics may change: LYRICS, ©lyr, USLT.
bool IsLyricsField(const QString& field);
