// SPDX-License-Identifier: GPL-3.0-or-later
// Texts holding every odd character a reader lets in (a word list, a KVTML file, a deck
// package), moved by each export and taken back by its import, as a user would: the texts
// are kept as every file can carry them, and no export writes a file its import refuses.
#include "PackageBuilder.h"
#include "RunCommand.h"
#include "data/Database.h"
#include "sets/rules/StoredText.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QXmlStreamWriter>
#include <QtTest>

using testing::memorant;
using testing::Run;

namespace {

QString chars(std::initializer_list<char16_t> units) {
    QString s;
    for (char16_t u : units)
        s += QChar(u);
    return s;
}

// What every reader lets in, and what only some do.
QStringList everywhere() {
    return {"tab\there",
            "two\r\nlines\nand\rmore",
            chars({0xFEFF}) + "mark first, and " + chars({0xFEFF}) + " inside",
            "line" + chars({0x2028}) + "separator" + chars({0x2029, 0x85}),
            "del" + chars({0x7F, 0x80, 0x9F}),
            QString::fromUtf16(u"\U0001F600 e\u0301 \u05E9\u05DC\u05D5\u05DD"),
            QString(999990, QLatin1Char('x'))}; // with its card's mark, a million at most
}

QStringList controlsAndBlanks() {
    return {"bell" + chars({0x07}) + " escape" + chars({0x1B, 0x0B, 0x0C}), "  blanks around  ",
            "non" + chars({0xFFFE}) + "characters" + chars({0xFFFF})};
}

QStringList onlyInPackages() {
    return {"nul" + chars({0}) + "inside", "half" + chars({0xD800}) + " a pair",
            chars({0xDC00}) + "low half first", chars({0, 0x01})};
}

QString quoted(QString field) {
    return '"' + field.replace('"', "\"\"") + '"';
}

void writeList(const QString& path, const QStringList& texts) {
    QString list = "Question\tAnswer\n";
    for (int i = 0; i < texts.size(); ++i)
        list += quoted(QStringLiteral("w%1 ").arg(i) + texts[i]) + '\t' + quoted(texts[i]) + '\n';
    testing::writeFile(path, list.toUtf8());
}

void writeKvtml(const QString& path, const QString& title, const QStringList& texts) {
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeStartElement("kvtml");
    w.writeAttribute("version", "2.0");
    w.writeStartElement("information");
    w.writeTextElement("title", title);
    w.writeEndElement();
    w.writeStartElement("entries");
    for (int i = 0; i < texts.size(); ++i) {
        w.writeStartElement("entry");
        w.writeAttribute("id", QString::number(i));
        for (int id : {0, 1}) {
            w.writeStartElement("translation");
            w.writeAttribute("id", QString::number(id));
            w.writeTextElement("text",
                               (id == 0 ? QStringLiteral("k%1 ").arg(i) : QString()) + texts[i]);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndDocument();
    testing::writeFile(path, bytes);
}

// A package whose notes hold the texts, in one deck.
void writePackage(const QString& dir, const QString& path, const QStringList& texts) {
    const QString sqlite = dir + "/odd.sqlite";
    testing::writeCollection(sqlite, testing::Collection::Anki21);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "odd");
        db.setDatabaseName(sqlite);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("DELETE FROM notes") && q.exec("DELETE FROM cards"));
        for (int i = 0; i < texts.size(); ++i) {
            q.prepare("INSERT INTO notes VALUES (?, 'g', 1001, 0, 0, '', ?, 0, 0, 0, '')");
            q.addBindValue(i + 1);
            q.addBindValue(QStringLiteral("p%1 ").arg(i) + texts[i] + QChar(0x1F) + texts[i]);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            q.prepare("INSERT INTO cards VALUES (?, ?, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                      "0, '')");
            q.addBindValue(i + 100);
            q.addBindValue(i + 1);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("odd");
    testing::writeZip(path, {{"collection.anki21", testing::readFile(sqlite)}, {"media", "{}"}});
}

struct Card {
    QString set;
    QString question;
    QStringList answers;
};

// Every card of the database at `path` (of the set `set`, when given), in a stable order.
QList<Card> cardsOf(const QString& path, const QString& set = {}) {
    QList<Card> cards;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "peek");
        db.setDatabaseName(path);
        if (!db.open())
            return cards;
        QSqlQuery q(db);
        q.prepare("SELECT s.SetName, c.Question, c.Answer, c.Card_ID FROM Set1 s "
                  "JOIN Set_Card_rel r ON r.Set_ID = s.Set_ID JOIN Card c ON c.Card_ID = r.Card_ID "
                  "WHERE ? = '' OR s.SetName = ? ORDER BY c.Question");
        q.addBindValue(set.isNull() ? QString("") : set);
        q.addBindValue(set.isNull() ? QString("") : set);
        q.exec();
        QSqlQuery answers(db);
        answers.prepare("SELECT M_Answer FROM MultipleAnswers WHERE Card_ID = ? ORDER BY rowid");
        while (q.next()) {
            Card c{q.value(0).toString(), q.value(1).toString(), {q.value(2).toString()}};
            if (c.answers.first() == "Multi") {
                answers.addBindValue(q.value(3));
                answers.exec();
                c.answers.clear();
                while (answers.next())
                    c.answers << answers.value(0).toString();
            }
            cards << c;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("peek");
    return cards;
}

// The cards as one text per card, for a comparison that names what differs; a KVTML file
// trims its texts and holds a card's answers as one.
QStringList shown(const QList<Card>& cards, bool asKvtml = false) {
    QStringList out;
    for (const Card& c : cards) {
        QStringList answers = c.answers;
        if (asKvtml)
            answers = QStringList{answers.join("; ").trimmed()};
        out << (asKvtml ? c.question.trimmed() : c.question) + " => " + answers.join(" | ");
    }
    out.sort();
    return out;
}

QString said(const Run& r) {
    return QStringLiteral("exit %1: %2%3").arg(r.code).arg(r.out.left(500), r.err.left(500));
}

} // namespace

class TestOddTexts : public QObject {
    Q_OBJECT
  private slots:
    void everyExportsFileIsTakenBackByItsImport();
};

void TestOddTexts::everyExportsFileIsTakenBackByItsImport() {
    QTemporaryDir dir;
    QString blank;
    {
        testing::TempDatabase empty;
        blank = dir.filePath("blank.mdb");
        data::closeAllConnections();
        QVERIFY(QFile::copy(empty.path(), blank));
    }
    const auto fresh = [&](const QString& name) {
        const QString path = dir.filePath(name);
        QFile::copy(blank, path);
        return path;
    };
    const QString db = fresh("odd.mdb");

    // In through each reader, a set name of each too long.
    const QString list = dir.filePath("words.tsv");
    writeList(list, everywhere() + controlsAndBlanks());
    const QString longSet = QString(300, QLatin1Char('s')) + chars({0x01});
    Run r = memorant({"--db", db, "import-list", list, "--set", longSet}, 120000);
    QVERIFY2(r.code == 0 && r.out.contains("the set name was cut to 255 characters"),
             qPrintable(said(r)));
    const QString kvtml = dir.filePath("words.kvtml");
    writeKvtml(kvtml, QString(1000001, QLatin1Char('t')), everywhere());
    r = memorant({"--db", db, "import-deck", kvtml}, 120000);
    QVERIFY2(r.code == 0 && r.out.contains("the set name was cut to 255 characters"),
             qPrintable(said(r)));
    const QString package = dir.filePath("odd.apkg");
    writePackage(dir.path(), package, everywhere() + controlsAndBlanks() + onlyInPackages());
    r = memorant({"--db", db, "import-deck", package}, 120000);
    QVERIFY2(r.code == 0, qPrintable(said(r)));
    QVERIFY2(r.out.contains("1 card with nothing but control characters as a question or an "
                            "answer skipped"),
             qPrintable(said(r)));

    // What was stored is what every file carries.
    const QList<Card> stored = cardsOf(db);
    QCOMPARE(stored.size(), 10 + 7 + 13);
    QStringList sets;
    for (const Card& c : stored) {
        for (const QString& text : c.answers + QStringList{c.question, c.set})
            QVERIFY2(sets::storableText(text) == text, qPrintable(text.left(80)));
        QVERIFY(c.set.size() <= sets::kMaxSetNameLength);
        if (!sets.contains(c.set))
            sets << c.set;
    }
    QCOMPARE(sets.size(), 3);

    // The whole database, through the exchange file.
    const QString exchangeFile = dir.filePath("ExportBuffer.txt");
    r = memorant({"--db", db, "export", exchangeFile}, 120000);
    QVERIFY2(r.code == 0, qPrintable(said(r)));
    const QString whole = fresh("whole.mdb");
    r = memorant({"--db", whole, "import", "--with-log", exchangeFile}, 120000);
    QVERIFY2(r.code == 0, qPrintable(said(r)));
    QCOMPARE(shown(cardsOf(whole)), shown(stored));

    // Each set, as a word list and as a KVTML file: out by one command, into a database of
    // its own by the other.
    const auto moved = [&](const QString& set, const QString& out, const QString& in,
                           const QString& file) {
        Run r = memorant({"--db", db, out, set, file}, 120000);
        if (r.code != 0)
            return QString();
        const QString target = fresh(QFileInfo(file).fileName() + ".mdb");
        r = memorant({"--db", target, in, file}, 120000);
        return r.code == 0 ? target : QString();
    };
    for (int i = 0; i < sets.size(); ++i) {
        const QList<Card> cards = cardsOf(db, sets[i]);
        const QString listed = moved(sets[i], "export-list", "import-list",
                                     dir.filePath(QStringLiteral("set%1.tsv").arg(i)));
        QVERIFY(!listed.isEmpty());
        QCOMPARE(shown(cardsOf(listed)), shown(cards));
        const QString decked = moved(sets[i], "export-deck", "import-deck",
                                     dir.filePath(QStringLiteral("set%1.kvtml").arg(i)));
        QVERIFY(!decked.isEmpty());
        QCOMPARE(shown(cardsOf(decked), true), shown(cards, true));
        QCOMPARE(cardsOf(decked).first().set, sets[i]);
    }
}

QTEST_GUILESS_MAIN(TestOddTexts)
#include "test_odd_texts.moc"
