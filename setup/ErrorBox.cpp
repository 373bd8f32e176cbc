#include "setup/ErrorBox.h"

#include <FL/Fl_Box.H>
#include <FL/fl_ask.H>

void showErrorBox(const char* text, const char* caption) {
    fl_message_title(caption);
    fl_message_hotspot(0); // centred on the screen, not under the pointer
    fl_message_icon()->label("!");
    fl_choice("%s", "OK", nullptr, nullptr, text);
}
