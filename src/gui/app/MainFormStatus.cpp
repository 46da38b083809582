// The main window's status bar: the maker's line, today's date, the time and the desk tools.
#include "app/MainForm.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "shell/StatusText.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

using namespace trevik;

namespace {

const QString kMakerText = QStringLiteral("Trevik Diary  \u2013  https://trevik.example/");
constexpr int kNoteMilliseconds = 10000;

} // namespace

void TMainForm::buildStatusBar() {
    const int widths[] = {450, 65, 50, 65, 60};
    const QString texts[] = {kMakerText, QString(), QString(), QStringLiteral("Timer off"),
                             QStringLiteral("Stopwatch off")};
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        auto* panel = new QLabel(texts[i], statusBar());
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]); // grows where the font needs more room
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel);
        statusPanels[i] = panel;
    }
}

void TMainForm::showStatusNote(const QString& note) {
    statusPanels[0]->setText(note);
    QTimer::singleShot(kNoteMilliseconds, statusPanels[0], [panel = statusPanels[0], note] {
        if (panel->text() == note) {
            panel->setText(kMakerText);
        }
    });
}

void TMainForm::FormPaint() {
    const QString date = fromStored(StatusDateText(today(services_.clock), services_.locale));
    const QString time = QString::fromStdString(StatusTimeText(services_.clock.now()));
    // Only a changed text is set, so the panels do not ask for another repaint.
    if (statusPanels[1]->text() != date) {
        statusPanels[1]->setText(date);
    }
    if (statusPanels[2]->text() != time) {
        statusPanels[2]->setText(time);
    }
}

void TMainForm::paintEvent(QPaintEvent* event) {
    FormPaint();
    QMainWindow::paintEvent(event);
}
