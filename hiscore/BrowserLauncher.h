#pragma once

#include <string>

// Hands an address to the desktop's web browser: starts `xdg-open ADDRESS`
// found through PATH, without a shell, so nothing in the address is
// interpreted. Does not wait for the browser; the child is reaped in the
// background so it never lingers as a zombie. Returns false, after telling the
// user, when xdg-open cannot be started at all.
bool openInBrowser(const std::string& address);
