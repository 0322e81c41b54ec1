// Card codes, the table's shape and the card names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace belvane {

// Every integer of the game state is 16-bit signed, as the card codes are.
using Int = std::int16_t;

inline constexpr Int kCarte = 40;   // card codes 1..40 = suit * 10 + rank
inline constexpr Int kRighe = 4;    // table rows 1..4 (row 0 unused)
inline constexpr Int kColonne = 11; // table columns 1..11 (column 0 unused)

enum class Seme : Int { Bastoni = 0, Coppe = 1, Denari = 2, Spade = 3 };

constexpr bool IsCarta(int code) { return code >= 1 && code <= kCarte; }
constexpr bool IsAsso(int code) { return code % 10 == 1; }
// A free space (0) reads as a king too: nothing can follow either.
constexpr bool IsRe(int code) { return code % 10 == 0; }
constexpr int Rango(int code) { return (code - 1) % 10 + 1; }
constexpr Seme SemeDi(int code) { return static_cast<Seme>((code - 1) / 10); }

using NomiCarte = std::array<std::string, kCarte + 1>;

// " 2 di Bastoni" .. " 10 di Spade" (a leading blank, as a number turned into
// text with a sign position reads), "Asso di Bastoni" .. "Asso di Spade";
// index 0 stays empty.
NomiCarte CostruisciNomiCarte();

} // namespace belvane
