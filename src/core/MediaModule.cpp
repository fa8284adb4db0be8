#include "core/MediaModule.h"

#include "core/MissingMedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <cstdio>

namespace {

const QString kModuleFile = QStringLiteral("velmora-media.so");

// The module's services, kept loaded for the rest of the run: what it made may live until
// exit, so the library is never unloaded.
class LoadedModule final : public MediaServices {
public:
    explicit LoadedModule(const MediaServices& services) : m_services(services) {}
    std::unique_ptr<PlayerEngine> player(const QByteArray& audioOutput,
                                         double speed) const override {
        return m_services.player(audioOutput, speed);
    }
    std::unique_ptr<AudioDecoder> audioDecoder() const override {
        return m_services.audioDecoder();
    }
    std::unique_ptr<SpeechRecogniser> speechRecogniser() const override {
        return m_services.speechRecogniser();
    }
    std::unique_ptr<Phonemizer> phonemizer() const override { return m_services.phonemizer(); }
    std::unique_ptr<VoiceDetector> voiceDetector() const override {
        return m_services.voiceDetector();
    }

private:
    const MediaServices& m_services;
};

} // namespace

QStringList MediaModuleFolders() {
    const QString given = qEnvironmentVariable("VELMORA_MEDIA_MODULE_DIR");
    if (!given.isEmpty())
        return {given};
    const QString program = QCoreApplication::applicationDirPath();
    return {program,
            QDir::cleanPath(program + u'/' + QStringLiteral(VELMORA_MEDIA_MODULE_FROM_PROGRAM))};
}

std::unique_ptr<MediaServices> OpenMediaModule() {
    const QStringList folders = MediaModuleFolders();
    QString why;
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(kModuleFile);
        if (!QFileInfo::exists(file))
            continue;
        // Owned by no one: the module stays loaded until the process ends.
        auto* loader = new QPluginLoader(file);
        if (auto* services = qobject_cast<MediaServices*>(loader->instance()))
            return std::make_unique<LoadedModule>(*services);
        why = QCoreApplication::translate("MediaModule",
                                          "the media module %1 could not be loaded (%2)")
                  .arg(QDir::toNativeSeparators(file), loader->errorString());
        delete loader;
        break;
    }
    if (why.isEmpty()) {
        QStringList shown;
        for (const QString& folder : folders)
            shown << QDir::toNativeSeparators(folder);
        why = QCoreApplication::translate("MediaModule", "the media module %1 is not in %2")
                  .arg(kModuleFile, shown.join(QCoreApplication::translate("MediaModule", " or ")));
    }
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(why));
    return std::make_unique<MissingMedia>(why);
}
