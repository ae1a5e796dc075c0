#include "platform/DecimalKey.h"

#include <QKeyEvent>

namespace volvenza {

bool IsDecimalPointKey(const KeyIdentity& key, KeySystem system) {
    switch (system) {
        case KeySystem::Windows:
            if (key.nativeVirtualKey != 0) {
                return key.nativeVirtualKey == kWinPeriodKey ||
                       key.nativeVirtualKey == kWinDecimalKey;
            }
            break;
        case KeySystem::X11:
            if (key.nativeScanCode != 0) {
                return key.nativeScanCode == kX11PeriodKey ||
                       key.nativeScanCode == kX11KeypadDecimalKey;
            }
            break;
    }
    if (key.qtKey == Qt::Key_Period) return true;
    // With Num Lock off the keypad's decimal key reports Delete, and some
    // layouts put a comma on it.
    return key.keypad && (key.qtKey == Qt::Key_Comma || key.qtKey == Qt::Key_Delete);
}

bool IsDecimalPointKey(const QKeyEvent& event) {
#ifdef Q_OS_WIN
    constexpr KeySystem system = KeySystem::Windows;
#else
    constexpr KeySystem system = KeySystem::X11;
#endif
    const KeyIdentity key{event.nativeScanCode(), event.nativeVirtualKey(), event.key(),
                          event.modifiers().testFlag(Qt::KeypadModifier)};
    return IsDecimalPointKey(key, system);
}

}  // namespace volvenza
