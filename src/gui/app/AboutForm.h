#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

// The picture shown as the splash at start (closes by itself after four seconds or at a
// click) and as the About box (closes only at a click).
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QFrame* LogoPanel;
    QLabel* Image1;
    QTimer* Timer1;

    void Image1Click();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
