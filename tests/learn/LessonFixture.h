#pragma once

#include "app/Form1.h"
#include "data/RecordsetModel.h"
#include "support/RecordingSpeech.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDatabase.h"

#include <QtTest>
#include <functional>
#include <memory>

// Dialogs that also note the status bar's "Remains" panel whenever a box is shown, and
// can run a check while a box is up, so a test can see what stood behind the box.
class SnoopingDialogs : public testing::ScriptedDialogs {
  public:
    void message(const QString& text, const QString& title = {}) override {
        if (remains)
            remainsWhenShown << remains->text();
        if (onMessage)
            onMessage(text);
        ScriptedDialogs::message(text, title);
    }
    void messageWithDetail(const QString& text, const QString& richDetail,
                           const QString& title = {}) override {
        if (remains)
            remainsWhenShown << remains->text();
        if (onMessage)
            onMessage(text);
        ScriptedDialogs::messageWithDetail(text, richDetail, title);
    }
    QLabel* remains = nullptr;
    QStringList remainsWhenShown;
    std::function<void(const QString&)> onMessage;
};

// The real main window on a fresh database, started as the program starts it.
struct LessonFixture {
    explicit LessonFixture(bool sample = false) : t(sample) {}

    void start() {
        w = std::make_unique<app::Form1>(t.db(), dialogs, speech);
        w->Form_Load();
        w->show();
        dialogs.remains = c().panels[2];
    }

    present::Form1Controls& c() { return w->controls(); }
    learn::LessonState& lesson() { return w->lesson(); }

    // File > Learn: the learning screen puts the first question.
    void learn() { c().mnuLearn->trigger(); }

    // The user picks a set in the set list.
    void pick(const QString& name) {
        const int i = c().DataCombo1->findText(name);
        QVERIFY2(i >= 0, qPrintable(name));
        c().DataCombo1->setCurrentIndex(i);
        emit c().DataCombo1->activated(i);
    }

    // Types a reply and presses Enter, which checks it.
    void reply(const QString& text) {
        c().Text3->clear();
        QTest::keyClicks(c().Text3, text);
        QTest::keyClick(c().Text3, Qt::Key_Return);
    }

    QVariant cardValue(qint64 id, const char* column) {
        return t.scalar(QStringLiteral("SELECT \"%1\" FROM Card WHERE Card_ID = ?")
                            .arg(QString::fromLatin1(column)),
                        {id});
    }
    int logRows() { return t.scalar(QStringLiteral("SELECT COUNT(*) FROM Log")).toInt(); }

    // Everything a reply to `card` changes: its stored row, the log, the lesson's counters,
    // its row of the card array and the status bar; to compare before and after an undo.
    QStringList replyTrace(qint64 card) {
        QStringList trace;
        trace << t.scalar(QStringLiteral("SELECT quote(Rating) || quote(Correct) || "
                                         "quote(Incorrect) || quote(\"Order\") || "
                                         "quote(CurStatus) FROM Card WHERE Card_ID = ?"),
                          {card})
                     .toString();
        trace
            << t.scalar(QStringLiteral("SELECT group_concat(RecID || Result) FROM Log")).toString();
        const learn::LessonState& L = lesson();
        trace << QStringLiteral("%1 %2 %3 %4")
                     .arg(L.Row)
                     .arg(L.CheckAll)
                     .arg(L.BunchCorrect)
                     .arg(L.CurSetSize);
        for (int col = learn::ColQuestion; col <= learn::ColDisplayQuestionNumber; ++col)
            trace << L.CSarray.at(L.Row, col).toString();
        for (QLabel* panel : c().panels)
            trace << panel->text();
        return trace;
    }

    testing::TempDatabase t;
    SnoopingDialogs dialogs;
    testing::RecordingSpeech speech;
    std::unique_ptr<app::Form1> w;
};
