// The module velmora-tags: the tag component on TagLib, loaded by the program when a song's
// tag is first needed (sources/TagModule.h).

#include "sources/TagLibComponent.h"
#include "sources/TagModule.h"

extern "C" Q_DECL_EXPORT TagComponent* velmoraNewTagComponent() {
    return new TagLibComponent;
}
