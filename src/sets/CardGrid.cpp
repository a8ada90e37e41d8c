#include "sets/CardGrid.h"

namespace sets {

void CardGrid::connectControls() {}

} // namespace sets
