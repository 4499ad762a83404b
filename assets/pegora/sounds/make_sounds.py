"""Writes Pegora's sounds: drop.wav (a peg set into its hole) and win.wav
(the code is broken). Run: python3 make_sounds.py"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from synth import envelope, join, mix, at, noise, pluck, sweep, tone, write  # noqa: E402


def drop():
    # A soft wooden tap: a short low knock, a touch of body and a whisper of noise.
    knock = pluck(sweep(420, 180, 0.09, volume=0.7), tau=0.018)
    body = pluck(tone(260, 0.09, harmonics=(1.0, 0.3, 0.1), volume=0.35), tau=0.03)
    tick = pluck(noise(0.02, volume=0.25, seed=7, smooth=0.6), tau=0.004)
    return mix(knock, body, tick)


def win():
    # A bright rising arpeggio that lands on a held chord.
    def note(freq, seconds, volume=0.5):
        return envelope(tone(freq, seconds, harmonics=(1.0, 0.45, 0.2, 0.1), volume=volume),
                        attack=0.004, decay=0.06, sustain=0.55, release=0.05)

    c5, e5, g5, c6 = 523.25, 659.25, 783.99, 1046.5
    run = join(note(c5, 0.09), note(e5, 0.09), note(g5, 0.09))
    chord = mix(note(c6, 0.42, 0.45), note(g5, 0.42, 0.3), note(e5, 0.42, 0.25))
    return mix(run, at(0.27, chord))


if __name__ == "__main__":
    write(os.path.join(HERE, "drop.wav"), drop(), peak=0.7)
    write(os.path.join(HERE, "win.wav"), win(), peak=0.8)
