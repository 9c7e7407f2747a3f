// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/xclipboard.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <QClipboard>
#include <QGuiApplication>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace ninebox {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T>
Reply<T> owned(T* reply) {
    return {reply, &std::free};
}

constexpr std::chrono::seconds kAnswerTime{5};  // as long as Qt waits for an owner and each part

// The next event that `wanted` takes; null when none comes in time or the connection breaks.
template <typename Wanted>
Reply<xcb_generic_event_t> nextEvent(xcb_connection_t* c, Wanted wanted) {
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
    for (;;) {
        while (auto event = owned(xcb_poll_for_event(c)))
            if (wanted(event.get())) return event;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(c)) return owned<xcb_generic_event_t>(nullptr);
        pollfd ready{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&ready, 1, static_cast<int>(left.count()));
    }
}

int kind(const xcb_generic_event_t* event) { return event->response_type & 0x7f; }

Reply<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, bool take,
                                         std::uint32_t words) {
    return owned(xcb_get_property_reply(
        c, xcb_get_property(c, take, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, words), nullptr));
}

}  // namespace

ClipboardRead readXClipboard(std::size_t limit, std::string& text) {
    // Our own clipboard is answered by our own event loop, which waits here meanwhile.
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        QGuiApplication::clipboard()->ownsClipboard())
        return ClipboardRead::unknown;
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c)) return ClipboardRead::unknown;

    const char* const names[] = {"CLIPBOARD", "UTF8_STRING", "INCR", "NINEBOX_CLIPBOARD"};
    xcb_intern_atom_cookie_t asked[4];
    xcb_atom_t atoms[4] = {};
    for (int i = 0; i < 4; ++i)
        asked[i] = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    for (int i = 0; i < 4; ++i)
        if (const auto atom = owned(xcb_intern_atom_reply(c, asked[i], nullptr))) atoms[i] = atom->atom;
    const xcb_atom_t clipboard = atoms[0], utf8 = atoms[1], incremental = atoms[2], into = atoms[3];
    const auto owner =
        owned(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr));
    if (!owner || !into) return ClipboardRead::unknown;
    text.clear();
    if (owner->owner == XCB_NONE) return ClipboardRead::text;

    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screen.rem > 0; ++i) xcb_screen_next(&screen);
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    xcb_convert_selection(c, window, clipboard, utf8, into, XCB_CURRENT_TIME);
    xcb_flush(c);
    const auto answer = nextEvent(c, [](auto* e) { return kind(e) == XCB_SELECTION_NOTIFY; });
    if (!answer || reinterpret_cast<xcb_selection_notify_event_t*>(answer.get())->property == XCB_NONE)
        return ClipboardRead::unknown;

    // A text in one part: its size is asked first, and a long one is left with the X server.
    const auto head = property(c, window, into, false, 0);
    if (!head) return ClipboardRead::unknown;
    if (head->type != incremental) {
        if (head->bytes_after > limit) return ClipboardRead::tooLong;
        const auto whole = property(c, window, into, true, (head->bytes_after + 3) / 4);
        if (!whole) return ClipboardRead::unknown;
        text.assign(static_cast<const char*>(xcb_get_property_value(whole.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(whole.get())));
        return ClipboardRead::text;
    }
    // In parts: each is a new value of the property, taken and deleted in turn, up to an empty
    // one. Parts beyond the limit are taken too, so that the owner ends its transfer, but not kept.
    xcb_delete_property(c, window, into);
    xcb_flush(c);
    std::size_t size = 0;
    for (;;) {
        const auto part = nextEvent(c, [into](auto* e) {
            const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(e);
            return kind(e) == XCB_PROPERTY_NOTIFY && change->atom == into &&
                   change->state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!part) break;
        const auto value = property(c, window, into, true, UINT32_MAX / 4);
        if (!value) break;
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(value.get()));
        if (length == 0) return size > limit ? ClipboardRead::tooLong : ClipboardRead::text;
        size += length;
        if (size <= limit) text.append(static_cast<const char*>(xcb_get_property_value(value.get())), length);
        else text.clear();
    }
    text.clear();
    return size > limit ? ClipboardRead::tooLong : ClipboardRead::unknown;
}

}  // namespace ninebox
