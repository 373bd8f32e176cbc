#include "hiscore/BrowserLauncher.h"

#include "platform/MessageBox.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

extern char** environ;

namespace {
// Collects the child's exit status whenever it ends, without holding up the caller.
void reapInBackground(pid_t child) {
    std::thread([child] {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}
} // namespace

bool openInBrowser(const std::string& address) {
    std::string program = "xdg-open";
    std::string argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0) {
        char text[256];
        std::snprintf(text, sizeof text, "Nepodarilo se spustit webovy prohlizec (xdg-open: %s).",
                      std::strerror(error));
        messageBox(text, "HIGHSCORE ERROR", BoxIcon::Error);
        return false;
    }
    reapInBackground(child);
    return true;
}
