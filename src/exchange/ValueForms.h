// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <array>

namespace exchange {

// Every record of the exchange file has this many values, one a line.
constexpr int kColumns = 27;

// What a column of a record holds, which decides how its value is written and read.
enum class ColumnKind {
    Id,       // a whole number; the first column of each record kind tells the kind
    Number,   // any number
    YesNo,    // "True" or "False"
    Date,     // a day, with its time when that is not midnight
    Text,     // exactly as stored; the line Null is a null
    NamedText // question, answer, set names: never null, so the line Null is the text "Null"
};

// The kind of column `index` (0 to 26), in file order.
ColumnKind columnKind(int index);

// How values look in the file: the system's decimal separator and short date format, the
// year always with four digits so that a date never comes back in the wrong century.
class ValueForms {
  public:
    explicit ValueForms(const QLocale& locale = QLocale::system());

    // The line for one value. A text is written as it may be stored (sets::storableText: a
    // line break as a blank, as the file has no escape for it; no other control character),
    // and no longer than a line may be (kMaxTextLength); `textChanged` is set when it was
    // changed.
    QString format(ColumnKind kind, const QVariant& value, bool* textChanged) const;

    // The value a line stands for, as it is staged: ids as whole numbers, numbers as their
    // shortest exact decimal text, Yes/No as 1 or 0, dates in ISO form, texts as read.
    // On a malformed value returns false and leaves a reason in `why`.
    bool parse(ColumnKind kind, QStringView line, QVariant* value, QString* why) const;

    const QString& dateFormat() const { return dateFormat_; }
    const QString& timeFormat() const { return timeFormat_; }
    const QString& decimalPoint() const { return decimalPoint_; }

    // The same locale with the forms of another system (Qt format strings and its decimal
    // separator): a file is read with the forms it was written with.
    ValueForms withForms(const QString& dateFormat, const QString& timeFormat,
                         const QString& decimalPoint) const;

  private:
    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
    QString decimalPoint_;
    bool namedForms_ = false; // set by withForms()
};

// `format` with every two-digit year made a four-digit one.
QString withFourDigitYear(const QString& format);

// `text` as a line of the file carries it: storable (sets::storableText) and cut after
// kMaxTextLength characters, never inside a surrogate pair.
QString lineText(const QString& text, bool* changed);

} // namespace exchange
