#!/usr/bin/env python3
"""Writes the SVG sources of the image buttons, three states each (normal, survol, enfonce).

The buttons share one look (leather plates with sand borders), so they are generated rather than
drawn one by one; the generated files are committed beside the hand-drawn artwork so a reviewer
can read them. Run it again after changing this script:

    /usr/bin/python3 tools/artwork/generer_boutons.py
"""
import os
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
SORTIE = os.path.join(ICI, "..", "..", "assets", "artwork", "interface", "boutons")

POLICE = "Liberation Sans"
ETATS = ("normal", "survol", "enfonce")

# Plate colours per state: gradient top, gradient bottom, border, top highlight,
# glyph colour, glyph shadow (colour, opacity).
PLAQUES = {
    "normal": ("#d6a56e", "#9c6434", "#321609", "#f0cf98", "#fff6e0", ("#341509", 0.65)),
    "survol": ("#f8dfae", "#d8a86c", "#3c1b0b", "#fffaf0", "#341509", ("#fffaf0", 0.7)),
    "enfonce": ("#6a3a1a", "#92592c", "#200c04", "#50280f", "#f6eac8", ("#1c0a03", 0.7)),
}

# Round buttons: ring, disc centre, disc edge, glyph.
RONDS = {
    "normal": ("#d8af72", "#7a4421", "#2a1006", "#f6eac8"),
    "survol": ("#ffe2a8", "#a4602c", "#3c1b0b", "#ffffff"),
    "enfonce": ("#a47a46", "#3c1b0b", "#1c0a03", "#d8af72"),
}


def entete(l, h):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{l}" height="{h}" '
            f'viewBox="0 0 {l} {h}">\n')


def plaque(l, h, etat, rayon):
    """A bevelled plate filling the whole button, pixel-aligned border."""
    haut, bas, bord, reflet, _, _ = PLAQUES[etat]
    s = ('<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
         f'<stop offset="0" stop-color="{haut}"/><stop offset="1" stop-color="{bas}"/>'
         '</linearGradient></defs>\n')
    s += (f'<rect x="0.5" y="0.5" width="{l - 1}" height="{h - 1}" rx="{rayon}" '
          f'fill="url(#g)" stroke="{bord}"/>\n')
    # Raised plates catch the light on their top edge; pressed ones show a shadow there.
    s += (f'<path d="M{rayon + 1},1.5 H{l - rayon - 1}" stroke="{reflet}" '
          f'stroke-opacity="0.9"/>\n')
    if etat == "enfonce":
        s += (f'<path d="M1.5,{h - rayon - 1} V{rayon + 1}" stroke="{reflet}" '
              f'stroke-opacity="0.9"/>\n')
    return s


def decalage(etat):
    return ' transform="translate(1,1)"' if etat == "enfonce" else ""


def texte(l, h, lignes, etat, taille):
    """Centred lines of bold text with a one-pixel emboss."""
    _, _, _, _, encre, (ombre, opacite) = PLAQUES[etat]
    interligne = taille + 2
    premiere = (h - interligne * len(lignes)) / 2 + taille * 0.82 + 0.5
    s = f'<g font-family="{POLICE}" font-size="{taille}" font-weight="bold" text-anchor="middle"{decalage(etat)}>\n'
    for couleur, dy, extra in ((ombre, 1, f' fill-opacity="{opacite}"'), (encre, 0, "")):
        for i, ligne in enumerate(lignes):
            y = round(premiere + i * interligne) + dy
            s += f'<text x="{l / 2}" y="{y}" fill="{couleur}"{extra}>{ligne}</text>\n'
    s += "</g>\n"
    return s


# Icons, drawn in a box centred on (cx, cy); each returns SVG using the colour c.
def icone_fleche(cx, cy, c, gauche):
    sens = -1 if gauche else 1
    p = [(-8, 0), (-1, -6.5), (-1, -3), (8, -3), (8, 3), (-1, 3), (-1, 6.5)]
    pts = " ".join(f"{cx - sens * x:g},{cy + y:g}" for x, y in p)
    return f'<polygon points="{pts}" fill="{c}"/>\n'


def icone_globe(cx, cy, c):
    return (f'<g fill="none" stroke="{c}" stroke-width="1.4">'
            f'<circle cx="{cx}" cy="{cy}" r="7.5"/>'
            f'<ellipse cx="{cx}" cy="{cy}" rx="3.2" ry="7.5"/>'
            f'<path d="M{cx - 7.5},{cy} H{cx + 7.5} M{cx - 6.3},{cy - 3.8} H{cx + 6.3} '
            f'M{cx - 6.3},{cy + 3.8} H{cx + 6.3}"/></g>\n')


def icone_enveloppe(cx, cy, c, fond):
    x, y = cx - 8.5, cy - 6
    return (f'<rect x="{x}" y="{y}" width="17" height="12" fill="{c}"/>'
            f'<path d="M{x + 0.5},{y + 0.8} L{cx},{cy + 1.5} L{x + 16.5},{y + 0.8}" '
            f'fill="none" stroke="{fond}" stroke-width="1.3"/>'
            f'<path d="M{x + 0.5},{y + 11.5} L{cx - 3},{cy} M{x + 16.5},{y + 11.5} L{cx + 3},{cy}" '
            f'fill="none" stroke="{fond}" stroke-width="1"/>\n')


def icone_imprimante(cx, cy, c, fond):
    return (f'<rect x="{cx - 5}" y="{cy - 8}" width="10" height="5" fill="{c}"/>'
            f'<rect x="{cx - 9}" y="{cy - 3}" width="18" height="8" rx="1.5" fill="{c}"/>'
            f'<rect x="{cx - 5.5}" y="{cy + 1}" width="11" height="7" fill="{fond}" stroke="{c}"/>'
            f'<path d="M{cx - 3.5},{cy + 3.5} H{cx + 3.5} M{cx - 3.5},{cy + 5.5} H{cx + 2}" '
            f'stroke="{c}"/>'
            f'<rect x="{cx + 5}" y="{cy - 1.5}" width="2" height="1.5" fill="{fond}"/>\n')


def icone_zoom(cx, cy, c):
    # The list grows to the full height or shrinks back: a double arrow up and down.
    return (f'<polygon points="{cx},{cy - 8} {cx + 5},{cy - 3} {cx + 2},{cy - 3} {cx + 2},{cy + 3} '
            f'{cx + 5},{cy + 3} {cx},{cy + 8} {cx - 5},{cy + 3} {cx - 2},{cy + 3} {cx - 2},{cy - 3} '
            f'{cx - 5},{cy - 3}" fill="{c}"/>\n')


def icone_liste(cx, cy, c):
    s = ""
    for dy in (-5, 0, 5):
        s += (f'<rect x="{cx - 7}" y="{cy + dy - 1.5}" width="3" height="3" fill="{c}"/>'
              f'<rect x="{cx - 2}" y="{cy + dy - 1}" width="9" height="2" fill="{c}"/>')
    return s + "\n"


def bouton_icone(l, h, etat, dessin):
    _, _, _, _, encre, (ombre, opacite) = PLAQUES[etat]
    haut, bas = PLAQUES[etat][0], PLAQUES[etat][1]
    fond = bas if etat != "survol" else haut
    cx, cy = l / 2, h / 2
    s = entete(l, h) + plaque(l, h, etat, 4 if h > 20 else 3)
    s += f'<g{decalage(etat)}>\n'
    s += f'<g opacity="{opacite}" transform="translate(0,1)">' + dessin(cx, cy, ombre, fond) + "</g>\n"
    s += dessin(cx, cy, encre, fond)
    s += "</g>\n</svg>\n"
    return s


def bouton_texte(l, h, lignes, etat, taille):
    return entete(l, h) + plaque(l, h, etat, 3 if h < 30 else 6) + texte(l, h, lignes, etat, taille) + "</svg>\n"


def bouton_rond(glyphe, etat, quitter):
    anneau, centre, bord, encre = RONDS[etat]
    if quitter and etat == "survol":
        centre, bord = "#c0462a", "#5a1408"
    d = " transform=\"translate(1,1)\"" if etat == "enfonce" else ""
    s = entete(32, 32)
    s += ('<defs><radialGradient id="d" cx="0.42" cy="0.36" r="0.7">'
          f'<stop offset="0" stop-color="{centre}"/><stop offset="1" stop-color="{bord}"/>'
          '</radialGradient>'
          '<linearGradient id="a" x1="0" y1="0" x2="0" y2="1">'
          f'<stop offset="0" stop-color="{anneau}"/><stop offset="1" stop-color="#6e4424"/>'
          '</linearGradient></defs>\n')
    if etat == "survol":
        s += f'<circle cx="16" cy="16" r="15.5" fill="{anneau}" fill-opacity="0.35"/>\n'
    s += '<circle cx="16" cy="16" r="14.5" fill="url(#a)"/>\n'
    s += '<circle cx="16" cy="16" r="12.3" fill="url(#d)" stroke="#1c0a03" stroke-width="0.8"/>\n'
    s += f'<g{d}>\n'
    for couleur, dy, op in (("#000000", 1, 0.55), (encre, 0, 1)):
        s += f'<g transform="translate(0,{dy})" opacity="{op}">' + glyphe(couleur) + "</g>\n"
    s += "</g>\n</svg>\n"
    return s


def glyphe_croix(c):
    return (f'<path d="M11.5,11.5 L20.5,20.5 M20.5,11.5 L11.5,20.5" stroke="{c}" '
            'stroke-width="2.6" stroke-linecap="round"/>')


def glyphe_trait(c):
    return f'<rect x="10" y="18" width="12" height="3" rx="1" fill="{c}"/>'


def glyphe_question(c):
    return (f'<text x="16" y="22" font-family="DejaVu Sans" font-size="17" font-weight="bold" '
            f'text-anchor="middle" fill="{c}">?</text>')


ONGLETS = [
    ("bnAccueil", 57, "Accueil"),
    ("bnGestion", 61, "Gestion"),
    ("bnRecherche", 76, "Recherche"),
    ("bnStatistique", 78, "Statistiques"),
    ("bnActeurs", 62, "Acteurs"),
    ("bnPret", 47, "Prêts"),
    ("bnGlossaire", 66, "Glossaire"),
]

GRANDS = [
    ("bnLienTelecharger", 141, ["Lien internet pour", "télécharger les films"]),
    ("bnAccueilRecherche", 142, ["Rechercher un film", "dans la base"]),
    ("bnPrincipal", 118, ["Aller à l'écran", "principal"]),
]

ICONES = [
    ("bnPrecedent", 53, 26, lambda cx, cy, c, f: icone_fleche(cx, cy, c, True)),
    ("bnSuivant", 53, 26, lambda cx, cy, c, f: icone_fleche(cx, cy, c, False)),
    ("bnInternet", 53, 26, lambda cx, cy, c, f: icone_globe(cx, cy, c)),
    ("bnCourriel", 53, 26, icone_enveloppe),
    ("bnPrint", 53, 26, icone_imprimante),
    ("bnZoomListe", 26, 26, lambda cx, cy, c, f: icone_zoom(cx, cy, c)),
    ("bnAffichage", 26, 26, lambda cx, cy, c, f: icone_liste(cx, cy, c)),
]

RONDS_BOUTONS = [
    ("bnAide", glyphe_question, False),
    ("bnReduire", glyphe_trait, False),
    ("bnQuitter", glyphe_croix, True),
    # The home page carries its own copies of the three, in the same places.
    ("ImageMouseOutState1", glyphe_question, False),
    ("ImageMouseOutState2", glyphe_trait, False),
    ("ImageMouseOutState3", glyphe_croix, True),
]


def ecrire(nom, etat, contenu):
    chemin = os.path.join(SORTIE, f"{nom}_{etat}.png.svg")
    with open(chemin, "w", encoding="utf-8") as f:
        f.write(contenu)


def main():
    os.makedirs(SORTIE, exist_ok=True)
    for etat in ETATS:
        for nom, l, libelle in ONGLETS:
            ecrire(nom, etat, bouton_texte(l, 18, [libelle], etat, 11))
        for nom, l, lignes in GRANDS:
            ecrire(nom, etat, bouton_texte(l, 43, lignes, etat, 12))
        for nom, l, h, dessin in ICONES:
            ecrire(nom, etat, bouton_icone(l, h, etat, dessin))
        for nom, glyphe, quitter in RONDS_BOUTONS:
            ecrire(nom, etat, bouton_rond(glyphe, etat, quitter))
    return 0


if __name__ == "__main__":
    sys.exit(main())
