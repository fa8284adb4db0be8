#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// What the decoder is shown of a song's tags: nothing. FFmpeg reads every tag field, comment
// and picture of a song before its audio, some of them in time that grows with the square of
// their number (a FLAC of 100 000 comments took it minutes, a million hours), and keeps each
// picture in memory. None of it is needed to decode the audio, so the bytes that would lead
// FFmpeg there are shown as padding, empty tags or skipped chunks while the file passes
// through the decoder's reads.

// One change to the bytes read at [at, at + length): bytes, or zeros when bytes is empty.
struct BytePatch {
    std::int64_t at = 0;
    std::int64_t length = 0;
    QByteArray bytes;
};

// The changes that hide the tags of the song open at fd (an ID3v2 tag at the start, FLAC
// metadata blocks, Ogg comment packets, MP4 user data, WAV INFO lists and ID3 chunks, an APE
// tag at the end), found from its structure with a few small reads; none for a file of no
// known shape. The file's offset is left alone.
std::vector<BytePatch> HideMetadata(int fd);

// Changes the size bytes read from the file at offset at as patches say.
void ApplyPatches(const std::vector<BytePatch>& patches, std::int64_t at, std::uint8_t* data,
                  std::int64_t size);
