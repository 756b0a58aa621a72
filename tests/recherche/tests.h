#pragma once

#include <QObject>

class TestRecherche : public QObject
{
    Q_OBJECT

private slots:
    void caseACocherDonneChampEtListe();
    void lignesRecherche_data();
    void lignesRecherche();
    void recherche_data();
    void recherche();
    void rechercheSansCritereDonneChaqueTitreUneFois();
    void listeSansSelection_data();
    void listeSansSelection();
    void periodeIncorrecte();
    void listeCritere();
    void couverture();
};

class TestStatistiques : public QObject
{
    Q_OBJECT

private slots:
    void comptes_data();
    void comptes();
    void catalogueVide();
    void textePourcentage_data();
    void textePourcentage();
};

class TestPrets : public QObject
{
    Q_OBJECT

private slots:
    void estDate_data();
    void estDate();
    void registre();
    void registreVide();
    void validation_data();
    void validation();
    void titreABlancs();
    void refus();
};

class TestCliRecherche : public QObject
{
    Q_OBJECT

private slots:
    void commandes_data();
    void commandes();
    void preterPuisPrets();
};
