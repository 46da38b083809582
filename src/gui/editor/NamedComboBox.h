#pragma once

#include <QComboBox>

// A drop-down list that a screen reader names by its caption ("Repeat rate") and reads the
// chosen item of as its value. Qt's own combo box on Linux gives the chosen item as the name,
// so a list that shows "None" would be announced as "None".
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget* parent = nullptr);
};
