#include "app/TalkingSilent.h"

namespace app {

void TalkingSilent::connectControls() {}
void TalkingSilent::mnuTalking_Click() {}
void TalkingSilent::mnuSilent_Click() {}

void TalkingSilent::SubErrorHandler429() {
    s_.modes.Silent = true;
    s_.modes.TalkingOn = false;
}

} // namespace app
