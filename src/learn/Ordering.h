#pragma once

#include "learn/LessonState.h"

#include <QSqlDatabase>

namespace learn {

// Rearranges rows 1 to CurRowLim after a bunch: the first N-1 reversed, the last kept.
void SubReorderArray(CardArray& CSarray, int CurRowLim);

// Recomputes Card.Order of every card at the end of a bunch.
void SubReorder(const QSqlDatabase& db);

// Recomputes Card.Order of every card after a learnt set; depends on the day of the month.
void SubUpdateOrder1(const QSqlDatabase& db);

// The keys are computed by SQL functions when Qt's SQLite driver is the SQLite library this
// program links, and card by card in the program otherwise. Tests force the second way.
void setKeysInProgramForTesting(bool inProgram);

} // namespace learn
