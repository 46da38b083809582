#pragma once

#include "calendar/ViewCodes.h"
#include "common/Clock.h"
#include "settings/SettingsFile.h"
#include "storage/FileError.h"

#include <array>
#include <cstdint>
#include <string>

namespace trevik {

// The display and alarm settings the main window keeps in memory.
struct DisplaySettings {
    std::int32_t addressRatio = 60;
    bool splashScreen = true;
    bool launchOnStartup = true;
    bool openOnStartup = true;
    std::int32_t calendarViewCode = kDayView;
    std::int32_t datePeriodMode = 2;
    std::int32_t timeInterval = 15;
    std::int32_t timeFormat = 24;
    bool weekStartsMonday = false;
    std::int32_t alarmRepeat = 1;
    friend bool operator==(const DisplaySettings&, const DisplaySettings&) = default;
};

struct WindowPosition {
    std::int32_t left = 104;
    std::int32_t top = 168;
    std::int32_t height = 417;
    std::int32_t width = 710;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

using AddressColumnWidths = std::array<std::int32_t, 9>;
using CalendarColumnWidths = std::array<std::int32_t, 6>;

inline constexpr AddressColumnWidths kDefaultAddressColumns = {90, 50,  50,  70, 75,
                                                               70, 120, 150, 120};
inline constexpr CalendarColumnWidths kDefaultCalendarColumns = {6, 40, 55, 135, 10, 10};

DisplaySettings LoadDisplaySettings(const SettingsFile& file);
// Writes every display key but the calendar view, which only the exit stores.
// On failure `reason`, when given, says why.
bool SaveDisplaySettings(const SettingsFile& file, const DisplaySettings& settings,
                         std::string* reason = nullptr);

WindowPosition LoadWindowPosition(const SettingsFile& file);
AddressColumnWidths loadAddressColumnWidths(const SettingsFile& file);
CalendarColumnWidths loadCalendarColumnWidths(const SettingsFile& file);
bool SaveWindowLayout(const SettingsFile& file, const WindowPosition& position,
                      const AddressColumnWidths& addressColumns,
                      const CalendarColumnWidths& calendarColumns);

bool LoadSplashSetting(const SettingsFile& file);

std::string LoadTimerTime(const SettingsFile& file);
// On failure `reason`, when given, says why.
bool SaveTimerTime(const SettingsFile& file, const std::string& time,
                   std::string* reason = nullptr);
bool LoadTimerAutoRepeat(const SettingsFile& file);
bool SaveTimerAutoRepeat(const SettingsFile& file, bool on, std::string* reason = nullptr);
std::string LoadAlarmSound(const SettingsFile& file);
bool SaveAlarmSound(const SettingsFile& file, const std::string& path,
                    std::string* reason = nullptr);

// The installation's UID could not be stored, so no record may be made with it.
struct UidNotStored : FileError {
    using FileError::FileError;
};

// The installation's UID; made from the current time and stored when there is none yet.
// Throws UidNotStored when a new UID cannot be stored: a UID that is not in the settings would
// be a second identity for the records made with it.
std::int32_t loadOrMakeInstallationUid(const SettingsFile& file, const Clock& clock);

std::string loadDataDir(const SettingsFile& file);
// Stores [Startup] Dir; returns why it could not, empty on success.
std::string saveDataDir(const SettingsFile& file, const std::string& directory);
// What the exit stores, in its order: the data directory (only when launching at logon is
// on and none is stored yet), the calendar view, then the window layout.
struct ExitState {
    std::string currentDir;
    bool launchOnStartup = true;
    std::int32_t calendarViewCode = kDayView;
    WindowPosition position;
    AddressColumnWidths addressColumns = kDefaultAddressColumns;
    CalendarColumnWidths calendarColumns = kDefaultCalendarColumns;
};
void saveExitState(const SettingsFile& file, const ExitState& state);

} // namespace trevik
