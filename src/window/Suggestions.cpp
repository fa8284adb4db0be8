#include "window/frmSychLyrics.h"

#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"

#include <QLabel>
#include <QShortcut>

void frmSychLyrics::installSuggestions() {
    // The analysis only adds to what the status line says about the song, and takes back
    // only its own words.
    connect(&m_session->suggestions(), &SongSuggestions::status, this, [this](const QString& text) {
        const QString shown = ui.lblStatus->text();
        const bool own = shown.trimmed().isEmpty() || shown == m_suggestionStatus;
        if (own)
            showStatus(text);
        else if (!text.isEmpty() && !text.startsWith(QStringLiteral("Suggesting times")))
            showStatus(shown + QStringLiteral("  \u00B7  ") + text);
        else
            return;
        m_suggestionStatus = ui.lblStatus->text();
    });
    const auto key = [this](const QKeySequence& keys, const char* name, bool confident) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, name, confident] {
            guarded(name, [this, confident] { acceptSuggestions(confident); });
        });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_G), "Accept Suggested Time", false);
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), "Accept Suggested Times", true);
}

void frmSychLyrics::acceptSuggestions(bool confident) {
    if (ui.picSynch->isHidden() || playback().isPlaying()) {
        showStatus(QStringLiteral("Suggested times can be accepted in the sheet while the song "
                                  "is stopped."));
        return;
    }
    const SongSuggestions::Accepted accepted = confident
                                                   ? m_session->suggestions().acceptConfident()
                                                   : m_session->suggestions().acceptSelected();
    if (accepted.lines > 0)
        ShowSaveButton();
    showSheetSelection(false);
    showStatus(accepted.status);
}
