#include "ModelMessages.h"

namespace korvado {

std::string FormatLimitMessage(const std::string& what) {
  return "Файл данных может хранить не более " + std::to_string(kFormatCountLimit) + " " + what +
         ". Операция не выполнена.";
}

}  // namespace korvado
