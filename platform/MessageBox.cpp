#include "platform/MessageBox.h"

#include <cstdio>

namespace {
MessageBoxDisplay installedDisplay = nullptr;
}

void setMessageBoxDisplay(MessageBoxDisplay display) { installedDisplay = display; }

void messageBox(const char* text, const char* caption, BoxIcon icon) {
    if (caption == nullptr || caption[0] == '\0')
        caption = "Error";
    if (text == nullptr)
        text = "";
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    if (installedDisplay != nullptr)
        installedDisplay(text, caption, icon);
}
