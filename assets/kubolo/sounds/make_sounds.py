"""Writes Kubolo's wave files: tada.wav, the fanfare of five equal dice."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
import synth  # noqa: E402


def brass(freq, seconds, volume=0.5):
    note = synth.tone(freq, seconds, volume=volume, harmonics=(1.0, 0.6, 0.35, 0.2, 0.1))
    return synth.envelope(note, attack=0.012, decay=0.06, sustain=0.75, release=0.06)


def tada():
    # Two short pick-up notes, then a held major chord with a shimmer on top.
    pickup = synth.join(brass(523.25, 0.09), synth.silence(0.02), brass(659.25, 0.09))
    chord = synth.mix(brass(523.25, 0.55, 0.35), brass(659.25, 0.55, 0.3),
                      brass(783.99, 0.55, 0.3), brass(1046.5, 0.55, 0.2))
    shimmer = synth.pluck(synth.noise(0.3, volume=0.15, seed=3, smooth=0.3), tau=0.06)
    return synth.mix(synth.join(pickup, synth.silence(0.03), chord),
                     synth.at(0.23, shimmer))


if __name__ == "__main__":
    synth.write(os.path.join(HERE, "tada.wav"), tada())
