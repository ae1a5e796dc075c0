#pragma once
// Recognises the two keys that type a decimal point, the period key of the
// main keyboard and the decimal key of the numeric keypad, by the physical key
// and not by the character it produced: Shift, Ctrl, Alt and the keyboard
// layout make no difference.

#include <cstdint>

class QKeyEvent;

namespace volvenza {

// X11 key codes (evdev + 8) of the period key and of the keypad decimal key;
// Wayland reports the same codes.
inline constexpr uint32_t kX11PeriodKey = 60;
inline constexpr uint32_t kX11KeypadDecimalKey = 91;
// Windows virtual keys of the same two keys.
inline constexpr uint32_t kWinPeriodKey = 190;
inline constexpr uint32_t kWinDecimalKey = 110;

// What a key event says about its key, as plain numbers.
struct KeyIdentity {
    uint32_t nativeScanCode = 0;
    uint32_t nativeVirtualKey = 0;
    int qtKey = 0;
    bool keypad = false;
};

enum class KeySystem { X11, Windows };

// Windows: virtual keys 190 and 110. X11 and Wayland: the native scan codes.
// An event without native codes (synthesised by a program or a test) is
// judged by its Qt key: the period, or the keypad's period, comma or delete.
bool IsDecimalPointKey(const KeyIdentity& key, KeySystem system);

// The same for a real event, on the system the program runs on.
bool IsDecimalPointKey(const QKeyEvent& event);

}  // namespace volvenza
