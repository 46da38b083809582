#pragma once

#include "shell/DesktopNames.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trevik {

// What stands in for the registry: a desktop entry that opens exchange files, the MIME type
// of *.tvx, and an XDG autostart entry, under the names of DesktopNames.h.

// $XDG_DATA_HOME, else ~/.local/share; $XDG_CONFIG_HOME, else ~/.config.
std::filesystem::path userDataHome();
std::filesystem::path userConfigHome();

// The program as a desktop entry's Exec key names it: quoted when it holds a blank or another
// reserved character.
std::string desktopExecProgram(const std::string& program);
// The desktop entry that opens a file given to it (%f) and claims the exchange type.
std::string desktopEntryText(const std::string& program);
std::string mimePackageText();
std::string autostartEntryText(const std::string& program);

// Runs a program with its arguments when it is installed; false when it is not or failed.
using ToolRunner = std::function<bool(const std::string& tool, const std::vector<std::string>&)>;
// Through posix_spawnp, waiting for it; its output goes nowhere.
bool runInstalledTool(const std::string& tool, const std::vector<std::string>& arguments);

struct AssociationResult {
    bool desktopEntryWritten = false;
    bool mimePackageWritten = false;
    // Files that could not be written, with the reason; the program starts all the same.
    std::vector<std::string> errors;
};

// Writes the desktop entry and the MIME package under `dataHome` when their content differs
// from what is there, and then has the desktop's databases brought up to date.
AssociationResult AssociateFileType(const std::filesystem::path& dataHome,
                                    const std::string& program,
                                    const ToolRunner& run = runInstalledTool);

// The desktop entry an installation of `program` put beside it (PREFIX/bin/trevik ->
// PREFIX/share/applications/trevik.desktop), when there is one. An installed program leaves the
// association to it, so that the desktop does not see the program twice.
std::optional<std::filesystem::path> installedDesktopEntry(const std::filesystem::path& program);

// On: writes the autostart entry (when its content changed); off: removes it. Returns why it
// could not, empty on success.
std::string SetRunAtLogon(const std::filesystem::path& configHome, const std::string& program,
                          bool on);

} // namespace trevik
