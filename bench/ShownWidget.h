#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// A window that writes "shown" on stdout once it has been painted, then ends the program:
// the moment the start-up figures stop their clock.
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
