// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeText.h"
#include "exchange/ValueForms.h"

#include <QString>
#include <QStringView>
#include <QVariant>
#include <initializer_list>
#include <vector>

namespace exchange {

// One value of a line that holds several, separated by tabs.
struct FieldKind {
    ColumnKind kind;
    bool required; // an empty value or "Null" is refused
};

// The lines of a companion file as its reader walks them, each value read in the forms the
// companion names. Every failure names the file and the line.
class CompanionLines {
  public:
    // `file` is the companion's path, `text` its whole text; starts before the first line.
    CompanionLines(const QString& file, QStringView text);

    // Moves to the next line; false at the end.
    bool advance();
    bool pending() const { return pending_; }
    QStringView line() const { return line_; }
    qint64 number() const { return lines_.number(); }

    void setForms(const ValueForms& forms) { forms_ = forms; }
    const ValueForms& forms() const { return forms_; }

    // The value of the current line, which then moves on. Throws ExchangeError.
    QVariant take(ColumnKind kind, bool required);
    // The values of the current line, one for each of `fields`, separated by tabs; then moves
    // on. `what` names such a line in a message. Throws ExchangeError.
    std::vector<QVariant> takeFields(std::initializer_list<FieldKind> fields, const QString& what);

    // The error for line `number`, which `why` describes ("holds ...").
    [[nodiscard]] ExchangeError fail(qint64 number, const QString& why) const;

  private:
    QVariant parsed(QStringView text, FieldKind field) const;

    QString file_;
    LineCursor lines_;
    QStringView line_;
    bool pending_ = false;
    ValueForms forms_;
};

} // namespace exchange
