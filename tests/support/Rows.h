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

// given fills the row's first columns as it is (bytes, numbers), the texts the ones after.
template <class... Given>
void textRow(const char* name, const QString& cells, const Given&... given) {
    QTestData& row = QTest::newRow(name);
    ((row << given), ...);
    for (const QString& cell : cells.split(u'|'))
        row << cell;
}
