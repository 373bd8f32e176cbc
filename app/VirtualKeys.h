#pragma once

// The virtual-key codes by which `keys` is indexed.
constexpr int VK_BACK_KEY = 0x08;
constexpr int VK_TAB_KEY = 0x09;
constexpr int VK_ENTER = 0x0D;
constexpr int VK_SHIFT_KEY = 0x10;
constexpr int VK_CONTROL_KEY = 0x11;
constexpr int VK_ESC = 0x1B;
constexpr int VK_SPACE_KEY = 0x20;
constexpr int VK_LEFT_KEY = 0x25;
constexpr int VK_UP_KEY = 0x26;
constexpr int VK_RIGHT_KEY = 0x27;
constexpr int VK_DOWN_KEY = 0x28;
constexpr int VK_KEY_0 = 0x30; // '0' to '9' follow
constexpr int VK_KEY_A = 0x41; // 'A' to 'Z' follow
constexpr int VK_KEY_B = 0x42;
constexpr int VK_KEY_N = 0x4E;
constexpr int VK_KEY_Q = 0x51;
constexpr int VK_KEY_S = 0x53;
constexpr int VK_F1_KEY = 0x70; // F1 to F12 follow
constexpr int VK_F10_KEY = 0x79;
