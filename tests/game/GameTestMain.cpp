#include "GameDriver.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new gametest::GameEnvironment);
    return RUN_ALL_TESTS();
}
