// A pointer and a keyboard for a Wayland compositor that has no input devices of its own,
// such as a headless sway. Both stay plugged in while this program runs: a client sees a
// seat's pointer or keyboard only once such a device exists, so a device made for one
// click would be gone before the client had bound it.
//
// Usage: virtual_input WIDTH HEIGHT, the outputs' layout in pixels. Commands on standard
// input, one a line, each answered "ok" once the compositor has taken it:
//   move X Y      the pointer to (X, Y) of the layout
//   down | up     the left button
//   key CODE      a key pressed and released, by its evdev code (Tab 15, Up 103)
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
};

void Announce(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto& globals = *static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals.seat == nullptr) {
        globals.seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals.pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        globals.keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}

void Remove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {Announce, Remove};

uint32_t Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

// The default keymap of xkbcommon (us), handed over in a shared memory file.
bool SendKeymap(zwp_virtual_keyboard_v1* keyboard) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap = context != nullptr ? xkb_keymap_new_from_names(context, nullptr,
                                                                        XKB_KEYMAP_COMPILE_NO_FLAGS)
                                            : nullptr;
    char* text =
        keymap != nullptr ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    bool sent = false;
    if (text != nullptr) {
        const std::size_t size = std::strlen(text) + 1;
        const int fd = memfd_create("keymap", MFD_CLOEXEC);
        if (fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size)) {
            zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                           static_cast<uint32_t>(size));
            sent = true;
        }
        if (fd >= 0) {
            close(fd);
        }
        std::free(text);
    }
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return sent;
}

bool Run(const std::string& line, zwlr_virtual_pointer_v1* pointer,
         zwp_virtual_keyboard_v1* keyboard, uint32_t width, uint32_t height) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "move") {
        uint32_t x = 0;
        uint32_t y = 0;
        if (!(words >> x >> y) || x > width || y > height) {
            return false;
        }
        zwlr_virtual_pointer_v1_motion_absolute(pointer, Now(), x, y, width, height);
        zwlr_virtual_pointer_v1_frame(pointer);
    } else if (command == "down" || command == "up") {
        zwlr_virtual_pointer_v1_button(
            pointer, Now(), BTN_LEFT,
            command == "down" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(pointer);
    } else if (command == "key") {
        uint32_t code = 0;
        if (!(words >> code)) {
            return false;
        }
        zwp_virtual_keyboard_v1_key(keyboard, Now(), code, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard, Now(), code, WL_KEYBOARD_KEY_STATE_RELEASED);
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const long width = argc == 3 ? std::strtol(argv[1], nullptr, 10) : 0;
    const long height = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 0;
    if (width <= 0 || height <= 0) {
        std::cerr << "usage: virtual_input WIDTH HEIGHT\n";
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::cerr << "virtual_input: no Wayland display\n";
        return 1;
    }
    Globals globals;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.seat == nullptr || globals.pointers == nullptr || globals.keyboards == nullptr) {
        std::cerr << "virtual_input: the compositor offers no seat, virtual pointer or "
                     "virtual keyboard\n";
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat);
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.keyboards, globals.seat);
    if (!SendKeymap(keyboard) || wl_display_roundtrip(display) < 0) {
        std::cerr << "virtual_input: the devices were refused\n";
        return 1;
    }
    std::cout << "ready" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        if (!Run(line, pointer, keyboard, static_cast<uint32_t>(width),
                 static_cast<uint32_t>(height))) {
            std::cout << "error " << line << std::endl;
            continue;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::cerr << "virtual_input: the compositor closed the connection\n";
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
