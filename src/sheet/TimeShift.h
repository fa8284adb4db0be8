#pragma once

#include <QString>

// A row's time moved by a number of seconds. Times stay within ±2147483647 seconds, the
// range the Time column can show, so a shift never leaves a Secs value without its Time.
struct ShiftedTime {
    enum Outcome { Shifted, Unmarked, NotANumber, OutOfRange };
    Outcome outcome = Unmarked;
    QString secs; // the new Secs and Time texts when Shifted
    QString time;
};

// Adds amount to the Secs text: the sum as plain decimal text, and the Time of its nearest
// whole second, a tie going to the even one (12.5 shows 0:12, 13.5 shows 0:14).
ShiftedTime ShiftTime(const QString& secs, double amount);
