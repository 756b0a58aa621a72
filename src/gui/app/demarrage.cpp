#include "demarrage.h"

#include "browse/fichefilm.h"
#include "catalogue/tdm.h"
#include "editor/etatdemarrage.h"
#include "erreurs.h"
#include "formmain.h"
#include "habillage.h"
#include "exchange/formmail.h"
#include "print/formagrandissement.h"
#include "print/formapercu.h"
#include "print/formpreview.h"
#include "print/impression.h"
#include "system/programme.h"
#include "system/verroucatalogue.h"
#include "widgets/boitemessage.h"
#include "windows/formacteurs.h"
#include "windows/formglossaire.h"
#include "windows/formnotes.h"
#include "windows/formsplash.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <QTimer>
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
    // The toolkit's own dialogs (printer setup, file dialogs, calendars) speak French too.
    static QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traductionQt);
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
    // The glossary reads its file now; a file that cannot be read is reported and start-up goes on.
    // Like the actors window below, it is a child of the main window, which keeps it above itself
    // and finds it for its button.
    std::unique_ptr<TFormGlossaire> formGlossaire;
    Creer([&] { formGlossaire = TFormGlossaire::Creer(&formMain); });
    // The actors window is a child of the main window, which keeps it above itself and finds it for
    // its actors button.
    std::unique_ptr<TFormActeurs> formActeurs;
    Creer([&] { formActeurs = std::make_unique<TFormActeurs>(dm, &formMain); });
    std::unique_ptr<TFormApercu> formApercu;
    Creer([&] { formApercu = std::make_unique<TFormApercu>(); });
    std::unique_ptr<TfrmPreview> frmPreview;
    if (formApercu)
        Creer([&] { frmPreview = std::make_unique<TfrmPreview>(*formApercu); });
    std::unique_ptr<TFormMail> formMail;
    Creer([&] { formMail = std::make_unique<TFormMail>(DossierProgramme(), &formMain); });
    formMain.FormApercu = formApercu.get();
    formMain.frmPreview = frmPreview.get();
    formMain.FormMail = formMail.get();
    std::unique_ptr<TFormAgrandissement> formAgrandissement;
    Creer([&] { formAgrandissement = std::make_unique<TFormAgrandissement>(); });
    if (formAgrandissement && formApercu && frmPreview)
        formAgrandissement->imprimer = [&dm, &formApercu, &frmPreview] {
            ImprimerCouvertureCourante(dm.tbFilms(), *formApercu, *frmPreview);
        };
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
    QTimer::singleShot(0, &formMain, [&formMain] { EcrireEtatDemarrage(formMain); });
    const int statut = application.exec();
    dm.FermerBase();
    return statut;
}
