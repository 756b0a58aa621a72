#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Text edits of the freedesktop files that hold the sheet-file association. Each takes the
// file's current bytes and returns the new ones; everything it does not set is kept as it was.

using ValeursCles = QList<QPair<QString, QString>>;

// Sets `valeurs` in group `groupe` of a key file (desktop entry, mimeapps.list syntax): a key
// already there is replaced in place, a new one is added at the end of its group, a missing group
// at the end of the file. Values are escaped as key-file strings.
QByteArray FixerCles(const QByteArray& fichier, const QString& groupe, const ValeursCles& valeurs);

// The unescaped value of `nom` in group `groupe`, or a null string when absent.
QString LireCle(const QByteArray& fichier, const QString& groupe, const QString& nom);

// Quotes one argument of a desktop entry's Exec line (before the key-file escaping above).
QString GuillemeterArgumentExec(const QString& argument);

// One MIME type of a shared-mime-info package as this program writes it.
struct PaquetMime
{
    QString type;
    QString motif;
    QString icone;
};

// Reads the first MIME type of a package; fields stay empty when the bytes hold none.
PaquetMime LirePaquetMime(const QByteArray& xml);
QByteArray EcrirePaquetMime(const PaquetMime& paquet);

// The MIME types that a package or a globs2 file gives for the glob `motif` (case-insensitive),
// highest weight first.
QStringList TypesMimePourMotif(const QByteArray& xml, const QString& motif);
QStringList TypesMimeGlobs2(const QByteArray& globs2, const QString& motif);
