# SPDX-License-Identifier: MIT
"""Writes a picture of KWin's screen to argv[1], as a PPM file, through
org.kde.KWin.ScreenShot2 (there only when KWin composites with OpenGL, and
open to any caller only with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1)."""
import os
import sys

import dbus

bus = dbus.SessionBus()
shooter = dbus.Interface(bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2"),
                         "org.kde.KWin.ScreenShot2")
read_end, write_end = os.pipe()
reply = shooter.CaptureActiveScreen({"include-cursor": False, "native-resolution": True},
                                    dbus.types.UnixFd(write_end), timeout=10)
os.close(write_end)
width, height, stride = int(reply["width"]), int(reply["height"]), int(reply["stride"])
data = bytearray()
with os.fdopen(read_end, "rb") as pipe:
    while chunk := pipe.read(1 << 20):
        data += chunk
if len(data) < stride * height:
    sys.exit(f"KWin sent {len(data)} bytes of a {width} x {height} picture")
# QImage's 32-bit formats: blue, green, red, alpha in memory.
rgb = bytearray()
for y in range(height):
    row = data[y * stride:y * stride + 4 * width]
    for b, g, r in zip(row[0::4], row[1::4], row[2::4]):
        rgb += bytes((r, g, b))
with open(sys.argv[1], "wb") as out:
    out.write(b"P6\n%d %d\n255\n" % (width, height) + rgb)
