# SPDX-License-Identifier: MIT
"""An impostor of the carried faces, installed as a system font by a
fontconfig configuration that leaves the system's own Inter out: DejaVu Sans
Bold under Inter Black's names (IDs 1-6, 16, 17), weight 900, vendor RSMS,
version 99, upright and italic.   impostor.py OUTDIR"""
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
