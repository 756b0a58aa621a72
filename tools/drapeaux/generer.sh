#!/bin/bash
# Renders the 137 flag pictures of the country list, 32 x 20 PNG named 000.png to 136.png in
# list order, into assets/images/drapeaux/. Run by hand when a flag changes; the pictures are
# kept in the repository and the build only copies them into the program folder.
#
#   tools/drapeaux/generer.sh [FLAG_ICONS_DIR]
#
# FLAG_ICONS_DIR is the flag-icons npm package (MIT), installed outside the repository:
#   mkdir -p /tmp/flags && (cd /tmp/flags && npm install flag-icons)
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
#
# Rendering the 4:3 drawings straight at 32 x 20 with librsvg gave crisper edges than rendering
# large and scaling down (no ringing). The stretch from 4:3 to 8:5 is mild and brings most flags
# closer to their real proportions; centre-cropping cut emblems such as Korea's trigrams.
set -euo pipefail

ici=$(cd "$(dirname "$0")" && pwd)
racine=$(cd "$ici/../.." && pwd)
flags=${1:-/tmp/flags/node_modules/flag-icons}/flags/4x3
sortie=$racine/assets/images/drapeaux

[ -d "$flags" ] || { echo "flag-icons introuvable : $flags" >&2; exit 1; }
mkdir -p "$sortie"

# Index, source, and the name as the country list spells it (typos included: they are the
# stored values). The source is an ISO 3166 code of flag-icons, or @name for one of our own
# drawings in this folder (historical flags and the unknown country).
attendu=0
propres=
while read -r index source nom; do
    [ -n "$index" ] || continue
    if [ "$((10#$index))" -ne "$attendu" ]; then
        echo "index $index hors d'ordre (attendu $attendu)" >&2
        exit 1
    fi
    case $source in
    @*)
        svg=$ici/${source#@}.svg
        propres="$propres${propres:+, }$index"
        ;;
    *) svg=$flags/$source.svg ;;
    esac
    [ -f "$svg" ] || { echo "$nom : dessin introuvable ($svg)" >&2; exit 1; }
    # White behind any transparent edge, no alpha, no dated chunks: the same input gives the same file.
    rsvg-convert -w 32 -h 20 "$svg" |
        convert png:- -background white -alpha remove -alpha off -strip \
            -define png:exclude-chunks=date,time "PNG24:$sortie/$index.png"
    taille=$(identify -format '%wx%h' "$sortie/$index.png")
    [ "$taille" = 32x20 ] || { echo "$index.png : $taille au lieu de 32x20" >&2; exit 1; }
    attendu=$((attendu + 1))
done <<'LISTE'
000 @inconnu          Inconnu
001 za                Afrique du sud
002 dz                Algérie
003 de                Allemagne
004 ad                Andorre
005 gb-eng            Angleterre
006 ao                Angola
007 aq                Antartic
008 ag                Antigua
009 ar                Argentine
010 am                Armenie
011 au                Australie
012 at                Autriche
013 be                Belgique
014 bj                Bernin
015 bm                Bermudes
016 bo                Bolivie
017 ba                Bosnie
018 bw                Botswana
019 br                Brésil
020 bn                Brunei
021 bg                Bulgarie
022 bf                Burkina
023 bi                Burundi
024 kh                Cambodge
025 cm                Cameroun
026 ca                Canada
027 cv                Cap Vert
028 cl                Chili
029 cn                Chine
030 co                Colombie
031 cg                Congo
032 kp                Corée du Nord
033 kr                Corée du Sud
034 cr                Costa Rica
035 ci                Côte d'Ivoire
036 hr                Croatie
037 cu                Cuba
038 dk                Danemark
039 eg                Egypte
040 es                Espagne
041 us                Etats-Unis
042 eu                Europe
043 fi                Finlande
044 fr                France
045 ga                Gabon
046 gh                Ghana
047 gr                Grèce
048 gt                Guatemala
049 gn                Guinée
050 gf                Guyane
051 ht                Haïti
052 nl                Hollande
053 hn                Honduras
054 hk                Hong-Kong
055 hu                Hongrie
056 fj                Iles Fidji
057 in                Inde
058 id                Indonésie
059 iq                Irak
060 ir                Iran
061 ie                Irlande
062 is                Islande
063 il                Israël
064 it                Italie
065 jm                Jamaïque
066 jp                Japon
067 jo                Jordanie
068 ke                Kenya
069 la                Laos
070 mv                Les Maldives
071 lr                Liberia
072 ly                Libye
073 li                Liechtentein
074 lt                Lithuanie
075 lu                Luxembourd
076 mg                Madagascar
077 my                Malaysie
078 ml                Mali
079 mt                Malte
080 ma                Maroc
081 mr                Mauritanie
082 mx                Mexique
083 mc                Monaco
084 mz                Mozambique
085 na                Namibie
086 np                Népal
087 ni                Nicaragua
088 ne                Niger
089 ng                Nigeria
090 no                Norvège
091 nz                Nouvelle-Zelande
092 ug                Ouganda
093 pk                Pakistan
094 pa                Panama
095 py                Paraguay
096 pe                Pérou
097 ph                Philippine
098 pl                Pologne
099 pt                Portugal
100 qa                Qatar
101 ro                Roumanie
102 ru                Russie
103 rw                Rwanda
104 sn                Sénégal
105 sc                Seychelles
106 sl                Sierra Léon
107 sg                Singapour
108 sk                Slovakie
109 sb                Solomon
110 so                Somalie
111 sd                Soudan
112 lk                Srilanka
113 se                Suède
114 ch                Suisse
115 om                Sultana d'Oman
116 sy                Syrie
117 tw                Taïwan
118 tj                Tajikistan
119 tz                Tanzanie
120 td                Tchad
121 @tchecoslovaquie  Tchécoslovakie
122 th                Thaïlande
123 tg                Togo
124 to                Tonga
125 tt                Trinidad
126 tn                Tunisie
127 tr                Turquie
128 ua                Ukraine
129 va                Vatican
130 ve                Vénézuela
131 vn                Vietnam
132 ye                Yemen
133 @yougoslavie      Yougoslavie
134 @zaire            Zaïre
135 zm                Zambie
136 zw                Zimbabwe
LISTE

if [ "$attendu" -ne 137 ]; then
    echo "$attendu drapeaux au lieu de 137" >&2
    exit 1
fi
cp "${flags%/flags/4x3}/LICENSE" "$sortie/LICENCE-flag-icons.txt.tmp"
{
    echo "Flag pictures rendered from the SVG drawings of the flag-icons npm package (MIT licence below),"
    echo "except $propres, drawn by the Kinobral project (sources in tools/drapeaux/)."
    echo
    cat "$sortie/LICENCE-flag-icons.txt.tmp"
} >"$sortie/LICENCE-flag-icons.txt"
rm "$sortie/LICENCE-flag-icons.txt.tmp"
echo "$attendu drapeaux écrits dans $sortie"
