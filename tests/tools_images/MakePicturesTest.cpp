#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ProgramRun {
    int status = -1;
    std::string output;
};

// Runs make_pictures with the given arguments (already quoted), standard
// error folded into the output.
ProgramRun makePictures(const std::string& arguments) {
    ProgramRun run;
    const std::string command = std::string("'") + MAKE_PICTURES + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe))
        run.output += buffer.data();
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(MakePictures, BadArgumentsOrFoldersEndWithAMessageAndStatus1) {
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("make_pictures_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    // A plain file where the run folder should be, and a folder where a
    // picture should be written.
    std::ofstream(scratch / "blocked").put('x');
    std::filesystem::create_directories(scratch / "taken" / "mahjong" / "tile64.bmp");
    struct ArgumentCase {
        std::string arguments;
        std::string message;
    };
    const std::vector<ArgumentCase> cases = {
        {"", "usage: make_pictures RUN_DIR"},
        {"a b", "usage: make_pictures RUN_DIR"},
        {"'" + (scratch / "blocked").string() + "'",
         "cannot create " + (scratch / "blocked" / "mahjong").string()},
        {"'" + (scratch / "taken").string() + "'",
         "cannot create " + (scratch / "taken" / "mahjong" / "tile64.bmp").string()},
    };
    for (const ArgumentCase& c : cases) {
        SCOPED_TRACE("arguments: " + c.arguments);
        const ProgramRun run = makePictures(c.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.output.find("make_pictures: " + c.message), std::string::npos) << run.output;
    }
    std::filesystem::remove_all(scratch);
}

} // namespace
