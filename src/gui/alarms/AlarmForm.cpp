#include "alarms/AlarmForm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAlarmForm::TAlarmForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    // No close box and no system menu: "Close" is the one way to put the notice away.
    setObjectName(QStringLiteral("AlarmForm"));
    setWindowTitle(QStringLiteral("Alarm"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Alarm"));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Close = new QPushButton(QStringLiteral("Close"), this);
    Close->setObjectName(QStringLiteral("Close"));
    // Keys typed into another program when the notice appears must not close it unread.
    Close->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Close);
    buttons->addStretch();
    layout->addLayout(buttons);
    setFixedSize(330, 190);
    setFocusProxy(Memo1);
    connect(Close, &QPushButton::clicked, this, &TAlarmForm::CloseClick);
}

void TAlarmForm::AddAlarm(const QString& line) {
    Memo1->appendPlainText(line);
    show();
    raise();
}

void TAlarmForm::CloseClick() {
    Memo1->clear();
    hide();
}

QStringList TAlarmForm::lines() const {
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
