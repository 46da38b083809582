#include "platform/PlainButton.h"

#include <QPushButton>

QPushButton* plainButton(const char* name, const QString& caption, QWidget* parent) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    return made;
}
