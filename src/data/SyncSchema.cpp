// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SyncSchema.h"

namespace data {

QStringList syncTablesVersion12() {
    // Frozen as version 12 made them: a later version changes them in a step of its own.
    return {
        QStringLiteral(
            "CREATE TABLE SyncReplica ( Id TEXT NOT NULL DEFAULT '', Name TEXT NOT NULL "
            "DEFAULT '', Folder TEXT, Capture INTEGER NOT NULL DEFAULT 0, NextSeq INTEGER "
            "NOT NULL DEFAULT 1, Hlc INTEGER NOT NULL DEFAULT 0, LastSync TEXT )"),
        QStringLiteral("INSERT INTO SyncReplica DEFAULT VALUES"),
        QStringLiteral(
            "CREATE TABLE SyncOutbox ( Seq INTEGER PRIMARY KEY AUTOINCREMENT, Kind TEXT NOT NULL, "
            "A INTEGER, B INTEGER, Ms INTEGER NOT NULL )"),
        QStringLiteral(
            "CREATE TABLE SyncSet ( Gid TEXT PRIMARY KEY, Canon TEXT NOT NULL, Set_ID "
            "INTEGER, CreatedName TEXT NOT NULL DEFAULT '', CreatedAt TEXT NOT NULL DEFAULT '', "
            "Name TEXT, NameAt TEXT NOT NULL DEFAULT '', Flag INTEGER, FlagAt "
            "TEXT NOT NULL DEFAULT '', DeletedAt TEXT NOT NULL DEFAULT '' )"),
        QStringLiteral("CREATE INDEX SyncSet_Local ON SyncSet (Set_ID)"),
        QStringLiteral("CREATE INDEX SyncSet_Created ON SyncSet (CreatedName COLLATE NOCASE)"),
        QStringLiteral(
            "CREATE TABLE SyncCard ( Gid TEXT PRIMARY KEY, Card_ID INTEGER, Question TEXT, "
            "QAt TEXT NOT NULL DEFAULT '', Answer TEXT, AAt TEXT NOT NULL DEFAULT "
            "'', Options TEXT, OAt TEXT NOT NULL DEFAULT '', Answers TEXT, LAt TEXT "
            "NOT NULL DEFAULT '', Rating TEXT, Correct TEXT, Incorrect TEXT, BaseAt TEXT "
            "NOT NULL DEFAULT '', JoinKey TEXT, Canon TEXT )"),
        QStringLiteral(
            "CREATE INDEX SyncCard_Join ON SyncCard (JoinKey) WHERE JoinKey IS NOT NULL"),
        QStringLiteral("CREATE INDEX SyncCard_Local ON SyncCard (Card_ID)"),
        QStringLiteral(
            "CREATE TABLE SyncMember ( SetGid TEXT NOT NULL, CardGid TEXT NOT NULL, AddAt TEXT "
            "NOT NULL DEFAULT '', DelAt TEXT NOT NULL DEFAULT '', PRIMARY KEY (SetGid, CardGid) ) "
            "WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX SyncMember_Card ON SyncMember (CardGid)"),
        QStringLiteral(
            "CREATE TABLE SyncLog ( Gid TEXT PRIMARY KEY, RecID INTEGER UNIQUE, CardGid TEXT, "
            "Day TEXT, Result TEXT, At TEXT NOT NULL )"),
        QStringLiteral("CREATE INDEX SyncLog_Card ON SyncLog (CardGid)"),
        QStringLiteral("CREATE TABLE SyncGone (Gid TEXT PRIMARY KEY) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE SyncCleaned (Replica TEXT PRIMARY KEY, UpTo TEXT NOT NULL) "
                       "WITHOUT ROWID"),
        QStringLiteral(
            "CREATE TABLE SyncPeer ( Replica TEXT PRIMARY KEY, Name TEXT NOT NULL DEFAULT "
            "'', ReadSeq INTEGER NOT NULL DEFAULT 0, LastChange TEXT, SeenAt TEXT, "
            "Forgotten INTEGER NOT NULL DEFAULT 0 )"),
        QStringLiteral("CREATE TABLE SyncConflict ( Id INTEGER PRIMARY KEY AUTOINCREMENT, Kind "
                       "TEXT NOT NULL, Gid TEXT NOT NULL, Field TEXT NOT NULL, Lost TEXT, "
                       "LostAt TEXT NOT NULL, Won TEXT, WonAt TEXT NOT NULL, RecordedAt TEXT "
                       "NOT NULL )"),
        QStringLiteral("CREATE TABLE SyncPending ( Seq INTEGER PRIMARY KEY, Body BLOB NOT NULL )"),
        QStringLiteral(
            "CREATE TRIGGER Sync_set_insert AFTER INSERT ON Set1 WHEN (SELECT Capture FROM "
            "SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('S', "
            "NEW.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_set_name AFTER UPDATE OF SetName ON Set1 WHEN (SELECT Capture "
            "FROM SyncReplica) = 1 AND NEW.SetName IS NOT OLD.SetName BEGIN INSERT INTO "
            "SyncOutbox (Kind, A, B, Ms) VALUES ('N', NEW.Set_ID, NULL, CAST((julianday('now') - "
            "2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_set_flag AFTER UPDATE OF IncludeInDeamons ON Set1 WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 AND NEW.IncludeInDeamons IS NOT OLD.IncludeInDeamons "
            "BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('F', NEW.Set_ID, NULL, "
            "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_set_delete AFTER DELETE ON Set1 WHEN (SELECT Capture FROM "
            "SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('S', "
            "OLD.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_insert AFTER INSERT ON Card WHEN (SELECT Capture FROM "
            "SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('C', "
            "NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_question AFTER UPDATE OF Question ON Card WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 AND NEW.Question IS NOT OLD.Question BEGIN INSERT INTO "
            "SyncOutbox (Kind, A, B, Ms) VALUES ('Q', NEW.Card_ID, NULL, CAST((julianday('now') - "
            "2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_answer AFTER UPDATE OF Answer ON Card WHEN (SELECT Capture "
            "FROM SyncReplica) = 1 AND NEW.Answer IS NOT OLD.Answer BEGIN INSERT INTO SyncOutbox "
            "(Kind, A, B, Ms) VALUES ('W', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) "
            "* 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_options AFTER UPDATE OF ShowOrder, DisplayQuestionNumber ON "
            "Card WHEN (SELECT Capture FROM SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, "
            "A, B, Ms) VALUES ('O', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * "
            "86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_delete AFTER DELETE ON Card WHEN (SELECT Capture FROM "
            "SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('C', "
            "OLD.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_member_insert AFTER INSERT ON Set_Card_rel WHEN (SELECT Capture "
            "FROM SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('M', "
            "NEW.Set_ID, NEW.Card_ID, CAST((julianday('now') - 2440587.5) * 86400000 AS "
            "INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_member_delete AFTER DELETE ON Set_Card_rel WHEN (SELECT Capture "
            "FROM SyncReplica) = 1 AND EXISTS (SELECT 1 FROM Set1 WHERE Set_ID = OLD.Set_ID) "
            "BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('M', OLD.Set_ID, OLD.Card_ID, "
            "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_answer_insert AFTER INSERT ON MultipleAnswers WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES "
            "('A', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS "
            "INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_answer_update AFTER UPDATE ON MultipleAnswers WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES "
            "('A', NEW.Card_ID, OLD.Card_ID, CAST((julianday('now') - 2440587.5) * 86400000 AS "
            "INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_answer_delete AFTER DELETE ON MultipleAnswers WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES "
            "('A', OLD.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS "
            "INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_log_insert AFTER INSERT ON Log WHEN (SELECT Capture FROM "
            "SyncReplica) = 1 BEGIN INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('L', "
            "NEW.RecID, NEW.CardID, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); "
            "END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_log_delete AFTER DELETE ON Log WHEN (SELECT Capture FROM "
            "SyncReplica) = 1 AND EXISTS (SELECT 1 FROM SyncLog WHERE RecID = OLD.RecID) BEGIN "
            "INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('U', OLD.RecID, OLD.CardID, "
            "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
    };
}

QStringList syncChangesVersion13() {
    return {
        QStringLiteral("ALTER TABLE SyncSet ADD COLUMN Direction INTEGER"),
        QStringLiteral("ALTER TABLE SyncSet ADD COLUMN DirectionAt TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN RRating TEXT"),
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN RCorrect TEXT"),
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN RIncorrect TEXT"),
        QStringLiteral("ALTER TABLE SyncLog ADD COLUMN Direction TEXT"),
        QStringLiteral(
            "CREATE TRIGGER Sync_set_direction AFTER UPDATE OF Direction ON Set1 WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 AND NEW.Direction IS NOT OLD.Direction BEGIN INSERT "
            "INTO SyncOutbox (Kind, A, B, Ms) VALUES ('D', NEW.Set_ID, NULL, "
            "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)); END"),
    };
}

QStringList syncChangesVersion15() {
    return {
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN Picture TEXT"),
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN PAt TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN Sound TEXT"),
        QStringLiteral("ALTER TABLE SyncCard ADD COLUMN SAt TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("CREATE INDEX SyncCard_Media ON SyncCard (Card_ID) WHERE Picture IS NOT "
                       "NULL OR Sound IS NOT NULL"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_picture AFTER UPDATE OF Picture ON Card WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 AND NEW.Picture IS NOT OLD.Picture BEGIN INSERT INTO "
            "SyncOutbox (Kind, A, B, Ms) VALUES ('P', NEW.Card_ID, NULL, CAST((julianday('now') - "
            "2440587.5) * 86400000 AS INTEGER)); END"),
        QStringLiteral(
            "CREATE TRIGGER Sync_card_sound AFTER UPDATE OF Sound ON Card WHEN (SELECT "
            "Capture FROM SyncReplica) = 1 AND NEW.Sound IS NOT OLD.Sound BEGIN INSERT INTO "
            "SyncOutbox (Kind, A, B, Ms) VALUES ('R', NEW.Card_ID, NULL, CAST((julianday('now') - "
            "2440587.5) * 86400000 AS INTEGER)); END"),
    };
}

} // namespace data
