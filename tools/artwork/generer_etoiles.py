#!/usr/bin/env python3
"""Writes the SVG sources of the six rating pictures (115x14, named after the rating texts).

The sheet view looks the picture up by the rating text plus ".bmp", ignoring letter case, so the
files are named exactly after the texts of the editor's rating list. Run it again after a change:

    /usr/bin/python3 tools/artwork/generer_etoiles.py
"""
import math
import os
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
SORTIE = os.path.join(ICI, "..", "..", "assets", "artwork")

NOMS = ["pas d'étoile", "1 étoile", "2 étoiles", "3 étoiles", "4 étoiles", "5 étoiles"]
LARGEUR, HAUTEUR = 115, 14
PAS = 19  # distance between star centres
FOND = "#f6eac8"  # the background of the card the picture sits in


def etoile(cx, cy, r_ext, r_int):
    points = []
    for i in range(10):
        r = r_ext if i % 2 == 0 else r_int
        a = math.radians(-90 + 36 * i)
        points.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return " ".join(points)


def image(pleines):
    premier = LARGEUR / 2 - 2 * PAS
    s = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{LARGEUR}" height="{HAUTEUR}" '
         f'viewBox="0 0 {LARGEUR} {HAUTEUR}">\n'
         '<defs><linearGradient id="or" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#ffd878"/><stop offset="1" stop-color="#d88a1c"/>'
         '</linearGradient></defs>\n'
         f'<rect width="{LARGEUR}" height="{HAUTEUR}" fill="{FOND}"/>\n')
    for i in range(5):
        pts = etoile(premier + i * PAS, 7.4, 6.6, 2.7)
        if i < pleines:
            s += f'<polygon points="{pts}" fill="url(#or)" stroke="#7a4421" stroke-width="0.9" stroke-linejoin="round"/>\n'
        else:
            s += f'<polygon points="{pts}" fill="#eadcb4" stroke="#a88456" stroke-width="0.9" stroke-linejoin="round"/>\n'
    return s + "</svg>\n"


def main():
    for pleines, nom in enumerate(NOMS):
        with open(os.path.join(SORTIE, f"{nom}.bmp.svg"), "w", encoding="utf-8") as f:
            f.write(image(pleines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
