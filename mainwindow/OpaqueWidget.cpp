#include "OpaqueWidget.h"

#include <QAbstractScrollArea>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// The style sheet clears the opaque mark whenever it styles the widget again (at every change
// of skin or language), so the mark is set again after each.
class Opaque : public QObject {
  public:
    Opaque(QWidget* widget, const QColor& ground) : QObject(widget), ground_(ground) {
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

namespace OpaqueWidget {

void keep(QWidget* widget, const QColor& ground) {
    new Opaque(widget, ground);
}

void keepScrollArea(QAbstractScrollArea* area, const QColor& ground) {
    // An opaque widget gets no automatic fill, so a viewport is kept only with a ground.
    if (ground.isValid())
        keep(area->viewport(), ground);
    keep(area->verticalScrollBar(), {});
    keep(area->horizontalScrollBar(), {});
}

}  // namespace OpaqueWidget
