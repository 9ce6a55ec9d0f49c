#include "WindowSystemFlush.h"

#include <xcb/xcb.h>
#include <QGuiApplication>

void sendWindowChangesNow() {
    // Other platforms send every change as it is made. (The offscreen platform may talk to an
    // X server too, for other ends.)
    if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
        return;
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        xcb_flush(x11->connection());
}
