#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// What a copy puts on the clipboard: the plain text every program reads, and the same records
// in further formats for the programs that know them (a vCard, an iCalendar file).
struct ClipboardContent {
    QString text;
    // MIME type and data.
    std::vector<std::pair<QString, QByteArray>> formats;
};

// The system clipboard, as the window's commands use it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's contents.
    virtual void put(const ClipboardContent& content) = 0;
    // Its plain text; empty when it holds none.
    virtual QString text() const = 0;
    // Its data in a MIME format; empty when it holds none in that format.
    virtual QByteArray data(const QString& mimeType) const = 0;
};

// QClipboard. On X11 what was put stays available after the program exits when a clipboard
// manager runs: Qt hands it over at exit.
class QtClipboard final : public Clipboard {
public:
    void put(const ClipboardContent& content) override;
    QString text() const override;
    QByteArray data(const QString& mimeType) const override;
};

// The one QtClipboard of the program.
Clipboard& systemClipboard();
