#pragma once

#include "GameDriver.h"

#include <cstdlib>
#include <gtest/gtest.h>

// Every test starts in the main menu of the one game this process runs.
class GameTest : public testing::Test {
  protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "needs an X display";
        ASSERT_TRUE(gametest::gameAvailable()) << gametest::whyUnavailable();
        gametest::resetGame();
    }
    void TearDown() override {
        if (gametest::gameAvailable())
            gametest::resetGame();
    }
};
