#pragma once

#include "lyrics/LyricsJobs.h"

// velmora-lyrics suggest and the timing part of check: the song's lines aligned to its audio,
// on the program's aligner (one per worker thread: the speech model is loaded once a thread).

// One tab-separated row per lyric line into result.rows: the song, the line number, the
// seconds (millisecond precision) and the confidence, "spread" or 1 for a mark. With write,
// the unmarked lines take their suggestion in whole seconds and the lyrics file is saved.
JobResult SuggestJob(const QString& song, bool write);

// The marks of the song's lyrics file that look wrong, one row each into result.rows; nothing
// when the file holds no marks or the audio cannot be decoded.
void CheckTimingJob(const QString& song, JobResult& result);
