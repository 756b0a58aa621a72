#pragma once

// The bench every editor test stands on: a program folder of its own with a real catalogue, the main
// window and its data module as the program makes them, and the message box, error box and file
// dialogs answered by the test.
#include "app/demarrage.h"
#include "app/erreurs.h"
#include "app/formmain.h"
#include "catalogue/schema.h"
#include "catalogue/tdm.h"
#include "editor/panneaugestion.h"
#include "system/programme.h"
#include "widgets/boitemessage.h"
#include "widgets/dialoguesfichier.h"
#include "widgets/imagemouseoutstate.h"

#include <QDir>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Every field of a record as text; the cover as its bytes in hexadecimal.
using Fiche = QMap<QString, QString>;

class Banc
{
public:
    QTemporaryDir dossier;
    std::unique_ptr<TFormMain> fenetre;
    std::unique_ptr<Tdm> dm;
    QStringList avertissements;
    QStringList questions;
    QStringList erreurs;
    QList<DialoguesFichier::Demande> dialogues;
    BoiteMessage::Reponse reponse = BoiteMessage::Reponse::Non;
    QString fichierChoisi; // what the file dialogs answer (empty: cancelled)

    // The window's creation registers the sheet-file type and makes staging folders: both go into
    // this bench's folder.
    explicit Banc(const QStringList& arguments = {QStringLiteral("kinobral")})
    {
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString d = dossier.filePath(QString::fromLatin1(variable));
            QDir().mkpath(d);
            m_environnement.insert(variable, qgetenv(variable));
            qputenv(variable, QFile::encodeName(d));
        }
        BoiteMessage::definirRepondeur([this](BoiteMessage::Type type, const QString& texte) {
            if (type == BoiteMessage::Type::Confirmation) {
                questions << texte;
                return reponse;
            }
            avertissements << texte;
            return BoiteMessage::Reponse::Ok;
        });
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
        DialoguesFichier::DefinirRepondeur([this](const DialoguesFichier::Demande& demande) {
            dialogues << demande;
            return fichierChoisi;
        });
        // The program's artwork, which the sheet view needs, from the built program folder.
        QDir().mkpath(dossier.filePath(QStringLiteral("programme")));
        QFile::link(QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "images"),
                    dossier.filePath(QStringLiteral("programme/images")));
        fenetre =
            std::make_unique<TFormMain>(arguments, dossier.filePath(QStringLiteral("programme")) + u'/');
    }

    ~Banc()
    {
        fenetre.reset();
        dm.reset();
        BoiteMessage::definirRepondeur({});
        DefinirAfficheurErreur({});
        DialoguesFichier::DefinirRepondeur({});
        for (auto it = m_environnement.cbegin(); it != m_environnement.cend(); ++it) {
            if (it.value().isNull())
                qunsetenv(it.key());
            else
                qputenv(it.key(), it.value());
        }
    }

    // The data module, as the start-up makes it after the main window.
    void Ouvrir()
    {
        dm = std::make_unique<Tdm>(DossierProgramme());
        OuvrirCatalogue(*fenetre, *dm);
        fenetre->show();
    }

    PanneauGestion& editeur() { return *fenetre->pnGestion; }
    Table& films() { return dm->tbFilms(); }

    // Appends a film written field by field as the store takes text.
    bool Ajouter(const Fiche& champs, const QByteArray& couverture = {})
    {
        Table& t = films();
        if (!t.Append())
            return false;
        for (auto it = champs.cbegin(); it != champs.cend(); ++it)
            if (!t.EcrireTexte(it.key(), it.value())) {
                t.Cancel();
                return false;
            }
        if (!couverture.isEmpty() && !t.EcrireBlob(QStringLiteral("BlobPicture"), couverture)) {
            t.Cancel();
            return false;
        }
        return t.Post().estSucces();
    }

    // The record of that title, every field; empty when there is none.
    Fiche Lire(const QString& titre)
    {
        Fiche fiche;
        Table& t = films();
        if (!t.Locate(QStringLiteral("Titre"), titre))
            return fiche;
        for (const DescriptionChamp& c : SchemaFilms().champs) {
            if (c.nom == QLatin1String("Num"))
                continue;
            fiche.insert(c.nom, c.type == TypeChamp::Binaire ? QString::fromLatin1(t.Blob(c.nom).toHex())
                                                             : t.Texte(c.nom));
        }
        return fiche;
    }

    // The whole catalogue, record by record.
    QList<Fiche> Catalogue()
    {
        QList<Fiche> tout;
        QStringList titres;
        Table& t = films();
        for (t.First(); !t.Eof(); t.Next())
            titres << t.Texte(QStringLiteral("Titre"));
        for (const QString& titre : titres)
            tout << Lire(titre);
        return tout;
    }

    // The editor's confirm button, as the user presses it.
    void Valider() { QTest::mouseClick(editeur().bnValider, Qt::LeftButton); }
    bool EditeurOuvert() const { return fenetre->pnGestion->isVisible(); }

private:
    QMap<const char*, QByteArray> m_environnement; // the variables as they were before the bench
};
