#include "session/MarkingSettings.h"

#include "sheet/ReactionDelay.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <memory>

namespace {

const QString kDelaySetting = QStringLiteral("marking/reactionDelayMs");
const QString kPreciseSetting = QStringLiteral("marking/keepPreciseTimes");

// The user's settings file, or why settings are not kept in it: then they last as long as the
// window does.
struct Settings {
    std::unique_ptr<QSettings> file; // null when settings are not kept
    QString notKept;                 // "the settings file ... is a named pipe"
};

Settings openSettings(const QString& given) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The platform's usual place named as a file, so that it can be looked at before it is
    // opened; only the user's own file is read.
    const QString path =
        !given.isEmpty() ? given
                         : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("/Velmora/Versetta.conf");
#else
    if (given.isEmpty()) // the registry or a property list
        return {std::make_unique<QSettings>(QStringLiteral("Velmora"), QStringLiteral("Versetta")),
                {}};
    const QString path = given;
#endif
    const QString shown = QDir::toNativeSeparators(path);
    // QSettings opens the file blocking: a named pipe would keep the window from ever showing.
    if (const QString kind = NonRegularKind(path); !kind.isEmpty())
        return {nullptr,
                QCoreApplication::translate("MarkingSettings", "the settings file %1 is %2")
                    .arg(shown, kind)};
    auto file = std::make_unique<QSettings>(path, QSettings::IniFormat);
    file->allKeys(); // every section is parsed now, so a fault anywhere is found before a write
    switch (file->status()) {
    case QSettings::NoError:
        return {std::move(file), {}};
    case QSettings::FormatError: // written over, the file's contents would be lost
        return {nullptr, QCoreApplication::translate(
                             "MarkingSettings",
                             "the settings file %1 cannot be read: it is not in the settings "
                             "format, so it is left as it is")
                             .arg(shown)};
    case QSettings::AccessError:
        break;
    }
    return {nullptr,
            QCoreApplication::translate("MarkingSettings", "the settings file %1 cannot be read")
                .arg(shown)};
}

} // namespace

StoredDelay ReadReactionDelay(const QString& settingsFile) {
    const Settings settings = openSettings(settingsFile);
    const int stored = settings.file ? settings.file->value(kDelaySetting, 0).toInt() : 0;
    return {std::clamp(stored, 0, kMaxReactionDelayMs), settings.notKept};
}

namespace {

QString keepValue(const QString& settingsFile, const QString& key, const QVariant& value,
                  const QString& refusedAtStart) {
    // A file refused at start-up stays refused: QSettings keeps what it parsed, and opened again
    // it would no longer see the fault and would write over the file.
    const Settings settings =
        refusedAtStart.isEmpty() ? openSettings(settingsFile) : Settings{nullptr, refusedAtStart};
    if (!settings.file)
        return settings.notKept;
    settings.file->setValue(key, value);
    settings.file->sync();
    const QString shown = QDir::toNativeSeparators(settings.file->fileName());
    if (settings.file->status() == QSettings::AccessError)
        return QCoreApplication::translate("MarkingSettings",
                                           "the settings file %1 is not writable")
            .arg(shown);
    if (settings.file->status() == QSettings::FormatError)
        return QCoreApplication::translate(
                   "MarkingSettings",
                   "the settings file %1 cannot be read: it is not in the settings "
                   "format")
            .arg(shown);
    return {};
}

} // namespace

QString KeepReactionDelay(const QString& settingsFile, std::int32_t ms,
                          const QString& refusedAtStart) {
    return keepValue(settingsFile, kDelaySetting, ms, refusedAtStart);
}

StoredSwitch ReadKeepPreciseTimes(const QString& settingsFile) {
    const Settings settings = openSettings(settingsFile);
    return {settings.file && settings.file->value(kPreciseSetting, false).toBool(),
            settings.notKept};
}

QString KeepPreciseTimes(const QString& settingsFile, bool on, const QString& refusedAtStart) {
    return keepValue(settingsFile, kPreciseSetting, on, refusedAtStart);
}
