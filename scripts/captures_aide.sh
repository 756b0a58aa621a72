#!/usr/bin/env bash
# Takes the screenshots of the help pages (assets/aide_html/images/*.png) from the real program.
#
# Usage: scripts/captures_aide.sh [BUILD_DIR] [DISPLAY_NUMBER]
#   BUILD_DIR       a build folder with kinobral and kinobral-cli built (default: build/)
#   DISPLAY_NUMBER  the X display the script starts its own Xvfb on (default: 66); it must be free
#   APERCU_AIDE     (environment) where the shot of the help panel itself goes (default: /tmp)
# Needs: Xvfb, xdotool, ImageMagick (import, convert). Run it again after a panel changes; then
# rebuild (the help folder is copied into the program folder by the build) and check the help with
# the program or with the gui_aide tests, which make sure every picture the page names exists.
#
# What it does: copies the program folder to a scratch folder, restores exemples/demonstration.zip into
# it, then for each picture starts the program on the Xvfb display, clicks the buttons at the places
# the main window gives them (see the button table in src/gui/app/formmain.cpp), captures the screen,
# crops, scales and reduces the colours, and stops the program. A window that does not appear (a
# feature still to come) leaves its picture as it was and is reported at the end.
set -euo pipefail

RACINE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$RACINE/build}" && pwd)"
NUMERO="${2:-66}"
SORTIE="$RACINE/assets/aide_html/images"
# Where the look at the help panel itself goes.
APERCU_AIDE="${APERCU_AIDE:-${TMPDIR:-/tmp}/kinobral-aide.png}"
for outil in Xvfb xdotool import convert identify; do
    command -v "$outil" >/dev/null || { echo "Outil manquant : $outil" >&2; exit 1; }
done
[ -x "$BUILD/kinobral/kinobral" ] && [ -x "$BUILD/kinobral/kinobral-cli" ] ||
    { echo "Construisez d'abord kinobral et kinobral-cli dans $BUILD" >&2; exit 1; }

TRAVAIL="$(mktemp -d)"
XVFB_PID=""
PROGRAMME_PID=""
nettoyer() {
    [ -n "$PROGRAMME_PID" ] && kill "$PROGRAMME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$TRAVAIL"
}
trap nettoyer EXIT

# A program folder of its own, holding the demonstration catalogue.
DOSSIER="$TRAVAIL/kinobral"
cp -a "$BUILD/kinobral" "$DOSSIER"
rm -rf "$DOSSIER/data" "$DOSSIER/Config.ini"
mkdir -p "$DOSSIER/data" "$TRAVAIL/tmp" "$TRAVAIL/xdg-data" "$TRAVAIL/xdg-config"
export TMPDIR="$TRAVAIL/tmp" XDG_DATA_HOME="$TRAVAIL/xdg-data" XDG_CONFIG_HOME="$TRAVAIL/xdg-config"
export ASAN_OPTIONS=detect_leaks=0 LANG=C.UTF-8
"$DOSSIER/kinobral-cli" restaurer "$RACINE/exemples/demonstration.zip" >/dev/null

Xvfb ":$NUMERO" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$NUMERO"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.2; done

MANQUANTES=()
FX=0
FY=0

# Starts the program and waits until the splash has gone and the 800 × 600 main window is shown;
# FX, FY are its top-left corner on the screen.
lancer() {
    XDG_RUNTIME_DIR="$(mktemp -d -p "$TRAVAIL")" "$DOSSIER/kinobral" >/dev/null 2>&1 &
    PROGRAMME_PID=$!
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '^Kinobral 2005$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            if [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ]; then
                FX=$X
                FY=$Y
                sleep 5 # the splash closes after four seconds, the home page is then drawn
                return 0
            fi
        done
        sleep 0.2
    done
    echo "La fenêtre principale n'est pas apparue." >&2
    exit 1
}

arreter() {
    kill "$PROGRAMME_PID" 2>/dev/null || true
    wait "$PROGRAMME_PID" 2>/dev/null || true
    PROGRAMME_PID=""
}

# Clicks at a point of the main window.
cliquer() {
    xdotool mousemove $((FX + $1)) $((FY + $2)) click 1
    sleep "${3:-1}"
}

# Keeps part of the screen as a small picture: capturer NAME X Y W H [SCALE%] (window coordinates).
capturer() {
    local nom=$1 x=$2 y=$3 l=$4 h=$5 echelle=${6:-100}
    xdotool mousemove 0 0
    sleep 0.5
    import -display ":$NUMERO" -window root "$TRAVAIL/ecran.png"
    convert "$TRAVAIL/ecran.png" -crop "${l}x${h}+$((FX + x))+$((FY + y))" +repage \
        -resize "${echelle}%" -strip -colors 192 "PNG8:$SORTIE/$nom.png"
    echo "$SORTIE/$nom.png"
}

# Keeps a whole secondary window, found by its caption: capturer_fenetre NAME CAPTION [SCALE%].
capturer_fenetre() {
    local nom=$1 titre=$2 echelle=${3:-100} id
    id="$(xdotool search --onlyvisible --name "$titre" 2>/dev/null | head -n 1 || true)"
    if [ -z "$id" ]; then
        MANQUANTES+=("$nom ($titre)")
        return 0
    fi
    xdotool mousemove 0 0
    sleep 0.5
    import -display ":$NUMERO" -window "$id" "$TRAVAIL/fenetre.png"
    convert "$TRAVAIL/fenetre.png" -resize "${echelle}%" -strip -colors 192 "PNG8:$SORTIE/$nom.png"
    echo "$SORTIE/$nom.png"
}

mkdir -p "$SORTIE"

# The home page, then the main screen with its film list.
lancer
capturer accueil 0 0 800 600 60
cliquer 729 565 3 # bnPrincipal, "Aller à l'écran principal"
cliquer 60 410    # the first film of the list
capturer principal 0 0 800 600 60
capturer liste 24 380 235 219
arreter

# The film editor on the current film, through the management menu's second entry.
lancer
cliquer 729 565 3
xdotool mousemove $((FX + 172)) $((FY + 38)) click 1 # bnGestion opens its menu on the press
sleep 1
xdotool key Down Down Return
sleep 1.5
capturer gestion 0 0 800 600 60
arreter

# The panels of the navigation band.
for panneau in "recherche 242" "statistiques 320" "prets 446"; do
    set -- $panneau
    lancer
    cliquer 729 565 3
    cliquer "$2" 38 2
    capturer "$1" 0 0 800 600 60
    arreter
done

# The secondary windows of the band.
lancer
cliquer 729 565 3
cliquer 391 38 2 # bnActeurs
capturer_fenetre acteurs "Acteurs" 75
arreter

lancer
cliquer 729 565 3
cliquer 504 38 2 # bnGlossaire
glossaire="$(xdotool search --onlyvisible --name "Glossaire" 2>/dev/null | head -n 1 || true)"
if [ -n "$glossaire" ]; then
    # A term typed into the list, over the one it shows: its definition appears below.
    eval "$(xdotool getwindowgeometry --shell "$glossaire")"
    xdotool mousemove $((X + 60)) $((Y + 45)) click 1
    xdotool key ctrl+a
    xdotool type --delay 80 "Letterbox"
    sleep 1
fi
capturer_fenetre glossaire "Glossaire"
arreter

# The help itself, for a look at the panel; kept out of the help's pictures.
lancer
cliquer 709 19 2 # the home page's help button
import -display ":$NUMERO" -window root "$TRAVAIL/ecran.png"
convert "$TRAVAIL/ecran.png" -crop "800x600+$FX+$FY" +repage "$APERCU_AIDE"
echo "$APERCU_AIDE"
arreter

# The page names each picture with its size: keep them in step with the pictures just taken.
for image in "$SORTIE"/*.png; do
    nom="$(basename "$image")"
    read -r l h < <(identify -format '%w %h' "$image")
    sed -i -E "s|(<img src=\"images/$nom\" width=\")[0-9]+(\" height=\")[0-9]+|\1$l\2$h|" \
        "$RACINE/assets/aide_html/aide.html"
done

if [ ${#MANQUANTES[@]} -gt 0 ]; then
    echo "Fenêtres absentes, images laissées telles quelles : ${MANQUANTES[*]}" >&2
fi
