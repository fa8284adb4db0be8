#pragma once

#include "sources/TagComponent.h"

#include <QString>

#include <functional>
#include <memory>

// The tag component on TagLib, from the module velmora-tags in folder, loaded by the first
// component asked for: linked in, TagLib would be loaded by every start-up. A module that
// cannot be loaded throws VersettaError naming it.
std::function<std::unique_ptr<TagComponent>()> TagComponentsFromModule(const QString& folder);

// The module's one entry: a new component, owned by the caller.
using NewTagComponentFunction = TagComponent* (*)();
inline constexpr const char* kNewTagComponentEntry = "velmoraNewTagComponent";
