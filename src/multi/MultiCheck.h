#pragma once

#include "learn/Form1State.h"
#include "learn/Judging.h"

#include <QString>
#include <QVariantList>

namespace learn {
class QuestionLoop;
}

namespace multi {

// Judging a list of replies to a multiple-answer card on the learning screen, and showing a
// wrong list beside the correct answers. Scoring and logging go the way of single replies.
class MultiCheck {
  public:
    MultiCheck(learn::Form1State& s, learn::QuestionLoop& loop) : s_(s), loop_(loop) {}
    // The reply grid: replies typed one per row; typing one enables the check button.
    void connectControls();

    void SubMultipleAnswerCheck();
    // Rebuild the comparison table: answers and replies by position, or the equal pairs
    // first and the rest by position.
    void BuildComparisonTable();
    void BuildComparisonTableNoOrder();
    // "correct" when every row of the comparison table agrees, otherwise "wrong".
    void CheckCompTable(QString& rResult);
    void WrongAnswerMulti();
    // The content of the reply grid changed.
    void TDBGrid3_Change();

  private:
    // The unordered comparison when capitals or blanks are forgiven.
    void buildForgivingComparisonTable(const learn::JudgingOptions& options);
    QVariantList column(const QString& source, const QString& name);
    void writePairs(const QVariantList& answers, const QVariantList& replies);
    qint64 countOf(data::Recordset& count);

    learn::Form1State& s_;
    learn::QuestionLoop& loop_;
};

} // namespace multi
