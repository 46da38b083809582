#include "app/AboutForm.h"

#include "app/Artwork.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), LogoPanel(new QFrame(this)),
      Image1(new QLabel(LogoPanel)), Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Trevik Diary"));
    setFixedSize(403, 267);
    move(250, 122);

    LogoPanel->setObjectName(QStringLiteral("LogoPanel"));
    LogoPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    LogoPanel->setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LogoPanel);
    auto* inner = new QVBoxLayout(LogoPanel);
    inner->setContentsMargins(1, 0, 1, 0);
    inner->addWidget(Image1);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(splashPicture());
    Image1->setFixedSize(400, 267);
    Image1->setAccessibleName(QStringLiteral("Trevik Diary"));
    Image1->installEventFilter(this);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(4000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TAboutForm::Timer1Timer);
    Timer1->start();
}

void TAboutForm::Image1Click() {
    accept();
}

void TAboutForm::Timer1Timer() {
    accept();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        Image1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
