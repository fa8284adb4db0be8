#pragma once

#include <QObject>

#include <functional>

// Work on other threads that loads large libraries (the player, the waveform's decoder, the
// speech aligner) waits for the window's first paint: until then the machine's cores and the
// dynamic loader's lock are the first paint's. Only the program holds the gate; where nothing
// holds it (tests, tools) work runs at once.
namespace StartupGate {

// Closes the gate until something is painted, or a second has passed with nothing shown.
void HoldUntilFirstPaint();

// Runs work now when the gate is open, else once it opens, in the order asked; not at all
// when context is gone by then.
void WhenOpen(QObject* context, std::function<void()> work);

} // namespace StartupGate
