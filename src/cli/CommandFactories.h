#pragma once

#include "Command.h"

#include <memory>

namespace trevik::cli {

// One maker per command, each defined beside its command in commands/; allCommands() lists them.
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
