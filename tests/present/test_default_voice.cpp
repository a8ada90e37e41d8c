#include "present/DefaultVoice.h"

#include <QtTest>

class TestDefaultVoice : public QObject {
    Q_OBJECT
  private slots:
    void defaultVoice_data();
    void defaultVoice();
    void storedVoiceWinsOnlyWhenKnown();
};

void TestDefaultVoice::defaultVoice_data() {
    QTest::addColumn<QStringList>("voices");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    const QStringList many{"de", "en", "en-gb-scotland", "en-us", "fr-be", "fr-fr", "pt", "pt-br"};
    QTest::newRow("language present") << many << "de_DE"
                                      << "de";
    QTest::newRow("regional voice first") << many << "en_US"
                                          << "en-us";
    QTest::newRow("plain language before other regions") << many << "en_AU"
                                                         << "en";
    QTest::newRow("regional voice of the language")
        << QStringList{"en", "fr-be", "fr-fr"} << "fr_CA"
        << "fr-be";
    QTest::newRow("region matches case-insensitively") << many << "pt_BR"
                                                       << "pt-br";
    QTest::newRow("unknown language: English") << many << "ja_JP"
                                               << "en";
    QTest::newRow("C locale: English") << many << "C"
                                       << "en";
    QTest::newRow("only a regional English") << QStringList{"de", "en-us"} << "ja_JP"
                                             << "en-us";
    QTest::newRow("no English at all: the first") << QStringList{"de", "fr"} << "ja_JP"
                                                  << "de";
    QTest::newRow("no voices") << QStringList{} << "de_DE"
                               << "";
    QTest::newRow("no prefix confusion") << QStringList{"en", "es"} << "et_EE"
                                         << "en";
}

void TestDefaultVoice::defaultVoice() {
    QFETCH(QStringList, voices);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(present::defaultVoice(voices, QLocale(locale)), expected);
}

void TestDefaultVoice::storedVoiceWinsOnlyWhenKnown() {
    const QStringList voices{"de", "en", "fr-fr"};
    const QLocale german(QStringLiteral("de_DE"));
    QCOMPARE(present::effectiveVoice(QStringLiteral("fr-fr"), voices, german), "fr-fr");
    QCOMPARE(present::effectiveVoice(QString(), voices, german), "de");
    // A voice stored on a machine that had it, read on one that has not.
    QCOMPARE(present::effectiveVoice(QStringLiteral("sw"), voices, german), "de");
}

QTEST_GUILESS_MAIN(TestDefaultVoice)
#include "test_default_voice.moc"
