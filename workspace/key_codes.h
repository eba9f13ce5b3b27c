#pragma once
// Key codes and modifier bits of the window's key handlers (Form_KeyDown, the KeyPress handlers
// of the input line, the coefficient boxes and the constants lists). The Qt window translates its
// key events into these.

namespace zolvan::keys {

inline constexpr int Enter = 13; // Return or the keypad's Enter: a carriage return
inline constexpr int Escape = 27;
inline constexpr int Digit0 = 48;
inline constexpr int Digit1 = 49;
inline constexpr int Digit9 = 57;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F4 = 115;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F7 = 118;
inline constexpr int F8 = 119;
inline constexpr int F12 = 123;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

} // namespace zolvan::keys
