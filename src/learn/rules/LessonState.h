// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <functional>
#include <vector>

namespace learn {

// Columns of a card row of the card array.
enum CardColumn {
    ColQuestion = 1,
    ColAnswer = 2,
    ColSetName = 3,
    ColCurStatus = 4,
    ColOrder = 5,
    ColCardId = 6,
    ColRating = 7,
    ColCorrect = 8,
    ColIncorrect = 9,
    ColShowOrder = 10,
    ColDisplayQuestionNumber = 11,
    // 1 when the card is asked the other way round: its question and answer columns then hold
    // the card's answer and question, and its weights are those of that direction.
    ColDirection = 12,
};

// The card array: row r (1 to CurRowLim) is one entry, a card asked one way, columns 1 to 12.
// It grows with the set, so there is no limit on the number of cards. Row 0 and column 0 are
// unused.
class CardArray {
  public:
    static constexpr int kColumns = 13;
    using CardRow = std::array<QVariant, kColumns>;

    QVariant& at(int row, int column) {
        grow(row);
        return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    QVariant at(int row, int column) const {
        if (row < 0 || static_cast<size_t>(row) >= rows_.size())
            return {};
        return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    CardRow& row(int r) {
        grow(r);
        return rows_[static_cast<size_t>(r)];
    }
    int capacity() const { return static_cast<int>(rows_.size()) - 1; }
    // `rows` (index 0 unused) become rows 1 to rows.size() - 1; the rows after them stay.
    void replaceFirstRows(std::vector<CardRow>&& rows) {
        for (size_t r = rows.size(); r < rows_.size(); ++r)
            rows.push_back(std::move(rows_[r]));
        rows_.swap(rows);
        spare_ = std::move(rows);
    }
    // Empty rows with the memory of the array replaced last: reading the next set into them
    // costs no fresh pages.
    std::vector<CardRow> spareRows() {
        std::vector<CardRow> rows = std::move(spare_);
        spare_ = {};
        rows.clear();
        return rows;
    }

  private:
    void grow(int row) {
        if (static_cast<size_t>(row) >= rows_.size())
            rows_.resize(static_cast<size_t>(row) + 1);
    }
    std::vector<CardRow> rows_ = std::vector<CardRow>(1);
    std::vector<CardRow> spare_;
};

// Whether the entry is a card asked from its answer to its question.
inline bool isReverseEntry(const CardArray::CardRow& row) {
    return row[ColDirection].toInt() == 1;
}

// Which entry of the lesson: a card, and the way it is asked. A card learnt both ways is two.
struct EntryKey {
    QVariant cardId;
    bool reverse = false;
    bool operator==(const EntryKey&) const = default;
};

inline EntryKey entryAt(const CardArray& cards, int row) {
    return {cards.at(row, ColCardId), cards.at(row, ColDirection).toInt() == 1};
}

// The lesson in progress; none of it is stored.
struct LessonState {
    CardArray CSarray;
    int Row = 1;
    int CurRowLim = 0;
    int CurSetSize = 0;
    int CheckAll = 0;
    int BunchCorrect = 0;
    QString LogResult;
    // How the last reply went ("Correct" or "Wrong"), until the next question tells it to a
    // screen reader; empty when the question comes without a reply (Next, a new lesson).
    QString resultToTell;
    bool demons = false; // the Demons are loaded, not the chosen set
    bool due = false;    // the cards due for review are loaded, from every set
    int direction = 0;   // the way the loaded set is asked (Set1.Direction); 0 for the Demons
    // A reply is being judged, stored and followed by the next question. Speaking and
    // playing may let input through meanwhile; the lesson's commands wait until it is done.
    bool replyInProgress = false;
    // Told when a reply starts and stops being judged, and when a bunch or pass ends: a sync
    // waits for the one and follows the other.
    std::function<void(bool)> onReplyInProgress;
    std::function<void()> onBunchEnded;
};

// Marks the lesson busy for the life of one command that judges, skips or puts a question.
class ReplyInProgress {
  public:
    explicit ReplyInProgress(LessonState& lesson) : lesson_(lesson) {
        lesson_.replyInProgress = true;
        if (lesson_.onReplyInProgress)
            lesson_.onReplyInProgress(true);
    }
    ~ReplyInProgress() {
        lesson_.replyInProgress = false;
        if (lesson_.onReplyInProgress)
            lesson_.onReplyInProgress(false);
    }
    ReplyInProgress(const ReplyInProgress&) = delete;
    ReplyInProgress& operator=(const ReplyInProgress&) = delete;

  private:
    LessonState& lesson_;
};

} // namespace learn
