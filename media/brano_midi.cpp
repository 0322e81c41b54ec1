#include "brano_midi.h"

#include "cartella.h"
#include "diagnostica.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace belvane::media {

namespace {

constexpr std::size_t kFileMassimo = 8u << 20; // a tune is kilobytes; refuse anything huge

// Raw events before the tempo map turns ticks into frames.
struct Grezzo {
    uint32_t tick;
    uint32_t ordine; // keeps the file's order among events on the same tick
    enum class Tipo : uint8_t { Canale, Tempo, Fine } tipo;
    uint8_t stato, dato1, dato2;
    uint32_t microsecondi; // for Tempo
};

class Lettura {
public:
    Lettura(std::span<const uint8_t> d) : d_(d) {}
    bool Finito() const { return pos_ >= d_.size(); }
    std::size_t Resto() const { return d_.size() - pos_; }
    std::optional<uint8_t> Byte()
    {
        if (Finito())
            return std::nullopt;
        return d_[pos_++];
    }
    std::optional<uint8_t> Guarda() const
    {
        if (Finito())
            return std::nullopt;
        return d_[pos_];
    }
    std::optional<uint32_t> Grande(int byte)
    {
        if (Resto() < static_cast<std::size_t>(byte))
            return std::nullopt;
        uint32_t v = 0;
        for (int i = 0; i < byte; ++i)
            v = (v << 8) | d_[pos_++];
        return v;
    }
    // Variable-length quantity, at most four bytes as the format allows.
    std::optional<uint32_t> Vlq()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            auto b = Byte();
            if (!b)
                return std::nullopt;
            v = (v << 7) | (*b & 0x7F);
            if (!(*b & 0x80))
                return v;
        }
        return std::nullopt;
    }
    bool Salta(std::size_t n)
    {
        if (Resto() < n)
            return false;
        pos_ += n;
        return true;
    }
    std::span<const uint8_t> Pezzo(std::size_t n)
    {
        auto p = d_.subspan(pos_, n);
        pos_ += n;
        return p;
    }
    bool Etichetta(const char (&id)[5])
    {
        if (Resto() < 4 || !std::equal(id, id + 4, d_.begin() + static_cast<std::ptrdiff_t>(pos_)))
            return false;
        pos_ += 4;
        return true;
    }

private:
    std::span<const uint8_t> d_;
    std::size_t pos_ = 0;
};

int Dati(uint8_t stato)
{
    const uint8_t tipo = stato & 0xF0;
    return (tipo == 0xC0 || tipo == 0xD0) ? 1 : 2;
}

bool LeggiTraccia(std::span<const uint8_t> traccia, std::vector<Grezzo> &fuori, uint32_t &ordine)
{
    Lettura r(traccia);
    uint64_t tick = 0;
    uint8_t corrente = 0; // running status
    while (!r.Finito()) {
        auto delta = r.Vlq();
        if (!delta)
            return false;
        tick += *delta;
        if (tick > UINT32_MAX)
            return false;
        auto primo = r.Byte();
        if (!primo)
            return false;
        const auto t = static_cast<uint32_t>(tick);
        if (*primo == 0xFF) {
            auto tipo = r.Byte();
            auto lung = r.Vlq();
            if (!tipo || !lung || r.Resto() < *lung)
                return false;
            auto corpo = r.Pezzo(*lung);
            if (*tipo == 0x51 && corpo.size() == 3) {
                const uint32_t us = (uint32_t{corpo[0]} << 16) | (uint32_t{corpo[1]} << 8) | corpo[2];
                if (us > 0)
                    fuori.push_back({t, ordine++, Grezzo::Tipo::Tempo, 0, 0, 0, us});
            } else if (*tipo == 0x2F) {
                fuori.push_back({t, ordine++, Grezzo::Tipo::Fine, 0, 0, 0, 0});
                return true;
            }
            continue;
        }
        if (*primo == 0xF0 || *primo == 0xF7) {
            auto lung = r.Vlq();
            if (!lung || !r.Salta(*lung))
                return false;
            corrente = 0;
            continue;
        }
        uint8_t stato = 0;
        std::array<uint8_t, 2> dati{};
        int letti = 0;
        if (*primo & 0x80) {
            if (*primo >= 0xF0) // system messages have no place in a file
                return false;
            stato = corrente = *primo;
        } else {
            if (!corrente)
                return false;
            stato = corrente;
            dati[0] = *primo;
            letti = 1;
        }
        for (; letti < Dati(stato); ++letti) {
            auto b = r.Byte();
            if (!b || (*b & 0x80))
                return false;
            dati[static_cast<std::size_t>(letti)] = *b;
        }
        fuori.push_back({t, ordine++, Grezzo::Tipo::Canale, stato, dati[0], dati[1], 0});
    }
    // A track may lack its end marker; its last event then ends it.
    fuori.push_back({static_cast<uint32_t>(tick), ordine++, Grezzo::Tipo::Fine, 0, 0, 0, 0});
    return true;
}

} // namespace

std::optional<Brano> LeggiBrano(std::span<const uint8_t> dati)
{
    Lettura r(dati);
    if (!r.Etichetta("MThd"))
        return std::nullopt;
    auto lungTesta = r.Grande(4);
    if (!lungTesta || *lungTesta < 6 || r.Resto() < *lungTesta)
        return std::nullopt;
    auto testa = r.Pezzo(*lungTesta);
    const uint16_t tracce = static_cast<uint16_t>((testa[2] << 8) | testa[3]);
    const uint16_t divisione = static_cast<uint16_t>((testa[4] << 8) | testa[5]);
    if (tracce == 0 || divisione == 0)
        return std::nullopt;

    std::vector<Grezzo> grezzi;
    uint32_t ordine = 0;
    int trovate = 0;
    while (trovate < tracce) {
        const bool mtrk = r.Etichetta("MTrk");
        if (!mtrk && !r.Salta(4))
            return std::nullopt;
        auto lung = r.Grande(4);
        if (!lung || r.Resto() < *lung)
            return std::nullopt; // truncated
        auto corpo = r.Pezzo(*lung);
        if (!mtrk)
            continue; // chunks of unknown kind are skipped, as the format asks
        if (!LeggiTraccia(corpo, grezzi, ordine))
            return std::nullopt;
        ++trovate;
    }

    std::stable_sort(grezzi.begin(), grezzi.end(), [](const Grezzo &a, const Grezzo &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.ordine < b.ordine;
    });

    // Seconds per tick: fixed for SMPTE division, from the tempo otherwise.
    const bool smpte = divisione & 0x8000;
    double fps = -static_cast<int8_t>(divisione >> 8);
    if (fps == 29)
        fps = 29.97;
    const double tpq = smpte ? 0 : divisione;
    const double spt0 = smpte ? 1.0 / (fps * (divisione & 0xFF)) : 0.5 / tpq;
    if (!(spt0 > 0) || !std::isfinite(spt0))
        return std::nullopt;

    Brano brano;
    brano.eventi.reserve(grezzi.size());
    double baseSecondi = 0;
    uint32_t baseTick = 0;
    double spt = spt0;
    int64_t ultimo = 0;
    for (const auto &g : grezzi) {
        const double secondi = baseSecondi + (g.tick - baseTick) * spt;
        const auto frame = static_cast<int64_t>(std::llround(std::min(secondi, 1e7) * kFrequenza));
        if (frame > kDurataMassima) {
            ultimo = kDurataMassima;
            break;
        }
        ultimo = frame;
        if (g.tipo == Grezzo::Tipo::Tempo && !smpte) {
            baseSecondi = secondi;
            baseTick = g.tick;
            spt = g.microsecondi / 1e6 / tpq;
        } else if (g.tipo == Grezzo::Tipo::Canale) {
            brano.eventi.push_back({frame, g.stato, g.dato1, g.dato2});
        }
    }
    brano.lunghezza = ultimo;
    if (brano.lunghezza * 1000 / kFrequenza <= 0)
        return std::nullopt; // a tune without length is no tune
    return brano;
}

std::optional<Brano> CaricaBrano(const std::string &percorso)
{
    const auto rifiuta = [&](const char *perche) {
        Diagnostica(percorso + ": " + perche + "; the music stays silent");
        return std::nullopt;
    };
    const auto dati = LeggiFile(percorso, kFileMassimo);
    if (!dati)
        return rifiuta("cannot be opened, or larger than any tune this player reads");
    auto brano = LeggiBrano(*dati);
    if (!brano)
        return rifiuta("not a Standard MIDI File this player can read");
    return brano;
}

} // namespace belvane::media
