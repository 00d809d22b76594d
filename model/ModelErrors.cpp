#include "ModelErrors.h"

namespace korvado {

ListIndexError::ListIndexError(int32_t index)
    : KorvadoError("List index out of bounds (" + std::to_string(index) + ")") {}

}  // namespace korvado
