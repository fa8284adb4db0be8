#pragma once

// The undo step of LyricSheet, shared by the files that make its changes.

#include "sheet/LyricSheet.h"

#include <utility>
#include <vector>

// One change as undo sees it. Cells steps keep one row before and after, Rows steps the rows
// at their positions before (in rows) and after, Insert and Remove the row that came or went
// (the rows around it are renumbered both ways), and Replace steps keep the whole sheet on
// the other side of the step: the one before it while it is done, the one after it once
// undone. Taking the step swaps that sheet with the shown one, so neither a
// change nor its undo copies a sheet.
struct LyricSheet::Step {
    enum Kind { Cells, Rows, Insert, Remove, Replace };
    Step(Kind what, QString name, int at = 0) : kind(what), label(std::move(name)), position(at) {}
    Kind kind;
    QString label;
    int position = 0;
    SheetRow before;
    SheetRow after;
    std::vector<SheetRow> rows; // Replace: the sheet not shown; Rows: the rows before
    std::vector<SheetRow> afterRows;
    std::vector<int> positions;
    Cursor cursorBefore;
    Cursor cursorAfter;
};
