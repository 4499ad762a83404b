"""A tiny synthesiser for the games' short sounds (standard library only).

A sound is a list of float samples in -1..1 at RATE. Build it from tones,
sweeps and noise, shape it with an envelope, join or mix the pieces, and
write it as a 16-bit mono PCM wave file.
"""
import math
import random
import struct
import wave

RATE = 22050


def _n(seconds):
    return max(1, int(seconds * RATE))


def tone(freq, seconds, shape="sine", volume=0.6, harmonics=(1.0,)):
    """A steady note; harmonics weights the overtones 1f, 2f, 3f..."""
    out = []
    for i in range(_n(seconds)):
        t = i / RATE
        v = 0.0
        for k, w in enumerate(harmonics, start=1):
            phase = 2 * math.pi * freq * k * t
            if shape == "square":
                v += w * (1.0 if math.sin(phase) >= 0 else -1.0)
            elif shape == "triangle":
                v += w * (2 / math.pi) * math.asin(math.sin(phase))
            else:
                v += w * math.sin(phase)
        out.append(volume * v / sum(harmonics))
    return out


def sweep(f0, f1, seconds, volume=0.6):
    """A sine gliding from f0 to f1 (exponentially)."""
    out, phase = [], 0.0
    n = _n(seconds)
    for i in range(n):
        f = f0 * (f1 / f0) ** (i / n)
        phase += 2 * math.pi * f / RATE
        out.append(volume * math.sin(phase))
    return out


def noise(seconds, volume=0.5, seed=1, smooth=0.0):
    """White noise, low-passed by smooth in 0..1."""
    rnd = random.Random(seed)
    out, last = [], 0.0
    for _ in range(_n(seconds)):
        last = smooth * last + (1 - smooth) * rnd.uniform(-1, 1)
        out.append(volume * last)
    return out


def envelope(samples, attack=0.005, decay=0.05, sustain=0.7, release=0.05):
    """Attack-decay-sustain-release, times in seconds."""
    n = len(samples)
    a, d, r = _n(attack), _n(decay), _n(release)
    out = []
    for i, s in enumerate(samples):
        if i < a:
            g = i / a
        elif i < a + d:
            g = 1 - (1 - sustain) * (i - a) / d
        else:
            g = sustain
        if i > n - r:
            g *= max(0.0, (n - i) / r)
        out.append(s * g)
    return out


def pluck(samples, tau=0.08):
    """A sharp start that dies away exponentially."""
    return [s * math.exp(-i / (tau * RATE)) for i, s in enumerate(samples)]


def silence(seconds):
    return [0.0] * _n(seconds)


def join(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def mix(*parts):
    n = max(len(p) for p in parts)
    return [sum(p[i] for p in parts if i < len(p)) for i in range(n)]


def at(offset, samples):
    """The samples delayed by offset seconds (for mix)."""
    return silence(offset) + samples


def write(path, samples, peak=0.9):
    top = max(1e-9, max(abs(s) for s in samples))
    scale = min(1.0, peak / top)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(
            struct.pack("<h", int(max(-1.0, min(1.0, s * scale)) * 32767)) for s in samples))
