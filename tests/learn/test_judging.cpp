// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of judging a reply: the forgiving comparison and the character diff of a wrong
// reply.
#include "learn/rules/Judging.h"
#include "learn/rules/ReplyDiff.h"

#include <QTest>
#include <algorithm>

class TestJudging : public QObject {
    Q_OBJECT
  private slots:
    void forgivingComparison_data();
    void forgivingComparison();
    void diffMarksWholeCharacters_data();
    void diffMarksWholeCharacters();
    void diffTextsAreEscapedAndCut();
};

void TestJudging::forgivingComparison_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("capitals");
    QTest::addColumn<bool>("blanks");
    QTest::addColumn<QString>("rule"); // as logged with both boxes on
    QTest::newRow("case of a letter") << "hund" << false << "Hund" << true << false << "capitals";
    QTest::newRow("accented capitals")
        << "école" << false << "ÉCOLE" << true << false << "capitals";
    QTest::newRow("blanks at the ends")
        << " Paris  " << false << "Paris" << false << true << "blanks";
    QTest::newRow("a run of blanks")
        << "New  York" << false << "New York" << false << true << "blanks";
    QTest::newRow("both at once") << " new york" << false << "New York" << false << false
                                  << "capitals+blanks";
    QTest::newRow("a blank is not nothing")
        << "NewYork" << false << "New York" << false << false << "";
    QTest::newRow("same") << "Paris" << true << "Paris" << true << true << "";
    QTest::newRow("empty answer") << "" << false << "" << false << false << "";
}

// Each box forgives only its own kind of difference; both off is exact.
void TestJudging::forgivingComparison() {
    QFETCH(QString, reply);
    QFETCH(QString, answer);
    QFETCH(bool, exact);
    QFETCH(bool, capitals);
    QFETCH(bool, blanks);
    QFETCH(QString, rule);
    QCOMPARE(learn::repliesMatch(reply, answer, {}), exact);
    QCOMPARE(learn::repliesMatch(reply, answer, {true, false}), capitals);
    QCOMPARE(learn::repliesMatch(reply, answer, {false, true}), blanks);
    QCOMPARE(learn::repliesMatch(reply, answer, {true, true}), exact || !rule.isEmpty());
    QCOMPARE(learn::acceptingRule(reply, answer, {true, true}), rule);
    // A list needs every rule one of its replies needed.
    QCOMPARE(learn::combinedRule({QString(), rule, rule}), rule);
    if (!rule.isEmpty())
        QCOMPARE(learn::combinedRule({"capitals", rule, "blanks"}), QString("capitals+blanks"));
}

void TestJudging::diffMarksWholeCharacters_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("marks"); // the marked columns' kinds, sorted: + - ~
    const QStringList rows[] = {
        {"insertion", "Parris", "Paris", "+"},
        {"deletion", "Pars", "Paris", "-"},
        {"swap", "Pairs", "Paris", "+-"},
        {"combining accent", "ecole", "e\u0301cole", "~"},
        {"precomposed accent", "ecole", "école", "~"},
        {"emoji with a skin tone", "ok 👍", "ok 👍🏽", "~"},
        {"no reply", "", "ab", "--"},
        {"same", "Paris", "Paris", ""},
    };
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
}

void TestJudging::diffMarksWholeCharacters() {
    QFETCH(QString, reply);
    QFETCH(QString, answer);
    QFETCH(QString, marks);
    QString shown;
    QString replySide;
    QString answerSide;
    for (const learn::DiffColumn& c : learn::alignReply(reply, answer)) {
        replySide += c.reply;
        answerSide += c.answer;
        if (c.mark == learn::DiffMark::Inserted)
            shown += '+';
        else if (c.mark == learn::DiffMark::Missing)
            shown += '-';
        else if (c.mark == learn::DiffMark::Changed)
            shown += '~';
        else
            QCOMPARE(c.reply, c.answer);
    }
    std::sort(shown.begin(), shown.end());
    QCOMPARE(shown, marks);
    QCOMPARE(replySide, reply); // nothing lost or doubled by the alignment
    QCOMPARE(answerSide, answer);
}

// An answer holding markup shows as typed; a long one is cut for display only.
void TestJudging::diffTextsAreEscapedAndCut() {
    const QString html = learn::replyDiffHtml("x<b>y", "x<i>y&");
    QVERIFY(html.contains("&lt;b&gt;") || html.contains("&lt;"));
    QVERIFY(!html.contains("<i>"));
    QVERIFY(!html.contains("<b>y"));
    QVERIFY(html.contains("&amp;"));
    const QString longHtml = learn::replyDiffHtml(QString(500, 'q'), QString(500, 'z'), 100);
    QCOMPARE(longHtml.count('q'), 100);
    QCOMPARE(longHtml.count('z'), 100);
    QCOMPARE(longHtml.count("[...]"), 2);
}

QTEST_GUILESS_MAIN(TestJudging)
#include "test_judging.moc"
