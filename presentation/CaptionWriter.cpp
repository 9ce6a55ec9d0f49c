#include "CaptionWriter.h"

#include <QLabel>
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

// A screen reader names a control by the caption it shows, without the blanks that place the
// caption; a label names the control it stands beside.
void nameAfterCaption(QObject& control, const QString& text) {
    auto* widget = qobject_cast<QWidget*>(&control);
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
        widget = label->buddy();
    if (widget)
        widget->setAccessibleName(text.simplified());
}

// Runs `apply` on the control of each row meant for `window`; the window's own name stands for
// the window.
template <typename Row, typename Apply>
void applyRows(QWidget& window, const std::vector<Row>& rows, Apply apply) {
    const QString name = window.objectName();
    for (const Row& row : rows) {
        if (row.window != name)
            continue;
        if (QObject* control = row.control == name ? &window : findControl(window, row.control))
            apply(*control, row);
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
    applyRows(window, captions, [&window](QObject& control, const Caption& caption) {
        if (&control == &window) {
            window.setWindowTitle(caption.text);
            return;
        }
        write(control, caption.text);
        nameAfterCaption(control, caption.text);
    });
}

void writeAccessibleTexts(QWidget& window, const std::vector<AccessibleText>& texts) {
    applyRows(window, texts, [](QObject& control, const AccessibleText& text) {
        auto* widget = qobject_cast<QWidget*>(&control);
        if (!widget)
            return;
        if (!text.name.isEmpty())
            widget->setAccessibleName(text.name);
        widget->setAccessibleDescription(text.description);
    });
}
