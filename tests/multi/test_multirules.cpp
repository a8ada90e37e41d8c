// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/rules/LessonRules.h"
#include "multi/rules/MultiRules.h"

#include <QtTest>

using multi::CountVerdict;

Q_DECLARE_METATYPE(multi::CountVerdict)

class TestMultiRules : public QObject {
    Q_OBJECT
  private slots:
    void verdict_data() {
        QTest::addColumn<int>("answers");
        QTest::addColumn<int>("matching");
        QTest::addColumn<int>("replies");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<CountVerdict>("expected");
        QTest::newRow("all match, any order") << 3 << 3 << 3 << false << CountVerdict::Correct;
        QTest::newRow("all match, order counts")
            << 3 << 3 << 3 << true << CountVerdict::CheckPositions;
        QTest::newRow("one missing") << 3 << 2 << 2 << false << CountVerdict::Wrong;
        QTest::newRow("one missing, ordered") << 3 << 2 << 2 << true << CountVerdict::Wrong;
        QTest::newRow("one too many") << 3 << 3 << 4 << false << CountVerdict::Wrong;
        QTest::newRow("one too many, ordered") << 3 << 3 << 4 << true << CountVerdict::Wrong;
        QTest::newRow("one reply wrong") << 3 << 2 << 3 << false << CountVerdict::Wrong;
        QTest::newRow("no replies") << 3 << 0 << 0 << true << CountVerdict::Wrong;
        QTest::newRow("no answers, no replies") << 0 << 0 << 0 << false << CountVerdict::Wrong;
        QTest::newRow("no answers, ordered") << 0 << 0 << 0 << true << CountVerdict::Wrong;
    }
    void verdict() {
        QFETCH(int, answers);
        QFETCH(int, matching);
        QFETCH(int, replies);
        QFETCH(bool, ordered);
        QFETCH(CountVerdict, expected);
        QCOMPARE(multi::verdictFromCounts(answers, matching, replies, ordered), expected);
    }

    // Judging, the status bar and the editor's caption read a card's ShowOrder alike.
    void orderMatters_data() {
        QTest::addColumn<QVariant>("showOrder");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << QVariant() << false;
        QTest::newRow("empty text") << QVariant(QString()) << false;
        QTest::newRow("zero") << QVariant(0) << false;
        QTest::newRow("zero as real") << QVariant(0.0) << false;
        QTest::newRow("one") << QVariant(1) << true;
        QTest::newRow("one as text") << QVariant(QStringLiteral("1")) << true;
        QTest::newRow("true as stored by a check box") << QVariant(-1) << true;
        QTest::newRow("no number") << QVariant(QStringLiteral("yes")) << true;
    }
    void orderMatters() {
        QFETCH(QVariant, showOrder);
        QFETCH(bool, expected);
        QCOMPARE(multi::orderMatters(showOrder), expected);
        QCOMPARE(learn::orderPanelText(showOrder),
                 expected ? QStringLiteral("ORDER") : QStringLiteral("NO order"));
        QCOMPARE(multi::orderCaption(showOrder), multi::orderCaption(expected));
        QCOMPARE(multi::countCaption(showOrder), multi::countCaption(expected));
    }

    void storableAnswers() {
        QCOMPARE(multi::storableAnswers({"red", QVariant(), "", " \t", " green ", "red"}),
                 (QStringList{"red", " green ", "red"}));
    }

    void cellsDiffer_data() {
        QTest::addColumn<QVariant>("answer");
        QTest::addColumn<QVariant>("reply");
        QTest::addColumn<bool>("expected");
        const QVariant a = QStringLiteral("Riga");
        QTest::newRow("same") << a << a << false;
        QTest::newRow("letter case") << a << QVariant(QStringLiteral("riga")) << true;
        QTest::newRow("trailing blank") << a << QVariant(QStringLiteral("Riga ")) << true;
        QTest::newRow("reply missing") << a << QVariant() << true;
        QTest::newRow("answer missing") << QVariant() << a << true;
        QTest::newRow("empty text against text") << a << QVariant(QString()) << true;
        QTest::newRow("both empty") << QVariant() << QVariant(QString()) << false;
    }
    void cellsDiffer() {
        QFETCH(QVariant, answer);
        QFETCH(QVariant, reply);
        QFETCH(bool, expected);
        QCOMPARE(multi::cellsDiffer(answer, reply), expected);
    }

    void positionalPairs_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("result");
        const QStringList abc = {"A", "B", "C"};
        QTest::newRow("same order") << abc << abc << 3 << "correct";
        QTest::newRow("other order") << abc << QStringList{"C", "A", "B"} << 3 << "wrong";
        QTest::newRow("fewer replies") << abc << QStringList{"A", "B"} << 3 << "wrong";
        QTest::newRow("one reply too many")
            << abc << QStringList{"A", "B", "C", "D"} << 4 << "wrong";
        QTest::newRow("nothing on either side") << QStringList{} << QStringList{} << 0 << "correct";
    }
    void positionalPairs() {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, replies);
        QFETCH(int, rows);
        QFETCH(QString, result);
        const auto pairs = multi::pairByPosition(QVariantList(answers.begin(), answers.end()),
                                                 QVariantList(replies.begin(), replies.end()));
        QCOMPARE(int(pairs.size()), rows);
        for (int i = 0; i < rows; ++i)
            QCOMPARE(
                (QVariantList{pairs[size_t(i)].answer.toString(), pairs[size_t(i)].reply.isNull()}),
                (QVariantList{answers.value(i), i >= replies.size()}));
        QCOMPARE(multi::compTableResult(pairs), result);
    }
};

QTEST_GUILESS_MAIN(TestMultiRules)
#include "test_multirules.moc"
