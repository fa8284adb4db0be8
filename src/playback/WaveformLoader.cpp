#include "playback/WaveformLoader.h"

#include "core/StartupGate.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QThreadPool>

#include <mutex>

#if defined(Q_OS_LINUX)
#include <sys/stat.h>
#endif

namespace {

// Size, modification time and, where there is one, the file's number on its disk: a song
// copied over the old one or renamed into its place differs in at least one of them.
QString fileIdentity(const QString& path) {
#if defined(Q_OS_LINUX)
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return QStringLiteral("%1:%2:%3:%4.%5")
        .arg(status.st_dev)
        .arg(status.st_ino)
        .arg(status.st_size)
        .arg(status.st_mtim.tv_sec)
        .arg(status.st_mtim.tv_nsec);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
#endif
}

// One decode at a time, below the window and the player: the machine may have few cores. The
// pool outlives every loader, so no loader waits for a decode to end.
QThreadPool& decodeThreads() {
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(1);
        threads->setThreadPriority(QThread::LowPriority);
        return threads;
    }();
    return *pool;
}

} // namespace

// A decode hands its outline over through here; the loader's end closes it.
struct WaveformLoader::Delivery {
    std::mutex mutex;
    WaveformLoader* loader = nullptr;
};

WaveformLoader::WaveformLoader(QObject* parent)
    : QObject(parent), m_delivery(std::make_shared<Delivery>()) {
    m_delivery->loader = this;
}

WaveformLoader::~WaveformLoader() {
    if (m_cancel)
        m_cancel->store(true); // a queued decode never starts; a running one stops soon
    const std::lock_guard lock(m_delivery->mutex);
    m_delivery->loader = nullptr;
}

void WaveformLoader::load(const QString& path) {
    const QString identity = fileIdentity(path);
    if (path == m_path && identity == m_identity && !identity.isEmpty() && (m_busy || m_envelope))
        return;
    if (m_cancel)
        m_cancel->store(true); // nor is a song still queued behind the running one
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_path = path;
    m_identity = identity;
    m_busy = true;
    const quint64 generation = ++m_generation;
    if (m_envelope) {
        m_envelope.reset();
        emit envelopeChanged();
    }
    // The decoder's libraries load on first use: not before the window has appeared.
    StartupGate::WhenOpen(this, [this, path, cancel = m_cancel, generation] {
        if (generation != m_generation)
            return; // another song was asked for while the gate was closed
        decodeThreads().start([delivery = m_delivery, path, cancel, generation] {
            if (cancel->load())
                return;
            auto envelope = std::make_shared<const PeakEnvelope>(DecodePeakEnvelope(path, *cancel));
            // Queued to the loader's thread while the loader is there; a loader that goes
            // drops what was queued to it.
            const std::lock_guard lock(delivery->mutex);
            if (WaveformLoader* loader = delivery->loader)
                QMetaObject::invokeMethod(
                    loader, [loader, generation, envelope] { loader->take(generation, envelope); },
                    Qt::QueuedConnection);
        });
    });
}

void WaveformLoader::take(quint64 generation, std::shared_ptr<const PeakEnvelope> envelope) {
    if (generation != m_generation)
        return; // a song opened since: its outline is the one to show
    m_busy = false;
    m_envelope = envelope->empty() ? nullptr : std::move(envelope);
    emit envelopeChanged();
}
