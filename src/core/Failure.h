#pragma once

#include <QString>

#include <stdexcept>

// The one failure type adapters throw. Its message is written for the person at the
// keyboard ("Cannot write /music/a.xml: permission denied"), because the handler guard
// puts it in the status line unchanged.
class VersettaError : public std::runtime_error {
public:
    explicit VersettaError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};
