#include "BmpFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

std::string fixtureFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("veldrin-gfx-" + std::to_string(::getpid())) / name;
    std::filesystem::create_directories(folder);
    return folder.string();
}
