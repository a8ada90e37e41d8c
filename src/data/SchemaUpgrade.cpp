// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SchemaUpgrade.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "data/SyncSchema.h"

namespace data {
namespace {

// The trigger bodies of LogDays: a log row counted in, and counted out.
const QString kLogDaysAdd = QStringLiteral(
    "INSERT INTO LogDays (Day, SetName, Replies, Correct) "
    "VALUES (coalesce(substr(NEW.\"Date\", 1, 10), ''), coalesce(NEW.SetName, ''), 1, "
    "NEW.Result IS 'Correct') ON CONFLICT (Day, SetName) "
    "DO UPDATE SET Replies = Replies + 1, Correct = Correct + excluded.Correct;");
const QString kLogDaysTake = QStringLiteral(
    "UPDATE LogDays SET Replies = Replies - 1, Correct = Correct - (OLD.Result IS 'Correct') "
    "WHERE Day = coalesce(substr(OLD.\"Date\", 1, 10), '') "
    "AND SetName = coalesce(OLD.SetName, ''); "
    "DELETE FROM LogDays WHERE Day = coalesce(substr(OLD.\"Date\", 1, 10), '') "
    "AND SetName = coalesce(OLD.SetName, '') AND Replies <= 0;");

// Any change of the log, counted so that the memory state can tell it no longer matches.
const QString kMemoryMarkCount =
    QStringLiteral("UPDATE MemoryMark SET LogChanges = LogChanges + 1;");

// Any change of which cards the named sets hold, counted so the due counts can tell.
const QString kSetChangesCount =
    QStringLiteral("UPDATE MemoryMark SET SetChanges = SetChanges + 1;");

// Media no card names any more goes with the card that last named it.
const QString kUnusedMediaDelete =
    QStringLiteral("DELETE FROM Media WHERE Hash IN (OLD.Picture, OLD.Sound) "
                   "AND NOT EXISTS (SELECT 1 FROM Card WHERE Picture = Media.Hash) "
                   "AND NOT EXISTS (SELECT 1 FROM Card WHERE Sound = Media.Hash);");

} // namespace

const std::vector<UpgradeStep>& upgradeSteps() {
    // Version 1 is the first released schema; later versions add their steps below.
    static const std::vector<UpgradeStep> steps = {
        // The options of a multiple-answer card are 0 or 1: an empty one (a card converted
        // before the columns had defaults) is 0, as judging has always taken it.
        {2,
         {QStringLiteral("UPDATE Card SET ShowOrder = 0 "
                         "WHERE ShowOrder IS NULL OR trim(ShowOrder) = ''"),
          QStringLiteral(
              "UPDATE Card SET DisplayQuestionNumber = 0 "
              "WHERE DisplayQuestionNumber IS NULL OR trim(DisplayQuestionNumber) = ''")}},
        // The order keys are tracked, so that the end of a bunch writes only the cards whose
        // key can change. The file's keys are the rules' result already; which rule made
        // them is unknown (Rule 0), so the next end of a bunch or learnt set orders a pass
        // over every card.
        {3,
         {QStringLiteral("CREATE TABLE OrderPass (Rule INTEGER NOT NULL DEFAULT 0, "
                         "Day INTEGER NOT NULL DEFAULT 0, Cursor INTEGER, "
                         "LastCard INTEGER NOT NULL DEFAULT 0)"),
          QStringLiteral("INSERT INTO OrderPass (Rule, Day, Cursor, LastCard) "
                         "VALUES (0, 0, NULL, 0)"),
          QStringLiteral("CREATE TABLE OrderChanged (Card_ID INTEGER PRIMARY KEY)"),
          QStringLiteral("CREATE TABLE OrderHeld (Card_ID INTEGER PRIMARY KEY, Rating REAL)"),
          QStringLiteral("CREATE TRIGGER Card_order_new AFTER INSERT ON Card BEGIN "
                         "INSERT OR IGNORE INTO OrderChanged (Card_ID) VALUES (NEW.Card_ID); "
                         "END"),
          QStringLiteral("CREATE TRIGGER Card_order_rating AFTER UPDATE OF Rating ON Card "
                         "WHEN NEW.Rating IS NOT OLD.Rating BEGIN "
                         "INSERT OR IGNORE INTO OrderHeld (Card_ID, Rating) "
                         "SELECT OLD.Card_ID, OLD.Rating FROM OrderPass WHERE Cursor IS NOT NULL "
                         "AND OLD.Card_ID > Cursor AND OLD.Card_ID <= LastCard; "
                         "INSERT OR IGNORE INTO OrderChanged (Card_ID) VALUES (OLD.Card_ID); "
                         "END")}},
        // The views that pick the staged sets of an import compared with NOT IN over the
        // set names, so one set without a name made every import add nothing. They are
        // made anew as schema.sql now has them.
        {4,
         {QStringLiteral("DROP VIEW IF EXISTS qE7_1nonDel"),
          QStringLiteral("CREATE VIEW qE7_1nonDel AS SELECT Field1 FROM BufferSet1 b "
                         "WHERE EXISTS (SELECT 1 FROM Set1 "
                         "WHERE Set1.SetName = b.Field2 COLLATE NOCASE)"),
          QStringLiteral("DROP VIEW IF EXISTS qForAppendSet1"),
          QStringLiteral("CREATE VIEW qForAppendSet1 AS SELECT Field1 FROM BufferSet1 b "
                         "WHERE NOT EXISTS (SELECT 1 FROM Set1 "
                         "WHERE Set1.SetName = b.Field2 COLLATE NOCASE)")}},
        // Version 5: the file's own identity, so that its backups are told from those of
        // another database with the same name. A file made before has none yet: it gets a
        // new random one here. Self-contained: it touches no other table.
        {5,
         {QStringLiteral("CREATE TABLE DatabaseIdentity (Id TEXT NOT NULL)"),
          QStringLiteral("INSERT INTO DatabaseIdentity (Id) VALUES (lower(hex(randomblob(16))))")}},
        // Version 6: the options of forgiving judging, off as judging was before.
        // Self-contained: it touches no other table.
        {6,
         {QStringLiteral("CREATE TABLE JudgingOptions ("
                         "IgnoreCapitals INTEGER NOT NULL DEFAULT 0, "
                         "IgnoreExtraBlanks INTEGER NOT NULL DEFAULT 0)"),
          QStringLiteral("INSERT INTO JudgingOptions (IgnoreCapitals, IgnoreExtraBlanks) "
                         "VALUES (0, 0)")}},
        // Version 7: the indexes the statistics read the log through. Self-contained.
        {7,
         {QStringLiteral("CREATE INDEX IF NOT EXISTS Log_Date ON Log (\"Date\", Result)"),
          QStringLiteral("CREATE INDEX IF NOT EXISTS Log_Set ON Log (SetName, \"Date\", Result)")}},
        // Version 8: the log's replies per day and set name, kept by triggers, which the
        // statistics read instead of the whole log; built here from the rows the file holds.
        // The two indexes of version 7 served only the statistics and go.
        {8,
         {QStringLiteral("CREATE TABLE LogDays (Day TEXT NOT NULL, SetName TEXT NOT NULL, "
                         "Replies INTEGER NOT NULL, Correct INTEGER NOT NULL, "
                         "PRIMARY KEY (Day, SetName)) WITHOUT ROWID"),
          QStringLiteral("INSERT INTO LogDays (Day, SetName, Replies, Correct) "
                         "SELECT coalesce(substr(\"Date\", 1, 10), ''), coalesce(SetName, ''), "
                         "count(*), sum(Result IS 'Correct') FROM Log GROUP BY 1, 2"),
          QStringLiteral("CREATE INDEX LogDays_Set ON LogDays (SetName, Day, Replies, Correct)"),
          QStringLiteral("CREATE TRIGGER Log_days_insert AFTER INSERT ON Log BEGIN ") +
              kLogDaysAdd + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Log_days_delete AFTER DELETE ON Log BEGIN ") +
              kLogDaysTake + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Log_days_update AFTER UPDATE OF \"Date\", SetName, "
                         "Result ON Log BEGIN ") +
              kLogDaysTake + QStringLiteral(" ") + kLogDaysAdd + QStringLiteral(" END"),
          QStringLiteral("DROP INDEX IF EXISTS Log_Date"),
          QStringLiteral("DROP INDEX IF EXISTS Log_Set")}},
        // Version 9: a voice of each set's own, empty (the database's voice) for every set
        // that was there before. Touches Set1 only.
        {9, {QStringLiteral("ALTER TABLE Set1 ADD COLUMN Voice TEXT")}},
        // Version 10: how large the screens are drawn, one factor per mode; 1 is the size
        // they were designed at, which is what every older file was shown at.
        {10,
         {QStringLiteral("ALTER TABLE Fields1 ADD COLUMN AcademicScale REAL DEFAULT 1.0"),
          QStringLiteral("ALTER TABLE Fields1 ADD COLUMN KidsScale REAL DEFAULT 1.0")}},
        // Version 11: the rule that accepted a reply. The replies logged before get none: which
        // rule let them pass was not recorded. Touches Log only.
        {11, {QStringLiteral("ALTER TABLE Log ADD COLUMN JudgedBy TEXT")}},
        // Version 12: sync between machines. New tables and the triggers that note changes,
        // off until a folder is set up; no existing table changes.
        {12, syncTablesVersion12()},
        // Version 13: cards asked either way. Every set keeps asking question to answer, every
        // logged reply reads as asked so, and no card has reverse values yet; sync carries all
        // three.
        {13,
         QStringList{
             QStringLiteral("ALTER TABLE Set1 ADD COLUMN Direction INTEGER NOT NULL DEFAULT 0"),
             QStringLiteral("ALTER TABLE Log ADD COLUMN Direction TEXT"),
             QStringLiteral("CREATE TABLE CardReverse (Card_ID INTEGER PRIMARY KEY REFERENCES Card "
                            "(Card_ID) ON DELETE CASCADE, \"Order\" REAL, Rating REAL DEFAULT 0, "
                            "Correct REAL DEFAULT 0, Incorrect REAL DEFAULT 0, Demons INTEGER "
                            "DEFAULT 0)"),
             QStringLiteral(
                 "CREATE INDEX CardReverse_Demons ON CardReverse (Demons) WHERE Demons = "
                 "1")} +
             syncChangesVersion13()},
        // Version 14: due review, off. The memory state starts empty and unbuilt (BuiltAt NULL):
        // the program works it out from the log in the background. Touches no existing row.
        {14,
         {QStringLiteral("ALTER TABLE Fields1 ADD COLUMN ReviewOn INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE Fields1 ADD COLUMN Retention REAL NOT NULL DEFAULT 0.9"),
          QStringLiteral("CREATE TABLE MemoryState (Card_ID INTEGER NOT NULL REFERENCES Card "
                         "(Card_ID) ON DELETE CASCADE, Reverse INTEGER NOT NULL, Stability REAL "
                         "NOT NULL, Difficulty REAL NOT NULL, LastDay INTEGER NOT NULL, DueDay "
                         "INTEGER NOT NULL, DueReplies INTEGER NOT NULL DEFAULT 0, DueRight "
                         "INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (Card_ID, Reverse)) WITHOUT "
                         "ROWID"),
          QStringLiteral("CREATE INDEX MemoryState_Due ON MemoryState (DueDay)"),
          QStringLiteral("CREATE TABLE MemoryMark (LogChanges INTEGER NOT NULL DEFAULT 0, "
                         "BuiltAt INTEGER, Retention REAL, SetChanges INTEGER NOT NULL DEFAULT "
                         "0, CountedAt INTEGER, CountedFrom INTEGER)"),
          QStringLiteral("CREATE TABLE DueCount (Set_ID INTEGER NOT NULL, DueDay INTEGER NOT "
                         "NULL, N INTEGER NOT NULL, PRIMARY KEY (Set_ID, DueDay)) WITHOUT ROWID"),
          QStringLiteral("CREATE TRIGGER Set_card_due_insert AFTER INSERT ON Set_Card_rel BEGIN ") +
              kSetChangesCount + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Set_card_due_delete AFTER DELETE ON Set_Card_rel BEGIN ") +
              kSetChangesCount + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Set_card_due_update AFTER UPDATE ON Set_Card_rel BEGIN ") +
              kSetChangesCount + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Set_due_rename AFTER UPDATE OF SetName ON Set1 BEGIN ") +
              kSetChangesCount + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Card_due_delete AFTER DELETE ON Card BEGIN ") +
              kSetChangesCount + QStringLiteral(" END"),
          QStringLiteral("INSERT INTO MemoryMark (LogChanges, BuiltAt, Retention) "
                         "VALUES (0, NULL, NULL)"),
          QStringLiteral("CREATE TRIGGER Log_memory_insert AFTER INSERT ON Log BEGIN ") +
              kMemoryMarkCount + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Log_memory_delete AFTER DELETE ON Log BEGIN ") +
              kMemoryMarkCount + QStringLiteral(" END"),
          QStringLiteral("CREATE TRIGGER Log_memory_update AFTER UPDATE OF \"Date\", CardID, "
                         "Result, Direction ON Log BEGIN ") +
              kMemoryMarkCount + QStringLiteral(" END")}},
        // Version 15: pictures and sounds of cards, kept in the file, and sync carries them.
        // No card has any yet.
        {15,
         QStringList{
             QStringLiteral("ALTER TABLE Card ADD COLUMN Picture TEXT"),
             QStringLiteral("ALTER TABLE Card ADD COLUMN Sound TEXT"),
             QStringLiteral(
                 "CREATE INDEX Card_Picture ON Card (Picture) WHERE Picture IS NOT NULL"),
             QStringLiteral("CREATE INDEX Card_Sound ON Card (Sound) WHERE Sound IS NOT NULL"),
             QStringLiteral("CREATE TABLE Media (Hash TEXT NOT NULL UNIQUE, Mime TEXT NOT NULL, "
                            "Name TEXT, Data BLOB NOT NULL)"),
             QStringLiteral(
                 "CREATE TRIGGER Card_media_delete AFTER DELETE ON Card WHEN OLD.Picture "
                 "IS NOT NULL OR OLD.Sound IS NOT NULL BEGIN ") +
                 kUnusedMediaDelete + QStringLiteral(" END"),
             QStringLiteral(
                 "CREATE TRIGGER Card_media_update AFTER UPDATE OF Picture, Sound ON Card "
                 "WHEN OLD.Picture IS NOT NEW.Picture OR OLD.Sound IS NOT NEW.Sound "
                 "BEGIN ") +
                 kUnusedMediaDelete + QStringLiteral(" END")} +
             syncChangesVersion15()},
    };
    return steps;
}

void upgradeSchema(const QSqlDatabase& db) {
    const int version = scalar(db, QStringLiteral("PRAGMA user_version")).toInt();
    if (version >= kSchemaVersion)
        return;
    Transaction t(db);
    for (const UpgradeStep& step : upgradeSteps()) {
        if (step.toVersion <= version)
            continue;
        for (const QString& statement : step.statements)
            exec(db, statement);
    }
    exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    t.commit();
}

} // namespace data
