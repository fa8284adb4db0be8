#include "window/frmSychLyrics.h"

#include "sources/TextCleaning.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The "USLT" text of the song, or "" when anything on the way fails: a missing file, no
// tag, no frame, a component that cannot be made.
QString readLyricsFrame(const Platform& platform, const QString& fileName) noexcept {
    try {
        if (!platform.newTagComponent)
            return {};
        const std::unique_ptr<TagComponent> tag = platform.newTagComponent();
        if (!tag)
            return {};
        try {
            tag->LoadTag(fileName, true);
        } catch (...) {
            // A failed load is skipped like any other step; the frame read below answers "".
        }
        return tag->GetFrameText(QStringLiteral("USLT"));
    } catch (...) {
        return {};
    }
}

} // namespace

bool frmSychLyrics::CheckForLyrics(const QString& fileName) const {
    // Not trimmed: a frame of blanks only still counts as lyrics.
    return !readLyricsFrame(m_platform, fileName).isEmpty();
}

QString frmSychLyrics::GetLyrics(const QString& fileName) const {
    return TrimBlanks(readLyricsFrame(m_platform, fileName));
}

void frmSychLyrics::cmdSaveUnsynch_Click() {
    if (!m_platform.newTagComponent)
        throw VersettaError(QStringLiteral("Cannot save the lyrics: no tag component."));
    const std::unique_ptr<TagComponent> tag = m_platform.newTagComponent();
    state.songFile = QualifyPath(ui.songFolderBox->text()) + ui.songFileBox->text();
    if (ui.songFileBox->text().isEmpty())
        throw VersettaError(QStringLiteral("Open a song before saving its lyrics."));
    const QString lyrics = TrimBlanks(UnsynchText());
    tag->LoadTag(state.songFile, true);
    tag->SetFrameText(QStringLiteral("USLT"), lyrics);
    tag->SaveTag(state.songFile);
    ShowUnsynchLyrics(lyrics, QStringLiteral("Load Lyrics From Text"));
    ui.picSynch->setVisible(true);
    ui.picUnsynch->setVisible(false);
    ui.cmdAddLyrics->setVisible(false);
    if (const QString note = tag->SaveNote(); !note.isEmpty())
        reportFailure(note);
}
