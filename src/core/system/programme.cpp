#include "programme.h"

#include <QLocale>
#include <clocale>

namespace {

QString& dossierProgramme()
{
    static QString dossier;
    return dossier;
}

} // namespace

const QString& DossierProgramme()
{
    return dossierProgramme();
}

void DefinirDossierProgramme(const QString& dossier)
{
    QString d = dossier;
    if (!d.isEmpty() && !d.endsWith(u'/'))
        d += u'/';
    dossierProgramme() = d;
}

QStringList& ListeTitres()
{
    static QStringList titres;
    return titres;
}

void FixerFormatsProcessus()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(c);
    // QCoreApplication applies the user's locale to the C library on Unix; numbers stay with '.'.
    std::setlocale(LC_NUMERIC, "C");
}
