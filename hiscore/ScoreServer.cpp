#include "hiscore/ScoreServer.h"

#include <cstdlib>

namespace {
// Set by the build from the CMake cache variable of the same name.
constexpr const char* builtInScoreServer = VELDRIN_SCORE_SERVER_DEFAULT;
} // namespace

std::string scoreServerAddress() {
    const char* fromEnvironment = std::getenv("VELDRIN_SCORE_SERVER");
    std::string address =
        fromEnvironment && *fromEnvironment ? fromEnvironment : builtInScoreServer;
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    return address;
}

std::string highScoreTableAddress() {
    return scoreServerAddress() + "/hiscore2003.php";
}
