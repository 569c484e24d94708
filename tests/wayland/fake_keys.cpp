// SPDX-License-Identifier: MIT
// Types evdev key codes into KWin through its fake-input protocol, as
// wtype does on compositors with a virtual keyboard: fake_keys CODE...
// KWin offers the protocol to any client only when started with
// KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.

#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

org_kde_kwin_fake_input* fakeInput = nullptr;

void announced(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

void removed(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener registryListener = {announced, removed};

}  // namespace

int main(int argc, char** argv)
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "fake_keys: no Wayland display\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!fakeInput) {
        std::fprintf(stderr, "fake_keys: the compositor offers no org_kde_kwin_fake_input 4\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "fake_keys", "the game's tests type into it");
    for (int i = 1; i < argc; ++i) {
        const auto code = static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 10));
        org_kde_kwin_fake_input_keyboard_key(fakeInput, code, WL_KEYBOARD_KEY_STATE_PRESSED);
        org_kde_kwin_fake_input_keyboard_key(fakeInput, code, WL_KEYBOARD_KEY_STATE_RELEASED);
        wl_display_roundtrip(display);
    }
    org_kde_kwin_fake_input_destroy(fakeInput);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
