// The actor field split into list entries, as the sheet view lists them.
#include "reference/acteurs.h"
#include "tests.h"

#include <QTest>

class TestActeurs : public QObject
{
    Q_OBJECT

private slots:
    void SeparerActeurs_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("entrees");

        QTest::newRow("four separators in turn")
            << QStringLiteral("Anne Roy; Paul Vidal. Marc Petit,Luc Bon")
            << QStringList{"Anne Roy", " Paul Vidal", " Marc Petit", "Luc Bon"};
        QTest::newRow("initial with a full stop splits the name")
            << QStringLiteral("Samuel L. Jackson, Uma Thurman")
            << QStringList{"Samuel L", " Jackson", " Uma Thurman"};
        QTest::newRow("two commas give an empty entry")
            << QStringLiteral("Anne,,Paul") << QStringList{"Anne", "", "Paul"};
        QTest::newRow("comma at the very end gives nothing")
            << QStringLiteral("Anne, Paul,") << QStringList{"Anne", " Paul"};
        QTest::newRow("separators and blanks at the ends go")
            << QStringLiteral(" \t;Anne, Paul ;\n ") << QStringList{"Anne", " Paul"};
        QTest::newRow("entries are not trimmed one by one")
            << QStringLiteral("Anne , Paul") << QStringList{"Anne ", " Paul"};
        QTest::newRow("stored line breaks also separate")
            << QStringLiteral("Anne\r\nPaul\nMarc\rLuc") << QStringList{"Anne", "Paul", "Marc", "Luc"};
        QTest::newRow("comma before a line break: one break")
            << QStringLiteral("Anne,\nPaul") << QStringList{"Anne", "Paul"};
        QTest::newRow("line feed then carriage return: two breaks")
            << QStringLiteral("Anne\n\rPaul") << QStringList{"Anne", "", "Paul"};
        QTest::newRow("a single name") << QStringLiteral("Anne Roy") << QStringList{"Anne Roy"};
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("only separators") << QStringLiteral(" ;., ") << QStringList{};
    }

    void SeparerActeurs()
    {
        QFETCH(QString, texte);
        QFETCH(QStringList, entrees);
        QCOMPARE(::SeparerActeurs(texte), entrees);
    }

    void RognerTexte_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("rogne");
        QTest::newRow("leading space") << QStringLiteral(" Paul Vidal") << QStringLiteral("Paul Vidal");
        QTest::newRow("control characters")
            << QStringLiteral("\t\r\nPaul Vidal\x01") << QStringLiteral("Paul Vidal");
        QTest::newRow("inner spaces stay")
            << QStringLiteral("  Paul  Vidal ") << QStringLiteral("Paul  Vidal");
        QTest::newRow("non-breaking space is a letter")
            << QStringLiteral("\u00a0Paul") << QStringLiteral("\u00a0Paul");
        QTest::newRow("blank only") << QStringLiteral(" \t ") << QString();
    }

    void RognerTexte()
    {
        QFETCH(QString, texte);
        QFETCH(QString, rogne);
        QCOMPARE(::RognerTexte(texte), rogne);
    }
};

QObject* CreerTestActeurs()
{
    return new TestActeurs;
}

#include "tst_acteurs.moc"
