#include "platform/DisplayLoss.h"

#include <X11/Xlib.h>

#include <unistd.h>

namespace {
int onDisplayLost(Display*) {
    static const char message[] = "Connection to the display was lost.\n";
    // Only async-signal-safe calls: this runs inside Xlib's error path.
    ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    _exit(1);
}
} // namespace

void installDisplayLossHandler() {
    XSetIOErrorHandler(onDisplayLost);
}
