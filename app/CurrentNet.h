#pragma once
// The one guard of every command that works on the current net.

#include "AppState.h"

namespace korvado {

inline constexpr const char* kNoCurrentNetMessage =
    "Сеть не выбрана. Выберите сеть в списке сетей или создайте ее кнопкой «Добавить сеть».";

// Refused with kNoCurrentNetMessage when no net is current.
Outcome RequireCurrentNet(const AppState& state);

}  // namespace korvado
