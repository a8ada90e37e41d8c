// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/CompanionLines.h"

#include <QCoreApplication>
#include <QDir>

namespace exchange {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};
} // namespace

CompanionLines::CompanionLines(const QString& file, QStringView text) : file_(file), lines_(text) {}

bool CompanionLines::advance() {
    pending_ = lines_.next(&line_);
    return pending_;
}

ExchangeError CompanionLines::fail(qint64 number, const QString& why) const {
    return ExchangeError(
        Text::tr("The companion file \"%1\" cannot be imported: line %2 %3. Nothing was "
                 "changed.")
            .arg(QDir::toNativeSeparators(file_))
            .arg(number)
            .arg(why));
}

QVariant CompanionLines::parsed(QStringView text, FieldKind field) const {
    QVariant v;
    QString why;
    if (!forms_.parse(field.kind, text, &v, &why) || (field.required && v.isNull()))
        throw fail(number(),
                   Text::tr("holds \"%1\", but %2")
                       .arg(text.toString(), why.isEmpty() ? Text::tr("a value is needed") : why));
    return v;
}

QVariant CompanionLines::take(ColumnKind kind, bool required) {
    if (!pending_)
        throw fail(number() + 1, Text::tr("is missing: the file ends too early"));
    if (const QString problem = lineProblem(line_); !problem.isEmpty())
        throw fail(number(), problem);
    QVariant v = parsed(line_, {kind, required});
    advance();
    return v;
}

std::vector<QVariant> CompanionLines::takeFields(std::initializer_list<FieldKind> fields,
                                                 const QString& what) {
    if (!pending_)
        throw fail(number() + 1, Text::tr("is missing: the file ends too early"));
    if (const QString problem = lineProblem(line_); !problem.isEmpty())
        throw fail(number(), problem);
    const QList<QStringView> parts = line_.split(QLatin1Char('\t'));
    if (parts.size() != static_cast<qsizetype>(fields.size()))
        throw fail(number(), Text::tr("holds \"%1\", but %2 has %3 values separated by tabs")
                                 .arg(line_.toString(), what)
                                 .arg(fields.size()));
    std::vector<QVariant> values;
    values.reserve(fields.size());
    qsizetype i = 0;
    for (const FieldKind& field : fields)
        values.push_back(parsed(parts[i++], field));
    advance();
    return values;
}

} // namespace exchange
