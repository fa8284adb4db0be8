#include "sources/TagModule.h"

#include "core/Failure.h"

#include <QDir>
#include <QLibrary>

#include <mutex>

std::function<std::unique_ptr<TagComponent>()> TagComponentsFromModule(const QString& folder) {
    struct Module {
        QLibrary library;
        std::once_flag loading;
        NewTagComponentFunction create = nullptr;
    };
    auto module = std::make_shared<Module>();
    module->library.setFileName(folder + QStringLiteral("/velmora-tags"));
    return [module]() -> std::unique_ptr<TagComponent> {
        std::call_once(module->loading, [&module] {
            if (module->library.load())
                module->create = reinterpret_cast<NewTagComponentFunction>(
                    module->library.resolve(kNewTagComponentEntry));
        });
        if (!module->create)
            throw VersettaError(QStringLiteral("The tag module %1 could not be loaded (%2); "
                                               "reinstall the program")
                                    .arg(QDir::toNativeSeparators(module->library.fileName()),
                                         module->library.errorString()));
        return std::unique_ptr<TagComponent>(module->create());
    };
}
