#pragma once

#include <QObject>

class QWidget;
enum class Pane;

// Makes a pane the one the window's commands act on when the user clicks, right-clicks or
// starts a drag on any part of it, also on the parts that never take the focus (the contact
// card, the title rows, the pane's buttons).
class PaneActivation final : public QObject {
    Q_OBJECT
public:
    PaneActivation(Pane& activePane, Pane pane, QObject* parent);
    // Watches `root` and every widget inside it.
    void watch(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Pane& activePane_;
    Pane pane_;
};
