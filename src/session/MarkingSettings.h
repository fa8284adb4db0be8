#pragma once

#include <QString>

#include <cstdint>

// The reaction delay and the keeping of precise times, kept in the user's settings file
// between runs. settingsFile "" means the platform's usual place.

struct StoredDelay {
    std::int32_t ms = 0; // within 0 and kMaxReactionDelayMs
    QString notKept; // why the file is not used ("the settings file ... is a named pipe"), or ""
};

StoredDelay ReadReactionDelay(const QString& settingsFile);

// Keeps ms in the file unless it was refused when read (refusedAtStart, the notKept read then):
// opened again it would no longer show the fault and would be written over. Answers why the
// delay could not be kept, or "".
QString KeepReactionDelay(const QString& settingsFile, std::int32_t ms,
                          const QString& refusedAtStart);

// Whether Save keeps precise times in Song.lrc beside Song.xml; off unless the user turned it on.
struct StoredSwitch {
    bool on = false;
    QString notKept;
};

StoredSwitch ReadKeepPreciseTimes(const QString& settingsFile);
QString KeepPreciseTimes(const QString& settingsFile, bool on, const QString& refusedAtStart);
