#include "BackgroundInput.h"
#include "GuiTest.h"
#include "SwayIpc.h"
#include "TempDir.h"
#include "XScreen.h"

#include "platform/Desktop.h"

#include <wx/utils.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The installed game started as the desktop's menu starts it: through the launcher, which keeps
// the game's files in the player's data directory, whatever letters the path holds.
namespace {

// Starts a program in a directory with some environment entries added, its output (not its
// errors) dropped; its process id.
pid_t Start(const std::vector<std::string>& command, const std::filesystem::path& directory,
            const std::vector<std::string>& environment)
{
    pid_t child = fork();
    if (child == 0) {
        std::vector<char*> arguments;
        for (const std::string& argument : command) {
            arguments.push_back(const_cast<char*>(argument.c_str()));
        }
        arguments.push_back(nullptr);
        for (const std::string& entry : environment) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        if (std::freopen("/dev/null", "w", stdout) && chdir(directory.c_str()) == 0) {
            execv(arguments[0], arguments.data());
        }
        _exit(127);
    }
    return child;
}

// The process's exit status once it ends, letting the event loop run meanwhile; -1 (the process
// killed) when it does not end in time or does not exit normally.
int WaitFor(pid_t child, int timeoutMs)
{
    int status = -1;
    if (!gui::RunUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, timeoutMs)) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string DesktopEntryValue(const std::filesystem::path& file, const std::string& key)
{
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return "";
}

} // namespace

using LauncherTest = GuiTest;

TEST_F(LauncherTest, TheMenuEntryStartsTheGameWithItsFilesInTheDataDirectory)
{
    TempDir temp;
    const std::filesystem::path player = temp.path / "a player's ü folder";
    const std::filesystem::path startedIn = player / "started here";
    const std::filesystem::path installed = temp.path / "installed";
    std::filesystem::create_directories(startedIn);
    // Installed under the prefix the build was made for, which the menu entry names.
    pid_t install = Start({TOBRIX_CMAKE, "--install", TOBRIX_BUILD_DIR}, temp.path,
                          {"DESTDIR=" + installed.string()});
    ASSERT_EQ(WaitFor(install, 60000), 0);
    const std::filesystem::path prefix = installed.string() + TOBRIX_INSTALL_PREFIX;
    const std::string entry = (prefix / "share/applications" / TOBRIX_APP_ID).string() + ".desktop";
    const std::string windowClass = DesktopEntryValue(entry, "StartupWMClass");
    ASSERT_FALSE(windowClass.empty()) << entry;

    Rect desktop = GetDesktopRect();
    Point centre{desktop.Width() / 2, desktop.Height() / 2};
    ColorRef before = gui::ScreenPixel(centre);
    pid_t game = Start(
        {installed.string() + DesktopEntryValue(entry, "Exec")}, startedIn,
        {"HOME=" + (player / "home").string(), "XDG_DATA_HOME=" + (player / "data").string()});
    // The desktop ties the window to its menu entry by the window's class.
    std::vector<std::string> classes;
    bool shown = gui::RunUntil(
        [&] {
            // A Wayland desktop goes by the window's app_id, which GTK takes from the program's
            // name, as an X11 one goes by its class.
            classes =
                gui::OnWayland() ? sway::AppIds() : xscreen::MappedWindowClasses(wxGetX11Display());
            return gui::ScreenPixel(centre) != before &&
                   std::any_of(classes.begin(), classes.end(), [&](const std::string& names) {
                       return names.rfind(windowClass + " ", 0) == 0 ||
                              names.substr(names.find(' ') + 1) == windowClass;
                   });
        },
        15000);
    gui::RunFor(300);
    BackgroundInput input;
    input.MoveTo(centre);
    input.PressKey(0xff1b);
    input.Join();

    EXPECT_EQ(WaitFor(game, 15000), 0);
    EXPECT_TRUE(shown) << "no window of class " << windowClass << " among "
                       << ::testing::PrintToString(classes);
    EXPECT_TRUE(std::filesystem::is_regular_file(player / "data/tobrix/hscores.kvd"));
    EXPECT_TRUE(std::filesystem::is_empty(startedIn));
}
