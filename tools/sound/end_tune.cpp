// The end-of-game tune: a bright flourish in A major, the game tune's key
// turned to major, under ten seconds with its final chord ringing out. Over
// the band's first chord the trumpet plays the game tune's opening figure,
// in major, high and in its rocking rhythm, and goes on with its second
// bar; a glockenspiel rings in thirds and sixths over it, two horns hold
// the chords, and the line grows bar by bar, through the dominant's
// dominant and a broadening, to the tonic's six-four, the tune at its
// highest, leaning on the dominant's seventh as the timpani roll and
// swell; the cadence turns aside to F sharp minor, held over the timpani's
// roll, the dominant's seventh comes again, and the tonic is struck, short,
// with the crash, the piece's only cymbal: the loudest
// moment, the crash and the harp ringing on to the end.
// No part climbs above C7 or plays harder than velocity 100, so it rings
// rather than shrieks.
#include "band.h"
#include "end_tune_playing.h"
#include "tunes.h"
#include "voice_leading.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>

namespace belvane::sound {

namespace {

using namespace end_tune_score;

// The velocity of stroke `i` of `strokes` in a roll swelling from `from` to
// `to`, the sticks a little uneven.
std::uint8_t RollVelocity(int from, int to, std::uint32_t i, std::uint32_t strokes)
{
    return static_cast<std::uint8_t>(from + (to - from) * static_cast<int>(i) / static_cast<int>(strokes - 1) +
                                     (i % 2 == 0 ? kRollUneven : -kRollUneven));
}

} // namespace

std::vector<MidiTrack> ComposeEndTune()
{
    MidiTrack conductor;
    conductor.Name(0, "bump");
    // The upbeat's bar, two eighths, then the tune's bars.
    conductor.TimeSignature(0, 2, 3);
    conductor.TimeSignature(kEndTuneUpbeat, 6, 3);
    conductor.KeySignature(0, 3, KeyMode::Major);
    conductor.Tempo(0, kMicrosPerQuarter);

    Band band(kParts, kAccompanists, kSeed);
    band.SetScale(MajorScale(9));
    // The lines up to the last bar, then the last chord played out, harder.
    const std::uint32_t firstBar = kEndTuneUpbeat;
    const std::uint32_t lastBar = firstBar + (kChords.size() - 1) * kSixEight.barTicks();
    for (std::uint32_t i = 0; i < kCall.size(); ++i) {
        band.Track(kTrumpet).Note(i * kCallTicks, kTrumpet, kCall[i], kCallVelocity[i], kCallTicks - kCallGap);
        band.Track(kSecondTrumpet)
            .Note(i * kCallTicks, kSecondTrumpet, kCallUnder[i],
                  static_cast<std::uint8_t>(kCallVelocity[i] + kCallUnderLevel), kCallTicks - kCallGap);
        band.Track(kTimpani).Note(i * kCallTicks, kTimpani, kCallDrum, kCallDrumVelocity[i], kCallTicks);
    }
    const int lastPlace = kLinePlace + static_cast<int>(kChords.size() - 1);
    for (const auto &[line, voice] : {std::pair{&kMelody, kTrumpetLead}, std::pair{&kSecond, kBellsSecond}}) {
        const std::span<const std::string_view> bars(*line);
        Voice call = voice;
        call.velocity = static_cast<std::uint8_t>(voice.velocity + (voice.channel == kTrumpet ? kCallAccent : 0));
        const std::uint32_t second = PlayLine(band.Track(voice.channel), call, kSixEightFine, firstBar, bars.first(1),
                                              band.Players(), kLinePlace);
        Voice climb = voice;
        if (voice.channel == kTrumpet) {
            climb.velocity = static_cast<std::uint8_t>(voice.velocity + kLeadClimbFrom);
            climb.swell = kLeadClimbSwell;
        }
        PlayLine(band.Track(voice.channel), climb, kSixEightFine, second, bars.subspan(1, bars.size() - 2),
                 band.Players(), kLinePlace + 1);
        // The last chord and its stroke land on the beat.
        Voice out = voice;
        out.spread = 0;
        out.velocity =
            static_cast<std::uint8_t>(voice.velocity + (voice.channel == kTrumpet ? kFinalAccent : kBellsClimax));
        PlayLine(band.Track(voice.channel), out, kSixEightFine, lastBar, bars.last(1), band.Players(), lastPlace);
        out.velocity = static_cast<std::uint8_t>(voice.velocity +
                                                 (voice.channel == kTrumpet ? kButtonAccent : kSecondFinalAccent));
        PlayLine(band.Track(voice.channel), out, kSixEightFine, lastBar + kSixEight.barTicks(),
                 voice.channel == kTrumpet ? kButton : kBellsButton, band.Players(), lastPlace);
    }
    {
        Voice thirds = kSecondTrumpetVoice;
        thirds.velocity = static_cast<std::uint8_t>(thirds.velocity + kThirdsLevel);
        PlayLine(band.Track(kSecondTrumpet), thirds, kSixEightFine, firstBar + kThirdsFrom * kSixEight.barTicks(),
                 kSecondTrumpetThirds, band.Players(), kLinePlace + static_cast<int>(kThirdsFrom));
        Voice close = kSecondTrumpetVoice;
        close.velocity = static_cast<std::uint8_t>(close.velocity + kSecondTrumpetCloseLevel);
        PlayLine(band.Track(kSecondTrumpet), close, kSixEightFine, lastBar, kSecondTrumpetClose, band.Players(),
                 lastPlace);
        Voice out = kSecondTrumpetVoice;
        out.velocity = static_cast<std::uint8_t>(out.velocity + kSecondTrumpetButtonAccent);
        PlayLine(band.Track(kSecondTrumpet), out, kSixEightFine, lastBar + kSixEight.barTicks(), kSecondTrumpetButton,
                 band.Players(), lastPlace);
    }
    // The horns up to the last stroke, then their chord played out, so the
    // middle of the band holds up under the trumpet.
    const std::uint32_t lastStroke = lastBar + kSixEight.barTicks();
    for (const auto &[line, voice] : {std::pair{std::span<const std::string_view>(kHornUpper), kHornsHeld},
                                      std::pair{std::span<const std::string_view>(kHornLower), kHornsHeld}}) {
        PlayLine(band.Track(voice.channel), voice, kSixEightFine, firstBar, line.first(line.size() - 2), band.Players(),
                 kLinePlace);
        // Over the six-four they come up with the trumpets, the band's climax.
        Voice climax = voice;
        climax.velocity = static_cast<std::uint8_t>(voice.velocity + kClimaxSupport);
        PlayLine(band.Track(voice.channel), climax, kSixEightFine, lastBar, line.subspan(line.size() - 2, 1),
                 band.Players(), lastPlace);
        Voice out = voice;
        out.velocity = static_cast<std::uint8_t>(voice.velocity + kStrokeSupport);
        PlayLine(band.Track(voice.channel), out, kSixEightFine, lastStroke, line.last(1), band.Players(), lastPlace);
    }
    {
        Voice out = kHornsHeld;
        out.velocity = static_cast<std::uint8_t>(out.velocity + kStrokeSupport);
        PlayLine(band.Track(kHorns), out, kSixEightFine, lastStroke, kThirdHorn, band.Players(), lastPlace);
    }
    for (std::uint32_t i = 0; i < kTongued.size(); ++i) {
        const auto [sixteenth, length] = kTongued[i];
        for (const Stab &note : kTonguedBrass) {
            band.Track(note.channel)
                .Note(lastStroke + sixteenth * kSixEightFine.ticksPerStep, note.channel, note.key,
                      static_cast<std::uint8_t>(note.velocity + kTonguedGrowth * static_cast<int>(i)),
                      length * kSixEightFine.ticksPerStep - kTonguedGap);
        }
    }
    for (const std::uint8_t wind : {kTrumpet, kSecondTrumpet, kHorns, kBass}) {
        const std::uint32_t settling = kTonguedFromSixteenth - kFadeFromSixteenth;
        for (std::uint32_t i = 0; i < settling; ++i) {
            const int value = 127 - (127 - kFadeTo) * static_cast<int>(i) / static_cast<int>(settling - 1);
            band.Track(wind).Controller(lastStroke + (kFadeFromSixteenth + i) * kSixEightFine.ticksPerStep, wind,
                                        kExpression, static_cast<std::uint8_t>(value));
        }
        const std::uint32_t growing = kButtonSixteenths - kBreathSixteenths - kTonguedFromSixteenth;
        for (std::uint32_t i = 1; i <= growing; ++i) {
            const int value = kFadeTo + (127 - kFadeTo) * static_cast<int>(i) / static_cast<int>(growing);
            band.Track(wind).Controller(lastStroke + (kTonguedFromSixteenth + i - 1) * kSixEightFine.ticksPerStep, wind,
                                        kExpression, static_cast<std::uint8_t>(value));
        }
        band.Track(wind).Controller(lastStroke + kButtonSixteenths * kSixEightFine.ticksPerStep, wind, kExpression,
                                    127);
    }
    // The run into the last chord broadens in steps, and the chord with it.
    for (const auto &[sixteenths, percent] : kBroadening) {
        conductor.Tempo(lastBar + sixteenths * kSixEightFine.ticksPerStep, kMicrosPerQuarter * percent / 100);
    }
    conductor.Tempo(lastBar + kSixEight.barTicks(), kMicrosPerQuarter * kButtonBroadening / 100);
    // The six-four is held its beat, and its roll rings as long.
    const std::uint32_t beat = kSixEight.barTicks() / 2;
    band.SetClosingTicks(beat, beat);
    band.SetChordLevel(kAfterbeatLift);
    band.SetChordCeiling(kAfterbeatCeiling);
    // The pizzicato's chords keep clear of the notes the trumpet leans on,
    // and of the horns' passing dominant over the tonic in the second bar:
    // plucked under the horns' G#, their A smudged it.
    const std::array<std::uint8_t, 2> lead = {kTrumpet, kHorns};
    band.SetMelody(NotesOf(band.Tracks(conductor, lastBar), lead));
    std::uint32_t now = firstBar;
    for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
        const bool last = bar + 1 == kChords.size();
        band.SetLevel(kLevels[bar]);
        band.SetBassLevel(bar < kLightTubaBars            ? kLightTuba
                              : bar + 2 == kChords.size() ? kClimbingTuba
                              : last                      ? kSixFourTuba
                                                          : 0);
        // The bass goes on up through D# a semitone to the dominant's E
        // under the six-four, strikes it again under the seventh and falls
        // a fifth to the lowest A of the tune with the last stroke.
        band.SetWalk(bar + 2 < kChords.size());
        if (bar == kTurningBar) {
            band.WriteBass(kTurningBass.front());
        }
        if (bar >= kClimbFrom && bar - kClimbFrom < kClimbingBass.size()) {
            band.WriteBass(kClimbingBass[bar - kClimbFrom]);
            for (std::uint32_t i = 0; i < 2; ++i) {
                const std::size_t pluck = 2 * (bar - kClimbFrom) + i;
                if (pluck < kClimbingPluck.size()) {
                    band.Track(kPizzicato)
                        .Note(now + i * beat, kPizzicato, kClimbingPluck[pluck], kClimbingPluckVelocity, kPluckTicks);
                }
            }
        }
        const Accompaniment style = last ? Accompaniment::Closing : Accompaniment::Tarantella;
        band.AccompanyBar(now, kChords[bar], style, kChords[last ? bar : bar + 1]);
        if (bar == 0) {
            // The first downbeat is struck at once by the whole band: the
            // harp sweeps up the tonic chord over the timpani.
            band.Track(kTimpani).Note(now, kTimpani, kTimpaniTonic, kFirstHitVelocity, kSixEight.barTicks() / 2);
            for (std::uint32_t i = 0; i < kFirstChord.size(); ++i) {
                // The notes over the trumpet ring a beat.
                const bool over = kFirstChord[i] > kFirstChord[kFirstChord.size() / 2];
                band.Track(kHarp).Note(now + i * kFirstRollTicks, kHarp, kFirstChord[i], kFirstChordVelocity,
                                       over ? kSixEight.barTicks() / 2 : kFirstChordTicks);
            }
        }
        if (bar == kRollingBar) {
            for (std::uint32_t i = 0; i < kRollingChord.size(); ++i) {
                band.Track(kHarp).Note(now + beat + i * kFirstRollTicks, kHarp, kRollingChord[i], kRollingVelocity,
                                       beat - i * kFirstRollTicks);
            }
        }
        if (bar == kLeaningBar) {
            // Under the call's repeated E the harp runs up the chord, damped
            // before it rolls the D chord of the second beat.
            for (std::uint32_t i = 0; i < kCallHarp.size(); ++i) {
                band.Track(kHarp).Note(now + i * kSixEightFine.ticksPerStep, kHarp, kCallHarp[i], kCallHarpVelocity,
                                       (kCallHarp.size() - i + 1) * kSixEightFine.ticksPerStep);
            }
            for (std::uint32_t i = 0; i < kLeaningChord.size(); ++i) {
                band.Track(kHarp).Note(now + beat + i * kFirstRollTicks, kHarp, kLeaningChord[i], kLeaningVelocity,
                                       beat - i * kFirstRollTicks);
            }
        }
        if (bar + 2 == kChords.size()) {
            // The drum strikes the B7 with its bass, a downbeat the band
            // leans on, where on the second beat it was a stray weak hit;
            // the harp sweeps up the chord into the six-four.
            band.Track(kTimpani).Note(now, kTimpani, kTimpaniApproach, kApproachVelocity, beat);
            for (std::uint32_t i = 0; i < kSweep.size(); ++i) {
                band.Track(kHarp).Note(now + kSweepFrom + i * kSweepTicks, kHarp, kSweep[i],
                                       static_cast<std::uint8_t>(kSweepVelocity + 2 * i),
                                       kSixEight.barTicks() - kSweepFrom - i * kSweepTicks);
            }
        }
        if (last) {
            // The arrival on the six-four: the drum on its bass, E, the
            // cymbal kept for the last stroke; then the seventh over the
            // same E.
            band.Track(kTimpani).Note(now, kTimpani, kTimpaniDominant, kLastDrumVelocity, beat);
            band.Track(kBass).Note(now + beat, kBass, kSeventhBass, kSeventhBassVelocity, kHeldTicks - beat);
            for (std::uint32_t i = 0; i < kSeventhChord.size(); ++i) {
                band.Track(kHarp).Note(now + beat + i * kFirstRollTicks, kHarp, kSeventhChord[i], kSeventhVelocity,
                                       kHeldTicks - beat - i * kFirstRollTicks);
            }
            for (const std::uint8_t key : kSeventhPluck) {
                band.Track(kPizzicato).Note(now + beat, kPizzicato, key, kSeventhVelocity, kPluckTicks);
                band.Track(kPizzicato)
                    .Note(now + beat + kSeventhAfterbeat, kPizzicato, key, kSeventhVelocity + 6, kPluckTicks);
            }
            for (std::uint32_t i = 0; i < kRollStrokes; ++i) {
                band.Track(kTimpani).Note(now + beat + i * kRollTicks, kTimpani, kTimpaniDominant,
                                          RollVelocity(kSwellFrom, kSwellTo, i, kRollStrokes), kRollTicks);
            }
            // The arrival, a bar on: the drum on F# alone, rolling on under
            // the held chord, the bass, the pizzicato short and the harp's
            // chord rolled, all but the drum let go with the winds for the
            // breath; then the last stroke, the harp's chord rolled again,
            // quickly, with the band, and left to ring with the crash, the
            // bells and the drum.
            const std::uint32_t stroke = now + kSixEight.barTicks();
            const std::uint32_t ringing = kRingingTicks - kSixEight.barTicks();
            // Where the ringing lets go, a beat before the file ends.
            const std::uint32_t letGo = stroke + ringing + kTailTicks;
            band.Track(kTimpani).Note(stroke, kTimpani, kArrivalDrum, kButtonDrumVelocity, kRollTicks);
            // The roll's first third falls back, the rest grows; an even
            // number of strokes each way keeps the sticks alternating.
            const std::uint32_t ebb = kHeldRollStrokes / 6 * 2;
            for (std::uint32_t i = 1; i <= kHeldRollStrokes; ++i) {
                const std::uint8_t velocity = i <= ebb
                    ? RollVelocity(kHeldRollFrom, kHeldRollLow, i - 1, ebb)
                    : RollVelocity(kHeldRollLow, kHeldRollTo, i - ebb - 1, kHeldRollStrokes - ebb);
                const std::uint32_t at = stroke + i * kRollTicks;
                band.Track(kTimpani).Note(at, kTimpani, at < stroke + beat ? kArrivalDrum : kTimpaniDominant, velocity,
                                          kRollTicks);
            }
            const std::uint32_t release = stroke + kButtonSixteenths * kSixEightFine.ticksPerStep;
            band.Track(kTimpani).Note(release, kTimpani, kTimpaniTonic, kClosingStrokeVelocity, letGo - release);
            band.Percussion(release, kClosingCrash, kClosingCrashVelocity, letGo - release);
            for (const Stab &bell : kClosingBells) {
                band.Track(kBells).Note(release, kBells, bell.key, bell.velocity, letGo - release);
            }
            const std::uint32_t held = kButtonBrassSixteenths * kSixEightFine.ticksPerStep;
            band.Track(kBass).Note(release, kBass, kButtonBass, kClosingBassVelocity, held);
            for (const Stab &stab : kClosingBrass) {
                band.Track(stab.channel).Note(release, stab.channel, stab.key, stab.velocity, held);
            }
            const std::uint32_t fading = kButtonBrassSixteenths - 1 - kButtonFadeFrom;
            for (const std::uint8_t wind : {kTrumpet, kSecondTrumpet, kHorns, kBass}) {
                for (std::uint32_t i = 1; i <= fading; ++i) {
                    const int value = 127 - (127 - kButtonFadeTo) * static_cast<int>(i) / static_cast<int>(fading);
                    band.Track(wind).Controller(release + (kButtonFadeFrom + i - 1) * kSixEightFine.ticksPerStep, wind,
                                                kExpression, static_cast<std::uint8_t>(value));
                }
                band.Track(wind).Controller(letGo, wind, kExpression, 127);
            }
            for (const std::uint8_t key : kClosingPluck) {
                band.Track(kPizzicato).Note(release, kPizzicato, key, kClosingPluckVelocity, kPluckTicks);
            }
            band.Track(kBass).Note(stroke, kBass, kArrivalBass, kButtonBassVelocity, beat);
            band.Track(kBass).Note(stroke + beat, kBass, kPickupBass, kButtonBassVelocity, kButtonTicks - beat);
            for (std::uint32_t i = 0; i < kPickupHarp.size(); ++i) {
                band.Track(kHarp).Note(stroke + beat + i * kFirstRollTicks, kHarp, kPickupHarp[i], kButtonHarpVelocity,
                                       kButtonTicks - beat - i * kFirstRollTicks);
            }
            for (const std::uint8_t key : kArrivalPluck) {
                band.Track(kPizzicato).Note(stroke, kPizzicato, key, kArrivalPluckVelocity, kPluckTicks);
            }
            for (std::uint32_t i = 0; i < kArrivalHarp.size(); ++i) {
                band.Track(kHarp).Note(stroke + i * kFirstRollTicks, kHarp, kArrivalHarp[i], kButtonHarpVelocity,
                                       beat - i * kFirstRollTicks);
            }
            for (std::uint32_t i = 0; i < kButtonHarp.size(); ++i) {
                band.Track(kHarp).Note(release + i * kClosingRollTicks, kHarp, kButtonHarp[i], kClosingHarpVelocity,
                                       letGo - release - i * kClosingRollTicks);
            }
        }
        now += kSixEight.barTicks();
    }
    return band.Tracks(conductor, lastBar + kRingingTicks + kTailTicks + kEchoTicks);
}

} // namespace belvane::sound
