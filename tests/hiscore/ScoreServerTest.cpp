#include "hiscore/ScoreServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {
// Restores the variable as the test found it.
class ScoreServerEnvironment : public testing::Test {
  protected:
    void SetUp() override {
        if (const char* value = std::getenv("VELDRIN_SCORE_SERVER"))
            saved = value, hadValue = true;
    }
    void TearDown() override {
        if (hadValue)
            setenv("VELDRIN_SCORE_SERVER", saved.c_str(), 1);
        else
            unsetenv("VELDRIN_SCORE_SERVER");
    }
    std::string saved;
    bool hadValue = false;
};
} // namespace

TEST_F(ScoreServerEnvironment, TheEnvironmentOverridesTheBuiltInAddress) {
    struct ServerCase {
        const char* environment; // nullptr: unset
        std::string address;
    };
    const std::vector<ServerCase> cases = {
        {nullptr, VELDRIN_SCORE_SERVER_DEFAULT},
        {"", VELDRIN_SCORE_SERVER_DEFAULT},
        {"http://localhost:8080", "http://localhost:8080"},
        {"http://scores.test/", "http://scores.test"},
        {"http://scores.test/game//", "http://scores.test/game"},
    };
    for (const ServerCase& c : cases) {
        if (c.environment)
            setenv("VELDRIN_SCORE_SERVER", c.environment, 1);
        else
            unsetenv("VELDRIN_SCORE_SERVER");
        EXPECT_EQ(scoreServerAddress(), c.address) << (c.environment ? c.environment : "unset");
        EXPECT_EQ(highScoreTableAddress(), c.address + "/hiscore2003.php");
    }
}
