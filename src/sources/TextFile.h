#pragma once

#include <QByteArray>
#include <QString>

// Lyrics text files: UTF-8 with or without a byte-order mark, UTF-16 with one, and any
// other bytes as Windows-1252, the code page such files were usually written in.

// Files larger than this are refused rather than loaded into the text box.
inline constexpr qint64 kMaxLyricsFileBytes = qint64{8} * 1024 * 1024;

QString DecodeText(const QByteArray& bytes);

// Windows-1252 for the whole byte string (the five unassigned codes stay C1 controls).
QString DecodeWindows1252(const QByteArray& bytes);

// Reads and decodes the whole file. Throws VersettaError, with a message for the status line,
// when the file cannot be read, is larger than kMaxLyricsFileBytes or holds binary data.
QString ReadLyricsFile(const QString& path);
