#include "OpaqueScrollArea.h"

#include <QAbstractScrollArea>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// Keeps a widget marked opaque: the style sheet clears the mark whenever it styles the widget
// again (at every change of skin or language). With a ground colour, the widget also fills
// itself with it before its content is painted.
class Opaque : public QObject {
  public:
    explicit Opaque(QWidget* widget, const QColor& ground = {}) : QObject(widget), ground_(ground) {
        widget->setAttribute(Qt::WA_OpaquePaintEvent);
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::Polish:
            case QEvent::StyleChange:
                widget->setAttribute(Qt::WA_OpaquePaintEvent);
                break;
            case QEvent::Paint:
                if (ground_.isValid())
                    QPainter(widget).fillRect(static_cast<QPaintEvent*>(event)->rect(), ground_);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    QColor ground_;
};

}  // namespace

namespace OpaqueScrollArea {

void install(QAbstractScrollArea* area, const QColor& background) {
    new Opaque(area->viewport(), background);
    install(area);
}

void install(QAbstractScrollArea* area) {
    // Both styles in use fill a scroll bar's whole rectangle with its groove.
    new Opaque(area->verticalScrollBar());
    new Opaque(area->horizontalScrollBar());
}

}  // namespace OpaqueScrollArea
