#!/usr/bin/env python3
"""Lists the notes of a standard MIDI file bar by bar, part by part, so a
reader can go through a tune without a synthesiser.

Usage: dump_notes.py <file.mid>

Each bar shows every channel that sounds in it: the notes that start there as
<name><octave>/<sixteenths> with the velocity after a colon, '~' for a note
tied over from the bar before (with the sixteenths it still sounds in the
bar), and the onset's distance from the sixteenth grid in ticks when it is
off it (@+7, a tick being 1/480 of a quarter). A note starts when every note
before it on the line has stopped, unless it carries its place: [4]E3/4 starts
on sixteenth 4 of the bar (counted from 0) while earlier notes still ring, as
in a harp's let-ring figure or a voice entering under a held one. Rests
of a sixteenth or more (within a few ticks) are shown as r/<sixteenths>; a length is what sounds,
so a note lifted before the next reads a little short (5.8 for 6), and a
silence before the bar line ends the bar as a rest; notes
struck together are joined by '+', with '(spread)' when they are strummed or
rolled rather than struck at once, and each with its own length when they
are let go a sixteenth or more apart; a roll on one key in
thirty-seconds is listed stroke by stroke (/0.5). A first bar shorter than the rest (a
time signature that changes after it) is listed as the upbeat, and the bars are counted
from the downbeat after it. Markers name the sections; tempo changes
are shown where they fall. Standard library only."""
import struct
import sys

# Spelt as the tunes' keys need them: the leading note of A is G#, B flat is
# the Neapolitan's root, D# leads to the dominant; in a bar with F sharp and
# no F, B flat's key is A#, B minor's leading note.
NAMES = ['C', 'C#', 'D', 'D#', 'E', 'F', 'F#', 'G', 'G#', 'A', 'Bb', 'B']


def vlq(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, at


def read(path):
    data = open(path, 'rb').read()
    tpq = struct.unpack('>H', data[12:14])[0]
    at = 14
    notes, markers, names, programs, bar, tempos, track_end = [], [], {}, {}, None, [], 0
    upbeat = 0
    while at + 8 <= len(data):
        length = struct.unpack('>I', data[at + 4:at + 8])[0]
        end, at, tick, status, track_name = at + 8 + length, at + 8, 0, 0, None
        sounding = {}
        while at < end:
            delta, at = vlq(data, at)
            tick += delta
            if data[at] == 0xFF:
                kind = data[at + 1]
                size, at = vlq(data, at + 2)
                payload = data[at:at + size]
                at += size
                if kind == 0x06:
                    markers.append((tick, payload.decode('latin-1')))
                elif kind == 0x03:
                    track_name = payload.decode('latin-1')
                elif kind == 0x58 and (bar is None or tick == bar):
                    # A signature changing after the first bar's length
                    # makes that bar an upbeat.
                    upbeat, bar = (tick, tpq * 4 * payload[0] >> payload[1])
                elif kind == 0x51:
                    tempos.append((tick, int.from_bytes(payload, 'big')))
                continue
            if data[at] & 0x80:
                status = data[at]
                at += 1
            kind, channel = status & 0xF0, status & 0x0F
            if kind in (0xC0, 0xD0):
                if kind == 0xC0:
                    programs[channel] = data[at]
                at += 1
                continue
            key, velocity = data[at], data[at + 1]
            at += 2
            if track_name is not None:
                names.setdefault(channel, track_name)
            if kind == 0x90 and velocity > 0:
                sounding.setdefault((channel, key), []).append((tick, velocity))
            elif kind in (0x80, 0x90) and sounding.get((channel, key)):
                start, vel = sounding[(channel, key)].pop(0)
                notes.append((start, tick - start, channel, key, vel))
        at = end
        track_end = max(track_end, tick)
    return (tpq, bar or tpq * 3, sorted(tempos) or [(0, 500000)], sorted(notes), sorted(markers), names, programs,
            track_end, upbeat)


def name(key, sharps=False):
    spelt = 'A#' if sharps and key % 12 == 10 else NAMES[key % 12]
    return f'{spelt}{key // 12 - 1}'


def main():
    tpq, bar, tempos, notes, markers, names, programs, end_tick, upbeat = read(sys.argv[1])
    sixteenth = tpq // 4  # the unit: a sixteenth
    last = max(max(start + length for start, length, *_ in notes), end_tick)
    bars = -(-(last - upbeat) // bar)
    # Seconds to the file's end through the tempo changes.
    seconds, since, micros = 0.0, 0, 500000
    for tick, value in tempos + [(last, 0)]:
        seconds += (min(tick, last) - since) / tpq * micros / 1e6
        since, micros = min(tick, last), value
    before = f' after an upbeat of {upbeat // sixteenth} sixteenths' if upbeat else ''
    print(f'{sys.argv[1]}: {bars} bars of {bar // sixteenth} sixteenths{before}, {seconds:.2f} s; file ends at tick '
          f'{last} (bar {(last - upbeat) / bar + 1:.2f})')
    for channel in sorted({n[2] for n in notes}):
        keys = [n[3] for n in notes if n[2] == channel]
        print(f'  ch{channel:<2} {names.get(channel, "?"):<14} program {programs.get(channel, "-")}, '
              f'{name(min(keys))}..{name(max(keys))}')
    spans = [('upbeat', 0, upbeat)] if upbeat else []
    spans += [(f'bar {i + 1}', upbeat + i * bar, upbeat + (i + 1) * bar) for i in range(bars)]
    for label, begin, end in spans:
        for tick, text in markers:
            if begin <= tick < end:
                print(f'== {text} ==')
        print(label)
        sounding = {key % 12 for start, length, _, key, _ in notes if start < end and start + length > begin}
        sharps = 6 in sounding and 5 not in sounding
        for tick, micros in tempos:
            if begin <= tick < end and tick > 0:
                print(f'  (tempo from sixteenth {(tick - begin) // sixteenth}: dotted quarter = '
                      f'{60e6 / micros / 1.5:.1f})')
        for channel in sorted({n[2] for n in notes}):
            words, cursor, chords = [], begin, {}
            for start, length, ch, key, vel in notes:
                # A note belongs to the bar of its nearest grid point, so one
                # played a little early still reads as the next bar's.
                nearest = round(start / sixteenth) * sixteenth
                # A note played just before a bar line that also stops there
                # (a grace or the end of a glissando) belongs to the bar it
                # sounds in.
                if (nearest - upbeat) % bar == 0 and start < nearest and start + length <= nearest + sixteenth // 2:
                    nearest -= sixteenth
                # A key struck again a thirty-second after itself is a roll:
                # each stroke is its own word, on the thirty-second.
                half = sixteenth // 2
                if ch == channel and abs(start % sixteenth - half) <= sixteenth // 8 and any(
                        s == ch and k == key and start - sixteenth < t < start for t, _, s, k, _ in notes):
                    nearest = round(start / half) * half
                if ch != channel or nearest >= end or start + length <= begin:
                    continue
                if nearest < begin:
                    if start + length > begin + sixteenth // 2:
                        # With how long it still sounds in this bar, so that
                        # what follows it on the channel is placed.
                        held = (min(start + length, end) - begin) / sixteenth
                        words.append(f'~{name(key, sharps)}/{held:.2g}')
                        # Rests are counted from where the held note stops.
                        cursor = max(cursor, start + length)
                    continue
                chords.setdefault(nearest, []).append((key, length, vel, start))
            for grid, chord in sorted(chords.items()):
                start = min(n[3] for n in chord)
                # Whole sixteenths of silence are rests, counted a few ticks
                # generously, so that a note played a tick early does not
                # seem to come a sixteenth early.
                rest = (grid - cursor + sixteenth // 4) // sixteenth
                if rest > 0:
                    words.append(f'r/{rest}')
                shift = f'@{start - grid:+d}' if start != grid else ''
                # Entering while the line still sounds: the running count
                # cannot place it, so it says where it starts.
                place = f'[{(grid - begin) // sixteenth}]' if grid < cursor - sixteenth // 4 else ''
                length = max(n[1] for n in chord)
                if length - min(n[1] for n in chord) >= sixteenth:
                    # Voices struck together but let go apart (two lines
                    # on one channel) each show their own length.
                    keys = '+'.join(f'{name(n[0], sharps)}/{n[1] / sixteenth:.2g}' for n in sorted(chord))
                    spread = '(spread)' if max(n[3] for n in chord) != start else ''
                    words.append(f'{place}{keys}{spread}:{max(n[2] for n in chord)}{shift}')
                else:
                    keys = '+'.join(name(n[0], sharps) for n in sorted(chord))
                    if max(n[3] for n in chord) != start:
                        keys += '(spread)'
                    words.append(f'{place}{keys}/{length / sixteenth:.2g}:{max(n[2] for n in chord)}{shift}')
                cursor = max(cursor, grid + length)
            # A breath before the bar line shows too, as a rest that ends the bar.
            if words and chords:
                rest = (end - cursor + sixteenth // 4) // sixteenth
                if rest > 0:
                    words.append(f'r/{rest}')
            if words:
                print(f'  {names.get(channel, channel):<14} {" ".join(words)}')


if __name__ == '__main__':
    main()
