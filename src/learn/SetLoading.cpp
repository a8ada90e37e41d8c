#include "learn/SetLoading.h"

namespace learn {

void SetLoading::connectControls() {}
void SetLoading::DataCombo1_Change() {}
void SetLoading::ChosenSetNameToDB() {}
void SetLoading::ReadCurSet() {}
void SetLoading::ZadatPervVopr() {}
void SetLoading::ObnulStatus() {}
void SetLoading::mnuLearn_Click() {}
void SetLoading::mnuWholeSet_Click() {}
void SetLoading::Label10_Click() {}

} // namespace learn
