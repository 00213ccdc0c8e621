// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_seat.h"

#include <QGuiApplication>

#include <cstring>
#include <vector>
#include <wayland-client.h>

namespace sb::drive {

namespace {

// Qt 6.4's Wayland client registers no QInputDevice for a seat's keyboard, so Qt cannot
// tell; the compositor's own list of seats can. It is read on a connection of our own to
// the compositor Qt has connected to.
struct Seats {
    std::vector<wl_seat*> bound;
    bool keyboard = false;
};

void seatCapabilities(void* data, wl_seat*, uint32_t capabilities) {
    if (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) static_cast<Seats*>(data)->keyboard = true;
}
void seatName(void*, wl_seat*, const char*) {}
const wl_seat_listener seatListener = {seatCapabilities, seatName};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, wl_seat_interface.name) != 0) return;
    auto* seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    wl_seat_add_listener(seat, &seatListener, data);
    static_cast<Seats*>(data)->bound.push_back(seat);
}
void globalRemoved(void*, wl_registry*, uint32_t) {}
const wl_registry_listener registryListener = {global, globalRemoved};

bool compositorHasKeyboard() {
    // Qt took WAYLAND_SOCKET's connection for itself, if that is how it connected: no
    // second connection then, and no way to tell, so the driver goes on as before
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return true;
    Seats seats;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &seats);
    wl_display_roundtrip(display); // the globals, and the seats bound
    wl_display_roundtrip(display); // each seat's capabilities
    for (wl_seat* seat : seats.bound) wl_seat_destroy(seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return seats.keyboard;
}

} // namespace

bool platformHasKeyboard() {
    return QGuiApplication::platformName() != u"wayland" || compositorHasKeyboard();
}

} // namespace sb::drive
