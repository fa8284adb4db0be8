#pragma once

// Helpers shared by the bad-input executables: random bytes, the files in a folder, and
// re-running one test row in a child process (as an unprivileged user, or under a small
// file-size limit) when the case cannot be made in this process.

#include "support/Files.h"
#include "support/TestWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace badinput {

// The same bytes on every run: a failure can be repeated.
inline QByteArray randomBytes(quint32 seed, qsizetype size) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

// Every file below folder, hidden ones too, so a leftover temporary file is seen.
inline QStringList filesIn(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

// A file's mode, owner and group, which a save must leave as they were.
struct FileStatus {
    mode_t mode;
    uid_t owner;
    gid_t group;
    bool operator==(const FileStatus&) const = default;
};

inline FileStatus statusOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return {status.st_mode & 07777, status.st_uid, status.st_gid};
}

// Whether a file can be made in folder: root makes one in a read-only folder too.
inline bool writableBy(const QString& folder) {
    QFile probe(folder + QStringLiteral("/probe"));
    const bool made = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return made;
}

// What a save did: whether it wrote, and what it said (the status line, or the tool's output).
struct Outcome {
    bool saved = false;
    QString message;
};

constexpr const char* kChildVariable = "VELMORA_BADINPUT_CHILD";

inline bool inChild() {
    return qEnvironmentVariableIsSet(kChildVariable);
}

// Runs the current test row again in a child process, through wrapper (a program and its
// arguments) when one is given, and reports the child's failure or skip as this row's.
inline void rerunInChild(const QStringList& wrapper) {
    QString row = QString::fromLatin1(QTest::currentTestFunction());
    if (const char* tag = QTest::currentDataTag())
        row += QLatin1Char(':') + QString::fromUtf8(tag);
    QStringList arguments = wrapper;
    arguments << QCoreApplication::applicationFilePath() << row;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kChildVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(arguments.takeFirst(), arguments);
    // No time limit of its own: a hang is the test runner's to catch.
    QVERIFY2(child.waitForStarted(-1), qPrintable(child.errorString()));
    child.waitForFinished(-1);
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(QStringLiteral("the child run failed:\n") + output));
    QVERIFY2(output.contains(QLatin1String("PASS   : ")) ||
                 output.contains(QLatin1String("SKIP   : ")),
             qPrintable(QStringLiteral("the child ran nothing:\n") + output));
    if (output.contains(QLatin1String("SKIP   : ")))
        QSKIP(qPrintable(QStringLiteral("skipped in the child:\n") + output));
}

// Permission cases need a user that permissions stop. As root the row is run again as
// "nobody"; answers true when that happened, so the caller returns.
inline bool rerunUnprivileged() {
    if (::geteuid() != 0)
        return false;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        qWarning("running as root without setpriv: permission cases cannot be made");
        return false; // the caller's own probe skips the row
    }
    rerunInChild({setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                  QStringLiteral("--clear-groups")});
    return true;
}

// A full disk, as far as one process can tell: files may not grow past bytes, and writing
// past that fails with an error instead of ending the process.
inline void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace badinput
