// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LogWindow.h"

#include "data/Database.h"
#include "data/RecordsetModel.h"
#include "data/Sql.h"
#include "present/WindowKeys.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace window {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LogWindow)
};

class GeneralDateDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override {
        return generalDate(value);
    }
};

// qLog's columns, and beside them the rule that accepted a reply once forgiving judging has
// let one pass, and the way a reply was asked once one was asked answer to question: a log
// of exact replies asked one way looks as it always did.
QString logSource(const QSqlDatabase& db) {
    QSqlQuery seen = data::exec(
        db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM Log WHERE JudgedBy IS NOT NULL), "
                           "EXISTS (SELECT 1 FROM Log WHERE Direction <> '')"));
    seen.next();
    const bool forgiven = seen.value(0).toBool();
    const bool directions = seen.value(1).toBool();
    if (!forgiven && !directions)
        return QStringLiteral("Select * from qLog");
    QString columns = QStringLiteral("Log.\"Date\", Log.SetName, COALESCE(Card.Question, '') AS "
                                     "Question, Log.Result");
    if (forgiven)
        columns += QStringLiteral(", Log.JudgedBy");
    if (directions)
        columns += QStringLiteral(", COALESCE(Log.Direction, '') AS Direction");
    return QStringLiteral("SELECT %1 FROM Log LEFT JOIN Card ON Card.Card_ID = Log.CardID "
                          "ORDER BY Log.RecID")
        .arg(columns);
}

} // namespace

QString generalDate(const QVariant& value) {
    if (value.isNull())
        return {};
    QDateTime dt = value.toDateTime();
    if (!dt.isValid()) {
        const QString text = value.toString().trimmed();
        dt = QDateTime::fromString(text, Qt::ISODate);
        if (!dt.isValid())
            dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid()) {
            const QDate d = QDate::fromString(text, Qt::ISODate);
            if (d.isValid())
                dt = QDateTime(d, QTime(0, 0));
        }
    }
    if (!dt.isValid())
        return value.toString();
    const QLocale locale;
    QString shown = locale.toString(dt.date(), QLocale::ShortFormat);
    if (dt.time() != QTime(0, 0))
        shown += QLatin1Char(' ') + locale.toString(dt.time(), QLocale::LongFormat);
    return shown;
}

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    present::closeOnEscape(this);
    Adodc1 = new data::RecordsetModel(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    Adodc1->setReadOnly(true);
    TDBGrid1 = new QTableView(this);
    TDBGrid1->setObjectName(QStringLiteral("TDBGrid1"));
    TDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBGrid1->setItemDelegateForColumn(0, new GeneralDateDelegate(TDBGrid1));
    TDBGrid1->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TDBGrid1);
    resize(640, 400);
    retranslate();
}

void Form4::retranslate() {
    setWindowTitle(Text::tr("Log"));
    TDBGrid1->setAccessibleName(Text::tr("Replies in the Log"));
    captionColumns();
}

void Form4::captionColumns() {
    // Before the log is read there is no heading to name. The headings are the columns'
    // names; the values, "Correct" and "Wrong" among them, are shown as stored.
    if (Adodc1->columnCount() == 0)
        return;
    Adodc1->setCaption(QStringLiteral("Date"), Text::tr("Date"));
    Adodc1->setCaption(QStringLiteral("SetName"), Text::tr("SetName"));
    Adodc1->setCaption(QStringLiteral("Question"), Text::tr("Question"));
    Adodc1->setCaption(QStringLiteral("Result"), Text::tr("Result"));
    Adodc1->setCaption(QStringLiteral("JudgedBy"), Text::tr("JudgedBy"));
    Adodc1->setCaption(QStringLiteral("Direction"), Text::tr("Direction"));
}

void Form4::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(e);
}

void Form4::Form_Load() {
    const QSqlDatabase db = data::openConnection(QStringLiteral("Form4"));
    Adodc1->setConnection(db);
    Adodc1->setSource(logSource(db));
    captionColumns();
    Adodc1->recordset().recordCount(); // the rows as they are now; the window never refreshes
    TDBGrid1->setModel(Adodc1);
}

} // namespace window
