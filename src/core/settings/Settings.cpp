#include "settings/Settings.h"

namespace trevik {

namespace {

constexpr const char* kStartup = "Startup";
constexpr const char* kDisplay = "Display";
constexpr const char* kMisc = "Misc";
constexpr const char* kAlarm = "Alarm";
constexpr const char* kPosition = "Position";
constexpr const char* kAddress = "Address";
// The section is spelled so in every settings file in use; "Calendar" is not read.
constexpr const char* kCalendarColumns = "Calenadar";
constexpr const char* kTimer = "Timer";

std::string columnKey(std::size_t index) {
    return "Col" + std::to_string(index + 1);
}

template <std::size_t N>
std::array<std::int32_t, N> loadColumns(const SettingsFile& file, const char* section,
                                        const std::array<std::int32_t, N>& defaults) {
    const IniDocument doc = file.read();
    std::array<std::int32_t, N> widths{};
    for (std::size_t i = 0; i < N; ++i) {
        widths[i] = readInteger(doc, section, columnKey(i), defaults[i]);
    }
    return widths;
}

} // namespace

DisplaySettings LoadDisplaySettings(const SettingsFile& file) {
    const IniDocument doc = file.read();
    const DisplaySettings d;
    DisplaySettings s;
    s.addressRatio = readInteger(doc, kDisplay, "AddresRatio", d.addressRatio);
    s.splashScreen = readBool(doc, kDisplay, "SplashScreen", d.splashScreen);
    s.launchOnStartup = readBool(doc, kDisplay, "LaunchOnStartup", d.launchOnStartup);
    s.openOnStartup = readBool(doc, kDisplay, "OpenOnStartup", d.openOnStartup);
    s.calendarViewCode = readInteger(doc, kDisplay, "CalendarView", d.calendarViewCode);
    s.datePeriodMode = readInteger(doc, kDisplay, "DateEntryDisplayMode", d.datePeriodMode);
    s.timeInterval = readInteger(doc, kMisc, "TimeInterval", d.timeInterval);
    s.timeFormat = readInteger(doc, kMisc, "TimeFormat", d.timeFormat);
    s.weekStartsMonday = readBool(doc, kMisc, "WeekFormat", d.weekStartsMonday);
    s.alarmRepeat = readInteger(doc, kAlarm, "Repeat", d.alarmRepeat);
    return s;
}

bool SaveDisplaySettings(const SettingsFile& file, const DisplaySettings& s, std::string* reason) {
    const std::string error = file.update([&](IniDocument& doc) {
        writeInteger(doc, kDisplay, "AddresRatio", s.addressRatio);
        writeBool(doc, kDisplay, "SplashScreen", s.splashScreen);
        writeBool(doc, kDisplay, "LaunchOnStartup", s.launchOnStartup);
        writeBool(doc, kDisplay, "OpenOnStartup", s.openOnStartup);
        writeInteger(doc, kDisplay, "DateEntryDisplayMode", s.datePeriodMode);
        writeInteger(doc, kMisc, "TimeInterval", s.timeInterval);
        writeInteger(doc, kMisc, "TimeFormat", s.timeFormat);
        writeBool(doc, kMisc, "WeekFormat", s.weekStartsMonday);
        writeInteger(doc, kAlarm, "Repeat", s.alarmRepeat);
    });
    if (reason != nullptr) {
        *reason = error;
    }
    return error.empty();
}

WindowPosition LoadWindowPosition(const SettingsFile& file) {
    const IniDocument doc = file.read();
    const WindowPosition d;
    return {readInteger(doc, kPosition, "Left", d.left), readInteger(doc, kPosition, "Top", d.top),
            readInteger(doc, kPosition, "Height", d.height),
            readInteger(doc, kPosition, "Width", d.width)};
}

AddressColumnWidths loadAddressColumnWidths(const SettingsFile& file) {
    return loadColumns(file, kAddress, kDefaultAddressColumns);
}

CalendarColumnWidths loadCalendarColumnWidths(const SettingsFile& file) {
    return loadColumns(file, kCalendarColumns, kDefaultCalendarColumns);
}

bool SaveWindowLayout(const SettingsFile& file, const WindowPosition& position,
                      const AddressColumnWidths& addressColumns,
                      const CalendarColumnWidths& calendarColumns) {
    return file
        .update([&](IniDocument& doc) {
            writeInteger(doc, kPosition, "Left", position.left);
            writeInteger(doc, kPosition, "Top", position.top);
            writeInteger(doc, kPosition, "Height", position.height);
            writeInteger(doc, kPosition, "Width", position.width);
            for (std::size_t i = 0; i < addressColumns.size(); ++i) {
                writeInteger(doc, kAddress, columnKey(i), addressColumns[i]);
            }
            for (std::size_t i = 0; i < calendarColumns.size(); ++i) {
                writeInteger(doc, kCalendarColumns, columnKey(i), calendarColumns[i]);
            }
        })
        .empty();
}

bool LoadSplashSetting(const SettingsFile& file) {
    return file.readBool(kDisplay, "SplashScreen", true);
}

std::string LoadTimerTime(const SettingsFile& file) {
    return file.readString(kTimer, "Time", "00:00:00");
}

bool SaveTimerTime(const SettingsFile& file, const std::string& time, std::string* reason) {
    std::string error = file.setValue(kTimer, "Time", time);
    if (reason != nullptr) {
        *reason = error;
    }
    return error.empty();
}

bool LoadTimerAutoRepeat(const SettingsFile& file) {
    return file.readBool(kTimer, "AutoRepeat", false);
}

bool SaveTimerAutoRepeat(const SettingsFile& file, bool on, std::string* reason) {
    std::string error = file.setValue(kTimer, "AutoRepeat", on ? "1" : "0");
    if (reason != nullptr) {
        *reason = error;
    }
    return error.empty();
}

std::string LoadAlarmSound(const SettingsFile& file) {
    return file.readString(kAlarm, "Sound", "");
}

bool SaveAlarmSound(const SettingsFile& file, const std::string& path, std::string* reason) {
    const std::string error = file.setValue(kAlarm, "Sound", path);
    if (reason != nullptr) {
        *reason = error;
    }
    return error.empty();
}

std::int32_t loadOrMakeInstallationUid(const SettingsFile& file, const Clock& clock) {
    std::int32_t uid = file.readInteger(kStartup, "UID", 0);
    if (uid != 0) {
        return uid;
    }
    // Checked again under the lock: of two first starts at one moment, the second takes the
    // UID that the first stored.
    const std::string error = file.update([&](IniDocument& doc) {
        uid = readInteger(doc, kStartup, "UID", 0);
        if (uid == 0) {
            uid = static_cast<std::int32_t>(clock.unixSeconds());
            writeInteger(doc, kStartup, "UID", uid);
        }
    });
    if (!error.empty()) {
        throw UidNotStored(file.path(), error);
    }
    return uid;
}

std::string loadDataDir(const SettingsFile& file) {
    return file.readString(kStartup, "Dir", "");
}

std::string saveDataDir(const SettingsFile& file, const std::string& directory) {
    return file.setValue(kStartup, "Dir", directory);
}

void saveExitState(const SettingsFile& file, const ExitState& state) {
    if (loadDataDir(file).empty() && state.launchOnStartup) {
        file.writeString(kStartup, "Dir", state.currentDir);
    }
    file.writeInteger(kDisplay, "CalendarView", state.calendarViewCode);
    SaveWindowLayout(file, state.position, state.addressColumns, state.calendarColumns);
}

} // namespace trevik
