-- SPDX-License-Identifier: GPL-3.0-or-later
-- Memorant database, schema version 15 (kSchemaVersion in Database.h; raise both together).
-- The connection sets PRAGMA foreign_keys=ON, journal_mode=WAL and user_version.
-- Statements are separated by a line holding only "-- ;;" so that trigger bodies,
-- which contain semicolons, survive the split.

CREATE TABLE Set1 (
    Set_ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    SetName          TEXT,
    Active           INTEGER NOT NULL DEFAULT 1,
    IncludeInDeamons INTEGER NOT NULL DEFAULT 1,
    SpareID          TEXT,
    SpareName        TEXT,
    -- The espeak-ng voice the set's questions are spoken in; NULL: the database's voice
    -- (Fields1.Voice). Not exchanged: a voice names what one machine has installed.
    Voice            TEXT,
    -- Which way its cards are asked: 0 question to answer, 1 answer to question, 2 both.
    Direction        INTEGER NOT NULL DEFAULT 0
);
-- ;;
CREATE INDEX Set1_SetName ON Set1 (SetName);
-- ;;
CREATE TABLE Card (
    Card_ID               INTEGER PRIMARY KEY AUTOINCREMENT,
    Question              TEXT,
    Answer                TEXT,
    CurStatus             REAL DEFAULT 0,
    AcStatus              REAL DEFAULT 0,
    GoNo                  REAL DEFAULT 0,
    "Order"               REAL,
    Rating                REAL DEFAULT 0,
    Correct               REAL DEFAULT 0,
    Incorrect             REAL DEFAULT 0,
    Demons                INTEGER DEFAULT 0,
    Active                INTEGER NOT NULL DEFAULT 1,
    SpareID               TEXT,
    ShowOrder             INTEGER DEFAULT 0,
    DisplayQuestionNumber INTEGER DEFAULT 0,
    -- The card's picture and sound: the Hash of a Media row, NULL for none.
    Picture               TEXT,
    Sound                 TEXT
);
-- ;;
CREATE INDEX Card_Demons ON Card (Demons) WHERE Demons = 1;
-- ;;
CREATE INDEX Card_Picture ON Card (Picture) WHERE Picture IS NOT NULL;
-- ;;
CREATE INDEX Card_Sound ON Card (Sound) WHERE Sound IS NOT NULL;
-- ;;
-- Pictures and sounds kept inside the file, so that it stays the whole collection. One row
-- per distinct content (Hash: the SHA-256 of Data, lower-case hex) however many cards use it.
CREATE TABLE Media (
    Hash TEXT NOT NULL UNIQUE,
    Mime TEXT NOT NULL,
    Name TEXT,
    Data BLOB NOT NULL
);
-- ;;
-- Media no card names any more goes with the card that last named it, in the same statement.
CREATE TRIGGER Card_media_delete AFTER DELETE ON Card
WHEN OLD.Picture IS NOT NULL OR OLD.Sound IS NOT NULL
BEGIN
    DELETE FROM Media WHERE Hash IN (OLD.Picture, OLD.Sound)
      AND NOT EXISTS (SELECT 1 FROM Card WHERE Picture = Media.Hash)
      AND NOT EXISTS (SELECT 1 FROM Card WHERE Sound = Media.Hash);
END;
-- ;;
CREATE TRIGGER Card_media_update AFTER UPDATE OF Picture, Sound ON Card
WHEN OLD.Picture IS NOT NEW.Picture OR OLD.Sound IS NOT NEW.Sound
BEGIN
    DELETE FROM Media WHERE Hash IN (OLD.Picture, OLD.Sound)
      AND NOT EXISTS (SELECT 1 FROM Card WHERE Picture = Media.Hash)
      AND NOT EXISTS (SELECT 1 FROM Card WHERE Sound = Media.Hash);
END;
-- ;;
-- A card's learning values when it is asked the other way round, answer to question; a card
-- never asked so has no row. Kept apart so that Card and the queries over it stay as they are.
CREATE TABLE CardReverse (
    Card_ID   INTEGER PRIMARY KEY REFERENCES Card (Card_ID) ON DELETE CASCADE,
    "Order"   REAL,
    Rating    REAL DEFAULT 0,
    Correct   REAL DEFAULT 0,
    Incorrect REAL DEFAULT 0,
    Demons    INTEGER DEFAULT 0
);
-- ;;
CREATE INDEX CardReverse_Demons ON CardReverse (Demons) WHERE Demons = 1;
-- ;;
CREATE INDEX Card_SpareID ON Card (SpareID) WHERE SpareID <> '';
-- ;;
-- Deleting a set removes its ties; a card's ties are never removed by deleting the card,
-- because the program only ever deletes cards that no set holds.
CREATE TABLE Set_Card_rel (
    Rel_ID  INTEGER PRIMARY KEY AUTOINCREMENT,
    Set_ID  INTEGER REFERENCES Set1 (Set_ID) ON DELETE CASCADE,
    Card_ID INTEGER
);
-- ;;
CREATE INDEX Set_Card_rel_Set ON Set_Card_rel (Set_ID);
-- ;;
CREATE INDEX Set_Card_rel_Card ON Set_Card_rel (Card_ID);
-- ;;
CREATE TABLE Log (
    RecID   INTEGER PRIMARY KEY AUTOINCREMENT,
    "Date"  TEXT,
    SetName TEXT,
    CardID  INTEGER,
    Result  TEXT,
    -- The forgiving rule that accepted a right reply: NULL when it was exact, otherwise
    -- 'capitals', 'blanks' or 'capitals+blanks'. qLog and the exchange file leave it out.
    JudgedBy TEXT,
    -- Which way the card was asked: NULL or '' from question to answer, 'reverse' the other
    -- way. qLog leaves it out.
    Direction TEXT
);
-- ;;
CREATE INDEX Log_CardID ON Log (CardID);
-- ;;
-- The statistics read the log's replies per day and set name from LogDays, a few rows a day
-- however long the log grows. The triggers keep it exact under every change of the log; a
-- pair whose last row goes is removed. Day is the date's first ten characters (the day of
-- an ISO date with or without its time); a missing date or set name is stored as ''.
CREATE TABLE LogDays (
    Day     TEXT NOT NULL,
    SetName TEXT NOT NULL,
    Replies INTEGER NOT NULL,
    Correct INTEGER NOT NULL,
    PRIMARY KEY (Day, SetName)
) WITHOUT ROWID;
-- ;;
CREATE INDEX LogDays_Set ON LogDays (SetName, Day, Replies, Correct);
-- ;;
CREATE TRIGGER Log_days_insert AFTER INSERT ON Log
BEGIN
    INSERT INTO LogDays (Day, SetName, Replies, Correct)
    VALUES (coalesce(substr(NEW."Date", 1, 10), ''), coalesce(NEW.SetName, ''), 1,
            NEW.Result IS 'Correct')
    ON CONFLICT (Day, SetName)
    DO UPDATE SET Replies = Replies + 1, Correct = Correct + excluded.Correct;
END;
-- ;;
CREATE TRIGGER Log_days_delete AFTER DELETE ON Log
BEGIN
    UPDATE LogDays SET Replies = Replies - 1, Correct = Correct - (OLD.Result IS 'Correct')
    WHERE Day = coalesce(substr(OLD."Date", 1, 10), '') AND SetName = coalesce(OLD.SetName, '');
    DELETE FROM LogDays
    WHERE Day = coalesce(substr(OLD."Date", 1, 10), '') AND SetName = coalesce(OLD.SetName, '')
      AND Replies <= 0;
END;
-- ;;
CREATE TRIGGER Log_days_update AFTER UPDATE OF "Date", SetName, Result ON Log
BEGIN
    UPDATE LogDays SET Replies = Replies - 1, Correct = Correct - (OLD.Result IS 'Correct')
    WHERE Day = coalesce(substr(OLD."Date", 1, 10), '') AND SetName = coalesce(OLD.SetName, '');
    DELETE FROM LogDays
    WHERE Day = coalesce(substr(OLD."Date", 1, 10), '') AND SetName = coalesce(OLD.SetName, '')
      AND Replies <= 0;
    INSERT INTO LogDays (Day, SetName, Replies, Correct)
    VALUES (coalesce(substr(NEW."Date", 1, 10), ''), coalesce(NEW.SetName, ''), 1,
            NEW.Result IS 'Correct')
    ON CONFLICT (Day, SetName)
    DO UPDATE SET Replies = Replies + 1, Correct = Correct + excluded.Correct;
END;
-- ;;
-- What the model of memory makes of each card asked one way, worked out from its log rows: a
-- cache of the log, never a second truth, worked out for the retention MemoryMark.Retention
-- names: DueDay is the first day its recall is below it.
CREATE TABLE MemoryState (
    Card_ID    INTEGER NOT NULL REFERENCES Card (Card_ID) ON DELETE CASCADE,
    Reverse    INTEGER NOT NULL,
    Stability  REAL NOT NULL,
    Difficulty REAL NOT NULL,
    LastDay    INTEGER NOT NULL,
    DueDay     INTEGER NOT NULL,
    -- Replies given when the card was due (the first of a day, recall below the retention),
    -- and how many of them were right: the retention the learner really has.
    DueReplies INTEGER NOT NULL DEFAULT 0,
    DueRight   INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (Card_ID, Reverse)
) WITHOUT ROWID;
-- ;;
CREATE INDEX MemoryState_Due ON MemoryState (DueDay);
-- ;;
-- One row. Every change of the log counts in LogChanges, whoever makes it; the state matches
-- the log while BuiltAt equals it. A reply stored by the program moves both together.
-- Likewise SetChanges counts every change of which cards the named sets hold, and DueCount
-- matches them while CountedAt equals it; it holds the due days before CountedFrom as
-- CountedFrom - 1, since they stay past.
CREATE TABLE MemoryMark (
    LogChanges  INTEGER NOT NULL DEFAULT 0,
    BuiltAt     INTEGER,
    Retention   REAL,
    SetChanges  INTEGER NOT NULL DEFAULT 0,
    CountedAt   INTEGER,
    CountedFrom INTEGER
);
-- ;;
INSERT INTO MemoryMark (LogChanges, BuiltAt, Retention) VALUES (0, NULL, NULL);
-- ;;
-- The memory state's due days counted per set, so that the due counts read a few rows a day
-- however many cards there are: N cards and ways of set Set_ID come due on DueDay. Set_ID 0
-- counts each card and way once when it is in some named set.
CREATE TABLE DueCount (
    Set_ID INTEGER NOT NULL,
    DueDay INTEGER NOT NULL,
    N      INTEGER NOT NULL,
    PRIMARY KEY (Set_ID, DueDay)
) WITHOUT ROWID;
-- ;;
CREATE TRIGGER Set_card_due_insert AFTER INSERT ON Set_Card_rel
BEGIN
    UPDATE MemoryMark SET SetChanges = SetChanges + 1;
END;
-- ;;
CREATE TRIGGER Set_card_due_delete AFTER DELETE ON Set_Card_rel
BEGIN
    UPDATE MemoryMark SET SetChanges = SetChanges + 1;
END;
-- ;;
CREATE TRIGGER Set_card_due_update AFTER UPDATE ON Set_Card_rel
BEGIN
    UPDATE MemoryMark SET SetChanges = SetChanges + 1;
END;
-- ;;
CREATE TRIGGER Set_due_rename AFTER UPDATE OF SetName ON Set1
BEGIN
    UPDATE MemoryMark SET SetChanges = SetChanges + 1;
END;
-- ;;
CREATE TRIGGER Card_due_delete AFTER DELETE ON Card
BEGIN
    UPDATE MemoryMark SET SetChanges = SetChanges + 1;
END;
-- ;;
CREATE TRIGGER Log_memory_insert AFTER INSERT ON Log
BEGIN
    UPDATE MemoryMark SET LogChanges = LogChanges + 1;
END;
-- ;;
CREATE TRIGGER Log_memory_delete AFTER DELETE ON Log
BEGIN
    UPDATE MemoryMark SET LogChanges = LogChanges + 1;
END;
-- ;;
CREATE TRIGGER Log_memory_update AFTER UPDATE OF "Date", CardID, Result, Direction ON Log
BEGIN
    UPDATE MemoryMark SET LogChanges = LogChanges + 1;
END;
-- ;;
CREATE TABLE Fields (
    SetName TEXT,
    Load    REAL DEFAULT 0
);
-- ;;
-- Voice: the espeak-ng voice for spoken questions; empty means the system's language.
CREATE TABLE Fields1 (
    Multi_ID    INTEGER DEFAULT 0,
    MultiText   TEXT DEFAULT 'Multi',
    MultiSource TEXT,
    "Check"     TEXT,
    CardNum     INTEGER DEFAULT 0,
    DemonsNum   REAL DEFAULT 10,
    Zad         INTEGER DEFAULT 0,
    Voice       TEXT DEFAULT '',
    AcademicScale REAL DEFAULT 1.0,
    KidsScale   REAL DEFAULT 1.0,
    -- Due review: off until the learner turns it on; the recall a card is let fall to.
    ReviewOn    INTEGER NOT NULL DEFAULT 0,
    Retention   REAL NOT NULL DEFAULT 0.9
);
-- ;;
CREATE TABLE MultipleAnswers (
    Card_ID  INTEGER,
    M_Answer TEXT
);
-- ;;
CREATE INDEX MultipleAnswers_Card ON MultipleAnswers (Card_ID);
-- ;;
-- Same column list as qMultiAnswers, which is copied into it with SELECT *.
CREATE TABLE MultipleBuffer (
    M_Answer TEXT,
    Card_ID  INTEGER DEFAULT 0
);
-- ;;
CREATE TABLE MultipleReply (
    Reply TEXT
);
-- ;;
CREATE TABLE ComparisonTable (
    Answer  TEXT,
    Reply   TEXT,
    "Order" REAL
);
-- ;;
CREATE TABLE ExportBuffer (
    C_Card_ID          INTEGER DEFAULT 0,
    C_Question         TEXT,
    C_Answer           TEXT,
    C_CurStatus        REAL DEFAULT 0,
    C_AcStatus         REAL,
    C_GoNo             REAL,
    C_Order            REAL,
    C_Rating           REAL,
    C_Correct          REAL,
    C_Incorrect        REAL,
    C_Demons           INTEGER,
    C_Active           INTEGER DEFAULT 1,
    C_SpareID          TEXT,
    S_Set_ID           INTEGER DEFAULT 0,
    S_SetName          TEXT,
    S_Active           INTEGER,
    S_IncludeInDeamons INTEGER,
    S_SpareID          TEXT,
    S_SpareName        TEXT,
    R_Rel_ID           INTEGER DEFAULT 0,
    R_Set_ID           INTEGER,
    R_Card_ID          INTEGER,
    L_RecID            INTEGER DEFAULT 0,
    L_Date             TEXT,
    L_SetName          TEXT,
    L_CardID           INTEGER,
    L_Result           TEXT
);
-- ;;
CREATE TABLE ImportBuffer (
    Field1 TEXT, Field2 TEXT, Field3 TEXT, Field4 TEXT, Field5 TEXT, Field6 TEXT,
    Field7 TEXT, Field8 TEXT, Field9 TEXT, Field10 TEXT, Field11 TEXT, Field12 TEXT,
    Field13 TEXT, Field14 TEXT, Field15 TEXT, Field16 TEXT, Field17 TEXT, Field18 TEXT,
    Field19 TEXT, Field20 TEXT, Field21 TEXT, Field22 TEXT, Field23 TEXT, Field24 TEXT,
    Field25 TEXT, Field26 TEXT, Field27 TEXT
);
-- ;;
CREATE TABLE BufferCard (
    Field1 TEXT, Field2 TEXT, Field3 TEXT, Field4 TEXT, Field5 TEXT, Field6 TEXT,
    Field7 TEXT, Field8 TEXT, Field9 TEXT, Field10 TEXT, Field11 TEXT, Field12 TEXT,
    Field13 TEXT
);
-- ;;
CREATE TABLE BufferSet1 (
    Field1 TEXT, Field2 TEXT, Field3 TEXT, Field4 TEXT, Field5 TEXT, Field6 TEXT
);
-- ;;
CREATE TABLE BufferSet_Card_rel (
    Field1 TEXT, Field2 TEXT, Field3 TEXT
);
-- ;;
CREATE TABLE BufferLog (
    Field1 TEXT, Field2 TEXT, Field3 TEXT, Field4 TEXT, Field5 TEXT
);
-- ;;

-- ---------------------------------------------------------------------------
-- Stored queries.
-- The "current set" is the set whose name is in Fields.SetName.
-- qCurrentSet, qCurrentSetKids and qDemonsSet yield their cards by "Order", then Card_ID:
-- "Order" is the key the reordering after each pass rewrites.
-- The Kids variants leave out multiple-answer cards (Answer = 'Multi'): Kids mode
-- never asks them.
-- ---------------------------------------------------------------------------

CREATE VIEW qCurrentSet AS
SELECT Card.Question, Card.Answer, Set1.SetName, Card.CurStatus, Card."Order", Card.Card_ID,
       Card.Rating, Card.Correct, Card.Incorrect, Card.ShowOrder, Card.DisplayQuestionNumber
FROM Set1
JOIN Set_Card_rel ON Set_Card_rel.Set_ID = Set1.Set_ID
JOIN Card ON Card.Card_ID = Set_Card_rel.Card_ID
WHERE Set1.SetName = (SELECT SetName FROM Fields LIMIT 1)
ORDER BY Card."Order", Card.Card_ID;
-- ;;
CREATE VIEW qCurrentSetKids AS
SELECT * FROM qCurrentSet WHERE Answer IS NOT 'Multi';
-- ;;
-- The card grid's source: writes go to Card. A row added here is a new card tied once to
-- the current set with "Order" = Card_ID; deleting a row unties the card from this set
-- and removes the card itself when no other set holds it.
CREATE VIEW qSelectedSet AS
SELECT Card.Card_ID, Card.Question, Card.Answer
FROM Set1
JOIN Set_Card_rel ON Set_Card_rel.Set_ID = Set1.Set_ID
JOIN Card ON Card.Card_ID = Set_Card_rel.Card_ID
WHERE Set1.SetName = (SELECT SetName FROM Fields LIMIT 1)
ORDER BY Card.Card_ID;
-- ;;
CREATE TRIGGER qSelectedSet_update INSTEAD OF UPDATE ON qSelectedSet
BEGIN
    UPDATE Card SET Question = NEW.Question, Answer = NEW.Answer WHERE Card_ID = OLD.Card_ID;
END;
-- ;;
CREATE TRIGGER qSelectedSet_insert INSTEAD OF INSERT ON qSelectedSet
BEGIN
    SELECT RAISE(ABORT, 'No set is chosen for the new card')
    WHERE NOT EXISTS (SELECT 1 FROM Set1 WHERE SetName = (SELECT SetName FROM Fields LIMIT 1));
    INSERT INTO Card (Question, Answer) VALUES (NEW.Question, NEW.Answer);
    UPDATE Card SET "Order" = Card_ID WHERE Card_ID = last_insert_rowid();
    INSERT INTO Set_Card_rel (Set_ID, Card_ID)
    SELECT Set_ID, (SELECT MAX(Card_ID) FROM Card) FROM Set1
    WHERE SetName = (SELECT SetName FROM Fields LIMIT 1)
    ORDER BY Set_ID LIMIT 1;
END;
-- ;;
CREATE TRIGGER qSelectedSet_delete INSTEAD OF DELETE ON qSelectedSet
BEGIN
    DELETE FROM Set_Card_rel
    WHERE Card_ID = OLD.Card_ID
      AND Set_ID IN (SELECT Set_ID FROM Set1 WHERE SetName = (SELECT SetName FROM Fields LIMIT 1));
    DELETE FROM MultipleAnswers
    WHERE Card_ID = OLD.Card_ID
      AND NOT EXISTS (SELECT 1 FROM Set_Card_rel WHERE Card_ID = OLD.Card_ID);
    DELETE FROM Card
    WHERE Card_ID = OLD.Card_ID
      AND NOT EXISTS (SELECT 1 FROM Set_Card_rel WHERE Card_ID = OLD.Card_ID);
END;
-- ;;
CREATE VIEW qSelectedSetKids AS
SELECT * FROM qSelectedSet WHERE Answer IS NOT 'Multi';
-- ;;
CREATE TRIGGER qSelectedSetKids_update INSTEAD OF UPDATE ON qSelectedSetKids
BEGIN
    UPDATE qSelectedSet SET Question = NEW.Question, Answer = NEW.Answer
    WHERE Card_ID = OLD.Card_ID;
END;
-- ;;
CREATE TRIGGER qSelectedSetKids_insert INSTEAD OF INSERT ON qSelectedSetKids
BEGIN
    INSERT INTO qSelectedSet (Question, Answer) VALUES (NEW.Question, NEW.Answer);
END;
-- ;;
CREATE TRIGGER qSelectedSetKids_delete INSTEAD OF DELETE ON qSelectedSetKids
BEGIN
    DELETE FROM qSelectedSet WHERE Card_ID = OLD.Card_ID;
END;
-- ;;
-- Read-only on purpose: picking a set in the list must never rename one. The set named in
-- Fields.SetName comes first, so the list opens on the set chosen last time.
CREATE VIEW qCurrentSetName AS
SELECT SetName FROM Set1
ORDER BY (SetName IS (SELECT SetName FROM Fields LIMIT 1)) DESC, SetName COLLATE NOCASE, Set_ID;
-- ;;
CREATE VIEW qCurrentSetTotal AS
SELECT Card_ID FROM qCurrentSet;
-- ;;
CREATE VIEW qCurrentSetID AS
SELECT Set_ID FROM Set1 WHERE SetName = (SELECT SetName FROM Fields LIMIT 1)
ORDER BY Set_ID LIMIT 1;
-- ;;
-- Set names are unique without regard to letter case.
CREATE VIEW qNewSetCheck AS
SELECT Set_ID FROM Set1 WHERE SetName = (SELECT "Check" FROM Fields1 LIMIT 1) COLLATE NOCASE;
-- ;;
CREATE VIEW qCurCardRating AS
SELECT Card_ID, Rating, Correct, Incorrect FROM Card
WHERE Card_ID = (SELECT CardNum FROM Fields1 LIMIT 1);
-- ;;
CREATE TRIGGER qCurCardRating_update INSTEAD OF UPDATE ON qCurCardRating
BEGIN
    UPDATE Card SET Rating = NEW.Rating, Correct = NEW.Correct, Incorrect = NEW.Incorrect
    WHERE Card_ID = OLD.Card_ID;
END;
-- ;;
-- Demons candidates: cards of the sets that feed the Demons, answered wrongly at least
-- once, each card once, hardest first.
CREATE VIEW qSortedCards AS
SELECT Card_ID, Demons, Rating, Incorrect, Question FROM Card
WHERE Incorrect > 0
  AND Card_ID IN (SELECT Set_Card_rel.Card_ID FROM Set_Card_rel
                  JOIN Set1 ON Set1.Set_ID = Set_Card_rel.Set_ID
                  WHERE Set1.IncludeInDeamons <> 0)
ORDER BY Rating, Incorrect DESC, Card_ID;
-- ;;
CREATE TRIGGER qSortedCards_update INSTEAD OF UPDATE ON qSortedCards
BEGIN
    UPDATE Card SET Demons = NEW.Demons WHERE Card_ID = OLD.Card_ID;
END;
-- ;;
CREATE VIEW qDemonsSet AS
SELECT Question, Answer, CurStatus, "Order", Card_ID, Rating, Correct, Incorrect, ShowOrder,
       DisplayQuestionNumber
FROM Card WHERE Demons = 1
ORDER BY "Order", Card_ID;
-- ;;
CREATE VIEW qCountSets AS
SELECT COUNT(*) AS SetNum FROM Set1;
-- ;;
CREATE VIEW qMaxCardID AS
SELECT MAX(Card_ID) AS CardID FROM Card;
-- ;;
CREATE VIEW qCountCSRexist AS
SELECT COUNT(*) AS Countt FROM Set_Card_rel WHERE Card_ID = (SELECT MAX(Card_ID) FROM Card);
-- ;;
CREATE VIEW qToWriteMulti AS
SELECT Card_ID, Answer FROM Card WHERE Card_ID = (SELECT Multi_ID FROM Fields1 LIMIT 1);
-- ;;
CREATE VIEW qCountCurrentMulti AS
SELECT COUNT(*) AS Countt FROM MultipleAnswers
WHERE Card_ID = (SELECT Multi_ID FROM Fields1 LIMIT 1);
-- ;;
-- Multiple-answer matching is exact (case and blanks count). Each answer is matched at most
-- as often as it occurs in the list: the k-th equal reply matches only if the list holds
-- that answer at least k times, so a repeated reply cannot stand in for a missing one.
CREATE VIEW qCurrentMultiAnswers AS
SELECT M_Answer FROM MultipleAnswers
WHERE Card_ID = (SELECT Multi_ID FROM Fields1 LIMIT 1)
ORDER BY rowid;
-- ;;
CREATE VIEW qNumberedAnswers AS
SELECT M_Answer, rowid AS Pos,
       ROW_NUMBER() OVER (PARTITION BY M_Answer ORDER BY rowid) AS Nth,
       ROW_NUMBER() OVER (ORDER BY rowid) AS "Order"
FROM MultipleAnswers
WHERE Card_ID = (SELECT Multi_ID FROM Fields1 LIMIT 1);
-- ;;
CREATE VIEW qNumberedReplies AS
SELECT Reply, rowid AS Pos, ROW_NUMBER() OVER (PARTITION BY Reply ORDER BY rowid) AS Nth
FROM MultipleReply;
-- ;;
CREATE VIEW qCorrectMultiAns AS
SELECT a.M_Answer, r.Reply, a."Order"
FROM qNumberedAnswers a JOIN qNumberedReplies r ON r.Reply = a.M_Answer AND r.Nth = a.Nth
ORDER BY a."Order";
-- ;;
CREATE VIEW qCountMatchingReplies AS
SELECT COUNT(*) AS Countt FROM qCorrectMultiAns;
-- ;;
CREATE VIEW qCountReplies AS
SELECT COUNT(*) AS Countt FROM MultipleReply;
-- ;;
CREATE VIEW qWrongMultiReply AS
SELECT r.Reply FROM qNumberedReplies r
WHERE NOT EXISTS (SELECT 1 FROM qNumberedAnswers a WHERE a.M_Answer = r.Reply AND a.Nth = r.Nth)
ORDER BY r.Pos;
-- ;;
CREATE VIEW qWrongCurrentMultiAnswers AS
SELECT a.M_Answer FROM qNumberedAnswers a
WHERE NOT EXISTS (SELECT 1 FROM qNumberedReplies r WHERE r.Reply = a.M_Answer AND r.Nth = a.Nth)
ORDER BY a.Pos;
-- ;;
CREATE VIEW qMultiAnswers AS
SELECT M_Answer, Card_ID FROM MultipleAnswers
WHERE Card_ID = (SELECT Multi_ID FROM Fields1 LIMIT 1)
ORDER BY rowid;
-- ;;
CREATE VIEW qMultipleBuffer AS
SELECT M_Answer FROM MultipleBuffer ORDER BY rowid;
-- ;;
CREATE VIEW qMultipleReply AS
SELECT Reply FROM MultipleReply ORDER BY rowid;
-- ;;
CREATE VIEW qComparisonTable AS
SELECT Answer, Reply FROM ComparisonTable ORDER BY "Order", rowid;
-- ;;
CREATE VIEW qCountCompTab AS
SELECT COUNT(*) AS Countt FROM ComparisonTable;
-- ;;
CREATE VIEW qSet1 AS
SELECT Set_ID, SetName, IncludeInDeamons FROM Set1 ORDER BY SetName COLLATE NOCASE, Set_ID;
-- ;;
CREATE TRIGGER qSet1_update INSTEAD OF UPDATE ON qSet1
BEGIN
    UPDATE Set1 SET SetName = NEW.SetName, IncludeInDeamons = NEW.IncludeInDeamons
    WHERE Set_ID = OLD.Set_ID;
END;
-- ;;
-- Oldest first; a row whose card is gone shows an empty question.
CREATE VIEW qLog AS
SELECT Log."Date", Log.SetName, COALESCE(Card.Question, '') AS Question, Log.Result
FROM Log LEFT JOIN Card ON Card.Card_ID = Log.CardID
ORDER BY Log.RecID;
-- ;;
CREATE VIEW "Card Without Matching Set_Card_rel" AS
SELECT Card.Card_ID FROM Card
WHERE NOT EXISTS (SELECT 1 FROM Set_Card_rel WHERE Set_Card_rel.Card_ID = Card.Card_ID);
-- ;;
-- Import: staged sets whose name (after the one rename) still clashes are left out ...
-- (EXISTS rather than IN: a set without a name must not make every comparison unknown.)
CREATE VIEW qE7_1nonDel AS
SELECT Field1 FROM BufferSet1 b
WHERE EXISTS (SELECT 1 FROM Set1 WHERE Set1.SetName = b.Field2 COLLATE NOCASE);
-- ;;
-- ... and the others are added.
CREATE VIEW qForAppendSet1 AS
SELECT Field1 FROM BufferSet1 b
WHERE NOT EXISTS (SELECT 1 FROM Set1 WHERE Set1.SetName = b.Field2 COLLATE NOCASE);
-- ;;
CREATE VIEW qNewlyAddedSets AS
SELECT SpareID FROM Set1 WHERE SpareID IS NOT NULL AND SpareID <> '';
-- ;;
-- Order keys. OrderPass (one row) names the rule and day the keys were last made by and,
-- while a pass over every card is pending, how far it got (Cursor, a Card_ID) and the last
-- card it covers. OrderChanged holds the cards whose rating changed or that are new since;
-- OrderHeld the rating a card beyond the cursor had when the pass was ordered.
CREATE TABLE OrderPass (
    Rule     INTEGER NOT NULL DEFAULT 0,
    Day      INTEGER NOT NULL DEFAULT 0,
    Cursor   INTEGER,
    LastCard INTEGER NOT NULL DEFAULT 0
);
-- ;;
INSERT INTO OrderPass (Rule, Day, Cursor, LastCard) VALUES (0, 0, NULL, 0);
-- ;;
CREATE TABLE OrderChanged (Card_ID INTEGER PRIMARY KEY);
-- ;;
CREATE TABLE OrderHeld (Card_ID INTEGER PRIMARY KEY, Rating REAL);
-- ;;
CREATE TRIGGER Card_order_new AFTER INSERT ON Card
BEGIN
    INSERT OR IGNORE INTO OrderChanged (Card_ID) VALUES (NEW.Card_ID);
END;
-- ;;
CREATE TRIGGER Card_order_rating AFTER UPDATE OF Rating ON Card
WHEN NEW.Rating IS NOT OLD.Rating
BEGIN
    INSERT OR IGNORE INTO OrderHeld (Card_ID, Rating)
    SELECT OLD.Card_ID, OLD.Rating FROM OrderPass
    WHERE Cursor IS NOT NULL AND OLD.Card_ID > Cursor AND OLD.Card_ID <= LastCard;
    INSERT OR IGNORE INTO OrderChanged (Card_ID) VALUES (OLD.Card_ID);
END;
-- ;;
-- The file's own identity, written once when it is made: its backups carry it too, so a
-- backup is told from another database's of the same name.
CREATE TABLE DatabaseIdentity (Id TEXT NOT NULL);
-- ;;
INSERT INTO DatabaseIdentity (Id) VALUES (lower(hex(randomblob(16))));
-- ;;
-- How forgiving judging is (Edit > Judging): both off, the default, judges exactly.
CREATE TABLE JudgingOptions (
    IgnoreCapitals    INTEGER NOT NULL DEFAULT 0,
    IgnoreExtraBlanks INTEGER NOT NULL DEFAULT 0
);
-- ;;
INSERT INTO JudgingOptions (IgnoreCapitals, IgnoreExtraBlanks) VALUES (0, 0);
-- ;;
-- Sync through a shared folder. SyncReplica holds this file's identity among the machines
-- (one row; Capture is 1 while a folder is set up), SyncOutbox what changed here since the
-- last sync, written by the triggers below with the time of the change. Lesson state (Order,
-- statuses, Demons marks, Active) has no trigger: it stays on each machine.
CREATE TABLE SyncReplica (
    Id        TEXT NOT NULL DEFAULT '',
    Name      TEXT NOT NULL DEFAULT '',
    Folder    TEXT,
    Capture   INTEGER NOT NULL DEFAULT 0,
    NextSeq   INTEGER NOT NULL DEFAULT 1,
    Hlc       INTEGER NOT NULL DEFAULT 0,
    LastSync  TEXT
);
-- ;;
INSERT INTO SyncReplica DEFAULT VALUES;
-- ;;
CREATE TABLE SyncOutbox (
    Seq  INTEGER PRIMARY KEY AUTOINCREMENT,
    Kind TEXT NOT NULL,
    A    INTEGER,
    B    INTEGER,
    Ms   INTEGER NOT NULL
);
-- ;;
-- Global ids with the last value and stamp of every field that travels. A stamp is a hybrid
-- clock reading followed by the replica id, so stamps compare as text; '' is never.
CREATE TABLE SyncSet (
    Gid         TEXT PRIMARY KEY,
    Canon       TEXT NOT NULL,
    Set_ID      INTEGER,
    CreatedName TEXT NOT NULL DEFAULT '',
    CreatedAt   TEXT NOT NULL DEFAULT '',
    Name        TEXT,
    NameAt      TEXT NOT NULL DEFAULT '',
    Flag        INTEGER,
    FlagAt      TEXT NOT NULL DEFAULT '',
    DeletedAt   TEXT NOT NULL DEFAULT '',
    -- Set1.Direction as text; NULL while no machine has changed it (asked question first).
    Direction   INTEGER,
    DirectionAt TEXT NOT NULL DEFAULT ''
);
-- ;;
CREATE INDEX SyncSet_Local ON SyncSet (Set_ID);
-- ;;
CREATE INDEX SyncSet_Created ON SyncSet (CreatedName COLLATE NOCASE);
-- ;;
CREATE TABLE SyncCard (
    Gid       TEXT PRIMARY KEY,
    Card_ID   INTEGER,
    Question  TEXT,
    QAt       TEXT NOT NULL DEFAULT '',
    Answer    TEXT,
    AAt       TEXT NOT NULL DEFAULT '',
    Options   TEXT,
    OAt       TEXT NOT NULL DEFAULT '',
    Answers   TEXT,
    LAt       TEXT NOT NULL DEFAULT '',
    Rating    TEXT,
    Correct   TEXT,
    Incorrect TEXT,
    BaseAt    TEXT NOT NULL DEFAULT '',
    -- Cards a database held when it first synced: the same text in a set of the same name on
    -- two machines is one card, joined into the lowest id (Canon; NULL for itself).
    JoinKey   TEXT,
    Canon     TEXT,
    -- The weights at BaseAt when asked the other way round (CardReverse); NULL when the card
    -- had none then.
    RRating    TEXT,
    RCorrect   TEXT,
    RIncorrect TEXT,
    -- The card's picture and sound (a Media hash, NULL for none) with the stamps of their
    -- last change. Card may name an older one while the folder has not brought these bytes.
    Picture    TEXT,
    PAt        TEXT NOT NULL DEFAULT '',
    Sound      TEXT,
    SAt        TEXT NOT NULL DEFAULT ''
);
-- ;;
CREATE INDEX SyncCard_Join ON SyncCard (JoinKey) WHERE JoinKey IS NOT NULL;
-- ;;
CREATE INDEX SyncCard_Media ON SyncCard (Card_ID) WHERE Picture IS NOT NULL OR Sound IS NOT NULL;
-- ;;
CREATE INDEX SyncCard_Local ON SyncCard (Card_ID);
-- ;;
CREATE TABLE SyncMember (
    SetGid  TEXT NOT NULL,
    CardGid TEXT NOT NULL,
    AddAt   TEXT NOT NULL DEFAULT '',
    DelAt   TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (SetGid, CardGid)
) WITHOUT ROWID;
-- ;;
CREATE INDEX SyncMember_Card ON SyncMember (CardGid);
-- ;;
-- Every reply that travelled, kept after a log cleaning (RecID then NULL): a card's weights
-- are worked out from them, and a cleaning must not change them.
CREATE TABLE SyncLog (
    Gid     TEXT PRIMARY KEY,
    RecID   INTEGER UNIQUE,
    CardGid TEXT,
    Day     TEXT,
    Result  TEXT,
    At      TEXT NOT NULL,
    -- 'reverse' for a reply asked answer to question; NULL for one asked question first.
    Direction TEXT
);
-- ;;
CREATE INDEX SyncLog_Card ON SyncLog (CardGid);
-- ;;
CREATE TABLE SyncGone (Gid TEXT PRIMARY KEY) WITHOUT ROWID;
-- ;;
-- How far each machine's replies have been cleaned from the log here: a cleaning takes the
-- replies the cleaning machine had, whatever the clocks say, and no reply given after it.
CREATE TABLE SyncCleaned (Replica TEXT PRIMARY KEY, UpTo TEXT NOT NULL) WITHOUT ROWID;
-- ;;
-- Every other machine seen in the folder, and how far this one has read its changes.
CREATE TABLE SyncPeer (
    Replica    TEXT PRIMARY KEY,
    Name       TEXT NOT NULL DEFAULT '',
    ReadSeq    INTEGER NOT NULL DEFAULT 0,
    LastChange TEXT,
    SeenAt     TEXT,
    Forgotten  INTEGER NOT NULL DEFAULT 0
);
-- ;;
-- Texts that lost to a later change on another machine, kept for the learner to look at.
CREATE TABLE SyncConflict (
    Id         INTEGER PRIMARY KEY AUTOINCREMENT,
    Kind       TEXT NOT NULL,
    Gid        TEXT NOT NULL,
    Field      TEXT NOT NULL,
    Lost       TEXT,
    LostAt     TEXT NOT NULL,
    Won        TEXT,
    WonAt      TEXT NOT NULL,
    RecordedAt TEXT NOT NULL
);
-- ;;
-- Change files made ready but not yet written to the folder (it may be read-only or full).
CREATE TABLE SyncPending (
    Seq  INTEGER PRIMARY KEY,
    Body BLOB NOT NULL
);
-- ;;
-- What changed here, noted for the next sync; applying other machines' changes turns Capture
-- off for its transaction, so they are not sent back.
CREATE TRIGGER Sync_set_insert AFTER INSERT ON Set1
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('S', NEW.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_set_name AFTER UPDATE OF SetName ON Set1
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.SetName IS NOT OLD.SetName
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('N', NEW.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_set_flag AFTER UPDATE OF IncludeInDeamons ON Set1
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.IncludeInDeamons IS NOT OLD.IncludeInDeamons
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('F', NEW.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_set_direction AFTER UPDATE OF Direction ON Set1
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.Direction IS NOT OLD.Direction
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('D', NEW.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_set_delete AFTER DELETE ON Set1
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('S', OLD.Set_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_insert AFTER INSERT ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('C', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_question AFTER UPDATE OF Question ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.Question IS NOT OLD.Question
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('Q', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_answer AFTER UPDATE OF Answer ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.Answer IS NOT OLD.Answer
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('W', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_options AFTER UPDATE OF ShowOrder, DisplayQuestionNumber ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('O', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_picture AFTER UPDATE OF Picture ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.Picture IS NOT OLD.Picture
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('P', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_sound AFTER UPDATE OF Sound ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1 AND NEW.Sound IS NOT OLD.Sound
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('R', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_card_delete AFTER DELETE ON Card
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('C', OLD.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_member_insert AFTER INSERT ON Set_Card_rel
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('M', NEW.Set_ID, NEW.Card_ID, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_member_delete AFTER DELETE ON Set_Card_rel
WHEN (SELECT Capture FROM SyncReplica) = 1 AND EXISTS (SELECT 1 FROM Set1 WHERE Set_ID = OLD.Set_ID)
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('M', OLD.Set_ID, OLD.Card_ID, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_answer_insert AFTER INSERT ON MultipleAnswers
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('A', NEW.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_answer_update AFTER UPDATE ON MultipleAnswers
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('A', NEW.Card_ID, OLD.Card_ID, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_answer_delete AFTER DELETE ON MultipleAnswers
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('A', OLD.Card_ID, NULL, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_log_insert AFTER INSERT ON Log
WHEN (SELECT Capture FROM SyncReplica) = 1
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('L', NEW.RecID, NEW.CardID, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
-- ;;
CREATE TRIGGER Sync_log_delete AFTER DELETE ON Log
WHEN (SELECT Capture FROM SyncReplica) = 1 AND EXISTS (SELECT 1 FROM SyncLog WHERE RecID = OLD.RecID)
BEGIN
    INSERT INTO SyncOutbox (Kind, A, B, Ms) VALUES ('U', OLD.RecID, OLD.CardID, CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER));
END;
