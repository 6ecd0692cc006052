#include "qt/pointer_buttons.h"

#include <QtGui/qtguiglobal.h>

#if defined(MAHJONGG_XCB) && QT_CONFIG(xcb)
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace mj::qt {

bool aMouseButtonIsHeld() {
#if defined(MAHJONGG_XCB) && QT_CONFIG(xcb)
    // (The offscreen platform has this interface too, without a connection.)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_query_pointer_reply_t* pointer =
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
        constexpr unsigned kButtons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3;
        const bool held = pointer && (pointer->mask & kButtons) != 0;
        std::free(pointer);
        return held;
    }
#endif
    return false;
}

} // namespace mj::qt
