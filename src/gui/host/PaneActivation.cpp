#include "host/PaneActivation.h"

#include "host/ViewState.h"

#include <QEvent>
#include <QWidget>

PaneActivation::PaneActivation(Pane& activePane, Pane pane, QObject* parent)
    : QObject(parent), activePane_(activePane), pane_(pane) {}

void PaneActivation::watch(QWidget* root) {
    root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool PaneActivation::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        activePane_ = pane_;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
