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
    return commands;
}

} // namespace trevik::cli
