#!/usr/bin/env python3
"""The demo game's sounds, synthesised from plain tones.

    make_sounds.py GAME_FOLDER   writes pcm/chime.wav and midi/street.mid and
                                 copies mp3/station.mp3 and cdda/track02.ogg
                                 from sounds/ into the game folder (the build
                                 does this)
    make_sounds.py --encode      remakes sounds/station.mp3 and
                                 sounds/track02.ogg with lame and oggenc
                                 (Debian packages lame and vorbis-tools); the
                                 small results are kept in the repository

The MP3 piece and the CD track ("ripped" from a CD that never existed) are
rendered here as wave data and handed to the encoders.
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
RATE = 22050


def note_hz(midi_note):
    return 440.0 * 2 ** ((midi_note - 69) / 12)


def render(notes, seconds, volume=0.25):
    """Mixes (start s, length s, midi note, level) notes of a soft
    sine-and-overtone timbre into mono samples (floats)."""
    out = [0.0] * int(seconds * RATE)
    for start, length, note, level in notes:
        f = note_hz(note)
        first = int(start * RATE)
        count = int(length * RATE)
        for i in range(count):
            t = i / RATE
            envelope = min(1.0, t / 0.01) * math.exp(-3.0 * t / length)
            s = math.sin(2 * math.pi * f * t) + 0.3 * math.sin(4 * math.pi * f * t)
            j = (first + i) % len(out)  # wraps round, so the piece loops seamlessly
            out[j] += volume * level * envelope * s
    return out


def write_wave(path, samples):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767))))
                               for s in samples))


def chime():
    # Two bell-like strokes, as a station's announcement chime.
    return render([(0.0, 0.9, 88, 1.0), (0.45, 1.0, 84, 1.0)], 1.5, 0.35)


def station_piece():
    # A looping arpeggio over C, A minor, F and G, 6 seconds.
    chords = [[60, 64, 67, 71], [57, 60, 64, 67], [53, 57, 60, 64], [55, 59, 62, 67]]
    notes = []
    for bar, chord in enumerate(chords):
        for step in range(8):
            notes.append((bar * 1.5 + step * 0.1875, 0.6, chord[step % 4] + (12 if step >= 4 else 0), 0.8))
        notes.append((bar * 1.5, 1.5, chord[0] - 12, 0.7))
    return render(notes, 6.0)


def cd_track():
    # A slow melody over a bass line, 8 seconds.
    melody = [72, 74, 76, 79, 77, 76, 74, 72, 71, 72, 74, 72, 69, 71, 72, 72]
    bass = [48, 45, 41, 43]
    notes = [(i * 0.5, 0.9, n, 0.9) for i, n in enumerate(melody)]
    notes += [(i * 2.0, 2.0, n, 0.8) for i, n in enumerate(bass)]
    return render(notes, 8.0)


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def street_midi():
    """A format-0 Standard MIDI file: a flute melody over a plucked bass, 8
    bars at 100 beats a minute."""
    ticks = 480
    events = []  # (tick, bytes)
    events.append((0, b"\xff\x51\x03" + (600000).to_bytes(3, "big")))  # 100 bpm
    events.append((0, bytes([0xC0, 73])))  # channel 1: flute
    events.append((0, bytes([0xC1, 45])))  # channel 2: pizzicato strings
    melody = [67, 69, 71, 74, 72, 71, 69, 67, 64, 67, 69, 67, 66, 67, 69, 71,
              72, 71, 69, 67, 69, 71, 72, 74, 71, 69, 67, 66, 67, 67, 67, 67]
    for i, note in enumerate(melody):
        events.append((i * ticks, bytes([0x90, note, 80])))
        events.append((i * ticks + ticks - 40, bytes([0x80, note, 0])))
    bass = [43, 40, 36, 38, 43, 40, 36, 38]
    for bar, note in enumerate(bass):
        for beat in range(4):
            tick = (bar * 4 + beat) * ticks
            events.append((tick, bytes([0x91, note + (12 if beat % 2 else 0), 70])))
            events.append((tick + ticks // 2, bytes([0x81, note + (12 if beat % 2 else 0), 0])))
    events.sort(key=lambda e: (e[0], e[1][0] & 0xF0 == 0x90))  # note-offs first
    track = b""
    last = 0
    for tick, data in events:
        track += vlq(tick - last) + data
        last = tick
    track += vlq(len(melody) * ticks - last) + b"\xff\x2f\x00"
    return (b"MThd" + struct.pack(">IHHH", 6, 0, 1, ticks) +
            b"MTrk" + struct.pack(">I", len(track)) + track)


def encode():
    sounds = os.path.join(HERE, "sounds")
    with tempfile.TemporaryDirectory() as tmp:
        station = os.path.join(tmp, "station.wav")
        track = os.path.join(tmp, "track02.wav")
        write_wave(station, station_piece())
        write_wave(track, cd_track())
        subprocess.run(["lame", "--quiet", "--noreplaygain", "-b", "32", station,
                        os.path.join(sounds, "station.mp3")], check=True)
        subprocess.run(["oggenc", "--quiet", "-q", "-1", "-o",
                        os.path.join(sounds, "track02.ogg"), track], check=True)


def build(game):
    write_wave(os.path.join(game, "pcm", "chime.wav"), chime())
    os.makedirs(os.path.join(game, "midi"), exist_ok=True)
    with open(os.path.join(game, "midi", "street.mid"), "wb") as f:
        f.write(street_midi())
    for folder, name in (("mp3", "station.mp3"), ("cdda", "track02.ogg")):
        os.makedirs(os.path.join(game, folder), exist_ok=True)
        shutil.copyfile(os.path.join(HERE, "sounds", name), os.path.join(game, folder, name))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if sys.argv[1] == "--encode":
        encode()
    else:
        build(sys.argv[1])
