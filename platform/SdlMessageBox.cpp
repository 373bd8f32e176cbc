#include "platform/SdlMessageBox.h"

#include "platform/MessageBox.h"

#include <SDL.h>

namespace {
Uint32 sdlFlagsFor(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Error:
        return SDL_MESSAGEBOX_ERROR;
    case BoxIcon::Warning:
        return SDL_MESSAGEBOX_WARNING;
    case BoxIcon::Information:
    case BoxIcon::None:
        break;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

void showSdlBox(const char* text, const char* caption, BoxIcon icon) {
    // Fails quietly without a display; the text is already on standard error.
    SDL_ShowSimpleMessageBox(sdlFlagsFor(icon), caption, text, nullptr);
}
} // namespace

void installSdlMessageBox() { setMessageBoxDisplay(showSdlBox); }
