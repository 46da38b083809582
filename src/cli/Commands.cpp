#include "Command.h"

namespace trevik::cli {

std::unique_ptr<Command> makeContactsCommand();
std::unique_ptr<Command> makeViewCommand();
std::unique_ptr<Command> makePlannerCommand();
std::unique_ptr<Command> makeAlarmsCommand();
std::unique_ptr<Command> makeTypesCommand();
std::unique_ptr<Command> makeAddTypeCommand();
std::unique_ptr<Command> makeAddContactCommand();
std::unique_ptr<Command> makeAddEntryCommand();
std::unique_ptr<Command> makeDeleteContactCommand();
std::unique_ptr<Command> makeDeleteEntryCommand();
std::unique_ptr<Command> makePrepareCommand();
std::unique_ptr<Command> makeApplyCommand();
std::unique_ptr<Command> makeBinCommand();
std::unique_ptr<Command> makeRestoreCommand();
std::unique_ptr<Command> makeEmptyBinCommand();
std::unique_ptr<Command> makeExportVCardCommand();
std::unique_ptr<Command> makeImportVCardCommand();
std::unique_ptr<Command> makeExportIcsCommand();
std::unique_ptr<Command> makeImportIcsCommand();
std::unique_ptr<Command> makeExportVdirCommand();
std::unique_ptr<Command> makeImportVdirCommand();

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
