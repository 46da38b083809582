#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for an entry type's name; the caller sets the caption ("Add new type", "Edit type").
class TTypeForm : public QDialog {
    Q_OBJECT
public:
    explicit TTypeForm(const QString& initialName = {}, QWidget* parent = nullptr);

    QLineEdit* TypeEdit;
    QPushButton* Button1;
    QPushButton* Button2;

    QString name() const;
};
