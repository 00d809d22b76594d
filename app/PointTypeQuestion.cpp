#include "PointTypeQuestion.h"

#include "MessageService.h"

namespace korvado {

PointTypeQuestion AskPointTypes(const std::string& back, const std::string& fore) {
  PointTypeQuestion question;
  question.BackLabel = "Задняя точка: " + back;
  question.ForeLabel = "Передняя точка: " + fore;
  return question;
}

PointTypeQuestion AskForeType(const std::string& back, int32_t backType, const std::string& fore) {
  PointTypeQuestion question = AskPointTypes(back, fore);
  question.BackTypeFixed = true;
  question.BackType = backType;
  return question;
}

bool CheckPointType(int32_t type) {
  if (IsPointType(type)) return true;
  ReportError("Тип точки не выбран. Выберите тип каждой точки в списке.");
  return false;
}

}  // namespace korvado
