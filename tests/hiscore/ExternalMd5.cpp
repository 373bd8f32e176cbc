#include "ExternalMd5.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

std::string externalMd5(const std::string& bytes) {
    char path[] = "/tmp/veldrin-md5-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return {};
    close(fd);
    {
        std::ofstream file(path, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string command = std::string("md5sum ") + path;
    std::string digest;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char word[64] = {};
        if (std::fscanf(pipe, "%63s", word) == 1)
            digest = word;
        pclose(pipe);
    }
    std::remove(path);
    return digest;
}
