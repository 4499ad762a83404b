"""Writes Kubolo's records sounds: app.wav when the end-of-game figures
appear, final.wav when a result enters the best five."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
import synth  # noqa: E402


def bell(freq, seconds, volume=0.5):
    note = synth.tone(freq, seconds, volume=volume, harmonics=(1.0, 0.5, 0.25, 0.12))
    return synth.pluck(synth.envelope(note, attack=0.004, decay=0.05, sustain=0.8, release=0.05), tau=0.18)


def app():
    # Two soft bells a fifth apart: the sheet is done, here are the figures.
    return synth.mix(bell(659.25, 0.45, 0.45), synth.at(0.12, bell(987.77, 0.45, 0.4)))


def final():
    # A rising arpeggio that lands on a bright chord with a little sparkle.
    notes = [523.25, 659.25, 783.99]
    run = synth.join(*[synth.join(bell(f, 0.11, 0.4), synth.silence(0.01)) for f in notes])
    chord = synth.mix(bell(1046.5, 0.5, 0.35), bell(1318.5, 0.5, 0.25), bell(783.99, 0.5, 0.25))
    sparkle = synth.pluck(synth.noise(0.25, volume=0.08, seed=7, smooth=0.2), tau=0.05)
    return synth.mix(synth.join(run, chord), synth.at(0.36, sparkle))


if __name__ == "__main__":
    synth.write(os.path.join(HERE, "app.wav"), app())
    synth.write(os.path.join(HERE, "final.wav"), final())
