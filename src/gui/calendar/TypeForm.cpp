#include "calendar/TypeForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTypeForm::TTypeForm(const QString& initialName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TypeForm"));
    auto* label = new QLabel(QStringLiteral("Type:"), this);
    TypeEdit = new QLineEdit(initialName, this);
    TypeEdit->setObjectName(QStringLiteral("TypeEdit"));
    TypeEdit->setMaxLength(30);
    label->setBuddy(TypeEdit);
    TypeEdit->setAccessibleName(QStringLiteral("Type"));
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true); // Enter in the name accepts
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(TypeEdit, 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QString TTypeForm::name() const {
    return TypeEdit->text();
}
