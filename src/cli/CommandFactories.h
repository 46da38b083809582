#pragma once

#include "Command.h"

#include <memory>

// One factory a command, each defined beside its command; allCommands() lists them in the
// order of the tool's --help.
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

} // namespace trevik::cli
