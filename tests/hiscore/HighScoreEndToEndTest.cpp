// The dialog as the player meets it: a separate program shows it on the test X
// server, xdotool types and clicks, and a stand-in xdg-open first in PATH
// records the address it is handed.

#include "DisplayHelpers.h"
#include "ExternalMd5.h"
#include "hiscore/Submission.h"
#include "hiscore/SubmissionDialog.h"
#include "platform/Dialog.h"
#include "platform/GameRandom.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;
namespace fs = std::filesystem;

namespace {
constexpr const char* server = "http://scores.test";

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The request the dialog must send, its check value taken from md5sum.
std::string expectedRequest(const std::string& name, int score, const std::string& email,
                            std::int32_t r) {
    const std::string check =
        externalMd5("113" + name + std::to_string(score) + "73815290b7" + std::to_string(r));
    return std::string(server) + "/score2003.php?gid=113&player=" + name +
           "&score=" + std::to_string(score) + "&email=" + email + "&rand=" + std::to_string(r) +
           "&check=" + check;
}

// r of the press that follows `earlierPresses` presses of OK after seeding.
std::int32_t randomOfPress(std::uint32_t seed, int earlierPresses) {
    seedGameRandom(seed);
    for (int i = 0; i < 3 * earlierPresses; ++i)
        drawGameRandom();
    return drawSubmissionRandom();
}

class HighScoreEndToEnd : public testing::Test {
  protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        ASSERT_TRUE(display && *display) << "these tests need an X display (scripts/test.sh)";
        folder = fs::temp_directory_path() / ("veldrin-hiscore-e2e-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        record = folder / "record.txt";
        std::ofstream(folder / "xdg-open")
            << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" << record.string()
            << "'\n";
        fs::permissions(folder / "xdg-open", fs::perms::owner_all);
    }
    void TearDown() override {
        if (child > 0) {
            kill(child, SIGTERM);
            waitpid(child, nullptr, 0);
        }
        fs::remove_all(folder);
    }

    // Starts the driver with the stand-in first in PATH and the test server.
    void start(int score, std::uint32_t seed, bool withDisplay = true) {
        std::vector<std::string> variables;
        for (char** v = environ; *v; ++v) {
            const std::string variable = *v;
            if (variable.rfind("PATH=", 0) == 0 ||
                variable.rfind("VELDRIN_SCORE_SERVER=", 0) == 0 ||
                (!withDisplay && variable.rfind("DISPLAY=", 0) == 0))
                continue;
            variables.push_back(variable);
        }
        const char* path = std::getenv("PATH");
        variables.push_back("PATH=" + folder.string() + ":" + (path ? path : "/usr/bin:/bin"));
        variables.push_back(std::string("VELDRIN_SCORE_SERVER=") + server);
        std::vector<char*> envp;
        for (std::string& variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);

        std::string program = HIGHSCORE_DIALOG_DRIVER, scoreText = std::to_string(score),
                    seedText = std::to_string(seed);
        char* argv[] = {program.data(), scoreText.data(), seedText.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, (folder / "out.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_EQ(posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
    }

    // The driver's exit status once it has ended; -1 when it had to be stopped
    // because it was still running after a generous wait.
    int waitForExit() {
        int status = 0;
        for (int round = 0; round < 3000; ++round) {
            if (waitpid(child, &status, WNOHANG) == child) {
                child = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1; // TearDown stops it
    }

    // The dialog's window, once it is on screen.
    std::string findDialog() {
        std::string id = runCommand("timeout 30 xdotool search --sync --onlyvisible --name "
                                    "'^http://scores\\.test/hiscore2003\\.php$' 2>/dev/null");
        id = id.substr(0, id.find('\n'));
        if (!id.empty())
            runCommand("xdotool windowfocus --sync " + id);
        return id;
    }

    // The centre of a control in window pixels, from the template and the same
    // dialog units the builder uses.
    std::pair<int, int> centreOf(int controlId) {
        const std::optional<DialogTemplate> parsed = highScoreTemplate("");
        const DialogControl* control = parsed ? parsed->find(controlId) : nullptr;
        if (control == nullptr)
            return {0, 0};
        const DialogBaseUnits units = measureBaseUnits(parsed->fontPoints, parsed->fontFace);
        return {units.toPixelsX(control->x + control->width / 2),
                units.toPixelsY(control->y + control->height / 2)};
    }
    void click(const std::string& window, int controlId) {
        const auto [x, y] = centreOf(controlId);
        runCommand("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
                   std::to_string(y) + " click 1");
    }
    void typeInto(const std::string& window, int controlId, const std::string& text) {
        click(window, controlId);
        runCommand("xdotool type --delay 5 '" + text + "'");
    }
    fs::path folder, record;
    pid_t child = 0;
};
} // namespace

TEST_F(HighScoreEndToEnd, RunWithoutAPositiveScoreShowsNothingAndEnds) {
    struct Case {
        int score;
        bool withDisplay;
    };
    for (Case c : {Case{0, true}, Case{0, false}, Case{-30, true}}) {
        SCOPED_TRACE(std::to_string(c.score) + (c.withDisplay ? " with display" : " no display"));
        start(c.score, 1, c.withDisplay);
        EXPECT_EQ(waitForExit(), 0);
        EXPECT_EQ(readFile(folder / "out.txt"), "dialog closed\n");
        EXPECT_FALSE(fs::exists(record));
    }
}

TEST_F(HighScoreEndToEnd, TypedNameAndAddressAreSentOnTheSecondOk) {
    start(5678, 4242);
    const std::string window = findDialog();
    ASSERT_FALSE(window.empty()) << "the dialog never showed";
    typeInto(window, SubmissionControl::Name, "Alice Smith");
    typeInto(window, SubmissionControl::Email, "alice@example.org");
    click(window, SubmissionControl::Ok); // cuts the name to "Alice", sends nothing
    click(window, SubmissionControl::Ok);
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(readFile(record),
              expectedRequest("Alice", 5678, "alice@example.org", randomOfPress(4242, 1)) + "\n");
    EXPECT_EQ(readFile(folder / "out.txt"), "dialog closed\n");
}

TEST_F(HighScoreEndToEnd, EnterInAFieldPressesOk) {
    start(90, 7);
    const std::string window = findDialog();
    ASSERT_FALSE(window.empty()) << "the dialog never showed";
    typeInto(window, SubmissionControl::Name, "Bob");
    typeInto(window, SubmissionControl::Email, "@");
    runCommand("xdotool key Return");
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(readFile(record), expectedRequest("Bob", 90, "@", randomOfPress(7, 0)) + "\n");
}

TEST_F(HighScoreEndToEnd, CancelSendsNothing) {
    start(120, 3);
    const std::string window = findDialog();
    ASSERT_FALSE(window.empty()) << "the dialog never showed";
    typeInto(window, SubmissionControl::Name, "Carol");
    typeInto(window, SubmissionControl::Email, "carol@example.org");
    click(window, SubmissionControl::Cancel);
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(readFile(folder / "out.txt"), "dialog closed\n");
    EXPECT_FALSE(fs::exists(record));
}

// Events reach the dialog in the order they were made: when the request that
// follows Escape and the close request is sent, neither of them closed it.
TEST_F(HighScoreEndToEnd, EscapeAndTheCloseBoxLeaveTheDialogOpen) {
    start(300, 11);
    const std::string window = findDialog();
    ASSERT_FALSE(window.empty()) << "the dialog never showed";
    runCommand("xdotool key Escape");
    sendCloseRequest(std::stoul(window));
    typeInto(window, SubmissionControl::Name, "Dave");
    typeInto(window, SubmissionControl::Email, "dave@example.org");
    click(window, SubmissionControl::Ok);
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(readFile(record),
              expectedRequest("Dave", 300, "dave@example.org", randomOfPress(11, 0)) + "\n");
}
