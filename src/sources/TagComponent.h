#pragma once

#include "core/Failure.h"
#include "sheet/SheetRow.h"
#include "storage/Lrc.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The ID3v2 tag of one song file. A new instance per procedure: LoadTag names the file,
// the frame is read or set, SaveTag writes it back. Failures throw VersettaError.
class TagComponent {
public:
    virtual ~TagComponent() = default;
    virtual void LoadTag(const QString& path, bool flag) = 0;
    virtual QString GetFrameText(const QString& frameId) = 0;
    virtual void SetFrameText(const QString& frameId, const QString& text) = 0;
    virtual void SaveTag(const QString& path) = 0;
    // What the user should know about a save that succeeded ("" for nothing).
    virtual QString SaveNote() const { return {}; }

    // Whole-song work for the exports, beside the procedures above.
    // The LRC header of the song: its title, artist, album and length, or none of them.
    virtual LrcHeader LrcHeaderOf(const QString& /*song*/) { return {}; }
    // Writes the sheet's rows into the song's tag as timed lyrics (sources/SyncedTag.h's
    // SaveTimedLyrics); answers the status text.
    virtual QString SaveTimedLyrics(const QString& song, const std::vector<SheetRow>& /*rows*/,
                                    bool /*milliseconds*/) {
        throw VersettaError(
            QCoreApplication::translate("TagComponent",
                                        "Timed lyrics cannot be written into the tag of %1 here.")
                .arg(song));
    }
};
