#include "shell/ShellIntegration.h"

#include "storage/SafeSave.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace trevik {

namespace {

std::filesystem::path fromEnvironment(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); value != nullptr && *value == '/') {
        return value;
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "") / underHome;
}

// Writes `text` unless the file holds it already; true when it wrote.
bool writeWhenChanged(const std::filesystem::path& file, const std::string& text,
                      std::vector<std::string>& errors) {
    std::ifstream in(file, std::ios::binary);
    const std::string old{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.is_open() && old == text) {
        return false;
    }
    std::error_code failure;
    std::filesystem::create_directories(file.parent_path(), failure);
    if (failure) {
        errors.push_back(file.parent_path().string() + ": " + failure.message());
        return false;
    }
    if (std::string error = saveSafely(file, text); !error.empty()) {
        errors.push_back(std::move(error));
        return false;
    }
    return true;
}

} // namespace

std::filesystem::path userDataHome() {
    return fromEnvironment("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path userConfigHome() {
    return fromEnvironment("XDG_CONFIG_HOME", ".config");
}

std::string desktopExecProgram(const std::string& program) {
    const std::string reserved = " \t\n\"'\\><~|&;$*?#()`%";
    if (program.find_first_of(reserved) == std::string::npos) {
        return program;
    }
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    quoted += '"';
    // Inside a desktop file's string value a backslash is itself escaped.
    std::string escaped;
    for (const char c : quoted) {
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return escaped;
}

std::string desktopEntryText(const std::string& program) {
    // The keys of the installed entry, with this program's path in each Exec.
    const std::string exec = desktopExecProgram(program);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Trevik Diary\n"
           "GenericName=Personal organizer\n"
           "Comment=Address book and calendar\n"
           "Exec=" +
           exec +
           " %f\n"
           "Icon=" +
           std::string(kIconName) +
           "\n"
           "Terminal=false\n"
           "Categories=Office;Calendar;ContactManagement;Qt;\n"
           "MimeType=" +
           std::string(kExchangeMimeType) +
           ";\n"
           "Actions=NewEntry;Today;\n"
           "\n"
           "[Desktop Action NewEntry]\n"
           "Name=New entry\n"
           "Exec=" +
           exec +
           " --new-entry\n"
           "\n"
           "[Desktop Action Today]\n"
           "Name=Today\n"
           "Exec=" +
           exec + " --today\n";
}

std::string mimePackageText() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kExchangeMimeType) +
           "\">\n"
           "    <comment>Trevik exchange file</comment>\n"
           "    <glob pattern=\"" +
           std::string(kExchangeGlob) +
           "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string autostartEntryText(const std::string& program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Trevik Diary\n"
           "Exec=" +
           desktopExecProgram(program) +
           "\n"
           "Icon=" +
           std::string(kIconName) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool runInstalledTool(const std::string& tool, const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {tool};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int fd : {0, 1, 2}) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    }
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

AssociationResult AssociateFileType(const std::filesystem::path& dataHome,
                                    const std::string& program, const ToolRunner& run) {
    AssociationResult result;
    const std::filesystem::path applications = dataHome / "applications";
    const std::filesystem::path mime = dataHome / "mime";
    result.desktopEntryWritten =
        writeWhenChanged(applications / kDesktopFileName, desktopEntryText(program), result.errors);
    result.mimePackageWritten = writeWhenChanged(mime / "packages" / kMimePackageFileName,
                                                 mimePackageText(), result.errors);
    if (result.mimePackageWritten) {
        run("update-mime-database", {mime.string()});
    }
    if (result.desktopEntryWritten) {
        run("update-desktop-database", {applications.string()});
    }
    return result;
}

std::optional<std::filesystem::path> installedDesktopEntry(const std::filesystem::path& program) {
    std::error_code failure;
    const std::filesystem::path entry =
        program.parent_path().parent_path() / "share" / "applications" / kDesktopFileName;
    if (program.parent_path().filename() == "bin" &&
        std::filesystem::is_regular_file(entry, failure)) {
        return entry;
    }
    return std::nullopt;
}

std::string SetRunAtLogon(const std::filesystem::path& configHome, const std::string& program,
                          bool on) {
    const std::filesystem::path entry = configHome / "autostart" / kDesktopFileName;
    if (!on) {
        std::error_code failure;
        std::filesystem::remove(entry, failure);
        return failure ? entry.string() + ": " + failure.message() : std::string();
    }
    std::vector<std::string> errors;
    writeWhenChanged(entry, autostartEntryText(program), errors);
    return errors.empty() ? std::string() : errors.front();
}

} // namespace trevik
