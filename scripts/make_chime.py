#!/usr/bin/env python3
"""Makes the sound cue played after a set or restore: a short two-tone
chime, 22050 Hz, 16-bit mono, under a second.

Usage: make_chime.py OUT.wav
"""
import math
import struct
import sys

RATE = 22050
TONES = [(1318.5, 0.0), (1046.5, 0.16)]  # E6, then C6: (frequency, start in s)
LENGTH = 0.8


def sample(t):
    value = 0.0
    for freq, start in TONES:
        if t >= start:
            age = t - start
            attack = min(1.0, age / 0.005)  # no click at the onset
            value += 0.4 * attack * math.exp(-age * 6) * math.sin(2 * math.pi * freq * age)
    return value


def wav_bytes():
    frames = b"".join(struct.pack("<h", int(32767 * max(-1.0, min(1.0, sample(i / RATE)))))
                      for i in range(int(RATE * LENGTH)))
    fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 1, RATE, RATE * 2, 2, 16)
    data = struct.pack("<4sI", b"data", len(frames)) + frames
    return struct.pack("<4sI4s", b"RIFF", 4 + len(fmt) + len(data), b"WAVE") + fmt + data


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(wav_bytes())
