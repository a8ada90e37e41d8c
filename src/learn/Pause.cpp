#include "learn/Pause.h"

namespace learn {

void Zaderzjka(Form1State&) {}

} // namespace learn
