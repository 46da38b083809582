#include "editor/NamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

class NamedComboAccessible final : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    // The name is the widget's own: its accessible name, else its label's caption.
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? combo()->currentText() : QAccessibleWidget::text(kind);
    }

    // The pop-up list, so that a screen reader can walk the items.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override {
        return {showMenuAction(), pressAction(), setFocusAction()};
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (combo()->view()->isVisible()) {
                combo()->hidePopup();
            } else {
                combo()->showPopup();
            }
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedComboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(NamedComboBox::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new NamedComboAccessible(static_cast<NamedComboBox*>(object));
    }
    return nullptr;
}

} // namespace

NamedComboBox::NamedComboBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(namedComboFactory);
        return true;
    }();
    (void)installed;
}
