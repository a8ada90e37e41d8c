// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsetFamily.h"

namespace data {

RecordsetFamily::RecordsetFamily(const QSqlDatabase& db, const bool& kids) : db_(db), kids_(kids) {}

void RecordsetFamily::SubRsCurSetName() {
    curSetName = open(QStringLiteral("qCurrentSetName"));
}
void RecordsetFamily::SubRsCurSet() {
    curSet = open(kids_ ? QStringLiteral("qCurrentSetKids") : QStringLiteral("qCurrentSet"));
}
void RecordsetFamily::SubRsCurSetID() {
    curSetID = open(QStringLiteral("qCurrentSetID"));
}
void RecordsetFamily::SubRsF() {
    fields = open(QStringLiteral("Fields"));
}
void RecordsetFamily::SubRsSetCardRel() {
    setCardRel = open(QStringLiteral("Set_Card_rel"));
}
void RecordsetFamily::SubqMaxCardID() {
    maxCardID = open(QStringLiteral("qMaxCardID"));
}
void RecordsetFamily::SubRsS() {
    set1 = open(QStringLiteral("Set1"));
}
void RecordsetFamily::SubRsF1() {
    fields1 = open(QStringLiteral("Fields1"));
}
void RecordsetFamily::SubRsCurSetTotal() {
    curSetTotal = open(QStringLiteral("qCurrentSetTotal"));
}
void RecordsetFamily::SubRsCard() {
    card = open(QStringLiteral("Card"));
}
void RecordsetFamily::SubRsCNS() {
    newSetCheck = open(QStringLiteral("qNewSetCheck"));
}
void RecordsetFamily::SubRsCCR() {
    curCardRating = open(QStringLiteral("qCurCardRating"));
}
void RecordsetFamily::SubRsQSC() {
    sortedCards = open(QStringLiteral("qSortedCards"));
}
void RecordsetFamily::SubRsDS() {
    demonsSet = open(QStringLiteral("qDemonsSet"));
}
void RecordsetFamily::SubRsLog() {
    log = open(QStringLiteral("Log"));
}
void RecordsetFamily::SubRsCountSet() {
    countSets = open(QStringLiteral("qCountSets"));
}
void RecordsetFamily::SubRsExBuf() {
    exportBuffer = open(QStringLiteral("ExportBuffer"));
}
void RecordsetFamily::SubRsImpBuf() {
    importBuffer = open(QStringLiteral("ImportBuffer"));
}
void RecordsetFamily::SubRsQTWM() {
    toWriteMulti = open(QStringLiteral("qToWriteMulti"));
}
void RecordsetFamily::SubRsMBuf() {
    multipleBuffer = open(QStringLiteral("MultipleBuffer"));
}
void RecordsetFamily::SubRsCountCurMul() {
    countCurrentMulti = open(QStringLiteral("qCountCurrentMulti"));
}
void RecordsetFamily::SubRsQcountMatchRepl() {
    countMatchingReplies = open(QStringLiteral("qCountMatchingReplies"));
}
void RecordsetFamily::SubRsQcountReplies() {
    countReplies = open(QStringLiteral("qCountReplies"));
}
void RecordsetFamily::SubRsQcurrMultiAns() {
    currentMultiAnswers = open(QStringLiteral("qCurrentMultiAnswers"));
}
void RecordsetFamily::SubRsMultiRep() {
    multipleReply = open(QStringLiteral("MultipleReply"));
}
void RecordsetFamily::SubRsCompTab() {
    comparisonTable = open(QStringLiteral("ComparisonTable"));
}
void RecordsetFamily::SubRsCIe() {
    countCSRexist = open(QStringLiteral("qCountCSRexist"));
}
void RecordsetFamily::SubRsWrMR() {
    wrongMultiReply = open(QStringLiteral("qWrongMultiReply"));
}
void RecordsetFamily::SubRsWrCurMulAns() {
    wrongCurrentMultiAnswers = open(QStringLiteral("qWrongCurrentMultiAnswers"));
}

void RecordsetFamily::LoadAll() {
    SubRsCurSetName();
    SubRsCurSet();
    SubRsCurSetID();
    SubRsF();
    SubRsSetCardRel();
    SubqMaxCardID();
    SubRsS();
    SubRsF1();
    SubRsCurSetTotal();
    SubRsCard();
    SubRsCNS();
    SubRsCCR();
    SubRsQSC();
    SubRsDS();
    SubRsLog();
    SubRsCountSet();
    SubRsExBuf();
    SubRsImpBuf();
    SubRsQTWM();
    SubRsMBuf();
    SubRsCountCurMul();
    SubRsQcountMatchRepl();
    SubRsQcountReplies();
    SubRsQcurrMultiAns();
    SubRsMultiRep();
    SubRsCompTab();
    SubRsCIe();
    SubRsWrMR();
    SubRsWrCurMulAns();
    loaded_ = true;
}

void RecordsetFamily::UnloadAll() {
    for (Recordset* rs : {&curSetName,
                          &curSet,
                          &curSetID,
                          &fields,
                          &setCardRel,
                          &maxCardID,
                          &set1,
                          &fields1,
                          &curSetTotal,
                          &card,
                          &newSetCheck,
                          &curCardRating,
                          &sortedCards,
                          &demonsSet,
                          &log,
                          &countSets,
                          &exportBuffer,
                          &importBuffer,
                          &toWriteMulti,
                          &multipleBuffer,
                          &countCurrentMulti,
                          &countMatchingReplies,
                          &countReplies,
                          &currentMultiAnswers,
                          &multipleReply,
                          &comparisonTable,
                          &countCSRexist,
                          &wrongMultiReply,
                          &wrongCurrentMultiAnswers})
        *rs = Recordset();
    loaded_ = false;
}

void RecordsetFamily::SubSwitchToKidsSource() {
    curSet = open(QStringLiteral("qCurrentSetKids"));
}

void RecordsetFamily::SubSwitchToAcademicSource() {
    curSet = open(QStringLiteral("qCurrentSet"));
}

QVariant RecordsetFamily::maxCardId() {
    if (!maxCardID.isOpen() || maxCardID.eof())
        return {};
    return maxCardID.value(QStringLiteral("CardID"));
}

} // namespace data
