#include "hiscore/BrowserLauncher.h"

#include "platform/MessageBox.h"

#include <signal.h>
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
    // The browser starts with no blocked signals and the default actions for
    // the ones a game's libraries may have set to be ignored (ignoring survives exec).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    for (int number : {SIGPIPE, SIGINT, SIGTERM, SIGHUP, SIGCHLD})
        sigaddset(&signals, number);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    const int error = posix_spawnp(&child, program.c_str(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
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
