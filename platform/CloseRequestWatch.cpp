#include "CloseRequestWatch.h"

#include <xcb/xcb.h>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internedAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The X11 form of a close request: a WM_PROTOCOLS message carrying WM_DELETE_WINDOW.
class CloseRequestFilter : public QObject, public QAbstractNativeEventFilter {
  public:
    CloseRequestFilter(QWidget* window, xcb_connection_t* connection,
                       std::function<void()> onRequest)
        : QObject(window),
          window_(window),
          protocols_(internedAtom(connection, "WM_PROTOCOLS")),
          deleteWindow_(internedAtom(connection, "WM_DELETE_WINDOW")),
          onRequest_(std::move(onRequest)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* request = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (request->format == 32 && request->type == protocols_ &&
            request->data.data32[0] == deleteWindow_ && request->window == window_->internalWinId())
            onRequest_();
        return false;
    }

  private:
    QWidget* window_;
    xcb_atom_t protocols_;
    xcb_atom_t deleteWindow_;
    std::function<void()> onRequest_;
};

}  // namespace

void watchCloseRequests(QWidget* window, std::function<void()> onRequest) {
    // Elsewhere a close request reaches the window's close event.
    if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
        return;
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        new CloseRequestFilter(window, x11->connection(), std::move(onRequest));
}
