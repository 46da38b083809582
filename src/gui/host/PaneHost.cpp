#include "host/PaneHost.h"

#include <QPushButton>

void PaneHost::SetDefaultButton(QPushButton* button, bool bold) {
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}
