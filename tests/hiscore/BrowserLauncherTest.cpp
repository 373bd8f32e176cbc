#include "hiscore/BrowserLauncher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// A folder with a stand-in xdg-open that writes each argument on its own line
// into `record`, first in PATH for the duration of a test.
class StandInBrowser : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("veldrin-launch-" + std::to_string(getpid()));
        fs::create_directories(folder);
        record = folder / "record.txt";
        savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    }
    void TearDown() override {
        setenv("PATH", savedPath.c_str(), 1);
        fs::remove_all(folder);
    }
    // `body` writes what the stand-in reports on standard output.
    void
    installStandIn(const std::string& body = "for a in \"$@\"; do printf '%s\\n' \"$a\"; done") {
        const fs::path script = folder / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n{ " << body << "; } > '" << record.string()
                              << ".part'\nmv '" << record.string() << ".part' '" << record.string()
                              << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        setenv("PATH", (folder.string() + ":" + savedPath).c_str(), 1);
    }
    // The stand-in runs on its own; wait for its record, however long it takes
    // to start on a busy machine, up to a generous limit.
    std::string waitForRecord() {
        for (int i = 0; i < 1000 && !fs::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(record);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path folder, record;
    std::string savedPath;
};

// Children of this process that have ended but were not reaped.
int zombieChildren() {
    int zombies = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // pid (comm) state ppid ...; comm may hold blanks, so read after the last ')'.
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        if (parent == getpid() && state == 'Z')
            ++zombies;
    }
    return zombies;
}
} // namespace

TEST_F(StandInBrowser, AddressArrivesAsOneUninterpretedArgument) {
    installStandIn();
    const std::string address =
        "http://scores.test/score2003.php?gid=113&player=A B&email=$(touch x);`id`'\"&check=*";
    ASSERT_TRUE(openInBrowser(address));
    EXPECT_EQ(waitForRecord(), address + "\n");
    EXPECT_FALSE(fs::exists("x"));
}

TEST_F(StandInBrowser, EndedBrowserIsReaped) {
    installStandIn();
    ASSERT_TRUE(openInBrowser("http://scores.test/a"));
    ASSERT_FALSE(waitForRecord().empty());
    int zombies = zombieChildren();
    for (int i = 0; i < 500 && zombies > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        zombies = zombieChildren();
    }
    EXPECT_EQ(zombies, 0);
}

TEST_F(StandInBrowser, BrowserDoesNotInheritIgnoredOrBlockedSignals) {
    installStandIn("grep -E '^Sig(Blk|Ign):' /proc/self/status");
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    sigset_t block, previousMask;
    sigemptyset(&block);
    sigaddset(&block, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &block, &previousMask);
    const bool started = openInBrowser("http://scores.test/a");
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    sigaction(SIGPIPE, &previous, nullptr);
    ASSERT_TRUE(started);

    std::istringstream status(waitForRecord());
    std::string key;
    unsigned long long blocked = ~0ull, ignored = ~0ull;
    while (status >> key)
        (key == "SigBlk:" ? status >> std::hex >> blocked : status >> std::hex >> ignored);
    const auto bit = [](int number) { return 1ull << (number - 1); };
    EXPECT_EQ(blocked & bit(SIGTERM), 0u);
    EXPECT_EQ(ignored & bit(SIGPIPE), 0u);
}

TEST_F(StandInBrowser, MissingXdgOpenIsReportedAndNotCountedAsSent) {
    setenv("PATH", folder.string().c_str(), 1); // an empty folder: no xdg-open anywhere
    testing::internal::CaptureStderr();
    EXPECT_FALSE(openInBrowser("http://scores.test/a"));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("HIGHSCORE ERROR"), std::string::npos) << message;
    EXPECT_NE(message.find("xdg-open"), std::string::npos) << message;
}
