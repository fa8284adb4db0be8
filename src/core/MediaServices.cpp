#include "core/MediaServices.h"

#include "core/MissingMedia.h"

#include <QCoreApplication>
#include <atomic>

namespace {

std::atomic<MediaSource> chosenSource{nullptr};

} // namespace

void UseMediaSource(MediaSource source) {
    chosenSource.store(source);
}

const MediaServices& Media() {
    static const std::unique_ptr<MediaServices> services = [] {
        const MediaSource source = chosenSource.load();
        std::unique_ptr<MediaServices> opened = source ? source() : nullptr;
        return opened ? std::move(opened)
                      : std::make_unique<MissingMedia>(QCoreApplication::translate(
                            "MediaServices", "this program was built without its media module"));
    }();
    return *services;
}
