// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learn/rules/Judging.h"
#include "present/Form1State.h"

#include <QString>
#include <QVariantList>

namespace multi {

// Judging a list of replies to a multiple-answer card on the learning screen, and showing a
// wrong list beside the correct answers. The question loop asks for the verdict and scores,
// logs and moves on as for single replies.
class MultiCheck {
  public:
    explicit MultiCheck(present::Form1State& s) : s_(s) {}
    // The reply grid: replies typed one per row; typing one enables the check button.
    void connectControls();

    // True when the replies are right. A wrong list has its comparison prepared, before the
    // loop counts the card, so a failure here leaves the card's score as it was.
    bool SubMultipleAnswerCheck();
    // Rebuild the comparison table: answers and replies by position, or the equal pairs
    // first and the rest by position.
    void BuildComparisonTable();
    void BuildComparisonTableNoOrder();
    // "correct" when every row of the comparison table agrees, otherwise "wrong".
    void CheckCompTable(QString& rResult);
    // The forgiving rule that let the last list judged right pass; empty when it was exact.
    QString acceptedBy() const { return acceptedBy_; }
    // Shows the prepared comparison of a wrong list, once the loop has counted it.
    void WrongAnswerMulti();
    // The content of the reply grid changed.
    void TDBGrid3_Change();

  private:
    // The unordered comparison when capitals or blanks are forgiven.
    void buildForgivingComparisonTable(const learn::JudgingOptions& options);
    QVariantList column(const QString& source, const QString& name);
    void writePairs(const QVariantList& answers, const QVariantList& replies);
    qint64 countOf(data::Recordset& count);

    void prepareComparison();
    // Every rule the replies of a right list needed, paired as they were judged.
    QString ruleOfRightList(bool orderMatters);

    present::Form1State& s_;
    // Read once when a list of replies is judged, and used by every step of that judgement.
    learn::JudgingOptions options_;
    QString acceptedBy_;
};

} // namespace multi
