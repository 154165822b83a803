#!/usr/bin/env python3
"""Makes the program's six sound clips (PCM WAV, 44,100 Hz, 16 bits).

    python3 assets/sounds/generate_sounds.py [OUTPUT_FOLDER]

The chime and the click are synthesized here; the four spoken clips are
spoken by espeak-ng and trimmed, resampled and levelled with sox. The clips
are committed beside this script, so building the program needs neither tool.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 44100
PEAK = 0.7 * 32767


def write_wav(path, channels, frames):
    with wave.open(path, "wb") as out:
        out.setnchannels(channels)
        out.setsampwidth(2)
        out.setframerate(RATE)
        data = bytearray()
        for frame in frames:
            for sample in frame:
                data += struct.pack("<h", max(-32767, min(32767, int(sample))))
        out.writeframes(bytes(data))


def chime():
    """Two soft bell tones, a fifth apart, the second slightly to the right."""
    length = int(0.71 * RATE)
    frames = []
    for n in range(length):
        t = n / RATE
        first = math.sin(2 * math.pi * 880 * t) + 0.3 * math.sin(2 * math.pi * 1760 * t)
        first *= math.exp(-6 * t)
        t2 = t - 0.16
        second = 0.0
        if t2 >= 0:
            second = math.sin(2 * math.pi * 659.25 * t2) + 0.3 * math.sin(2 * math.pi * 1318.5 * t2)
            second *= math.exp(-5 * t2)
        fade = min(1.0, (length - n) / (0.03 * RATE))
        left = (0.6 * first + 0.4 * second) * fade
        right = (0.4 * first + 0.6 * second) * fade
        frames.append((left * PEAK * 0.8, right * PEAK * 0.8))
    return frames


def click():
    """A 50 ms tick: a short decaying burst at 2.4 kHz."""
    length = int(0.05 * RATE)
    frames = []
    for n in range(length):
        t = n / RATE
        frames.append((math.sin(2 * math.pi * 2400 * t) * math.exp(-120 * t) * PEAK,))
    return frames


def spoken(text, speed, path):
    with tempfile.TemporaryDirectory() as work:
        raw = os.path.join(work, "raw.wav")
        subprocess.run(["espeak-ng", "-v", "en-us", "-s", str(speed), "-w", raw, text], check=True)
        subprocess.run(["sox", raw, "-r", str(RATE), "-b", "16", "-c", "1", path,
                        "silence", "1", "0.02", "0.5%", "reverse",
                        "silence", "1", "0.02", "0.5%", "reverse",
                        "norm", "-3", "pad", "0.05", "0.1"], check=True)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    write_wav(os.path.join(folder, "clip1_chime.wav"), 2, chime())
    spoken("Battery low", 190, os.path.join(folder, "clip2_battery_low.wav"))
    spoken("Battery fully charged", 124, os.path.join(folder, "clip3_fully_charged.wav"))
    spoken("Battery discharging", 130, os.path.join(folder, "clip4_discharging.wav"))
    spoken("Battery charging", 131, os.path.join(folder, "clip5_charging.wav"))
    write_wav(os.path.join(folder, "clip6_click.wav"), 1, click())


if __name__ == "__main__":
    main()
