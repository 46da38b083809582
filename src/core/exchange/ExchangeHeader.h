#pragma once

#include "settings/IniDocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace trevik {

inline constexpr std::size_t kExchangeHeaderSize = 144;
// The header's two texts hold at most this many characters before their terminator.
inline constexpr std::size_t kTimerTimeLength = 8;
inline constexpr std::size_t kAlarmSoundLength = 69;

// The settings an exchange file carries, each named after its settings key. The defaults are
// those written when the sender's settings lack the key, and three of them differ from the
// program's own: LaunchOnStartup 0, DateEntryDisplayMode 0 and Sound "1".
struct ExchangeHeader {
    std::int16_t addressRatio = 60;
    bool splashScreen = true;
    bool launchOnStartup = false;
    bool openOnStartup = true;
    std::int16_t dateEntryDisplayMode = 0;
    std::int16_t timeInterval = 15;
    std::int16_t timeFormat = 24;
    bool weekFormat = false;
    std::int16_t left = 104;
    std::int16_t top = 168;
    std::int16_t height = 417;
    std::int16_t width = 710;
    std::array<std::int16_t, 9> addressColumns = {90, 50, 50, 70, 75, 70, 120, 150, 120};
    std::array<std::int16_t, 6> calendarColumns = {6, 40, 55, 135, 10, 10};
    std::string timerTime = "00:00:00";
    bool timerAutoRepeat = false;
    std::string alarmSound = "1";
    std::int16_t alarmRepeat = 1;
    std::int32_t addressCount = 0;
    std::int32_t calendarCount = 0;
    friend bool operator==(const ExchangeHeader&, const ExchangeHeader&) = default;
};

// Writes all 144 bytes: the reserved bytes and the bytes after each text's terminator are 0,
// and a text longer than its field is cut to it.
void encodeExchangeHeader(const ExchangeHeader& header, std::uint8_t* bytes);
// Any non-zero byte is a true boolean; a text ends at its terminator or at its field's end.
ExchangeHeader decodeExchangeHeader(const std::uint8_t* bytes);

// The header's settings as the settings file holds them, with the defaults above for missing
// keys. An integer outside the 16 bits of its field is clamped to the nearest int16 value; the
// counts are left 0.
ExchangeHeader exchangeHeaderFromSettings(const IniDocument& settings);

// Writes every setting of `header` under its key: booleans as 1 or 0, the 16-bit fields as
// integers, the two texts as strings (without line breaks, so no text can add keys or
// sections). Nothing else in the document changes.
void applyExchangeSettings(const ExchangeHeader& header, IniDocument& settings);

} // namespace trevik
