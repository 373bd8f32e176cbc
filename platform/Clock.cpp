#include "platform/Clock.h"

#include <chrono>

namespace {
TickSource installedSource = nullptr;

std::uint32_t monotonicMilliseconds() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
} // namespace

std::uint32_t tickCount() {
    return installedSource != nullptr ? installedSource() : monotonicMilliseconds();
}

void setTickSource(TickSource source) { installedSource = source; }
