// The main window's status bar: the maker's line, today's date, the time and the desk tools.
#include "app/MainForm.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "shell/StatusText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

using namespace trevik;

namespace {

const QString kMakerText = QStringLiteral("Trevik Diary  \u2013  https://trevik.example/");
constexpr int kNoteMilliseconds = 10000;
constexpr int kPanelPadding = 4;

// Every text a panel may show in this locale: its width is the widest of them, never less
// than the panel's own pixel width.
QStringList panelTexts(std::size_t panel, const Locale& locale) {
    switch (panel) {
    case 1: {
        QStringList dates;
        for (int month = 1; month <= 12; ++month) {
            dates << fromStored(statusDateText(dayNumberFromCivil({2028, month, 28}), locale));
        }
        return dates;
    }
    case 2:
        return {QStringLiteral("00:00"), QStringLiteral("88:88")};
    case 3:
        return {QStringLiteral("Timer off"), QStringLiteral("T 88:88:88")};
    case 4:
        return {QStringLiteral("Stopwatch off"), QStringLiteral("S 88:88:88")};
    default:
        return {};
    }
}

int panelWidth(const QLabel& panel, int minimum, const QStringList& texts) {
    const QFontMetrics metrics(panel.font());
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // The sunken frame and a little air on each side.
    return std::max(minimum, widest + 2 * panel.frameWidth() + 2 * kPanelPadding);
}

} // namespace

void TMainForm::buildStatusBar() {
    const int widths[] = {450, 65, 50, 65, 60};
    const QString texts[] = {kMakerText, QString(), QString(), QStringLiteral("Timer off"),
                             QStringLiteral("Stopwatch off")};
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        auto* panel = new QLabel(texts[i], statusBar());
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 0) {
            // The maker's line and the short notes give way first, so the date, the time and
            // the tools are never cut.
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            panel->setMinimumWidth(0);
            statusBar()->addWidget(panel, 1);
        } else {
            panel->setFixedWidth(panelWidth(*panel, widths[i], panelTexts(i, services_.locale)));
            statusBar()->addWidget(panel);
        }
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
    const QString date = fromStored(statusDateText(today(services_.clock), services_.locale));
    const QString time = QString::fromStdString(statusTimeText(services_.clock.now()));
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
