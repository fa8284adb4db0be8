#pragma once

#include "playback/Waveform.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// Outlines the opened song on a worker thread, so opening, playing and marking never wait
// for the decode. Opening another song cancels the one before, and only the outline of the
// song opened last is ever taken. The loader never waits for a decode: one that does not
// stop when cancelled (stuck in a damaged file) ends with the program, not before it.
class WaveformLoader final : public QObject {
    Q_OBJECT
public:
    explicit WaveformLoader(QObject* parent = nullptr);
    ~WaveformLoader() override;

    // Starts outlining path; until it is done there is no envelope. The song already being
    // outlined, or already outlined, is not decoded again, unless the file at its path was
    // changed or replaced since.
    void load(const QString& path);
    // Null while decoding and for a song that could not be decoded.
    std::shared_ptr<const PeakEnvelope> envelope() const { return m_envelope; }
    bool busy() const { return m_busy; }

signals:
    // The envelope was dropped for another song, or the decode of the current song ended
    // (with or without an envelope).
    void envelopeChanged();

private:
    void take(quint64 generation, std::shared_ptr<const PeakEnvelope> envelope);

    struct Delivery;
    std::shared_ptr<Delivery> m_delivery; // how a decode reaches the loader while it lives
    std::shared_ptr<std::atomic<bool>> m_cancel;
    quint64 m_generation = 0;
    QString m_path;
    QString m_identity; // what tells the file at m_path from another one put there later
    std::shared_ptr<const PeakEnvelope> m_envelope;
    bool m_busy = false;
};
