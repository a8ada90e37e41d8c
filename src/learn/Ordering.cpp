#include "learn/Ordering.h"

namespace learn {

void SubReorderArray(CardArray&, int) {}
void SubReorder(const QSqlDatabase&) {}
void SubUpdateOrder1(const QSqlDatabase&) {}

} // namespace learn
