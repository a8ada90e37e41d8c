#include "sets/SetLifecycle.h"

namespace sets {

void SetLifecycle::connectControls() {}

} // namespace sets
