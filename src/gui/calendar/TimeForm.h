#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// Picks a time of day from slots of the given interval ("00:00" .. "23:45" for 15 minutes),
// opened on `shownTime`, the text of the box it was opened from. After OK `time` holds "hh:mm";
// after "C&lear" it is empty; Cancel rejects.
class TTimeForm : public QDialog {
    Q_OBJECT
public:
    explicit TTimeForm(int intervalMinutes, const QString& shownTime = {},
                       QWidget* parent = nullptr);

    QListWidget* TimeBox;
    QPushButton* OKButton;
    QPushButton* Button1;
    QPushButton* CancelButton;

    QString time;

    void OKButtonClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    int interval_;
    QString shownTime_;
};
