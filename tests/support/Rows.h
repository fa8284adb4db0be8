#pragma once

#include <QString>
#include <QTest>

#include <initializer_list>

// Tables of texts: QString columns, and each row written as one text whose cells are split
// at '|', so a row stays on one line.
inline void textColumns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<QString>(name);
}

inline void textRow(const char* name, const QString& cells) {
    QTestData& row = QTest::newRow(name);
    for (const QString& cell : cells.split(u'|'))
        row << cell;
}
