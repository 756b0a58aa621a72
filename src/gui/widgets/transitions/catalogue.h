#pragma once

// The picture show's numbered transition effects. Each number stands for one family of effect and
// its parameters; the painting of each family is in MoteurTransitions.

enum class Famille
{
    Aucune,         // the old picture stays until the end, then the new one shows at once
    Balayage,       // a = direction (0..7: right, left, down, up, then the diagonals)
    BalayageDoux,   // a = direction (0..3), with a soft edge
    Portes,         // a = 0 open across, 1 close across, 2 open down, 3 close down
    Stores,         // a = 0 horizontal slats, 1 vertical; b = slat count; c = 0 forward, 1 backward
    Damier,         // a = cell size; b = 0 cells wipe across, 1 down
    Blocs,          // a × b block (0 = the whole width or height); c = OrdreBlocs
    Iris,           // a = FormeIris; b = 0 opening, 1 closing; c = OrigineEffet
    Horloge,        // a = 0 clockwise, 1 anticlockwise; b = starting side (0 top, 1 right, 2 bottom, 3 left)
    Eventail,       // a = starting side, opening both ways
    Helice,         // a = blade count
    Glissement,     // a = direction: the new picture slides in over the old one
    Poussee,        // a = direction: the new picture pushes the old one out
    Decouvrement,   // a = direction: the old picture slides away off the new one
    ZoomEntrant,    // a = OrigineEffet: the new picture grows from there
    ZoomSortant,    // a = OrigineEffet: the old picture shrinks into there
    Etirement,      // a = 0 left, 1 right, 2 top, 3 bottom, 4 across from the middle, 5 down from the middle
    Fondu,          // cross-fade
    FonduParLeFond, // the old picture fades to the background colour, then the new one fades in
    Bandes          // a = 0 horizontal strips, 1 vertical; b = strip count; strips come from both sides
};

// Order in which the blocks of a Blocs effect show.
enum OrdreBlocs
{
    Aleatoire,
    SpiraleEntrante,
    SpiraleSortante,
    SerpentinHorizontal,
    SerpentinVertical,
    Diagonale,
    DepuisCentre,
    VersCentre
};

enum FormeIris
{
    Cercle,
    Losange,
    Rectangle,
    Croix
};

enum OrigineEffet
{
    HautGauche,
    HautDroite,
    BasGauche,
    BasDroite,
    Centre
};

struct Effet
{
    Famille famille = Famille::Aucune;
    int a = 0;
    int b = 0;
    int c = 0;
};

constexpr int NombreEffets = 150;

// The effect behind a number, 0..NombreEffets-1; any other number is effect 0.
const Effet& DescriptionEffet(int numero);
