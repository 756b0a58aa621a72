#include "app/erreurs.h"
#include "resultat.h"
#include "tests.h"
#include "widgets/imagemouseoutstate.h"

#include <QTest>
#include <stdexcept>

namespace {

// An object whose handler fails the way a command does when a file cannot be opened.
class ObjetFautif : public QObject
{
public:
    int evenements = 0;

protected:
    bool event(QEvent* evenement) override
    {
        if (evenement->type() != QEvent::User)
            return QObject::event(evenement);
        ++evenements;
        throw std::runtime_error("Impossible d'ouvrir le fichier « affiche.jpg ».");
    }
};

// A command raising an error, then what it would have done next.
class Fenetre : public QObject
{
public:
    int suite = 0;
    void commandeFautive()
    {
        throw std::runtime_error("L'image ne peut être décodée.");
        ++suite;
    }
};

} // namespace

class TestErreurs : public QObject
{
    Q_OBJECT

private:
    QStringList affiches;

private slots:
    void init()
    {
        affiches.clear();
        DefinirAfficheurErreur([this](const QString& texte) { affiches << texte; });
    }
    void cleanup() { DefinirAfficheurErreur({}); }

    // An exception that escapes an event handler is shown with its own text; the next events are
    // handled as usual, sent or posted.
    void exceptionDUnGestionnaire()
    {
        ObjetFautif objet;
        QEvent evenement(QEvent::User);
        QVERIFY(!QApplication::sendEvent(&objet, &evenement));
        QCoreApplication::postEvent(&objet, new QEvent(QEvent::User));
        QTRY_COMPARE(objet.evenements, 2);
        QCOMPARE(affiches, QStringList(2, QStringLiteral("Impossible d'ouvrir le fichier « affiche.jpg ».")));
    }

    // A command bound to an image button stops at its error, which is shown; the button itself
    // finishes its release and comes back to rest.
    void exceptionDUneCommande()
    {
        Fenetre fenetre;
        TImageMouseOutState bouton;
        QPixmap repos(8, 8);
        repos.fill(Qt::white);
        bouton.setNormalPicture(repos);
        connect(&bouton, &TImageMouseOutState::OnClick, &fenetre,
                Commande(&fenetre, &Fenetre::commandeFautive));
        QTest::mouseClick(&bouton, Qt::LeftButton);
        QCOMPARE(affiches, QStringList{QStringLiteral("L'image ne peut être décodée.")});
        QCOMPARE(fenetre.suite, 0);
        QCOMPARE(bouton.Picture().toImage(), repos.toImage());
        QTest::mouseClick(&bouton, Qt::LeftButton);
        QCOMPARE(affiches.size(), 2);
    }

    void signalerEchec_data()
    {
        QTest::addColumn<int>("genre");
        QTest::addColumn<bool>("succes");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("succès") << 0 << true << QStringList();
        QTest::newRow("échec") << 1 << false << QStringList{"Table introuvable."};
        QTest::newRow("échec déjà signalé") << 2 << false << QStringList();
    }

    void signalerEchec()
    {
        QFETCH(int, genre);
        QFETCH(bool, succes);
        QFETCH(QStringList, attendus);
        const Resultat r = genre == 0   ? Resultat::Succes()
                           : genre == 1 ? Resultat::Echec(QStringLiteral("Table introuvable."), 3)
                                        : Resultat::Silencieux(QStringLiteral("Déjà montré."));
        QCOMPARE(SignalerEchec(r), succes);
        QCOMPARE(affiches, attendus);
    }
};

QObject* CreerTestErreurs()
{
    return new TestErreurs;
}

#include "tst_erreurs.moc"
