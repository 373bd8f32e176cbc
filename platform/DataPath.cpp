#include "platform/DataPath.h"

#include <algorithm>

std::string nativePath(const char* dataPath) {
    std::string path = dataPath != nullptr ? dataPath : "";
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::FILE* openDataFile(const char* dataPath, const char* mode) {
    return std::fopen(nativePath(dataPath).c_str(), mode);
}
