#include "audio/AudioLayer.h"

#include <chrono>
#include <thread>

void musicThread() {
    // No exit condition: the thread ends with the process. After exitSound each
    // update does nothing.
    for (;;) {
        updateMixer();
        std::this_thread::sleep_for(std::chrono::milliseconds(musicUpdateMs));
    }
}
