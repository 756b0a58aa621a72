#!/usr/bin/env bash
# Rebuilds the demonstration files of this folder from their sources:
#   demonstration.zip        a backup archive of a catalogue of twelve films ("Restaurer la base")
#   casablanca.kbx, chihiro.kbx   two sheet files ("Importer une fiche")
# The covers are drawn in jaquettes/*.jpg.svg and rendered to JPEG by the build's artwork tool.
#
# Usage: exemples/generer.sh [BUILD_DIR]      (BUILD_DIR defaults to build/ at the repository root;
#        it must hold a built kinobral-cli and kinobral-rendu: cmake --build BUILD_DIR --target
#        kinobral-cli kinobral-rendu)
# The archive also carries the glossary of assets/data/, as every backup holds the whole data folder.
set -euo pipefail

ICI="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
RACINE="$(dirname "$ICI")"
BUILD="$(cd "${1:-$RACINE/build}" && pwd)"
CLI="$BUILD/kinobral/kinobral-cli"
RENDU="$BUILD/tools/kinobral-rendu"
for outil in "$CLI" "$RENDU"; do
    [ -x "$outil" ] || { echo "Introuvable : $outil (construisez kinobral-cli et kinobral-rendu)" >&2; exit 1; }
done
# Sanitizer builds: the tools' leak report is of no interest here.
export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen LANG=C.UTF-8

TRAVAIL="$(mktemp -d)"
trap 'rm -rf "$TRAVAIL"' EXIT
export XDG_RUNTIME_DIR="$TRAVAIL"
PROGRAMME="$TRAVAIL/programme"
mkdir -p "$PROGRAMME/data" "$TRAVAIL/jaquettes"
cp "$RACINE/assets/data/glossaire.dat" "$PROGRAMME/data/"
"$RENDU" "$ICI/jaquettes" "$TRAVAIL/jaquettes" "$ICI"/jaquettes/*.jpg.svg
J="$TRAVAIL/jaquettes"

cli() { "$CLI" --dossier "$PROGRAMME" "$@"; }

cli ajouter "Titre=Casablanca" "Genre=Drame" "Realisateur=Michael Curtiz" \
    "Scenario=Julius J. Epstein, Philip G. Epstein, Howard Koch" "Musique=Max Steiner" \
    "Editeur=Warner Home Video" "Acteur=Humphrey Bogart\nIngrid Bergman\nPaul Henreid\nClaude Rains" \
    "Resume=Casablanca, 1941. Dans son café, Rick Blaine, Américain désabusé, voit entrer la femme qu'il a aimée à Paris, accompagnée d'un chef de la Résistance que les nazis traquent. Lui seul détient les laissez-passer qui peuvent les sauver." \
    "Etoiles=5 étoiles" "Sortie=26/11/1942" "Langue=Etats-Unis" "Duree=01:42:00" "Support=VHS" \
    "FormatCinema=1.33 (4/3)" "FormatVideo=1.33 (4/3)" "Standard=Secam" "Son=Mono" "Public=Tous publics" \
    "Audio=Anglais\nFrançais" "SousTitres=Français" "Prix=9.9" "DejaVu=Vrai" "Prete=Vrai" \
    "Emprunteur=Claire" "DateEmprunt=14/03/2005" \
    "Notes=Cassette enregistrée en version originale sous-titrée. À remplacer par le DVD." \
    "BlobPicture=@$J/casablanca.jpg"

cli ajouter "Titre=La Grande Illusion" "Genre=Guerre" "Realisateur=Jean Renoir" \
    "Scenario=Charles Spaak, Jean Renoir" "Musique=Joseph Kosma" "Editeur=Studio Canal" \
    "Acteur=Jean Gabin\nPierre Fresnay\nErich von Stroheim\nMarcel Dalio" \
    "Resume=Pendant la Grande Guerre, deux officiers français, l'aristocrate de Boëldieu et le mécanicien Maréchal, passent de camp en camp et préparent leur évasion, sous le regard d'un commandant allemand qui partage les codes de Boëldieu." \
    "Etoiles=4 étoiles" "Sortie=08/06/1937" "Langue=France" "Duree=01:54:00" "Support=DVD" \
    "FormatCinema=1.33 (4/3)" "FormatVideo=1.33 (4/3)" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Mono" \
    "Public=Tous publics" "DateSortieDvd=05/11/2003" "Audio=Français" "SousTitres=Anglais" "Prix=14.99" \
    "DejaVu=Vrai"

cli ajouter "Titre=Les Vacances de monsieur Hulot" "Genre=Comédie" "Realisateur=Jacques Tati" \
    "Scenario=Jacques Tati, Henri Marquet" "Musique=Alain Romans" "Editeur=Les Films de Mon Oncle" \
    "Acteur=Jacques Tati\nNathalie Pascaud\nMicheline Rolla\nValentine Camax" \
    "Resume=Monsieur Hulot arrive dans sa vieille voiture pétaradante à l'Hôtel de la Plage, où les estivants mènent des vacances réglées comme une horloge. Sa maladresse bienveillante dérange tout, du dîner au feu d'artifice." \
    "Etoiles=4 étoiles" "Sortie=25/02/1953" "Langue=France" "Duree=01:28:00" "Support=DVD" \
    "FormatCinema=1.33 (4/3)" "FormatVideo=1.33 (4/3)" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Mono" \
    "Public=Tous publics" "Audio=Français" "Prix=12.5" "DejaVu=Faux" "BlobPicture=@$J/hulot.jpg"

cli ajouter "Titre=Le Salaire de la peur" "Genre=Aventure" "Realisateur=Henri-Georges Clouzot" \
    "Scenario=Henri-Georges Clouzot, Jérôme Géronimi" "Musique=Georges Auric" "Editeur=Studio Canal" \
    "Acteur=Yves Montand\nCharles Vanel\nPeter van Eyck\nFolco Lulli\nVéra Clouzot" \
    "Resume=Dans une bourgade d'Amérique du Sud, quatre hommes sans avenir acceptent de conduire deux camions chargés de nitroglycérine sur des pistes défoncées, jusqu'à un puits de pétrole en feu. La moindre secousse peut les tuer." \
    "Etoiles=5 étoiles" "Sortie=22/04/1953" "Langue=France" "Duree=02:11:00" "Support=DVD" \
    "FormatCinema=1.33 (4/3)" "FormatVideo=1.33 (4/3)" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Mono" \
    "Public=Tous publics" "DateSortieDvd=12/10/2004" "Audio=Français" "SousTitres=Anglais" "Prix=19.99" \
    "DejaVu=Vrai" "BlobPicture=@$J/salaire.jpg"

cli ajouter "Titre=Les Sept Samouraïs" "Genre=Aventure" "Realisateur=Akira Kurosawa" \
    "Scenario=Akira Kurosawa, Shinobu Hashimoto, Hideo Oguni" "Musique=Fumio Hayasaka" \
    "Editeur=Films sans Frontières" "Acteur=Toshiro Mifune\nTakashi Shimura\nKeiko Tsushima\nYoshio Inaba" \
    "Resume=Au XVIe siècle, des paysans menacés par des brigands engagent sept samouraïs sans maître pour défendre leur village. Les guerriers leur apprennent à se battre, jusqu'à l'assaut final sous la pluie." \
    "Etoiles=5 étoiles" "Sortie=26/04/1954" "Langue=Japon" "Duree=03:27:00" "Support=DVD" \
    "FormatCinema=1.33 (4/3)" "FormatVideo=1.33 (4/3)" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Mono" \
    "Public=Tous publics" "Audio=Japonais" "SousTitres=Français" "Prix=22" "DejaVu=Faux" \
    "Notes=Édition en deux disques : le film est coupé par l'entracte d'origine." \
    "BlobPicture=@$J/samourais.jpg"

cli ajouter "Titre=Sueurs froides" "Genre=Thriller" "Realisateur=Alfred Hitchcock" \
    "Scenario=Alec Coppel, Samuel A. Taylor" "Musique=Bernard Herrmann" "Editeur=Universal" \
    "Acteur=James Stewart\nKim Novak\nBarbara Bel Geddes\nTom Helmore" \
    "Resume=Un ancien policier de San Francisco, sujet au vertige, accepte de suivre l'épouse d'un ami qui semble hantée par une morte. Il s'éprend d'elle et ne peut empêcher le drame, avant de croiser une inconnue qui lui ressemble." \
    "Etoiles=5 étoiles" "Sortie=09/05/1958" "Langue=Etats-Unis" "Duree=02:08:00" "Support=DVD" \
    "FormatCinema=1.85" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Dolby Digital 5.1" \
    "Public=Tous publics" "DateSortieDvd=06/03/2001" "Audio=Anglais\nFrançais\nAllemand" \
    "SousTitres=Français\nAnglais\nAllemand\nNéerlandais" "Prix=15" "DejaVu=Vrai" \
    "BlobPicture=@$J/sueurs.jpg"

cli ajouter "Titre=Les Parapluies de Cherbourg" "Genre=Comédie musicale" "Realisateur=Jacques Demy" \
    "Scenario=Jacques Demy" "Musique=Michel Legrand" "Editeur=Ciné Tamaris" \
    "Acteur=Catherine Deneuve\nNino Castelnuovo\nAnne Vernon\nMarc Michel\nEllen Farner" \
    "Resume=À Cherbourg, Geneviève, fille d'une marchande de parapluies, aime Guy, garagiste. La guerre d'Algérie les sépare. Un film où tous les dialogues sont chantés." \
    "Etoiles=4 étoiles" "Sortie=19/02/1964" "Langue=France" "Duree=01:31:00" "Support=DVD" \
    "FormatCinema=1.85" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Dolby Digital 5.1" \
    "Public=Tous publics" "DateSortieDvd=18/11/2004" "Audio=Français" "SousTitres=Anglais" "Prix=24.9" \
    "DejaVu=Vrai" "BlobPicture=@$J/parapluies.jpg"

cli ajouter "Titre=Le Samouraï" "Genre=Policier" "Realisateur=Jean-Pierre Melville" \
    "Scenario=Jean-Pierre Melville, Georges Pellegrin" "Musique=François de Roubaix" \
    "Editeur=Studio Canal" "Acteur=Alain Delon\nFrançois Périer\nNathalie Delon\nCathy Rosier" \
    "Resume=Jef Costello, tueur à gages solitaire, exécute un contrat dans une boîte de nuit. Son alibi tient, mais la police le file et ses commanditaires veulent le faire disparaître." \
    "Etoiles=4 étoiles" "Sortie=25/10/1967" "Langue=France" "Duree=01:45:00" "Support=DVD" \
    "FormatCinema=1.85" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Mono" \
    "Public=Interdit - 12 ans" "Audio=Français" "Prix=9.99" "DejaVu=Vrai" "Prete=Vrai" \
    "Emprunteur=Marc" "DateEmprunt=02/04/2005" "BlobPicture=@$J/samourai.jpg"

cli ajouter "Titre=Il était une fois dans l'Ouest" "Genre=Western" "Realisateur=Sergio Leone" \
    "Scenario=Sergio Leone, Sergio Donati" "Musique=Ennio Morricone" "Editeur=Paramount" \
    "Acteur=Claudia Cardinale\nHenry Fonda\nJason Robards\nCharles Bronson\nGabriele Ferzetti" \
    "Resume=À Flagstone, Jill arrive de La Nouvelle-Orléans pour retrouver son mari, qu'elle découvre assassiné avec ses enfants. Un homme à l'harmonica, un bandit et un tueur se disputent la terre que convoite le chemin de fer." \
    "Etoiles=5 étoiles" "Sortie=21/12/1968" "Langue=Italie" "Duree=02:45:00" "Support=DVD" \
    "FormatCinema=2.35" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Dolby Digital 5.1" \
    "Public=Tous publics" "DateSortieDvd=20/11/2003" "Audio=Anglais\nFrançais\nItalien" \
    "SousTitres=Français\nAnglais" "Prix=19.99" "DejaVu=Vrai" \
    "Notes=Édition collector en deux disques, avec le commentaire audio des historiens du western." \
    "BlobPicture=@$J/ouest.jpg"

cli ajouter "Titre=Alien" "Genre=Science-fiction" "Realisateur=Ridley Scott" "Scenario=Dan O'Bannon" \
    "Musique=Jerry Goldsmith" "Editeur=20th Century Fox" \
    "Acteur=Sigourney Weaver\nTom Skerritt\nJohn Hurt\nIan Holm\nVeronica Cartwright" \
    "Resume=Réveillé en route vers la Terre, l'équipage du remorqueur spatial Nostromo se pose sur une planète d'où provient un signal. L'un des hommes revient à bord avec une créature collée au visage." \
    "Etoiles=4 étoiles" "Sortie=12/09/1979" "Langue=Angleterre" "Duree=01:57:00" "Support=DVD" \
    "FormatCinema=2.35" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=DTS" \
    "Public=Interdit - 12 ans" "DateSortieDvd=01/12/2003" "Audio=Anglais\nFrançais" \
    "SousTitres=Français\nAnglais" "Prix=17.5" "DejaVu=Faux" "BlobPicture=@$J/alien.jpg"

cli ajouter "Titre=Le Fabuleux Destin d'Amélie Poulain" "Genre=Comédie" "Realisateur=Jean-Pierre Jeunet" \
    "Scenario=Guillaume Laurant, Jean-Pierre Jeunet" "Musique=Yann Tiersen" "Editeur=UGC Vidéo" \
    "Acteur=Audrey Tautou\nMathieu Kassovitz\nRufus\nJamel Debbouze\nDominique Pinon" \
    "Resume=Serveuse dans un café de Montmartre, Amélie décide de faire le bonheur des gens qui l'entourent, en cachette et avec une imagination débordante, jusqu'à ce qu'un collectionneur de photomatons déchirés trouble ses plans." \
    "Etoiles=3 étoiles" "Sortie=25/04/2001" "Langue=France" "Duree=02:02:00" "Support=DVD" \
    "FormatCinema=2.35" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=DTS" \
    "Public=Tous publics" "DateSortieDvd=04/10/2001" "Audio=Français" "SousTitres=Anglais" \
    "Prix=22.9" "DejaVu=Vrai" "Site=www.amelie-lefilm.com" "BlobPicture=@$J/amelie.jpg"

cli ajouter "Titre=Le Voyage de Chihiro" "Genre=Animation" "Realisateur=Hayao Miyazaki" \
    "Scenario=Hayao Miyazaki" "Musique=Joe Hisaishi" "Editeur=Buena Vista" \
    "Acteur=Rumi Hiiragi\nMiyu Irino\nMari Natsuki\nBunta Sugawara" \
    "Resume=En route vers leur nouvelle maison, Chihiro et ses parents s'égarent dans une ville étrange. Ses parents transformés en cochons, la fillette doit travailler aux bains de la sorcière Yubaba pour les délivrer." \
    "Etoiles=5 étoiles" "Sortie=10/04/2002" "Langue=Japon" "Duree=02:05:00" "Support=DVD" \
    "FormatCinema=1.85" "FormatVideo=16/9" "ZoneDvd=Zone 2" "Standard=Pal" "Son=Dolby Digital 5.1" \
    "Public=Tous publics" "DateSortieDvd=10/12/2002" "Audio=Japonais\nFrançais" \
    "SousTitres=Français" "Prix=24.99" "DejaVu=Vrai" "BlobPicture=@$J/chihiro.jpg"

# A backup updates an existing archive instead of emptying it: start from none.
rm -f "$ICI/demonstration.zip" "$ICI/casablanca.kbx" "$ICI/chihiro.kbx"
cli sauvegarder "$ICI/demonstration.zip"
cli exporter-fiche "Casablanca" "$ICI/casablanca.kbx"
cli exporter-fiche "Le Voyage de Chihiro" "$ICI/chihiro.kbx"
echo "$(cli titres | wc -l) films dans $ICI/demonstration.zip"
