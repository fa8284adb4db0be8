#pragma once

#include "window/frmSychLyrics.h"

#include <QTemporaryDir>

#include <utility>
#include <vector>

// A running tap-along: the click track the player plays, the presses taken so far and the
// controls as they were before it began.
struct frmSychLyrics::TapAlong {
    QTemporaryDir folder;
    double speed = 1;
    std::vector<std::int32_t> latenessMs;
    std::vector<bool> clickTaken;
    std::vector<std::pair<QWidget*, bool>> enabled;
};
