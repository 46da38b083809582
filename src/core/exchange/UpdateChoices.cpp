#include "exchange/UpdateChoices.h"

namespace trevik {

namespace {

constexpr const char* kUpdate = "Update";

UpdateChoice readChoice(const IniDocument& doc, const char* key) {
    const std::int32_t value = readInteger(doc, kUpdate, key, 1);
    return value >= 0 && value <= 2 ? UpdateChoice(value) : UpdateChoice::Prompt;
}

} // namespace

UpdateDialogState LoadDialogState(const SettingsFile& file) {
    const IniDocument doc = file.read();
    UpdateDialogState state;
    state.options.settings = readBool(doc, kUpdate, "Settings", true);
    state.options.address = readBool(doc, kUpdate, "Address", true);
    state.options.calendar = readBool(doc, kUpdate, "Calendar", true);
    state.options.newData = readChoice(doc, "NewData");
    state.options.changedData = readChoice(doc, "ChangedData");
    state.options.deletedData = readChoice(doc, kDeletedDataKey);
    state.exchangeFile = readString(doc, kUpdate, "ExchangeFile", "");
    state.exchangeDir = readString(doc, kUpdate, "ExchangeDir", "");
    return state;
}

std::string SaveDialogState(const SettingsFile& file, const UpdateDialogState& state) {
    return file.update([&](IniDocument& doc) {
        writeBool(doc, kUpdate, "Settings", state.options.settings);
        writeBool(doc, kUpdate, "Address", state.options.address);
        writeBool(doc, kUpdate, "Calendar", state.options.calendar);
        writeInteger(doc, kUpdate, "NewData", std::int32_t(state.options.newData));
        writeInteger(doc, kUpdate, "ChangedData", std::int32_t(state.options.changedData));
        writeInteger(doc, kUpdate, kDeletedDataKey, std::int32_t(state.options.deletedData));
        doc.setValue(kUpdate, "ExchangeFile", state.exchangeFile);
        doc.setValue(kUpdate, "ExchangeDir", state.exchangeDir);
    });
}

std::string loadExchangeDir(const SettingsFile& file) {
    return file.readString(kUpdate, "ExchangeDir", "");
}

const char* choiceName(UpdateChoice choice) {
    switch (choice) {
    case UpdateChoice::Update:
        return "update";
    case UpdateChoice::Prompt:
        return "prompt";
    case UpdateChoice::NoUpdate:
        break;
    }
    return "skip";
}

} // namespace trevik
