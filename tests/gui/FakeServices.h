#pragma once

#include "platform/Services.h"
#include "platform/SystemLocale.h"
#include "support/FakeMonotonicClock.h"
#include "support/FixedClock.h"

#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <filesystem>
#include <optional>

// Records every message box and answers from a script (OK / Yes / Cancel to a retry when the
// script is empty).
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    MessageResult show(QWidget*, const QString& text, const QString& caption,
                       MessageButtons buttons, MessageIcon icon) override {
        shown.push_back({text, caption, buttons, icon});
        if (!answers.empty()) {
            const MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
        case MessageButtons::YesNoCancel:
            return MessageResult::Yes;
        case MessageButtons::RetryCancel:
            return MessageResult::Cancel;
        default:
            return MessageResult::Ok;
        }
    }

    std::vector<Shown> shown;
    std::deque<MessageResult> answers;
};

class FakeTrayIcon final : public TrayIcon {
public:
    bool isAvailable() const override { return available; }
    void install(const QIcon& icon, const QString& tipText, QMenu* trayMenu) override {
        installed = true;
        hasIcon = !icon.isNull();
        tip = tipText;
        menu = trayMenu;
    }
    void remove() override { installed = false; }
    void showMessage(const QString& title, const QString& text) override {
        messages.push_back({title, text});
    }
    void doubleClick() { emit restoreRequested(); }

    bool available = true;
    bool installed = false;
    bool hasIcon = false;
    QString tip;
    QMenu* menu = nullptr;
    // The desktop notifications raised, as title and text.
    std::vector<std::pair<QString, QString>> messages;
};

class FakeShellOpener final : public ShellOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return succeeds;
    }
    std::vector<QUrl> opened;
    // False: the desktop has no program for the links (as without xdg-utils).
    bool succeeds = true;
};

// Answers the open-file dialog as scripted: the next path, or cancel when none is left.
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> openFile(QWidget*, const OpenFileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        const QString path = answers.front();
        answers.pop_front();
        return path;
    }
    std::deque<QString> answers;
    std::vector<OpenFileRequest> requests;
};

// Counts plays; the test ends a playback with finish().
class FakeSoundPlayer final : public SoundPlayer {
public:
    void setFileName(const QString& path) override { fileName = path; }
    void open() override { ++opens; }
    void notifyAtEnd() override { notifyPending = true; }
    void play() override { ++plays; }
    void close() override { ++closes; }
    void finish() {
        if (notifyPending) {
            notifyPending = false;
            emit notified();
        }
    }
    QString fileName;
    int opens = 0;
    int plays = 0;
    int closes = 0;
    bool notifyPending = false;
};

class FakeSoundPlayers final : public SoundPlayers {
public:
    std::unique_ptr<SoundPlayer> create() override {
        auto player = std::make_unique<FakeSoundPlayer>();
        created.push_back(player.get());
        return player;
    }
    std::vector<FakeSoundPlayer*> created;
};

// Holds what was put last, as the system clipboard would; a test puts text there itself to
// paste it.
class FakeClipboard final : public Clipboard {
public:
    void put(const ClipboardContent& put) override {
        content = put;
        ++puts;
    }
    QString text() const override { return content.text; }
    QByteArray data(const QString& mimeType) const override {
        for (const auto& [type, bytes] : content.formats) {
            if (type == mimeType) {
                return bytes;
            }
        }
        return {};
    }
    void setText(const QString& text) { content = {text, {}}; }

    ClipboardContent content;
    int puts = 0;
};

// Fakes for every seam, and a settings file and a data directory of the test's own: the
// environment points XDG_CONFIG_HOME at its settings and works in its data directory for
// its lifetime. The clipboard is the fake unless the test hands in another.
//
// The locale is the fixed English one, unless a locale name is given (or TREVIK_TEST_LOCALE
// names one): then it is the real SystemLocale of that locale, which is also the application's
// default locale while the environment lives.
struct FakeEnvironment {
    explicit FakeEnvironment(const QString& localeName = qEnvironmentVariable("TREVIK_TEST_LOCALE"),
                             Clipboard* otherClipboard = nullptr)
        : clock(trevik::encodeDateTime({2026, 12, 7}, {9, 30, 0, 0}), 1765100000),
          systemLocale(makeSystemLocale(localeName)),
          services{clock,
                   messages,
                   tray,
                   shell,
                   files,
                   sounds,
                   systemLocale ? static_cast<const trevik::Locale&>(*systemLocale) : english,
                   trevik::SettingsFile(configPath()),
                   monotonic,
                   otherClipboard != nullptr ? *otherClipboard : clipboard},
          startDir(QDir::currentPath()) {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QDir::setCurrent(data.path());
        services.dataDir = dataPath();
    }
    ~FakeEnvironment() {
        QDir::setCurrent(startDir);
        QLocale::setDefault(previousDefault);
    }

    std::filesystem::path configPath() const {
        return std::filesystem::path(config.path().toStdString()) / "Trevik.Ini";
    }
    std::filesystem::path dataPath() const { return data.path().toStdString(); }

    QTemporaryDir config;
    QTemporaryDir data;
    trevik::test::FixedClock clock;
    FakeMessageBoxes messages;
    FakeTrayIcon tray;
    FakeShellOpener shell;
    FakeFileDialogs files;
    FakeSoundPlayers sounds;
    QLocale previousDefault;
    trevik::EnglishLocale english;
    std::optional<SystemLocale> systemLocale;
    trevik::test::FakeMonotonicClock monotonic;
    FakeClipboard clipboard;
    Services services;
    QString startDir;

private:
    static std::optional<SystemLocale> makeSystemLocale(const QString& name) {
        if (name.isEmpty()) {
            return std::nullopt;
        }
        const QLocale locale(name);
        QLocale::setDefault(locale);
        return std::optional<SystemLocale>(std::in_place, locale);
    }
};
