#pragma once

#include <QObject>

// The sheet file's format: bytes written, bytes read, damaged files, the field splitter, the code page.
class TestFichier : public QObject
{
    Q_OBJECT

private slots:
    void extraireChamp_data();
    void extraireChamp();
    void cp1252_data();
    void cp1252();
    void cp1252ToutOctet();
    void ficheTitreSeul();
    void ficheAvecCouverture();
    void texteDeLaFiche();
    void ficheDUneAutreCopie();
    void texteHorsCodePage_data();
    void texteHorsCodePage();
    void marqueSuivieDeCodePage();
    void fichierEndommage_data();
    void fichierEndommage();
    void fichierImpossibleAOuvrir();
    void fichierImpossibleACreer();
    void couvertureQuiNEstPasJpeg();
};

// From a sheet file to the editor's values, and from those to the new film's record.
class TestSaisie : public QObject
{
    Q_OBJECT

private slots:
    void saisieDepuisFiche();
    void valeursHorsDesListes();
    void barreDansUneValeur();
    void allerRetour_data();
    void allerRetour();
    void nouveauFilmSansValeurs();
    void titreRefuse_data();
    void titreRefuse();
    void titresAcceptes();
    void ecritureRefusee_data();
    void ecritureRefusee();
    void prixArrondi_data();
    void prixArrondi();
    void lotDeFilms();
};

// exporter-fiche and importer-fiche, run as processes on real catalogue folders.
class TestCommandesEchange : public QObject
{
    Q_OBJECT

private slots:
    void exporterPuisImporter();
    void importerPlusieursFichiers();
    void exporterRefuse();
};
