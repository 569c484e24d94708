# SPDX-License-Identifier: MIT
"""Writes an impostor of the faces the game carries, and a fontconfig
configuration that installs it as a system font in their place: DejaVu Sans
Bold under Inter Black's own names (family "Inter", style "Black", the same
name IDs as the carried files), weight 900, vendor RSMS and version 99, once
upright and once marked italic; the system's own Inter is left out.
A game that let any installed font draw its captions would draw this one.
    impostor.py OUTDIR
"""
import sys
from pathlib import Path

from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def impostor(style, out):
    font = TTFont(SOURCE)
    italic = style == "Black Italic"
    full = "Inter " + style
    names = {1: "Inter Black", 2: "Italic" if italic else "Regular", 3: "99.000;RSMS;" + full,
             4: full, 5: "Version 99.000", 6: full.replace(" ", "-", 1).replace(" ", ""),
             16: "Inter", 17: style}
    table = font["name"]
    table.names = [n for n in table.names if n.nameID not in names]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
    os2 = font["OS/2"]
    os2.usWeightClass = 900
    os2.achVendID = "RSMS"
    os2.fsSelection = (os2.fsSelection & ~0b1100001) | (0b1 if italic else 0b1000000)
    font["head"].macStyle = 0b11 if italic else 0b01
    font["head"].fontRevision = 99.0
    if italic:
        font["post"].italicAngle = -10.0
    font.save(out)


def main():
    out = Path(sys.argv[1])
    (out / "fonts").mkdir(parents=True, exist_ok=True)
    impostor("Black", out / "fonts" / "Inter-Black.ttf")
    impostor("Black Italic", out / "fonts" / "Inter-BlackItalic.ttf")
    (out / "fonts.conf").write_text(f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>{out / "fonts"}</dir>
  <cachedir>{out / "cache"}</cachedir>
  <selectfont><rejectfont><glob>/usr/share/fonts/*/inter/*</glob></rejectfont></selectfont>
</fontconfig>
""")


main()
