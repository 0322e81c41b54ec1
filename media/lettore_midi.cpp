#include "lettore_midi.h"

#include <algorithm>

namespace belvane::media {

namespace {

void Invia(fluid_synth_t *s, const EventoMidi &e) noexcept
{
    const int canale = e.stato & 0x0F;
    switch (e.stato & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(s, canale, e.dato1);
        break;
    case 0x90:
        if (e.dato2)
            fluid_synth_noteon(s, canale, e.dato1, e.dato2);
        else
            fluid_synth_noteoff(s, canale, e.dato1);
        break;
    case 0xA0:
        fluid_synth_key_pressure(s, canale, e.dato1, e.dato2);
        break;
    case 0xB0:
        fluid_synth_cc(s, canale, e.dato1, e.dato2);
        break;
    case 0xC0:
        fluid_synth_program_change(s, canale, e.dato1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(s, canale, e.dato1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(s, canale, e.dato1 | (e.dato2 << 7));
        break;
    default:
        break;
    }
}

bool Nota(const EventoMidi &e)
{
    const int tipo = e.stato & 0xF0;
    return tipo == 0x80 || tipo == 0x90 || tipo == 0xA0;
}

} // namespace

LettoreMidi::LettoreMidi(AccessoAudio &accesso, const Sintetizzatore &sintetizzatore)
    : Lettore("sequencer", accesso), sintetizzatore_(sintetizzatore)
{
}

int64_t LettoreMidi::Carica(const std::string &file)
{
    auto brano = CaricaBrano(file);
    if (!brano)
        return 0;
    attesa_ = std::make_unique<const Brano>(std::move(*brano));
    return attesa_->lunghezza;
}

void LettoreMidi::Scambia() noexcept { std::swap(brano_, attesa_); }

void LettoreMidi::Scarta() noexcept { attesa_.reset(); }

void LettoreMidi::Spostato(int64_t frame) noexcept
{
    cursore_ = 0;
    if (brano_) {
        const auto &ev = brano_->eventi;
        cursore_ = static_cast<std::size_t>(
            std::lower_bound(ev.begin(), ev.end(), frame, [](const EventoMidi &e, int64_t f) { return e.frame < f; }) -
            ev.begin());
    }
    daAllineare_ = true;
}

fluid_synth_t *LettoreMidi::Synth() noexcept
{
    fluid_synth_t *synth = sintetizzatore_.Strumento();
    if (synth != visto_) {
        visto_ = synth;
        daAllineare_ = true; // it missed what the tune did so far
    }
    if (synth && daAllineare_)
        Allinea(synth);
    return synth;
}

void LettoreMidi::Allinea(fluid_synth_t *synth) noexcept
{
    daAllineare_ = false;
    fluid_synth_all_sounds_off(synth, -1);
    for (int canale = 0; canale < 16; ++canale) {
        fluid_synth_cc(synth, canale, 121, 0); // reset controllers
        fluid_synth_cc(synth, canale, 7, 100);
        fluid_synth_cc(synth, canale, 10, 64);
        fluid_synth_program_change(synth, canale, 0);
    }
    if (!brano_)
        return;
    for (std::size_t i = 0; i < cursore_; ++i)
        if (!Nota(brano_->eventi[i]))
            Invia(synth, brano_->eventi[i]);
}

void LettoreMidi::Rendi(fluid_synth_t *synth, float *stereo, int frames) noexcept
{
    while (frames > 0) {
        const int n = std::min<int>(frames, static_cast<int>(appoggio_.size() / 2));
        fluid_synth_write_float(synth, n, appoggio_.data(), 0, 2, appoggio_.data(), 1, 2);
        for (int i = 0; i < 2 * n; ++i)
            stereo[i] += appoggio_[static_cast<std::size_t>(i)];
        stereo += 2 * n;
        frames -= n;
    }
}

void LettoreMidi::Suona(float *stereo, int64_t da, int frames) noexcept
{
    fluid_synth_t *synth = Synth();
    const auto &ev = brano_->eventi;
    const int64_t fine = da + frames;
    int64_t ora = da;
    // Events fall between the renders, each at its own frame.
    while (cursore_ < ev.size() && ev[cursore_].frame < fine) {
        const int64_t quando = std::max(ev[cursore_].frame, ora);
        if (synth && quando > ora)
            Rendi(synth, stereo + 2 * (ora - da), static_cast<int>(quando - ora));
        ora = quando;
        if (synth)
            Invia(synth, ev[cursore_]);
        ++cursore_;
    }
    if (synth && fine > ora)
        Rendi(synth, stereo + 2 * (ora - da), static_cast<int>(fine - ora));
    // The tune's last events sit exactly on its length: send them as it ends.
    if (fine >= brano_->lunghezza) {
        for (; cursore_ < ev.size(); ++cursore_)
            if (synth)
                Invia(synth, ev[cursore_]);
    }
    codaRestante_ = kCoda;
}

void LettoreMidi::Coda(float *stereo, int frames) noexcept
{
    fluid_synth_t *synth = Synth();
    if (!synth)
        return;
    // Rendering only while something still sounds keeps silence exactly
    // zero (the reverb leaves a faint floor forever) and saves the CPU.
    if (fluid_synth_get_active_voice_count(synth) > 0)
        codaRestante_ = kCoda;
    if (codaRestante_ <= 0)
        return;
    Rendi(synth, stereo, frames);
    codaRestante_ -= frames;
}

} // namespace belvane::media
