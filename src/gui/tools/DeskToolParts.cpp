#include "tools/DeskToolParts.h"

#include "platform/PlainButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

QFont toolDisplayFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(35);
    return font;
}

QLabel* toolTimeLabel(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("00:00:00"), parent);
    label->setObjectName(QStringLiteral("TimeLabel"));
    label->setFont(toolDisplayFont());
    label->setAlignment(Qt::AlignCenter);
    return label;
}

CommentAndClose addCommentAndClose(QVBoxLayout* layout, QWidget* parent) {
    auto* commentLabel = new QLabel(QStringLiteral("Comment"), parent);
    auto* comment = new QLineEdit(parent);
    comment->setObjectName(QStringLiteral("Edit2"));
    comment->setAccessibleName(QStringLiteral("Comment"));
    commentLabel->setBuddy(comment);
    QPushButton* close = plainButton("CloseButton", QStringLiteral("Close"), parent);
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(commentLabel);
    commentRow->addWidget(comment, 1);
    layout->addLayout(commentRow);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
    return {comment, close};
}

QTimer* secondTimer(const char* name, QWidget* parent) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
