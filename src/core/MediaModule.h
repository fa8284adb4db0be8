#pragma once

#include "core/MediaServices.h"

#include <QStringList>

// The folders the media module is looked for in, in order: VELMORA_MEDIA_MODULE_DIR alone when
// it is set; otherwise the program's own folder (the build tree) and the one the package
// installs it in, found from the program's folder.
QStringList MediaModuleFolders();

// Loads the media module from the first of those folders that holds it. When none can be
// loaded, every service is missing with the reason, which is also written once to stderr.
std::unique_ptr<MediaServices> OpenMediaModule();
