#include "core/MediaModule.h"
#include "core/StartupGate.h"
#include "playback/MpvPlayer.h"
#include "sources/TagLibComponent.h"
#include "window/Language.h"
#include "window/frmSychLyrics.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QScreen>

#include <algorithm>
#include <csignal>

int main(int argc, char* argv[]) {
    // Past a file-size limit a write should fail and be reported, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora Versetta"));
    // Lets the desktop match the window with the installed launcher and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Versetta"));
    // The system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), before any text is made.
    InstallLanguage(QLocale::system());

    // libmpv and the rest come with the media module, loaded by the first service asked for:
    // the player's start or the first song's decode, both after the first paint.
    UseMediaSource(OpenMediaModule);

    Platform platform;
    platform.player = std::make_unique<MpvPlayer>();
    platform.newTagComponent = [] { return std::make_unique<TagLibComponent>(); };
    platform.openDialog = [](const QString& filter, const QString& folder,
                             const QString& fileName) {
        // "*.*" would hide files without a dot here, where "*" is what matches every file.
        QString pattern = filter;
        pattern.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
        const QString chosen =
            QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, pattern);
        return chosen.isEmpty() ? fileName : chosen;
    };
    platform.inputBox = [](const QString& prompt, const QString& title, const QString& answer) {
        QInputDialog box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setLabelText(prompt);
        box.setTextValue(answer);
        // A long lyric is edited in view, as wide as it is up to most of the screen.
        const QFontMetrics metrics(box.font());
        const int most = box.screen() ? box.screen()->availableGeometry().width() * 3 / 4 : 800;
        const int wanted = metrics.horizontalAdvance(answer) + 8 * metrics.averageCharWidth();
        box.resize(
            std::clamp(wanted, box.sizeHint().width(), std::max(most, box.sizeHint().width())),
            box.sizeHint().height());
        return box.exec() == QDialog::Accepted ? box.textValue() : QString();
    };
    platform.clipboardText = [] { return QApplication::clipboard()->text(); };
    platform.programFolder = QApplication::applicationDirPath();
    platform.commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));

    StartupGate::HoldUntilFirstPaint();
    frmSychLyrics window(std::move(platform));
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
