#include "ModelErrors.h"

namespace korvado {

ListIndexError::ListIndexError(int32_t index)
    : KorvadoError("Индекс списка вне допустимого диапазона (" + std::to_string(index) + ")") {}

}  // namespace korvado
