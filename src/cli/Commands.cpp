#include "CommandFactories.h"

namespace trevik::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeContactsCommand());
    commands.push_back(makeViewCommand());
    commands.push_back(makePlannerCommand());
    commands.push_back(makeAlarmsCommand());
    commands.push_back(makeTypesCommand());
    commands.push_back(makeAddTypeCommand());
    commands.push_back(makeAddContactCommand());
    commands.push_back(makeAddEntryCommand());
    commands.push_back(makeDeleteContactCommand());
    commands.push_back(makeDeleteEntryCommand());
    commands.push_back(makePrepareCommand());
    commands.push_back(makeApplyCommand());
    commands.push_back(makeBinCommand());
    commands.push_back(makeRestoreCommand());
    commands.push_back(makeEmptyBinCommand());
    commands.push_back(makeExportVCardCommand());
    commands.push_back(makeImportVCardCommand());
    commands.push_back(makeExportIcsCommand());
    commands.push_back(makeImportIcsCommand());
    commands.push_back(makeExportVdirCommand());
    commands.push_back(makeImportVdirCommand());
    return commands;
}

} // namespace trevik::cli
