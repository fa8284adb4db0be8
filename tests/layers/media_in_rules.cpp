// Built only by the MediaLayer test, which expects it to fail: the rules library does not link
// the media libraries, so a rule that calls libmpv instead of asking core/MediaServices.h for a
// player is stopped by the linker.
#include <mpv/client.h>

int main() {
    mpv_handle* player = mpv_create();
    return player ? 0 : 1;
}
