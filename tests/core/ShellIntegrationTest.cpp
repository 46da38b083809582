// The desktop's stand-ins for the registry: the desktop entry and MIME package for exchange
// files, written only when they change and followed by the database tools, and the autostart
// entry switched on and off.
#include "shell/ShellIntegration.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;
using namespace trevik::test;

namespace {

struct Calls {
    std::vector<std::string> tools;
    ToolRunner runner() {
        return [this](const std::string& tool, const std::vector<std::string>& arguments) {
            tools.push_back(tool + " " + arguments.at(0));
            return true;
        };
    }
};

} // namespace

TEST(ShellIntegration, TheAssociationIsWrittenOnceAndRepairedWhenTheProgramMoves) {
    TempDir home;
    Calls calls;
    AssociationResult first = AssociateFileType(home.path(), "/usr/bin/trevik", calls.runner());
    EXPECT_TRUE(first.errors.empty());
    EXPECT_TRUE(first.desktopEntryWritten && first.mimePackageWritten);
    const std::string entry = readText(home / "applications/trevik.desktop");
    EXPECT_NE(entry.find("\nExec=/usr/bin/trevik %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nMimeType=application/x-trevik-exchange;\n"), std::string::npos);
    const std::string mime = readText(home / "mime/packages/trevik-tvx.xml");
    EXPECT_NE(mime.find("<mime-type type=\"application/x-trevik-exchange\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.tvx\"/>"), std::string::npos);
    EXPECT_EQ(calls.tools, (std::vector<std::string>{
                               "update-mime-database " + (home / "mime").string(),
                               "update-desktop-database " + (home / "applications").string()}));

    // The same start again writes nothing and runs nothing.
    const AssociationResult again =
        AssociateFileType(home.path(), "/usr/bin/trevik", calls.runner());
    EXPECT_FALSE(again.desktopEntryWritten || again.mimePackageWritten);
    EXPECT_EQ(calls.tools.size(), 2u);

    // A moved program rewrites the entry alone.
    const AssociationResult moved =
        AssociateFileType(home.path(), "/opt/My Apps/trevik", calls.runner());
    EXPECT_TRUE(moved.desktopEntryWritten);
    EXPECT_FALSE(moved.mimePackageWritten);
    EXPECT_NE(
        readText(home / "applications/trevik.desktop").find("Exec=\"/opt/My Apps/trevik\" %f"),
        std::string::npos);
    EXPECT_EQ(calls.tools.size(), 3u);
}

TEST(ShellIntegration, AnAssociationThatCannotBeWrittenIsNoObstacle) {
    TempDir home;
    writeBytes(home / "applications", "a file where the directory should be");
    Calls calls;
    const AssociationResult result =
        AssociateFileType(home.path(), "/usr/bin/trevik", calls.runner());
    EXPECT_FALSE(result.desktopEntryWritten);
    EXPECT_TRUE(result.mimePackageWritten);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].find("applications"), std::string::npos);
    EXPECT_EQ(calls.tools.size(), 1u);
}

TEST(ShellIntegration, RunAtLogonWritesAndRemovesTheAutostartEntry) {
    TempDir config;
    EXPECT_EQ(SetRunAtLogon(config.path(), "/usr/bin/trevik", true), "");
    const std::string entry = readText(config / "autostart/trevik.desktop");
    EXPECT_NE(entry.find("\nExec=/usr/bin/trevik\n"), std::string::npos) << entry;
    EXPECT_EQ(SetRunAtLogon(config.path(), "/usr/bin/trevik", false), "");
    EXPECT_FALSE(std::filesystem::exists(config / "autostart/trevik.desktop"));
    EXPECT_EQ(SetRunAtLogon(config.path(), "/usr/bin/trevik", false), ""); // nothing further
}

TEST(ShellIntegration, ExecQuotesWhatTheDesktopEntryRulesReserve) {
    EXPECT_EQ(desktopExecProgram("/usr/bin/trevik"), "/usr/bin/trevik");
    EXPECT_EQ(desktopExecProgram("/opt/a b/trevik"), "\"/opt/a b/trevik\"");
    EXPECT_EQ(desktopExecProgram("/opt/100%/t"), "\"/opt/100%%/t\"");
    EXPECT_EQ(desktopExecProgram("/opt/$x/t"), "\"/opt/\\\\$x/t\"");
}

TEST(ShellIntegration, TheToolRunnerTellsAMissingToolFromAWorkingOne) {
    EXPECT_TRUE(runInstalledTool("true", {"x"}));
    EXPECT_FALSE(runInstalledTool("false", {"x"}));
    EXPECT_FALSE(runInstalledTool("trevik-no-such-tool", {"x"}));
}

TEST(ShellIntegration, AnInstalledProgramLeavesTheAssociationToItsInstalledEntry) {
    TempDir prefix;
    for (const char* dir : {"bin", "build", "share/applications"}) {
        std::filesystem::create_directories(prefix / dir);
    }
    writeBytes(prefix / "bin/trevik", "");
    EXPECT_FALSE(installedDesktopEntry(prefix / "bin/trevik").has_value());
    writeBytes(prefix / "share/applications/trevik.desktop", "[Desktop Entry]\n");
    EXPECT_EQ(installedDesktopEntry(prefix / "bin/trevik"),
              prefix / "share/applications/trevik.desktop");
    // A build tree's program is not installed, whatever lies two levels up.
    writeBytes(prefix / "build/trevik", "");
    EXPECT_FALSE(installedDesktopEntry(prefix / "build/trevik").has_value());
}

TEST(ShellIntegration, ThePerUserEntryPassesTheDesktopValidatorWithItsActions) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    TempDir home;
    AssociateFileType(home.path(), "/opt/My Apps/trevik", [](auto&&...) { return true; });
    const std::filesystem::path entry = home / "applications/trevik.desktop";
    const std::string text = readText(entry);
    EXPECT_NE(text.find("Exec=\"/opt/My Apps/trevik\" --new-entry\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Exec=\"/opt/My Apps/trevik\" --today\n"), std::string::npos) << text;
    const std::string command = "desktop-file-validate '" + entry.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << text;
}
