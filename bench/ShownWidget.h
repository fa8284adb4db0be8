#pragma once

#include <QApplication>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// The size frmSychLyrics opens at: a bare window of the program's size is one of these.
inline constexpr QSize kProgramWindowSize{880, 560};

// A window that writes "shown" on stdout once its first paint is on the screen, then ends the
// program: the moment the start-up figures stop their clock. As for the program's window, the
// clock stops on the turn of the event loop after the paint, once the pass has been flushed.
class ShownWidget final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (!m_told) {
            m_told = true;
            QTimer::singleShot(0, qApp, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
    }

private:
    bool m_told = false;
};
