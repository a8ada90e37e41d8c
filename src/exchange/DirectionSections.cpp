// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/DirectionSections.h"

#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <QStringList>

namespace exchange {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

const QString kSetDirections = QStringLiteral("set directions");
const QString kReverseValues = QStringLiteral("reverse values");
const QString kReverseLogRows = QStringLiteral("reverse log rows");

QString joined(const QStringList& values) {
    return values.join(QLatin1Char('\t'));
}

// A number as a tab-separated line shows it: the blanks of the one-value lines only stand
// in the way there.
QString number(const ValueForms& forms, const QVariant& value) {
    return forms.format(ColumnKind::Number, value, nullptr).trimmed();
}

// Remembers the ids a section lists, so that one listed twice is refused. `again` says
// so, with %1 for the id and %2 for the line that listed it first.
class OnceEach {
  public:
    OnceEach(CompanionLines& lines, QString again) : lines_(lines), again_(std::move(again)) {}
    void note(qlonglong id, qint64 line) {
        if (const auto before = seen_.constFind(id); before != seen_.constEnd())
            throw lines_.fail(line, again_.arg(id).arg(*before));
        seen_.insert(id, line);
    }

  private:
    CompanionLines& lines_;
    QString again_;
    QHash<qlonglong, qint64> seen_;
};

void readSetDirections(CompanionLines& lines, qlonglong count, DirectionSections* out) {
    OnceEach once(lines, Text::tr("lists the set %1 again, which line %2 lists already"));
    for (qlonglong k = 0; k < count; ++k) {
        const qint64 at = lines.number();
        const std::vector<QVariant> v =
            lines.takeFields({{ColumnKind::Id, true}, {ColumnKind::Id, true}},
                             Text::tr("a line of set directions (set id, direction)"));
        const qlonglong direction = v[1].toLongLong();
        if (direction < 0 || direction > 2)
            throw lines.fail(at, Text::tr("gives the set %1 the direction %2, but a "
                                          "direction is 0 (question to answer), 1 (answer "
                                          "to question) or 2 (both)")
                                     .arg(v[0].toLongLong())
                                     .arg(direction));
        once.note(v[0].toLongLong(), at);
        out->sets.push_back({v[0].toLongLong(), static_cast<int>(direction)});
    }
}

void readReverseValues(CompanionLines& lines, qlonglong count, DirectionSections* out) {
    OnceEach once(lines, Text::tr("lists the card %1 again, which line %2 lists already"));
    for (qlonglong k = 0; k < count; ++k) {
        const qint64 at = lines.number();
        std::vector<QVariant> v =
            lines.takeFields({{ColumnKind::Id, true},
                              {ColumnKind::Number, false},
                              {ColumnKind::Number, false},
                              {ColumnKind::Number, false},
                              {ColumnKind::Number, false},
                              {ColumnKind::Number, false}},
                             Text::tr("a line of reverse values (card id, Order, Rating, Correct, "
                                      "Incorrect, Demons)"));
        once.note(v[0].toLongLong(), at);
        out->reverse.push_back({v[0].toLongLong(), v[1], v[2], v[3], v[4], v[5]});
    }
}

void readReverseLogRows(CompanionLines& lines, qlonglong count, DirectionSections* out) {
    OnceEach once(lines, Text::tr("lists the log row %1 again, which line %2 lists already"));
    for (qlonglong k = 0; k < count; ++k) {
        const qint64 at = lines.number();
        const qlonglong id = lines.take(ColumnKind::Id, true).toLongLong();
        once.note(id, at);
        out->reverseLogRows.push_back(id);
    }
}

} // namespace

DirectionSections readDirections(const QSqlDatabase& db) {
    DirectionSections out;
    QSqlQuery sets = data::exec(db, QStringLiteral("SELECT Set_ID, Direction FROM Set1 WHERE "
                                                   "Direction <> 0 ORDER BY Set_ID"));
    while (sets.next())
        out.sets.push_back({sets.value(0).toLongLong(), sets.value(1).toInt()});
    QSqlQuery reverse = data::exec(db, QStringLiteral("SELECT Card_ID, \"Order\", Rating, "
                                                      "Correct, Incorrect, Demons FROM "
                                                      "CardReverse ORDER BY Card_ID"));
    while (reverse.next())
        out.reverse.push_back({reverse.value(0).toLongLong(), reverse.value(1), reverse.value(2),
                               reverse.value(3), reverse.value(4), reverse.value(5)});
    QSqlQuery log = data::exec(
        db, QStringLiteral("SELECT RecID FROM Log WHERE Direction = 'reverse' ORDER BY RecID"));
    while (log.next())
        out.reverseLogRows.push_back(log.value(0).toLongLong());
    return out;
}

void writeDirectionSections(LineWriter& out, const ValueForms& forms,
                            const DirectionSections& sections) {
    if (!sections.sets.empty()) {
        out.writeLine(joined({kSetDirections, QString::number(sections.sets.size())}));
        for (const SetDirection& s : sections.sets)
            out.writeLine(joined({QString::number(s.setId), QString::number(s.direction)}));
    }
    if (!sections.reverse.empty()) {
        out.writeLine(joined({kReverseValues, QString::number(sections.reverse.size())}));
        for (const ReverseValues& r : sections.reverse)
            out.writeLine(joined({QString::number(r.cardId), number(forms, r.order),
                                  number(forms, r.rating), number(forms, r.correct),
                                  number(forms, r.incorrect), number(forms, r.demons)}));
    }
    if (!sections.reverseLogRows.empty()) {
        out.writeLine(joined({kReverseLogRows, QString::number(sections.reverseLogRows.size())}));
        for (const qlonglong id : sections.reverseLogRows)
            out.writeLine(QString::number(id));
    }
}

bool isSectionLine(QStringView line) {
    return !line.isEmpty() && line.front().isLetter() && line != QStringLiteral("Null");
}

DirectionSections readDirectionSections(CompanionLines& lines) {
    DirectionSections out;
    QHash<QString, qint64> given; // section name -> line of its head
    while (lines.pending()) {
        const qint64 at = lines.number();
        const QString head = lines.line().toString();
        const std::vector<QVariant> v =
            lines.takeFields({{ColumnKind::NamedText, true}, {ColumnKind::Id, true}},
                             Text::tr("the head of a section (its name and its number of lines)"));
        const QString name = v[0].toString();
        const qlonglong count = v[1].toLongLong();
        if (name != kSetDirections && name != kReverseValues && name != kReverseLogRows)
            throw lines.fail(at,
                             Text::tr("holds \"%1\", but there is no section \"%2\" "
                                      "(only \"%3\", \"%4\" and \"%5\")")
                                 .arg(head, name, kSetDirections, kReverseValues, kReverseLogRows));
        if (const auto before = given.constFind(name); before != given.constEnd())
            throw lines.fail(at, Text::tr("opens the section \"%1\" again, which line %2 "
                                          "opened already")
                                     .arg(name)
                                     .arg(*before));
        given.insert(name, at);
        if (count < 0)
            throw lines.fail(at, Text::tr("holds a negative number of lines"));
        if (name == kSetDirections)
            readSetDirections(lines, count, &out);
        else if (name == kReverseValues)
            readReverseValues(lines, count, &out);
        else
            readReverseLogRows(lines, count, &out);
    }
    return out;
}

void applyDirections(const QSqlDatabase& db, const DirectionSections& sections) {
    if (!sections.sets.empty()) {
        data::Prepared set(db, QStringLiteral("UPDATE Set1 SET Direction = ? "
                                              "WHERE SpareID = ? AND SpareID <> ''"));
        for (const SetDirection& s : sections.sets)
            set.run({s.direction, QString::number(s.setId)});
    }
    if (!sections.reverse.empty()) {
        // A card added now has no reverse values yet; REPLACE only matters for a row left by
        // a card deleted while foreign keys were off, whose id the new card took.
        data::Prepared card(
            db, QStringLiteral("INSERT OR REPLACE INTO CardReverse (Card_ID, \"Order\", Rating, "
                               "Correct, Incorrect, Demons) SELECT Card_ID, ?, COALESCE(?, 0), "
                               "COALESCE(?, 0), COALESCE(?, 0), COALESCE(?, 0) FROM Card "
                               "WHERE SpareID = ? AND SpareID <> ''"));
        for (const ReverseValues& r : sections.reverse)
            card.run(
                {r.order, r.rating, r.correct, r.incorrect, r.demons, QString::number(r.cardId)});
    }
}

QString reverseLogRowsJson(const DirectionSections& sections) {
    QStringList ids;
    ids.reserve(static_cast<qsizetype>(sections.reverseLogRows.size()));
    for (const qlonglong id : sections.reverseLogRows)
        ids << QString::number(id);
    return QLatin1Char('[') + ids.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace exchange
