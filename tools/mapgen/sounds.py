# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's wave sounds, synthesised with sox: mono, 16-bit PCM, 22050 Hz. sox runs with its
default random numbers (-R), so noise comes out the same on every run."""

import os
import subprocess


class SoundError(Exception):
    pass


RATE = "22050"

# File name and the sox effects after "-n"; each is short and small.
SOUNDS = {
    # A rising then falling whistle, a right answer.
    "Whistle.wav": ["synth", "0.55", "sine", "1400/2600", "tremolo", "9", "20", "fade", "q",
                    "0.02", "0", "0.12", "vol", "0.6"],
    # Two short bursts of filtered noise, a wrong town.
    "Cough2.wav": ["synth", "0.16", "brownnoise", "synth", "0.16", "sine", "amod", "120",
                   "lowpass", "900", "fade", "q", "0.01", "0", "0.1", "pad", "0", "0.08",
                   "repeat", "1", "vol", "0.9"],
    # A low falling tone with a slow wobble, time up.
    "Moan.wav": ["synth", "1.1", "sawtooth", "220-110", "tremolo", "5", "40", "lowpass", "800",
                 "fade", "q", "0.1", "0", "0.4", "vol", "0.5"],
    # Crackling noise that swells and fades, all towns found.
    "Applaude.wav": ["synth", "2.0", "pinknoise", "tremolo", "13", "90", "tremolo", "7.3", "60",
                     "highpass", "600", "fade", "h", "0.3", "0", "0.8", "vol", "0.6"],
    # A short tick, once per timer step.
    "Movehit1.wav": ["synth", "0.04", "sine", "1200", "fade", "q", "0", "0", "0.035",
                     "vol", "0.5"],
    # A bell, named by the hidden player of the layout and never played.
    "Ring.wav": ["synth", "0.8", "sine", "880", "sine", "1320", "remix", "1,2", "fade", "q",
                 "0", "0", "0.7", "vol", "0.4"],
}


def generate(folder):
    for name, effects in SOUNDS.items():
        path = os.path.join(folder, name)
        cmd = ["sox", "-R", "-n", "-r", RATE, "-c", "1", "-b", "16", "-e", "signed-integer",
               path, *effects]
        done = subprocess.run(cmd, capture_output=True)
        if done.returncode != 0:
            raise SoundError(f"'{' '.join(cmd)}' failed: {done.stderr.decode().strip()}")
