#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class Mp3Player;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class SheetPanel;
class SongPlayback;
class SongSession;
class SongSlider;
class StatusLine;
struct WindowControls;

// The transport: Play (Pause while the song plays), Stop, Mark Line, the slider with the song's
// waveform, the time label and the display tick. It drives the sheet panel's list as the song
// reaches its lines.
class Transport final : public QObject {
    Q_OBJECT
public:
    Transport(SongSession& session, StatusLine& status, SheetPanel& sheet, QWidget& window);
    void place(WindowControls& ui) const;

    QPushButton* playButton() const { return m_play; }
    QPushButton* markButton() const { return m_mark; }
    QTimer* tick() const { return m_timer; }

    void StopOrEndSong();
    void SeekBy(std::int32_t deltaMs);
    void ReplaySelectedLine();
    void StartTapAlong();
    // Plays from ms, the rows at positions selected and held as they are (a nudge's replay).
    void PlayFrom(qint64 ms, const std::vector<int>& positions);
    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdPlay_Click();
    void cmdStop_Click();
    void cmdMark_Click();
    void Amp3dj1_SongEnded(int reason);
    void sldSong_Scroll();
    void SetPlayingControls(bool playing);
    void showLength(std::int32_t seconds); // "0:00 / " and the song's length
    void showTime(const QString& text, std::int32_t lengthSeconds);
    SongPlayback& playback() const;
    bool showsPlay() const; // the Play button's caption is "Play", not "Pause"

    SongSession& m_session;
    StatusLine& m_status;
    SheetPanel& m_sheet;
    QWidget& m_window;
    SongSlider* m_slider;             // sldSong
    QLabel* m_time;                   // lblTime
    QPushButton* m_play;              // cmdPlay
    QPushButton* m_stop;              // cmdStop
    QPushButton* m_mark;              // cmdMark
    QTimer* m_timer;                  // Timer1, the 100 ms tick
    std::int32_t m_fittedLength = -1; // the length the time label was made wide enough for
    QString m_tickFailure;            // the last failure a tick reported, so it is shown once
    bool m_markEnabledBeforeTapAlong = false;
    bool m_playEnabledBeforeTapAlong = false;
};
