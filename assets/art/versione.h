#pragma once

// The program's version record: what QApplication reports as its name,
// version and organisation, and what the desktop entry carries.
namespace belvane::versione {

inline constexpr int Maggiore = 3;
inline constexpr int Minore = 0;
inline constexpr int Revisione = 0;
inline constexpr int Build = 0;
inline constexpr char VersioneFile[] = "3.0.0.0";
inline constexpr char VersioneProdotto[] = "3.00";
inline constexpr char Descrizione[] = "Solitario";
inline constexpr char NomeProdotto[] = "Belvane";
inline constexpr char NomeInterno[] = "belvane";
inline constexpr char NomeFileOriginale[] = "belvane.exe";
inline constexpr char Azienda[] = "Quintavox";

} // namespace belvane::versione
