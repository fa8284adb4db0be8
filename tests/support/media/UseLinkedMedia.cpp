// Linked into every test: the tests use the media library directly, never the module, as the
// tool does. Set before main, so even a test without an application has it.
#include "media/LinkedMedia.h"

namespace {

const bool chosen = (UseMediaSource(OpenLinkedMedia), true);

} // namespace
