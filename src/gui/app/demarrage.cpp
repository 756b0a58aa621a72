#include "demarrage.h"

#include "browse/fichefilm.h"
#include "catalogue/tdm.h"
#include "erreurs.h"
#include "formmain.h"
#include "habillage.h"
#include "print/formagrandissement.h"
#include "system/programme.h"
#include "system/verroucatalogue.h"
#include "widgets/boitemessage.h"
#include "windows/formacteurs.h"
#include "windows/formnotes.h"
#include "windows/formsplash.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <exception>
#include <functional>
#include <memory>

namespace {

// An error raised while one window is created is shown with its own text; start-up goes on with
// the next one.
void Creer(const std::function<void()>& creation)
{
    try {
        creation();
    } catch (const std::exception& erreur) {
        AfficherErreurApplication(QString::fromUtf8(erreur.what()));
    }
}

} // namespace

void PreparerApplication(QApplication& application)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kinobral 2005"));
    // The Tahoma clone, when installed, gives the window its intended metrics.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
    QFont police(QStringLiteral("Tahoma"));
    police.setPointSize(8);
    QApplication::setFont(police);
    Habillage::AppliquerHabillage(application);
    // Menus unroll from their top-left corner, rightwards and downwards.
    QApplication::setEffectEnabled(Qt::UI_General);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, false);
}

void OuvrirCatalogue(TFormMain& formMain, Tdm& dm)
{
    dm.avertir = [&formMain](const QString& texte) { BoiteMessage::Avertir(&formMain, texte); };
    formMain.AttacherDataModule(dm);
    SignalerEchec(dm.OuvrirBase());
}

int LancerKinobral(QApplication& application)
{
    PreparerApplication(application);

    // 1. The main window first: its creation sets the program folder and the title list that the
    //    data module fills.
    TFormMain formMain(QCoreApplication::arguments());
    QObject::connect(&formMain, &TFormMain::FinDemandee, &application, &QCoreApplication::quit);

    // 2. The data module, which opens the catalogue. The program holds the catalogue's lock while it
    //    runs so that the command-line tool does not write under it; without it (the tool is in the
    //    middle of a change) the program still runs.
    Tdm dm(DossierProgramme());
    VerrouCatalogue verrouCatalogue;
    if (QDir().mkpath(dm.dossierCatalogue()))
        (void)verrouCatalogue.Prendre(dm.dossierCatalogue());
    Creer([&] { OuvrirCatalogue(formMain, dm); });

    // 3. The secondary windows, created hidden in this order and kept until the end:
    //    glossary, actors, printed sheet holder, print preview, mail, picture enlargement, then the
    //    splash and the notes window.
    // The actors window is a child of the main window, which keeps it above itself and finds it for
    // its actors button.
    std::unique_ptr<TFormActeurs> formActeurs;
    Creer([&] { formActeurs = std::make_unique<TFormActeurs>(dm, &formMain); });
    std::unique_ptr<TFormAgrandissement> formAgrandissement;
    Creer([&] { formAgrandissement = std::make_unique<TFormAgrandissement>(); });
    std::unique_ptr<TFormSplash> formSplash;
    Creer([&] { formSplash = std::make_unique<TFormSplash>(); });
    std::unique_ptr<TFormNotes> formNotes;
    Creer([&] { formNotes = std::make_unique<TFormNotes>(); });
    // The sheet view's cover and notes indicator open these two.
    formMain.FicheFilm->AttacherFenetres(formAgrandissement.get(), formNotes.get());

    // 4. The splash, modal, before the main window shows.
    if (formSplash)
        formSplash->exec();

    // 5. The event loop, with the main window on screen.
    formMain.show();
    const int statut = application.exec();
    dm.FermerBase();
    return statut;
}
