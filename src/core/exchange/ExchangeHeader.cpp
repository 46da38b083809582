#include "exchange/ExchangeHeader.h"

#include "common/LittleEndian.h"
#include "common/TextField.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace trevik {

namespace {

constexpr const char* kDisplay = "Display";
constexpr const char* kMisc = "Misc";
constexpr const char* kPosition = "Position";
constexpr const char* kAddress = "Address";
constexpr const char* kCalendarColumns = "Calenadar";
constexpr const char* kTimer = "Timer";
constexpr const char* kAlarm = "Alarm";

constexpr std::size_t kTimerOffset = 52;
constexpr std::size_t kTimerWidth = kTimerTimeLength + 1;
constexpr std::size_t kSoundOffset = 62;
constexpr std::size_t kSoundWidth = kAlarmSoundLength + 1;

std::string columnKey(std::size_t index) {
    return "Col" + std::to_string(index + 1);
}

std::int16_t clampedInt16(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// A text with its terminator inside the field: what is longer is cut.
void writeTerminated(std::uint8_t* field, std::size_t width, const std::string& text) {
    writeTextField(field, width, std::string_view(text).substr(0, width - 1));
}

// One table of the int16 settings, so that reading, writing and the codec agree.
struct ShortSetting {
    const char* section;
    std::string key;
    std::int16_t ExchangeHeader::*member = nullptr;
    std::size_t arrayIndex = 0;
    bool addressColumn = false;
    bool calendarColumn = false;
};

std::int16_t& shortOf(ExchangeHeader& header, const ShortSetting& setting) {
    if (setting.addressColumn) {
        return header.addressColumns[setting.arrayIndex];
    }
    if (setting.calendarColumn) {
        return header.calendarColumns[setting.arrayIndex];
    }
    return header.*setting.member;
}

std::vector<ShortSetting> shortSettings() {
    std::vector<ShortSetting> settings = {
        {kDisplay, "AddresRatio", &ExchangeHeader::addressRatio},
        {kDisplay, "DateEntryDisplayMode", &ExchangeHeader::dateEntryDisplayMode},
        {kMisc, "TimeInterval", &ExchangeHeader::timeInterval},
        {kMisc, "TimeFormat", &ExchangeHeader::timeFormat},
        {kPosition, "Left", &ExchangeHeader::left},
        {kPosition, "Top", &ExchangeHeader::top},
        {kPosition, "Height", &ExchangeHeader::height},
        {kPosition, "Width", &ExchangeHeader::width},
        {kAlarm, "Repeat", &ExchangeHeader::alarmRepeat},
    };
    for (std::size_t i = 0; i < 9; ++i) {
        settings.push_back({kAddress, columnKey(i), nullptr, i, true, false});
    }
    for (std::size_t i = 0; i < 6; ++i) {
        settings.push_back({kCalendarColumns, columnKey(i), nullptr, i, false, true});
    }
    return settings;
}

struct BoolSetting {
    const char* section;
    const char* key;
    bool ExchangeHeader::*member;
};

constexpr BoolSetting kBoolSettings[] = {
    {kDisplay, "SplashScreen", &ExchangeHeader::splashScreen},
    {kDisplay, "LaunchOnStartup", &ExchangeHeader::launchOnStartup},
    {kDisplay, "OpenOnStartup", &ExchangeHeader::openOnStartup},
    {kMisc, "WeekFormat", &ExchangeHeader::weekFormat},
    {kTimer, "AutoRepeat", &ExchangeHeader::timerAutoRepeat},
};

} // namespace

void encodeExchangeHeader(const ExchangeHeader& h, std::uint8_t* b) {
    std::memset(b, 0, kExchangeHeaderSize);
    storeLE(b + 0, h.addressRatio);
    b[2] = h.splashScreen ? 1 : 0;
    b[3] = h.launchOnStartup ? 1 : 0;
    b[4] = h.openOnStartup ? 1 : 0;
    storeLE(b + 6, h.dateEntryDisplayMode);
    storeLE(b + 8, h.timeInterval);
    storeLE(b + 10, h.timeFormat);
    b[12] = h.weekFormat ? 1 : 0;
    storeLE(b + 14, h.left);
    storeLE(b + 16, h.top);
    storeLE(b + 18, h.height);
    storeLE(b + 20, h.width);
    for (std::size_t i = 0; i < h.addressColumns.size(); ++i) {
        storeLE(b + 22 + 2 * i, h.addressColumns[i]);
    }
    for (std::size_t i = 0; i < h.calendarColumns.size(); ++i) {
        storeLE(b + 40 + 2 * i, h.calendarColumns[i]);
    }
    writeTerminated(b + kTimerOffset, kTimerWidth, h.timerTime);
    b[61] = h.timerAutoRepeat ? 1 : 0;
    writeTerminated(b + kSoundOffset, kSoundWidth, h.alarmSound);
    storeLE(b + 132, h.alarmRepeat);
    storeLE(b + 136, h.addressCount);
    storeLE(b + 140, h.calendarCount);
}

ExchangeHeader decodeExchangeHeader(const std::uint8_t* b) {
    ExchangeHeader h;
    h.addressRatio = loadLE<std::int16_t>(b + 0);
    h.splashScreen = b[2] != 0;
    h.launchOnStartup = b[3] != 0;
    h.openOnStartup = b[4] != 0;
    h.dateEntryDisplayMode = loadLE<std::int16_t>(b + 6);
    h.timeInterval = loadLE<std::int16_t>(b + 8);
    h.timeFormat = loadLE<std::int16_t>(b + 10);
    h.weekFormat = b[12] != 0;
    h.left = loadLE<std::int16_t>(b + 14);
    h.top = loadLE<std::int16_t>(b + 16);
    h.height = loadLE<std::int16_t>(b + 18);
    h.width = loadLE<std::int16_t>(b + 20);
    for (std::size_t i = 0; i < h.addressColumns.size(); ++i) {
        h.addressColumns[i] = loadLE<std::int16_t>(b + 22 + 2 * i);
    }
    for (std::size_t i = 0; i < h.calendarColumns.size(); ++i) {
        h.calendarColumns[i] = loadLE<std::int16_t>(b + 40 + 2 * i);
    }
    h.timerTime = readTextField(b + kTimerOffset, kTimerWidth - 1);
    h.timerAutoRepeat = b[61] != 0;
    h.alarmSound = readTextField(b + kSoundOffset, kSoundWidth - 1);
    h.alarmRepeat = loadLE<std::int16_t>(b + 132);
    h.addressCount = loadLE<std::int32_t>(b + 136);
    h.calendarCount = loadLE<std::int32_t>(b + 140);
    return h;
}

ExchangeHeader exchangeHeaderFromSettings(const IniDocument& doc) {
    ExchangeHeader header;
    for (const ShortSetting& setting : shortSettings()) {
        std::int16_t& field = shortOf(header, setting);
        field = clampedInt16(readInteger(doc, setting.section, setting.key, field));
    }
    for (const BoolSetting& setting : kBoolSettings) {
        header.*setting.member =
            readBool(doc, setting.section, setting.key, header.*setting.member);
    }
    header.timerTime =
        readString(doc, kTimer, "Time", header.timerTime).substr(0, kTimerTimeLength);
    header.alarmSound =
        readString(doc, kAlarm, "Sound", header.alarmSound).substr(0, kAlarmSoundLength);
    return header;
}

void applyExchangeSettings(const ExchangeHeader& h, IniDocument& doc) {
    // In the order of the header's fields, so that a new settings file reads like the header.
    writeInteger(doc, kDisplay, "AddresRatio", h.addressRatio);
    writeBool(doc, kDisplay, "SplashScreen", h.splashScreen);
    writeBool(doc, kDisplay, "LaunchOnStartup", h.launchOnStartup);
    writeBool(doc, kDisplay, "OpenOnStartup", h.openOnStartup);
    writeInteger(doc, kDisplay, "DateEntryDisplayMode", h.dateEntryDisplayMode);
    writeInteger(doc, kMisc, "TimeInterval", h.timeInterval);
    writeInteger(doc, kMisc, "TimeFormat", h.timeFormat);
    writeBool(doc, kMisc, "WeekFormat", h.weekFormat);
    writeInteger(doc, kPosition, "Left", h.left);
    writeInteger(doc, kPosition, "Top", h.top);
    writeInteger(doc, kPosition, "Height", h.height);
    writeInteger(doc, kPosition, "Width", h.width);
    for (std::size_t i = 0; i < h.addressColumns.size(); ++i) {
        writeInteger(doc, kAddress, columnKey(i), h.addressColumns[i]);
    }
    for (std::size_t i = 0; i < h.calendarColumns.size(); ++i) {
        writeInteger(doc, kCalendarColumns, columnKey(i), h.calendarColumns[i]);
    }
    doc.setValue(kTimer, "Time", h.timerTime);
    writeBool(doc, kTimer, "AutoRepeat", h.timerAutoRepeat);
    doc.setValue(kAlarm, "Sound", h.alarmSound);
    writeInteger(doc, kAlarm, "Repeat", h.alarmRepeat);
}

} // namespace trevik
