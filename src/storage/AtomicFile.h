#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes in one step: a temporary file beside it, flushed to
// disk, renamed over it. Through a link, the regular file it names is replaced and the link
// stays. Throws VersettaError naming the file and why; the file there before is then unchanged.
void ReplaceFileAtomically(const QString& path, const QByteArray& bytes);
