// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Recordset.h"

#include <QSqlDatabase>
#include <QVariant>

namespace data {

// The main window's record sets, one per table or stored query its procedures use.
// LoadAll/UnloadAll keep their meaning (every source is read afresh afterwards) but cost
// nothing by themselves: a record set reads its source on first use.
class RecordsetFamily {
  public:
    // `kids` is the window's Kids-mode flag; it picks the current-set source.
    RecordsetFamily(const QSqlDatabase& db, const bool& kids);

    void LoadAll();
    void UnloadAll();
    bool isLoaded() const { return loaded_; }

    void SubSwitchToKidsSource();
    void SubSwitchToAcademicSource();

    // The greatest Card_ID, read from the qMaxCardID record set at the time of reading.
    QVariant maxCardId();

    QSqlDatabase connection() const { return db_; }

    // The openers, in the order LoadAll calls them.
    void SubRsCurSetName();
    void SubRsCurSet();
    void SubRsCurSetID();
    void SubRsF();
    void SubRsSetCardRel();
    void SubqMaxCardID();
    void SubRsS();
    void SubRsF1();
    void SubRsCurSetTotal();
    void SubRsCard();
    void SubRsCNS();
    void SubRsCCR();
    void SubRsQSC();
    void SubRsDS();
    void SubRsLog();
    void SubRsCountSet();
    void SubRsExBuf();
    void SubRsImpBuf();
    void SubRsQTWM();
    void SubRsMBuf();
    void SubRsCountCurMul();
    void SubRsQcountMatchRepl();
    void SubRsQcountReplies();
    void SubRsQcurrMultiAns();
    void SubRsMultiRep();
    void SubRsCompTab();
    void SubRsCIe();
    void SubRsWrMR();
    void SubRsWrCurMulAns();

    // The record sets, named by their sources.
    Recordset curSetName;               // qCurrentSetName
    Recordset curSet;                   // qCurrentSet, or qCurrentSetKids in Kids mode
    Recordset curSetID;                 // qCurrentSetID
    Recordset fields;                   // Fields
    Recordset setCardRel;               // Set_Card_rel
    Recordset maxCardID;                // qMaxCardID
    Recordset set1;                     // Set1
    Recordset fields1;                  // Fields1
    Recordset curSetTotal;              // qCurrentSetTotal
    Recordset card;                     // Card
    Recordset newSetCheck;              // qNewSetCheck
    Recordset curCardRating;            // qCurCardRating
    Recordset sortedCards;              // qSortedCards
    Recordset demonsSet;                // qDemonsSet
    Recordset log;                      // Log
    Recordset countSets;                // qCountSets
    Recordset exportBuffer;             // ExportBuffer
    Recordset importBuffer;             // ImportBuffer
    Recordset toWriteMulti;             // qToWriteMulti
    Recordset multipleBuffer;           // MultipleBuffer
    Recordset countCurrentMulti;        // qCountCurrentMulti
    Recordset countMatchingReplies;     // qCountMatchingReplies
    Recordset countReplies;             // qCountReplies
    Recordset currentMultiAnswers;      // qCurrentMultiAnswers
    Recordset multipleReply;            // MultipleReply
    Recordset comparisonTable;          // ComparisonTable
    Recordset countCSRexist;            // qCountCSRexist
    Recordset wrongMultiReply;          // qWrongMultiReply
    Recordset wrongCurrentMultiAnswers; // qWrongCurrentMultiAnswers

  private:
    Recordset open(const QString& source) const { return Recordset(db_, source); }

    QSqlDatabase db_;
    const bool& kids_;
    bool loaded_ = false;
};

} // namespace data
