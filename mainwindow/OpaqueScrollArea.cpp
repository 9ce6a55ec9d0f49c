#include "OpaqueScrollArea.h"

#include <QAbstractScrollArea>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

class ViewportGround : public QObject {
  public:
    ViewportGround(QWidget* viewport, const QColor& colour) : QObject(viewport), colour_(colour) {
        viewport->setAttribute(Qt::WA_OpaquePaintEvent);
        viewport->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QPainter painter(static_cast<QWidget*>(watched));
            painter.fillRect(static_cast<QPaintEvent*>(event)->rect(), colour_);
        }
        return false;
    }

  private:
    QColor colour_;
};

}  // namespace

namespace OpaqueScrollArea {

void install(QAbstractScrollArea* area, const QColor& background) {
    new ViewportGround(area->viewport(), background);
    install(area);
}

void install(QAbstractScrollArea* area) {
    // Both styles in use fill a scroll bar's whole rectangle with its groove.
    area->verticalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
    area->horizontalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
}

}  // namespace OpaqueScrollArea
