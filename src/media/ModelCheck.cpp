#include "media/ModelCheck.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// Loading the English model takes a second or two on a busy machine; a child that takes this
// long is stuck, not loading.
constexpr auto kLongestLoad = std::chrono::seconds(60);

std::mutex& checkLock() {
    static std::mutex lock;
    return lock;
}

const QString kPackageSums = QStringLiteral("/var/lib/dpkg/info/pocketsphinx-en-us.md5sums");

QString& sumsFile() {
    static QString path = kPackageSums;
    return path;
}

QString damaged(const QString& folder, const QString& why) {
    return QCoreApplication::translate("ModelCheck",
                                       "the English speech model in %1 is damaged (%2)")
        .arg(QDir::toNativeSeparators(folder), why);
}

QByteArray md5Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

// What the package's sums say of the files of folder the recogniser reads (the acoustic model
// and the dictionary): "" when they all agree, a problem when one does not, and nothing when
// the package installed no such folder.
std::optional<QString> checkAgainstPackage(const QString& folder) {
    QFile sums(sumsFile());
    if (!sums.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString prefix = QDir::cleanPath(folder) + QLatin1Char('/');
    bool listed = false;
    while (!sums.atEnd()) {
        const QByteArray line = sums.readLine().trimmed();
        const qsizetype gap = line.indexOf("  ");
        if (gap < 0)
            continue;
        const QString path = QLatin1Char('/') + QString::fromUtf8(line.mid(gap + 2));
        if (!path.startsWith(prefix))
            continue;
        listed = true;
        const QString name = path.mid(prefix.size());
        if (!name.startsWith(QLatin1String("en-us/")) && !name.endsWith(QLatin1String(".dict")))
            continue; // the language models are never loaded
        if (md5Of(path) != line.left(gap))
            return damaged(folder, QCoreApplication::translate(
                                       "ModelCheck", "%1 is not as its package installed it; "
                                                     "reinstall pocketsphinx-en-us")
                                       .arg(name));
    }
    return listed ? std::optional(QString()) : std::nullopt;
}

// Runs load in a child process, where a model that ends the process ends only the child.
QString loadInChild(const QString& folder, const std::function<bool()>& load) {
    const pid_t child = ::fork();
    if (child < 0)
        return damaged(folder,
                       QCoreApplication::translate("ModelCheck", "it could not be tried: %1")
                           .arg(qt_error_string()));
    if (child == 0) {
        // The recogniser's fatal errors call exit(): this handler, registered last, runs first
        // and leaves before anything of the parent's is torn down in the child.
        std::atexit([] { ::_exit(3); });
        if (const int null = ::open("/dev/null", O_WRONLY); null >= 0) {
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
        }
        ::_exit(load() ? 0 : 2);
    }
    const auto until = std::chrono::steady_clock::now() + kLongestLoad;
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return damaged(folder, QCoreApplication::translate("ModelCheck", "loading it did not end"));
    }
    if (ended < 0)
        return damaged(folder,
                       QCoreApplication::translate("ModelCheck", "it could not be tried: %1")
                           .arg(qt_error_string()));
    if (WIFSIGNALED(status))
        return damaged(folder, QCoreApplication::translate(
                                   "ModelCheck", "loading it crashed the recogniser with signal %1")
                                   .arg(WTERMSIG(status)));
    if (WEXITSTATUS(status) != 0)
        return damaged(
            folder, QCoreApplication::translate("ModelCheck", "the recogniser could not read it"));
    return {};
}

} // namespace

QString SpeechModelProblem(const QString& folder, const std::function<bool()>& load) {
    const std::lock_guard lock(checkLock());
    static QHash<QString, QString> answers;
    if (const auto known = answers.constFind(folder); known != answers.constEnd())
        return *known;
    const std::optional<QString> packaged = checkAgainstPackage(folder);
    QString problem = packaged ? *packaged : loadInChild(folder, load);
    answers.insert(folder, problem);
    return problem;
}

void SetPackageSumsFile(const QString& path) {
    const std::lock_guard lock(checkLock());
    sumsFile() = path.isEmpty() ? kPackageSums : path;
}
