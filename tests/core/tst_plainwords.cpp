// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PlainWords.h"

#include <QTest>

class TestPlainWords : public QObject
{
    Q_OBJECT

private slots:
    // Letter-spaced captions close up into words with one capital; every other caption,
    // odd spacing and spaced digits included, is read as it is written.
    void words_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("words");
        QTest::newRow("trailing blank") << "V e r i f i c a "
                                        << "Verifica";
        QTest::newRow("two words") << "N u o v a   s o t t r a z i o n e"
                                   << "Nuova sottrazione";
        QTest::newRow("capitals, two words") << "E S E R C I Z I   E S E G U I T I "
                                             << "Esercizi eseguiti";
        QTest::newRow("inside plain words") << "Premi  E S C I  per uscire"
                                            << "Premi esci per uscire";
        QTest::newRow("accented letters") << "P I Ù"
                                          << "Più";
        QTest::newRow("spread letters before a word") << "a b c de"
                                                      << "Abc de";
        QTest::newRow("spread letters after a word's letter") << "xa b c d"
                                                              << "Xa bcd";
        QTest::newRow("two spread letters, then a word") << "a b cd"
                                                         << "a b cd";
        QTest::newRow("plain") << "Visualizza  esercizio"
                               << "Visualizza  esercizio";
        QTest::newRow("wide gaps") << "   IMMETTI   IL  TUO  NOME"
                                   << "   IMMETTI   IL  TUO  NOME";
        QTest::newRow("letters among numbers") << "NUMERO MAX DA 1 A 10"
                                               << "NUMERO MAX DA 1 A 10";
        QTest::newRow("spaced digits") << "  1      2       3      4"
                                       << "  1      2       3      4";
    }
    void words()
    {
        QFETCH(QString, caption);
        QFETCH(QString, words);
        QCOMPARE(PlainWords::of(caption), words);
        QCOMPARE(PlainWords::isLetterSpaced(caption), words != caption);
    }
};

QTEST_APPLESS_MAIN(TestPlainWords)
#include "tst_plainwords.moc"
