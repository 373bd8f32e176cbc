#pragma once

#include <string>

// The MD5 of some bytes as computed by the system's md5sum program, outside
// our code: the bytes go to a temporary file and md5sum's first word is read
// back. Empty when md5sum cannot be run.
std::string externalMd5(const std::string& bytes);
