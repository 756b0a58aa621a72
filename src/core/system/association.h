#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Registration of the sheet-file type with the desktop, so that double-clicking a sheet file
// starts the program with the file's path as first argument. The registry entries of the
// original program land in the user's freedesktop files:
//   file type name of ".kbx"  -> MIME package  $XDG_DATA_HOME/mime/packages/kinobral-kbx.xml
//   the verb's command        -> desktop entry $XDG_DATA_HOME/applications/kinobral-kbx-open.desktop
//   default verb              -> [Default Applications] of $XDG_CONFIG_HOME/mimeapps.list
//   the verb's description    -> Comment of that desktop entry
//   icon                      -> <icon> of the MIME package
// Nothing needs root. The core shows nothing: failures go to `signalerErreur`.

using SignalerErreur = std::function<void(const QString& message)>;

enum class Ecriture
{
    Inchangee,
    Faite,
    Echouee
};

// The one writer behind every value: reads `fichier` (missing = empty), applies `modifier` to its
// bytes and, when the result differs, writes it atomically, creating the folders. Identical
// content is never rewritten. On failure it calls signalerErreur("erreur d'écriture dans la base
// de registre") once and returns Echouee.
Ecriture EcrireCleRegistre(const QString& fichier,
                           const std::function<QByteArray(const QByteArray&)>& modifier,
                           const SignalerErreur& signalerErreur);

// The MIME type already claiming "*." + extension: in the user's packages, then in the system's
// MIME databases ($XDG_DATA_DIRS). Empty when none. `lectureEchouee` is set when a file that
// exists could not be read.
QString LireTypeFichier(const QString& extension, bool* lectureEchouee = nullptr);

// The desktop entry's id for the verb of an extension, e.g. "kinobral-kbx-open.desktop".
QString IdEntreeBureau(const QString& extension, const QString& verbe);

// Registers the extension (without dot): keeps the MIME type that already claims it, else
// "application/x-" + extension + "_file"; binds the verb's command (the program's path, the file
// as first argument) and, with `parDefaut`, makes it the default application for that type.
// Every write is attempted even when an earlier one failed. Refreshes the desktop's caches when
// something changed and the tools are installed.
void EnregistrerTypeFichier(const QString& extension, const QString& cheminProgramme,
                            const QString& description, const QString& icone, const QString& verbe,
                            bool parDefaut, const SignalerErreur& signalerErreur);
