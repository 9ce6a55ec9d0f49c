#include "CaptionWriter.h"

#include <QMenu>
#include <QWidget>

namespace {

void write(QObject& control, const QString& text) {
    for (const char* property : {"title", "caption", "text"}) {
        if (control.metaObject()->indexOfProperty(property) >= 0) {
            control.setProperty(property, text);
            return;
        }
    }
}

}  // namespace

QObject* findControl(const QObject& window, const QString& name) {
    for (QObject* child : window.children()) {
        // Menus are windows too, but they belong to the window whose menu bar holds them.
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            continue;
        if (child->objectName() == name)
            return child;
        if (QObject* found = findControl(*child, name))
            return found;
    }
    return nullptr;
}

void writeCaptions(QWidget& window, const std::vector<Caption>& captions) {
    const QString name = window.objectName();
    for (const Caption& caption : captions) {
        if (caption.window != name)
            continue;
        if (caption.control == name)
            window.setWindowTitle(caption.text);
        else if (QObject* control = findControl(window, caption.control))
            write(*control, caption.text);
    }
}
