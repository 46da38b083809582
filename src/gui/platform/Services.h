#pragma once

#include "common/Clock.h"
#include "common/Locale.h"
#include "common/MonotonicClock.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellOpener.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemLocale.h"
#include "platform/TrayIcon.h"
#include "settings/SettingsFile.h"

#include <filesystem>

// What the forms need of the platform, made once in main() and by tests with fakes.
struct Services {
    const trevik::Clock& clock;
    MessageBoxes& messages;
    TrayIcon& tray;
    ShellOpener& shell;
    FileDialogs& files;
    SoundPlayers& sounds;
    const trevik::Locale& locale;
    trevik::SettingsFile settings;
    // Elapsed time for the countdown timer and the stopwatch.
    const trevik::MonotonicClock& monotonic = trevik::systemMonotonicClock();
    Clipboard& clipboard = systemClipboard();
    // Where the record files are. The window sets it at start from the settings (or the directory
    // it was started in); forms read and write there and nowhere else.
    std::filesystem::path dataDir = {};
};

// The real platform: the system clock, Qt's message boxes, the system tray, the desktop's
// link handling, file dialog, sound and locale, and the settings file in the user's configuration
// directory.
class SystemServices {
public:
    SystemServices();
    Services& services() { return services_; }

private:
    trevik::SystemClock clock_;
    QtMessageBoxes messages_;
    SystemTrayIcon tray_;
    DesktopShellOpener shell_;
    QtFileDialogs files_;
    QtSoundPlayers sounds_;
    SystemLocale locale_;
    Services services_;
};
