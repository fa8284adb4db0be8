// Baseline for start-up: a bare Qt window. Writes "shown" on stdout once it has been painted,
// then exits.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class ShownWidget final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (!m_told) {
            m_told = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool m_told = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ShownWidget window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
