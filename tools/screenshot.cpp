// Grabs the window as a PNG for the documentation:
//   velmora-screenshot OUT.png [SONG] [--play SECONDS] [--mark SECOND]... [--speed TENTHS]
//                      [--dark] [--words] [--suggestions] [--strip LINE] [--language LOCALE]
// With --play the song plays (null audio output) that long before the grab; each --mark
// presses Mark Line when playback reaches that second (fractions allowed); --words turns word
// marking on first, so the marks stamp words; --speed steps the speed by tenths
// (-2 plays at 0.8×) once playback has begun; --dark grabs it in a dark palette. --strip
// stops the song, turns word marking on, waits for the word suggestions and grabs the sheet
// and the word strip with that line selected; --language shows the window in that locale's
// translation (de, ja_JP, ar) instead of English.
#include "controls/WordStrip.h"
#include "media/LinkedMedia.h"
#include "playback/MpvPlayer.h"
#include "session/SongPlayback.h"
#include "session/SongSession.h"
#include "session/SongSuggestions.h"
#include "window/Controls.h"
#include "window/Language.h"
#include "window/frmSychLyrics.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
QPalette darkPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("VELMORA_AUDIO_OUTPUT", qgetenv("VELMORA_AUDIO_OUTPUT").isEmpty()
                                        ? QByteArray("null")
                                        : qgetenv("VELMORA_AUDIO_OUTPUT"));
    QApplication app(argc, argv);
    UseMediaSource(OpenLinkedMedia);
    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: velmora-screenshot OUT.png [SONG] [--play SECONDS] "
                             "[--mark SECOND]... [--speed TENTHS] [--dark] [--words] "
                             "[--suggestions] [--strip LINE] [--language LOCALE]\n");
        return 2;
    }
    const QString out = args.takeFirst();
    double playSeconds = 0;
    QList<double> marks;
    bool words = false;
    bool suggestions = false;
    int speedTenths = 0;
    int stripLine = 0;
    QString song;
    QLocale language(QLocale::English); // the README's pictures, whatever the system speaks
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--play") && !args.isEmpty())
            playSeconds = args.takeFirst().toDouble();
        else if (arg == QLatin1String("--mark") && !args.isEmpty())
            marks << args.takeFirst().toDouble();
        else if (arg == QLatin1String("--words"))
            words = true;
        else if (arg == QLatin1String("--suggestions"))
            suggestions = true;
        else if (arg == QLatin1String("--strip") && !args.isEmpty())
            stripLine = args.takeFirst().toInt();
        else if (arg == QLatin1String("--speed") && !args.isEmpty())
            speedTenths = args.takeFirst().toInt();
        else if (arg == QLatin1String("--language") && !args.isEmpty())
            language = QLocale(args.takeFirst());
        else if (arg == QLatin1String("--dark"))
            QApplication::setPalette(darkPalette());
        else
            song = arg;
    }

    InstallLanguage(language);
    Platform platform;
    platform.player = std::make_unique<MpvPlayer>();
    platform.programFolder = QApplication::applicationDirPath();
    platform.commandLine = song;
    const QTemporaryDir settings; // the pictures never depend on the user's settings
    platform.settingsFile = settings.filePath(QStringLiteral("settings.ini"));
    frmSychLyrics window(std::move(platform));
    window.Form_Load();
    window.show();

    const WindowControls ui = FindControls(window);
    auto* session = window.findChild<SongSession*>();
    if (words)
        ui.lblStatus->setText(session->toggleWordMode());
    if (playSeconds > 0) {
        ui.cmdPlay->click();
        SongPlayback& playback = session->playback();
        for (int i = 0; i < std::abs(speedTenths); ++i)
            ui.lblStatus->setText(playback.stepSpeed(speedTenths < 0 ? -1 : 1));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < playSeconds * 1000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            if (!marks.isEmpty() && ui.mp3Player->GetPositionMs() >= marks.first() * 1000) {
                marks.removeFirst();
                ui.cmdMark->click();
            }
            QThread::msleep(10);
        }
    }
    if (stripLine > 0) {
        ui.cmdStop->click();
        if (!session->wordMode())
            ui.lblStatus->setText(session->toggleWordMode());
        ui.lvLyrics->setCurrentIndex(session->sheet().index(stripLine - 1, LyricSheet::ColLyric));
        suggestions = true;
    }
    // The song's analysis ends before the grab, so its suggestions are in the picture.
    if (const auto* analysis = window.findChild<SongSuggestions*>(); suggestions && analysis) {
        QElapsedTimer clock;
        clock.start();
        do {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(20);
        } while (analysis->running() && clock.elapsed() < 120000);
    }
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QPixmap picture = window.grab();
    if (stripLine > 0) {
        // The sheet's lines above the word strip, without the empty list between them.
        const QRect strip(ui.wordStrip->mapTo(&window, QPoint(0, 0)), ui.wordStrip->size());
        QRect sheet(ui.lvLyrics->mapTo(&window, QPoint(0, 0)), ui.lvLyrics->size());
        const int rows = session->sheet().count();
        const QRect last = ui.lvLyrics->visualRect(session->sheet().index(rows - 1, 0));
        sheet.setHeight(ui.lvLyrics->viewport()->mapTo(ui.lvLyrics, last.bottomLeft()).y() + 6);
        const QPixmap top = window.grab(sheet);
        const QPixmap bottom = window.grab(strip.adjusted(0, -4, 0, 4));
        const qreal ratio = top.devicePixelRatio();
        QPixmap both(QSize(std::max(top.width(), bottom.width()), top.height() + bottom.height()));
        both.setDevicePixelRatio(ratio);
        both.fill(window.palette().window().color());
        QPainter painter(&both);
        painter.drawPixmap(QPointF(0, 0), top);
        painter.drawPixmap(QPointF(0, top.height() / ratio), bottom);
        painter.end();
        picture = both;
    }
    if (!picture.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
