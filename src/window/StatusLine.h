#pragma once

#include "core/Failure.h"

#include <QObject>
#include <QString>

#include <exception>
#include <functional>

class QLabel;
class QPushButton;

// The status line at the foot of the window, its one writer. Handlers run through guard(), so
// a failure ends the handler where it happens, is shown here and on stderr, and the program
// goes on; nothing crosses Qt's frames and no message box opens.
class StatusLine final : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QObject* parent = nullptr);

    QLabel* label() const { return m_label; } // lblStatus
    QString text() const;
    void show(const QString& text);
    // Adds text after what is shown, or shows it alone on an empty line.
    void add(const QString& text);
    // A failure or a note the user should read: shown, and written on stderr.
    void report(const QString& message) noexcept;
    // The analysis's progress and outcome. It adds to what the line says about the song and
    // takes back only its own words: a save's message stays while progress arrives.
    void showAnalysis(const QString& text);

    // Runs handler so that a failure ends it and is reported under name.
    template <class Handler> void guard(const char* name, Handler&& handler) noexcept;
    // Connects a click of button to handler, guarded.
    void onClick(QPushButton* button, const char* name, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kOneLine = 19; // the line's height for a message of one line
    void fitHeight();

    QLabel* m_label;
    QString m_analysisText; // what the analysis last put on the line
};

template <class Handler> void StatusLine::guard(const char* name, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const VersettaError& error) {
        report(error.message());
    } catch (const std::exception& error) {
        report(tr("%1 failed: %2").arg(QLatin1String(name), QString::fromUtf8(error.what())));
    } catch (...) {
        report(tr("%1 failed unexpectedly.").arg(QLatin1String(name)));
    }
}
