#include "core/StartupGate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

struct Waiting {
    QPointer<QObject> context;
    std::function<void()> work;
};

class Gate final : public QObject {
public:
    bool held = false;
    std::vector<Waiting> waiting;

    void open() {
        if (!std::exchange(held, false))
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        for (Waiting& w : std::exchange(waiting, {}))
            if (w.context)
                w.work();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued, so the rest of the window paints first.
        if (event->type() == QEvent::Paint && held)
            QTimer::singleShot(0, this, [this] { open(); });
        return QObject::eventFilter(watched, event);
    }
};

Gate& gate() {
    static Gate* const theGate = new Gate; // lives as long as the application's event loop
    return *theGate;
}

} // namespace

void StartupGate::HoldUntilFirstPaint() {
    Gate& g = gate();
    if (g.held || !QCoreApplication::instance())
        return;
    g.held = true;
    QCoreApplication::instance()->installEventFilter(&g);
    QTimer::singleShot(1000, &g, [&g] { g.open(); });
}

void StartupGate::WhenOpen(QObject* context, std::function<void()> work) {
    Gate& g = gate();
    if (!g.held) {
        work();
        return;
    }
    g.waiting.push_back({context, std::move(work)});
}
