// The table's geometry in logical units. Every position of the game, every
// card picture and every control's place is given in these units, whatever
// the window's size on the screen.
#pragma once

namespace belvane {

// A card picture at its natural size, in pixels and in logical units alike.
inline constexpr int kLarghezzaCarta = 45;
inline constexpr int kAltezzaCarta = 72;
// The white gap between two slots.
inline constexpr int kSpazioSlot = 2;
// Column and row pitch of the slots.
inline constexpr int kPassoX = kLarghezzaCarta + kSpazioSlot;
inline constexpr int kPassoY = kAltezzaCarta + kSpazioSlot;

// The client area, in logical units, once the layout has run.
inline constexpr double kLarghezzaLogica = 535;
inline constexpr double kAltezzaLogica = 353;

} // namespace belvane
