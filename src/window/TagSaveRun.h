#pragma once

#include <QString>

#include <functional>

class QWidget;
class StatusLine;

// Runs save, which saves what into the tag of the song named songName, off the window's
// thread: the window keeps painting and running its timers, the status line says what is
// happening, and no drop, close or input is taken until it is over. Answers save's note or
// throws its failure.
QString RunTagSave(QWidget& window, StatusLine& status, const QString& songName,
                   const QString& what, const std::function<QString()>& save);
