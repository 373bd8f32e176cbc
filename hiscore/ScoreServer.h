#pragma once

#include <string>

// The score server's base address (scheme and host, no trailing slash): the
// environment variable VELDRIN_SCORE_SERVER when it is set and not empty,
// otherwise the address the build was configured with. Trailing slashes are
// dropped so that the paths appended after it start with exactly one.
std::string scoreServerAddress();

// The caption of the high-score dialog: the server's table page.
std::string highScoreTableAddress();
