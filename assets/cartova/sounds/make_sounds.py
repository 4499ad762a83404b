"""Writes Cartova's four wave files: python3 make_sounds.py"""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "..", "tools"))
from synth import at, envelope, join, mix, noise, pluck, silence, tone, write  # noqa: E402


def card_snap(seed):
    """One card landing on the felt: a short filtered rustle."""
    return envelope(noise(0.045, 0.7, seed=seed, smooth=0.35), attack=0.002, decay=0.02,
                    sustain=0.4, release=0.02)


def cards():
    # A quick riffle of five cards.
    return mix(*[at(i * 0.055, card_snap(10 + i)) for i in range(5)])


def click():
    # The Deal button: a short wooden tick.
    return mix(pluck(tone(1800, 0.03, volume=0.5), tau=0.006),
               pluck(noise(0.02, 0.4, seed=3, smooth=0.2), tau=0.004))


def coin(freq, seed):
    ring = pluck(tone(freq, 0.25, volume=0.5, harmonics=(1.0, 0.0, 0.45, 0.0, 0.2)), tau=0.07)
    return mix(ring, pluck(noise(0.01, 0.3, seed=seed), tau=0.003))


def money():
    # Coins dropping into the tray.
    return mix(at(0.0, coin(2093, 1)), at(0.07, coin(2637, 2)), at(0.15, coin(2349, 3)))


def great():
    # A bright rising fanfare.
    notes = [(523.25, 0.11), (659.25, 0.11), (783.99, 0.11), (1046.5, 0.4)]
    parts = [envelope(tone(f, d, shape="triangle", volume=0.5, harmonics=(1.0, 0.3, 0.15)),
                      attack=0.005, decay=0.05, sustain=0.8, release=0.06) for f, d in notes]
    return join(*parts, silence(0.03))


if __name__ == "__main__":
    write(os.path.join(here, "cards.wav"), cards())
    write(os.path.join(here, "click.wav"), click())
    write(os.path.join(here, "money.wav"), money())
    write(os.path.join(here, "great.wav"), great())
