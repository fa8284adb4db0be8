#pragma once

#include <QString>

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
};
