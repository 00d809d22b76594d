#include "PointTypeQuestion.h"

namespace korvado {

namespace {

int32_t TypeInCurrentNet(const AppState& state, const std::string& name) {
  return state.HasCurrentNet() ? KnownPointType(state.Nets.NetAt(state.CurrentNetIndex), name) : -1;
}

int32_t TypeAt(const StringList& names, const TIntList& types, const std::string& name) {
  for (int32_t i = 0; i < names.Count() && i < types.Count(); ++i)
    if (names[i] == name && IsPointType(types.GetItem(i))) return types.GetItem(i);
  return -1;
}

}  // namespace

int32_t KnownPointType(const TKorNet& net, const std::string& name) {
  for (const auto& [names, types] :
       {std::pair{&net.SectionStarts, &net.SectionStartTypes}, std::pair{&net.SectionEnds, &net.SectionEndTypes}})
    if (const int32_t type = TypeAt(*names, *types, name); type >= 0) return type;
  for (int32_t s = 0; s < net.SectionTables.Count(); ++s) {
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    if (const int32_t type = TypeAt(table.RunForePoints, table.RunForeTypes, name); type >= 0) return type;
    if (const int32_t type = TypeAt(table.RunBackPoints, table.RunBackTypes, name); type >= 0) return type;
  }
  return -1;
}

PointTypeQuestion AskPointTypes(const AppState& state, const std::string& back, const std::string& fore) {
  PointTypeQuestion question;
  question.BackLabel = "Задняя точка: " + back;
  question.ForeLabel = "Передняя точка: " + fore;
  question.BackType = TypeInCurrentNet(state, back);
  question.ForeType = TypeInCurrentNet(state, fore);
  return question;
}

PointTypeQuestion AskForeType(const AppState& state, const std::string& back, int32_t backType,
                              const std::string& fore) {
  PointTypeQuestion question = AskPointTypes(state, back, fore);
  question.BackTypeFixed = true;
  question.BackType = backType;
  return question;
}

Outcome CheckPointType(int32_t type) {
  if (IsPointType(type)) return {};
  return Outcome::Refusal("Тип точки не выбран. Выберите тип каждой точки в списке.");
}

}  // namespace korvado
