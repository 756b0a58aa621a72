#pragma once

#include <QObject>

// The catalogue store's test classes, run one after the other by main.cpp.

class TestFormes : public QObject
{
    Q_OBJECT
private slots:
    void textesEcrits_data();
    void textesEcrits();
    void tailleDesTextes();
    void localeSansEffet_data();
    void localeSansEffet();
    void collation_data();
    void collation();
};

class TestTable : public QObject
{
    Q_OBJECT
private slots:
    void ouvertureCreeLesFichiers();
    void ficheComplete();
    void navigationEtRecherche();
    void editionTableVideAjoute();
    void suppressionRendCourantLeVoisin();
    void titreEnDouble();
    void champRequis_data();
    void champRequis();
    void valeursRefusees();
    void annulationEtNavigationEnEdition();
    void sourceActeurs();
    void fichierEtranger_data();
    void fichierEtranger();
    void processusTue_data();
    void processusTue();
};

class TestQuery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void valeursDistinctes_data();
    void valeursDistinctes();
    void titresDUnGroupe_data();
    void titresDUnGroupe();
    void accueilParDateDecroissante();
    void compteParGroupe();
    void recherche_data();
    void recherche();
    void couvertureDUnTitre();
    void grilleEtPretModifie();
    void pretTitreEnDouble();
    void parametresEtErreurs_data();
    void parametresEtErreurs();
    void ordreFrancaisEtUnicite();
    void aucuneInstructionNeParcourtLesLignes_data();
    void aucuneInstructionNeParcourtLesLignes();
    void couverturesNonDemandeesNonLues();

private:
    class Tdm* m_dm = nullptr;
    class QTemporaryDir* m_dossier = nullptr;
};

// Child process entry points (the test binary started again with an argument).
int EnfantEcrire(const QString& dossierProgramme);
int EnfantFormes(const QString& dossierProgramme);
