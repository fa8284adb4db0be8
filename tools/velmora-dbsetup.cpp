// velmora-dbsetup: creates the jukebox database the program previews lyrics in.
//
//   velmora-dbsetup <folder-or-file>   creates <folder>/Velmora81.mdb (or the file named)
//   velmora-dbsetup --schema           prints the SQL of the Lyrics table and its index
//
// An existing file is never touched: the command says so and succeeds.

#include "core/Failure.h"
#include "storage/DatabaseSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 || args.first() == QLatin1String("--help")) {
        print(stderr, QStringLiteral("usage: velmora-dbsetup <folder-or-file> | --schema"));
        return 2;
    }
    if (args.first() == QLatin1String("--schema")) {
        std::fputs(LyricsSchemaSql().toUtf8().constData(), stdout);
        return 0;
    }
    const QString file = JukeboxDatabaseFileFor(args.first());
    if (QFileInfo::exists(file)) {
        print(
            stdout,
            QStringLiteral("%1 already exists; left as it is").arg(QDir::toNativeSeparators(file)));
        return 0;
    }
    try {
        CreateJukeboxDatabase(file);
    } catch (const VersettaError& error) {
        print(stderr, error.message());
        return 1;
    }
    print(stdout, QStringLiteral("Created %1").arg(QDir::toNativeSeparators(file)));
    return 0;
}
