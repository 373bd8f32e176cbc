#include "DisplayHelpers.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <cstdio>

std::string runCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[256];
        while (std::fgets(chunk, sizeof chunk, pipe))
            output += chunk;
        pclose(pipe);
    }
    return output;
}

unsigned long windowIdOf(Fl_Window* window) {
    return fl_xid(window);
}

void focusWindow(unsigned long window) {
    fl_open_display();
    XSetInputFocus(fl_display, window, RevertToParent, CurrentTime);
    XSync(fl_display, False);
}

void sendCloseRequest(unsigned long window) {
    fl_open_display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(fl_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(fl_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(fl_display, window, False, NoEventMask, &event);
    XSync(fl_display, False);
}
