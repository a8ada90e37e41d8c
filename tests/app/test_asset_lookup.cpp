// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its own files: installed under a prefix, in the build folder, or
// nowhere (the compiled-in pages then stand in).
#include "data/BackupNames.h"
#include "data/Folders.h"
#include "support/Files.h"
#include "window/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using testing::readFile;
using testing::writeFile;
using Page = window::HelpWindow::Page;

class TestAssetLookup : public QObject {
    Q_OBJECT
  private slots:
    void installedPrefix();
    void buildFolder();
    void noFolderFallsBackToCompiledInPages();
    void academicPageNamesBackupsAsTheyAreMade();
    void pagesInTheLanguageInUse();
    void everyPageIsTranslatedWithItsLinks();
};

void TestAssetLookup::installedPrefix() {
    QTemporaryDir root;
    const QString prefix = root.filePath("usr");
    QDir().mkpath(prefix + "/bin");
    writeFile(prefix + "/share/memorant/help/academic.html", "<p>installed</p>");

    const QString assets = data::assetFolder(prefix + "/bin");
    QCOMPARE(assets, prefix + "/share/memorant");
    QCOMPARE(window::HelpWindow::pageUrl(Page::Academic, assets),
             QUrl::fromLocalFile(assets + "/help/academic.html"));
    // A page missing from the folder comes from the program itself.
    QCOMPARE(window::HelpWindow::pageUrl(Page::Kids, assets), QUrl("qrc:/help/kids.html"));

    // The installed page is the one a help window shows.
    window::HelpWindow window;
    window.browser()->setSource(window::HelpWindow::pageUrl(Page::Academic, assets));
    QCOMPARE(window.browser()->toPlainText(), QStringLiteral("installed"));
}

void TestAssetLookup::buildFolder() {
    const QString program = QFileInfo(QStringLiteral(MEMORANT_BINARY)).absolutePath();
    const QString assets = data::assetFolder(program);
    QCOMPARE(assets, program + "/assets");
    // The build's copies are the current pages, not stale ones.
    for (const char* page : {"academic.html", "kids.html"}) {
        const QByteArray source =
            readFile(QStringLiteral(MEMORANT_SOURCE_DIR "/assets/help/") + page);
        QVERIFY(!source.isEmpty());
        QCOMPARE(readFile(assets + "/help/" + page), source);
    }
}

void TestAssetLookup::noFolderFallsBackToCompiledInPages() {
    QTemporaryDir root;
    // share/memorant without its help pages is no copy of the program's files.
    QDir().mkpath(root.filePath("prefix/bin"));
    QDir().mkpath(root.filePath("prefix/share/memorant"));
    QCOMPARE(data::assetFolder(root.filePath("prefix/bin")), QString());

    QCOMPARE(window::HelpWindow::pageUrl(Page::Academic, QString()),
             QUrl("qrc:/help/academic.html"));
    window::HelpWindow window; // registers the compiled-in pages
    QVERIFY(QFile::exists(":/help/academic.html") && QFile::exists(":/help/kids.html"));
}

// Backups and the copies kept beside the database carry its whole file name.
void TestAssetLookup::academicPageNamesBackupsAsTheyAreMade() {
    window::HelpWindow window;
    window.browser()->setSource(QUrl("qrc:/help/academic.html"));
    const QString page = window.browser()->toPlainText().simplified();
    const QString backup =
        QFileInfo(
            data::backupFileName("/data/VIze.mdb", QDateTime(QDate(2026, 3, 11), QTime(9, 30))))
            .fileName();
    for (const QString& name : {"backups/" + backup, QString("backups/<file>-<date and time>.mdb"),
                                QString("VIze.mdb.before-restore-"), QString("VIze.mdb.damaged-"),
                                QString("<file>.before-restore-<date and time>")})
        QVERIFY2(page.contains(name), qPrintable(name));
    QVERIFY(!page.contains("VIze-") && !page.contains("VIze.before") && !page.contains("VIze.dam"));
}

// A translated page is preferred, installed or compiled in; English stands in for none.
void TestAssetLookup::pagesInTheLanguageInUse() {
    QTemporaryDir root;
    const QString prefix = root.filePath("usr");
    QDir().mkpath(prefix + "/bin");
    writeFile(prefix + "/share/memorant/help/academic.html", "<p>installed</p>");
    writeFile(prefix + "/share/memorant/help/de/academic.html", "<p>installiert</p>");
    const QString assets = data::assetFolder(prefix + "/bin");
    window::HelpWindow window; // registers the compiled-in pages

    QCOMPARE(window::HelpWindow::pageUrl(Page::Academic, assets, "de"),
             QUrl::fromLocalFile(assets + "/help/de/academic.html"));
    QCOMPARE(window::HelpWindow::pageUrl(Page::Kids, assets, "de"), QUrl("qrc:/help/de/kids.html"));
    QCOMPARE(window::HelpWindow::pageUrl(Page::Academic, assets, "en"),
             QUrl::fromLocalFile(assets + "/help/academic.html"));
    QCOMPARE(window::HelpWindow::pageUrl(Page::Academic, QString(), "fr"),
             QUrl("qrc:/help/fr/academic.html"));
    QCOMPARE(window::HelpWindow::pageUrl(Page::Kids, QString(), "it"), QUrl("qrc:/help/kids.html"));
}

// Each English page has its German, French and Spanish page, in the same language
// throughout, and every link between pages leads to a page of the same language.
void TestAssetLookup::everyPageIsTranslatedWithItsLinks() {
    window::HelpWindow window; // registers the compiled-in pages
    const QStringList pages = QDir(":/help").entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.size() >= 7);
    const QRegularExpression link(R"(href="([^"#:]+\.html))");
    for (const char* language : {"de", "fr", "es"})
        for (const QString& page : pages) {
            const QString path = QStringLiteral(":/help/%1/%2").arg(QLatin1String(language), page);
            const QString text = QString::fromUtf8(readFile(path));
            QVERIFY2(!text.isEmpty(), qPrintable(path));
            QVERIFY2(text != QString::fromUtf8(readFile(":/help/" + page)), qPrintable(path));
            for (const QRegularExpressionMatch& m : link.globalMatch(text))
                QVERIFY2(
                    QFile::exists(
                        QStringLiteral(":/help/%1/%2").arg(QLatin1String(language), m.captured(1))),
                    qPrintable(path + " links to " + m.captured(1)));
        }
}

QTEST_MAIN(TestAssetLookup)
#include "test_asset_lookup.moc"
