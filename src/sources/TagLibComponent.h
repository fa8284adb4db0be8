#pragma once

#include "sources/TagComponent.h"

#include <QString>

#include <memory>
#include <optional>

// The tag component on TagLib. LoadTag reads the file's ID3v2 tag (or the lyrics field of a
// FLAC, Ogg, M4A or WAV song: sources/FormatTags.h); SetFrameText only records
// the new lyrics; SaveTag writes them into a copy of the song, checks that the
// audio and the other frames came through unchanged and only then puts the copy in the
// song's place. "USLT" is the one frame it handles.
class TagLibComponent final : public TagComponent {
public:
    TagLibComponent();
    ~TagLibComponent() override;
    TagLibComponent(const TagLibComponent&) = delete;
    TagLibComponent& operator=(const TagLibComponent&) = delete;

    void LoadTag(const QString& path, bool flag) override;
    QString GetFrameText(const QString& frameId) override;
    void SetFrameText(const QString& frameId, const QString& text) override;
    void SaveTag(const QString& path) override;
    QString SaveNote() const override;
    LrcHeader LrcHeaderOf(const QString& song) override;
    QString SaveTimedLyrics(const QString& song, const std::vector<SheetRow>& rows,
                            bool milliseconds) override;

private:
    struct Loaded;
    std::unique_ptr<Loaded> m_loaded;
    std::optional<QString> m_otherLyrics; // of a song that is not MP3, as LoadTag read them
    std::optional<QString> m_newLyrics;
    QString m_saveNote;
};
