// SPDX-License-Identifier: GPL-3.0-or-later
#include "multi/MultiCheck.h"

#include "data/RecordsetModel.h"
#include "data/SettingsColumns.h"
#include "data/Sql.h"
#include "learn/rules/LessonState.h"
#include "learn/rules/Scoring.h"
#include "multi/ComparisonWindow.h"
#include "multi/rules/AnswerList.h"
#include "multi/rules/MultiMatching.h"
#include "multi/rules/MultiRules.h"
#include "present/GridEditor.h"
#include "present/LongText.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace multi {
namespace {

// Tells when the learner types in a cell of the reply grid, before the reply is stored, so
// the check button is ready as soon as there is something to check.
class TypingDelegate : public present::LongTextDelegate {
  public:
    TypingDelegate(QObject* parent, std::function<void()> onTyping)
        : present::LongTextDelegate(parent), onTyping_(std::move(onTyping)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = present::LongTextDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            QObject::connect(line, &QLineEdit::textEdited, line, [f = onTyping_] { f(); });
        return editor;
    }

  private:
    std::function<void()> onTyping_;
};

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

// A row left blank (or holding only blanks) is no reply.
const QString kDropBlankReplies =
    QStringLiteral("DELETE FROM MultipleReply WHERE Reply IS NULL "
                   "OR trim(Reply, ' ' || char(9) || char(10) || char(13)) = ''");

} // namespace

void MultiCheck::connectControls() {
    present::Form1Controls& c = s_.c;
    QObject::connect(c.Adodc4, &data::RecordsetModel::afterRowWrite, c.Form1,
                     [this] { TDBGrid3_Change(); });
    QObject::connect(c.Adodc4, &QAbstractItemModel::rowsRemoved, c.Form1,
                     [this] { TDBGrid3_Change(); });
    c.TDBGrid3->setItemDelegate(new TypingDelegate(c.TDBGrid3, [this] { TDBGrid3_Change(); }));
    // The replies are typed one per row; Enter on the empty row after them checks the list.
    if (auto* grid = dynamic_cast<present::EntryGrid*>(c.TDBGrid3))
        grid->typeAsList([&c] {
            if (c.Command21->isEnabled())
                c.Command21->click();
        });
}

void MultiCheck::TDBGrid3_Change() {
    s_.c.Command21->setEnabled(true);
    s_.c.Label5->hide();
    s_.c.Label6->hide();
}

qint64 MultiCheck::countOf(data::Recordset& count) {
    count.requery();
    if (count.isEmpty())
        return 0;
    count.moveFirst();
    return count.value(data::column::Countt).toLongLong();
}

QVariantList MultiCheck::column(const QString& source, const QString& name) {
    QSqlQuery q = data::exec(s_.rs.connection(),
                             QStringLiteral("SELECT %1 FROM %2")
                                 .arg(data::quoteIdentifier(name), data::quoteIdentifier(source)));
    QVariantList values;
    while (q.next())
        values << q.value(0);
    return values;
}

void MultiCheck::writePairs(const QVariantList& answers, const QVariantList& replies) {
    for (const AnswerReplyPair& p : pairByPosition(answers, replies))
        data::exec(s_.rs.connection(),
                   QStringLiteral("INSERT INTO ComparisonTable (Answer, Reply) VALUES (?, ?)"),
                   {p.answer, p.reply});
}

bool MultiCheck::SubMultipleAnswerCheck() {
    learn::LessonState& L = s_.lesson;
    const QSqlDatabase db = s_.rs.connection();
    {
        data::Transaction t(db);
        if (data::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Fields1")).toInt() == 0)
            throw data::DbError(Text::tr("The settings row Fields1 is missing"));
        // The stored queries of the judgement select the card's answers by it.
        data::exec(db, QStringLiteral("UPDATE Fields1 SET Multi_ID = ?"),
                   {L.CSarray.at(L.Row, learn::ColCardId)});
        data::exec(db, kDropBlankReplies);
        t.commit();
    }
    s_.rs.UnloadAll();
    s_.rs.LoadAll();

    const qint64 answers = countOf(s_.rs.countCurrentMulti);
    // Exact judging counts through the stored queries; forgiving judging pairs the lists here.
    options_ = learn::loadJudgingOptions(db);
    const learn::JudgingOptions& options = options_;
    const qint64 matching =
        options == learn::JudgingOptions{}
            ? countOf(s_.rs.countMatchingReplies)
            : static_cast<qint64>(
                  matchReplies(
                      column(QStringLiteral("qCurrentMultiAnswers"), QStringLiteral("M_Answer")),
                      column(QStringLiteral("qMultipleReply"), QStringLiteral("Reply")), options)
                      .matched.size());
    const qint64 replies = countOf(s_.rs.countReplies);
    bool correct = false;
    switch (verdictFromCounts(answers, matching, replies,
                              orderMatters(L.CSarray.at(L.Row, learn::ColShowOrder)))) {
    case CountVerdict::Correct:
        correct = true;
        break;
    case CountVerdict::Wrong:
        break;
    case CountVerdict::CheckPositions: {
        BuildComparisonTable();
        QString result;
        CheckCompTable(result);
        correct = result == QStringLiteral("correct");
        break;
    }
    }

    acceptedBy_.clear();
    if (!correct)
        prepareComparison();
    else if (!(options_ == learn::JudgingOptions{}))
        acceptedBy_ = ruleOfRightList(orderMatters(L.CSarray.at(L.Row, learn::ColShowOrder)));
    return correct;
}

QString MultiCheck::ruleOfRightList(bool orderMatters) {
    const QVariantList answers =
        column(QStringLiteral("qCurrentMultiAnswers"), QStringLiteral("M_Answer"));
    const QVariantList replies = column(QStringLiteral("qMultipleReply"), QStringLiteral("Reply"));
    const std::vector<AnswerReplyPair> pairs =
        orderMatters ? pairByPosition(answers, replies)
                     : matchReplies(answers, replies, options_).matched;
    QStringList rules;
    for (const AnswerReplyPair& p : pairs)
        rules << learn::acceptingRule(p.reply.toString(), p.answer.toString(), options_);
    return learn::combinedRule(rules);
}

void MultiCheck::BuildComparisonTable() {
    data::Transaction t(s_.rs.connection());
    data::exec(s_.rs.connection(), QStringLiteral("DELETE FROM ComparisonTable"));
    writePairs(column(QStringLiteral("qCurrentMultiAnswers"), QStringLiteral("M_Answer")),
               column(QStringLiteral("qMultipleReply"), QStringLiteral("Reply")));
    t.commit();
    s_.rs.comparisonTable.requery();
}

void MultiCheck::BuildComparisonTableNoOrder() {
    if (!(options_ == learn::JudgingOptions{})) {
        buildForgivingComparisonTable(options_);
        return;
    }
    data::Transaction t(s_.rs.connection());
    data::exec(s_.rs.connection(), QStringLiteral("DELETE FROM ComparisonTable"));
    data::exec(s_.rs.connection(),
               QStringLiteral("INSERT INTO ComparisonTable (Answer, Reply, \"Order\") "
                              "SELECT M_Answer, Reply, \"Order\" FROM qCorrectMultiAns"));
    writePairs(column(QStringLiteral("qWrongCurrentMultiAnswers"), QStringLiteral("M_Answer")),
               column(QStringLiteral("qWrongMultiReply"), QStringLiteral("Reply")));
    t.commit();
    s_.rs.comparisonTable.requery();
}

void MultiCheck::buildForgivingComparisonTable(const learn::JudgingOptions& options) {
    const ReplyMatching m =
        matchReplies(column(QStringLiteral("qCurrentMultiAnswers"), QStringLiteral("M_Answer")),
                     column(QStringLiteral("qMultipleReply"), QStringLiteral("Reply")), options);
    data::Transaction t(s_.rs.connection());
    data::exec(s_.rs.connection(), QStringLiteral("DELETE FROM ComparisonTable"));
    int order = 0;
    for (const AnswerReplyPair& p : m.matched)
        data::exec(s_.rs.connection(),
                   QStringLiteral("INSERT INTO ComparisonTable (Answer, Reply, \"Order\") "
                                  "VALUES (?, ?, ?)"),
                   {p.answer, p.reply, ++order});
    writePairs(m.otherAnswers, m.otherReplies);
    t.commit();
    s_.rs.comparisonTable.requery();
}

void MultiCheck::CheckCompTable(QString& rResult) {
    QSqlQuery q =
        data::exec(s_.rs.connection(), QStringLiteral("SELECT Answer, Reply FROM ComparisonTable "
                                                      "ORDER BY rowid"));
    std::vector<AnswerReplyPair> pairs;
    while (q.next())
        pairs.push_back({q.value(0), q.value(1)});
    rResult = compTableResult(pairs, options_);
}

void MultiCheck::prepareComparison() {
    learn::LessonState& L = s_.lesson;
    const bool positional = orderMatters(L.CSarray.at(L.Row, learn::ColShowOrder));
    if (positional)
        BuildComparisonTable();
    else
        BuildComparisonTableNoOrder();
    data::exec(s_.rs.connection(), QStringLiteral("UPDATE Fields1 SET MultiSource = ?"),
               {positional ? QStringLiteral("T") : QStringLiteral("Q")});
    s_.rs.fields1.requery();
}

void MultiCheck::WrongAnswerMulti() {
    learn::LessonState& L = s_.lesson;
    const bool noAnswers =
        storedAnswers(s_.rs.connection(), L.CSarray.at(L.Row, learn::ColCardId)).isEmpty();
    s_.c.Label5->hide();
    s_.c.Label6->hide();
    try {
        // With no answers there is nothing to compare: the learner is told where they go.
        if (noAnswers)
            s_.dialogs.message(
                Text::tr("This card has no answers yet: enter them on the Edit Set screen."),
                Text::tr("WRONG"));
        else
            Form6::openModal(s_.c.Form1);
    } catch (const data::DbError& e) {
        // The reply is judged all the same; only the comparison cannot be shown.
        s_.dialogs.warning(
            Text::tr("The comparison of your replies could not be shown: %1").arg(e.message()));
    }
    s_.c.Text3->setText(QString());
    s_.c.Command21->setEnabled(false);
}

} // namespace multi
