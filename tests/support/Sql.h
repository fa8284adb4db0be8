#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// Runs the statements on the database as another program would (the jukebox, a user with
// sqlite3), on a connection of its own. Answers the last statement's rows, each as its fields
// joined by '|', or one "error: ..." line for the first statement that failed.
inline QStringList sqlRows(const QString& database, const QStringList& statements) {
    const QString name = QStringLiteral("test-sql");
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database);
        if (!db.open())
            rows = QStringList{QStringLiteral("error: ") + db.lastError().text()};
        QSqlQuery query(db);
        for (const QString& sql : statements) {
            if (!db.isOpen())
                break;
            rows.clear();
            if (!query.exec(sql)) {
                rows = QStringList{QStringLiteral("error: ") + query.lastError().text()};
                break;
            }
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < query.record().count(); ++i)
                    fields << query.value(i).toString();
                rows << fields.join(u'|');
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}
