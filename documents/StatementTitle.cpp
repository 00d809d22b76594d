#include "StatementTitle.h"

#include "ProgramVersion.h"

namespace korvado {

namespace {

constexpr const char* kSignatureLine = "____________________";
// A date written by hand: «__» ________ 20__ г.
constexpr const char* kDateLine = "«___» ____________ 20___ г.";

std::string Signature(const std::string& name, const std::string& date) {
  std::string text = kSignatureLine;
  if (!name.empty()) text += "  " + name;
  return text + "   " + (date.empty() ? std::string(kDateLine) : date);
}

}  // namespace

ReportPart TitlePart(const TKorNet& net, const ReportStamp& stamp, const TitleBlock& title) {
  ReportPart part;
  part.heading = kTitlePart;
  for (const TitleField& field : kTitleFields) {
    const std::string& value = title.*field.member;
    // Those who sign appear at the foot, by their lines.
    if (field.member == &TitleBlock::computedBy || field.member == &TitleBlock::computedOn ||
        field.member == &TitleBlock::checkedBy || field.member == &TitleBlock::checkedOn)
      continue;
    if (!value.empty()) part.facts.push_back({field.caption, value});
  }
  part.facts.insert(part.facts.end(), {{"Файл", stamp.fileName.empty() ? "(не сохранен)" : stamp.fileName},
                                       {"Сеть", net.Name},
                                       {"Дата и время", stamp.createdAt},
                                       {"Программа", kProgramTitle}});
  return part;
}

ReportPart SignaturesPart(const TitleBlock& title) {
  ReportPart part;
  part.heading = kSignaturesPart;
  part.facts = {{"Вычислил", Signature(title.computedBy, title.computedOn)},
                {"Проверил", Signature(title.checkedBy, title.checkedOn)}};
  return part;
}

}  // namespace korvado
