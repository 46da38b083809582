#include "Command.h"

namespace trevik::cli {

std::unique_ptr<Command> MakeContactsCommand();
std::unique_ptr<Command> MakeViewCommand();
std::unique_ptr<Command> MakePlannerCommand();
std::unique_ptr<Command> MakeAlarmsCommand();
std::unique_ptr<Command> MakeTypesCommand();
std::unique_ptr<Command> MakeAddTypeCommand();
std::unique_ptr<Command> MakeAddContactCommand();
std::unique_ptr<Command> MakeAddEntryCommand();
std::unique_ptr<Command> MakeDeleteContactCommand();
std::unique_ptr<Command> MakeDeleteEntryCommand();
std::unique_ptr<Command> MakePrepareCommand();
std::unique_ptr<Command> MakeApplyCommand();
std::unique_ptr<Command> MakeBinCommand();
std::unique_ptr<Command> MakeRestoreCommand();
std::unique_ptr<Command> MakeEmptyBinCommand();
std::unique_ptr<Command> MakeExportVCardCommand();
std::unique_ptr<Command> MakeImportVCardCommand();
std::unique_ptr<Command> MakeExportIcsCommand();
std::unique_ptr<Command> MakeImportIcsCommand();
std::unique_ptr<Command> MakeExportVdirCommand();
std::unique_ptr<Command> MakeImportVdirCommand();

std::vector<std::unique_ptr<Command>> AllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeContactsCommand());
    commands.push_back(MakeViewCommand());
    commands.push_back(MakePlannerCommand());
    commands.push_back(MakeAlarmsCommand());
    commands.push_back(MakeTypesCommand());
    commands.push_back(MakeAddTypeCommand());
    commands.push_back(MakeAddContactCommand());
    commands.push_back(MakeAddEntryCommand());
    commands.push_back(MakeDeleteContactCommand());
    commands.push_back(MakeDeleteEntryCommand());
    commands.push_back(MakePrepareCommand());
    commands.push_back(MakeApplyCommand());
    commands.push_back(MakeBinCommand());
    commands.push_back(MakeRestoreCommand());
    commands.push_back(MakeEmptyBinCommand());
    commands.push_back(MakeExportVCardCommand());
    commands.push_back(MakeImportVCardCommand());
    commands.push_back(MakeExportIcsCommand());
    commands.push_back(MakeImportIcsCommand());
    commands.push_back(MakeExportVdirCommand());
    commands.push_back(MakeImportVdirCommand());
    return commands;
}

} // namespace trevik::cli
