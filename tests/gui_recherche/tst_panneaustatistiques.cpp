// The statistics panel inside the main window, over a real catalogue: the bars, their marks and
// legend for each category, recounting, the empty chart, and printing the chart to a PDF file.
#include "catalogue/tdm.h"
#include "outils_recherche.h"
#include "search/graphiquestatistiques.h"
#include "search/panneaustatistiques.h"
#include "search/statistiques.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/dialogueimpression.h"
#include "widgets/imagemouseoutstate.h"

#include <QBarSet>
#include <QComboBox>
#include <QFile>
#include <QLegend>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QTest>

namespace {

// Five films: one without genre, none with a publisher, all media "DVD".
const QList<Champs> Films = {
    {{"Titre", "Alpha"}, {"Genre", "Drame"}, {"Etoiles", "3 étoiles"}, {"Support", "DVD"}},
    {{"Titre", "Bravo"}, {"Genre", "Comédie"}, {"Etoiles", "1 étoile"}, {"Support", "DVD"}},
    {{"Titre", "Charlie"}, {"Genre", "Drame"}, {"Support", "DVD"}},
    {{"Titre", "Delta"}, {"Support", "DVD"}},
    {{"Titre", "Echo"}, {"Genre", "Drame"}, {"Support", "DVD"}},
};

// The bars as the chart holds them, "legend label=value": each value has its own slot, empty in
// the other values' sets.
QStringList Barres(const GraphiqueStatistiques* graphique)
{
    QStringList barres;
    const QList<QBarSet*> ensembles = graphique->Series1->barSets();
    for (int i = 0; i < ensembles.size(); ++i) {
        if (ensembles[i]->count() != ensembles.size() || ensembles[i]->sum() != ensembles[i]->at(i))
            return {QStringLiteral("une barre hors de son emplacement")};
        barres << ensembles[i]->label() + QLatin1Char('=') + QString::number(ensembles[i]->at(i));
    }
    return barres;
}

// Runs a poppler tool on a PDF and gives its text output.
QString Poppler(const QString& outil, const QString& pdf)
{
    QProcess processus;
    processus.start(outil, outil == QLatin1String("pdfinfo") ? QStringList{pdf}
                                                             : QStringList{pdf, QStringLiteral("-")});
    processus.waitForFinished(-1);
    return QString::fromUtf8(processus.readAllStandardOutput());
}

} // namespace

class TestPanneauStatistiques : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    std::unique_ptr<FenetreEssai> essai;
    PanneauStatistiques* p = nullptr;

    void ViderCatalogue()
    {
        Table& films = essai->dm().tbFilms();
        films.First();
        while (films.RecordCount() > 0)
            QVERIFY(films.Delete());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(IsolerEnvironnement(environnement));
        BoiteMessage::definirRepondeur(
            [](BoiteMessage::Type, const QString&) { return BoiteMessage::Reponse::Non; });
    }

    void cleanupTestCase()
    {
        BoiteMessage::definirRepondeur({});
        DialogueImpression::DefinirRepondeur({});
    }

    void init()
    {
        essai = std::make_unique<FenetreEssai>(Films);
        QVERIFY(essai->Prete());
        p = essai->f().pnStatistiques;
        QVERIFY(!p->isVisible());
    }

    void cleanup()
    {
        essai.reset();
        DialogueImpression::DefinirRepondeur({});
    }

    // A legend too long for one line moves to a column beside the bars, where every label is
    // written whole; a short one stays below.
    void legendeEntiere_data()
    {
        QTest::addColumn<int>("valeurs");
        QTest::addColumn<int>("alignement");
        QTest::newRow("trois valeurs") << 3 << int(Qt::AlignBottom);
        QTest::newRow("douze valeurs") << 12 << int(Qt::AlignRight);
    }
    void legendeEntiere()
    {
        QFETCH(int, valeurs);
        QFETCH(int, alignement);
        Statistiques stats;
        for (int i = 0; i < valeurs; ++i)
            stats.barres.push_back({QStringLiteral("Comédie musicale %1").arg(i), 1});
        stats.total = valeurs;
        p->Graphique->Remplir(stats);
        QCOMPARE(int(p->Graphique->chart()->legend()->alignment()), alignement);
    }

    // Opening counts by the selected category, "Genre" at first, and hides the navigation band.
    void Ouverture()
    {
        QCOMPARE(p->cbChoix->count(), 10);
        QCOMPARE(p->cbChoix->itemText(0), QStringLiteral("Genre"));
        QCOMPARE(p->cbChoix->itemText(9), QStringLiteral("Format cinéma"));
        QCOMPARE(p->cbChoix->currentText(), QStringLiteral("Genre"));
        QVERIFY(Barres(p->Graphique).isEmpty());

        QTest::mouseClick(essai->f().bnStatistique, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(p->isVisible());
        QCOMPARE(p->geometry(), QRect(0, 55, 800, 545));
        QVERIFY(!essai->f().bnRecherche->isVisibleTo(essai->f().pnFond));
        QCOMPARE(Barres(p->Graphique), (QStringList{"Comédie : 1=1", "Drame : 3=3"}));
        QCOMPARE(p->Graphique->Marques(), (QStringList{"25 %", "75 %"}));

        QTest::mouseClick(p->bnFermerStats, Qt::LeftButton);
        QVERIFY(!p->isVisible());
        QVERIFY(essai->f().bnRecherche->isVisibleTo(essai->f().pnFond));
    }

    // One bar per non-empty value, in the store's group order, marked with its share of the bars' sum.
    void Categorie_data()
    {
        QTest::addColumn<QString>("categorie");
        QTest::addColumn<QStringList>("barres");
        QTest::addColumn<QStringList>("marques");
        QTest::newRow("un film par valeur")
            << "Etoiles" << QStringList{"1 étoile : 1=1", "3 étoiles : 1=1"} << QStringList{"50 %", "50 %"};
        QTest::newRow("une valeur pour tous")
            << "Support" << QStringList{"DVD : 5=5"} << QStringList{"100 %"};
        QTest::newRow("aucune valeur") << "Editeur" << QStringList{} << QStringList{};
    }

    void Categorie()
    {
        QFETCH(QString, categorie);
        QFETCH(QStringList, barres);
        QFETCH(QStringList, marques);
        essai->f().bnStatistiqueClick();
        p->cbChoix->setCurrentIndex(p->cbChoix->findText(categorie));
        QCOMPARE(Barres(p->Graphique), barres);
        QCOMPARE(p->Graphique->Marques(), marques);
        QCOMPARE(p->Graphique->chart()->legend()->isVisible(), !barres.isEmpty());
    }

    // Every change of category and every opening read the table again; an emptied catalogue gives an
    // empty chart even after counts were shown.
    void Recompte()
    {
        essai->f().bnStatistiqueClick();
        p->cbChoix->setCurrentIndex(p->cbChoix->findText(QStringLiteral("Support")));
        QVERIFY(AjouterFilm(essai->dm().tbFilms(), {{"Titre", "Foxtrot"}, {"Genre", "Western"}}));
        p->cbChoix->setCurrentIndex(0);
        QCOMPARE(Barres(p->Graphique), (QStringList{"Comédie : 1=1", "Drame : 3=3", "Western : 1=1"}));
        QCOMPARE(p->Graphique->Marques(), (QStringList{"20 %", "60 %", "20 %"}));

        essai->f().bnFermerStatsClick();
        ViderCatalogue();
        essai->f().bnStatistiqueClick();
        QCOMPARE(p->cbChoix->currentText(), QStringLiteral("Genre"));
        QVERIFY(Barres(p->Graphique).isEmpty());
        QVERIFY(p->Graphique->Marques().isEmpty());
    }

    // A store error keeps the chart it showed; an opening that cannot count still opens the panel, so
    // that the user can close it and find the navigation band again.
    void ErreurCatalogue()
    {
        essai->f().bnStatistiqueClick();
        const QStringList avant = Barres(p->Graphique);
        QCOMPARE(avant.size(), 2);
        essai->dm().FermerBase();
        ErreursEnregistrees erreurs;
        p->cbChoix->setCurrentIndex(p->cbChoix->findText(QStringLiteral("Support")));
        QCOMPARE(erreurs.textes.size(), 1);
        QCOMPARE(Barres(p->Graphique), avant);

        essai->f().bnFermerStatsClick();
        essai->f().bnStatistiqueClick();
        QCOMPARE(erreurs.textes.size(), 2);
        QVERIFY(p->isVisible());
        QCOMPARE(Barres(p->Graphique), avant);
        QTest::mouseClick(p->bnFermerStats, Qt::LeftButton);
        QVERIFY(essai->f().bnStatistique->isVisibleTo(essai->f().pnFond));
    }

    // One landscape page of the chart; the printer's orientation comes back as it was.
    void Impression()
    {
        essai->f().bnStatistiqueClick();
        QTemporaryDir sortie;
        const QString pdf = sortie.filePath(QStringLiteral("graphique.pdf"));
        int demandes = 0;
        DialogueImpression::DefinirRepondeur([&](QPrinter& imprimante) {
            ++demandes;
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            imprimante.setPageOrientation(QPageLayout::Portrait);
            return true;
        });
        QTest::mouseClick(p->bnPrintStats, Qt::LeftButton);
        QCOMPARE(demandes, 1);
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(p->Imprimante().pageLayout().orientation(), QPageLayout::Portrait);

        const QString infos = Poppler(QStringLiteral("pdfinfo"), pdf);
        QVERIFY2(infos.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(infos));
        const QRegularExpressionMatch taille =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(infos);
        QVERIFY(taille.hasMatch());
        QVERIFY(taille.captured(1).toDouble() > taille.captured(2).toDouble());
        const QString texte = Poppler(QStringLiteral("pdftotext"), pdf);
        QVERIFY2(texte.contains(QStringLiteral("Drame : 3")) && texte.contains(QStringLiteral("75 %")),
                 qPrintable(texte));
    }

    // Cancelling the printer setup prints nothing; a printer that cannot be written to is reported and
    // its orientation restored.
    void ImpressionAnnuleeOuImpossible()
    {
        essai->f().bnStatistiqueClick();
        QTemporaryDir sortie;
        const QString pdf = sortie.filePath(QStringLiteral("graphique.pdf"));
        DialogueImpression::DefinirRepondeur([&](QPrinter& imprimante) {
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            imprimante.setPageOrientation(QPageLayout::Portrait);
            return false;
        });
        ErreursEnregistrees erreurs;
        QTest::mouseClick(p->bnPrintStats, Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(erreurs.textes.isEmpty());

        const QString impossible = sortie.filePath(QStringLiteral("absent/graphique.pdf"));
        DialogueImpression::DefinirRepondeur([&](QPrinter& imprimante) {
            imprimante.setOutputFileName(impossible);
            return true;
        });
        QTest::mouseClick(p->bnPrintStats, Qt::LeftButton);
        QCOMPARE(erreurs.textes.size(), 1);
        QVERIFY(erreurs.textes.first().contains(impossible));
        QVERIFY(!QFile::exists(impossible));
        QCOMPARE(p->Imprimante().pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(p->isVisible());
    }
};

QObject* CreerTestPanneauStatistiques()
{
    return new TestPanneauStatistiques;
}

#include "tst_panneaustatistiques.moc"
