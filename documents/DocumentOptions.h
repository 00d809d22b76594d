#pragma once
// What the surveyor chooses for a document before it is printed or
// exported: the title block with the names that sign it, the unit of the
// heights and the order of the sections.

#include <array>
#include <string>

namespace korvado {

struct TitleBlock {
  std::string object;
  std::string levellingClass;
  std::string instrument;
  std::string observer;
  std::string surveyDates;
  std::string computedBy;
  std::string computedOn;
  std::string checkedBy;
  std::string checkedOn;
  bool operator==(const TitleBlock&) const = default;
};

// One field of the title block: its caption, its key in the settings and on
// the command line, and whom it belongs to. The person who computes stays
// the same from job to job; the rest belongs to the job.
struct TitleField {
  const char* caption;
  const char* key;
  std::string TitleBlock::*member;
  bool perPerson;
};

inline const std::array<TitleField, 9> kTitleFields{{
    {"Объект", "object", &TitleBlock::object, false},
    {"Класс нивелирования", "levelling-class", &TitleBlock::levellingClass, false},
    {"Нивелир", "instrument", &TitleBlock::instrument, false},
    {"Наблюдатель", "observer", &TitleBlock::observer, false},
    {"Даты наблюдений", "survey-dates", &TitleBlock::surveyDates, false},
    {"Вычислил", "computed-by", &TitleBlock::computedBy, true},
    {"Дата вычислений", "computed-on", &TitleBlock::computedOn, false},
    {"Проверил", "checked-by", &TitleBlock::checkedBy, false},
    {"Дата проверки", "checked-on", &TitleBlock::checkedOn, false},
}};

enum class HeightUnit { kMetres, kMillimetres };

struct DocumentOptions {
  TitleBlock title;
  // Surveyors sign heights in metres; the journal and the program's own
  // tables stay in millimetres.
  HeightUnit heights = HeightUnit::kMetres;
  // «Звенья» from the largest |w| down, so that the suspect sections lead.
  bool sectionsByMisclosure = false;
};

// "Отметка, м" or "Отметка, мм".
std::string HeightTitle(const char* what, HeightUnit unit);
// A height held in millimetres as the document shows it: metres to four
// decimals, millimetres to two.
std::string HeightText(double millimetres, HeightUnit unit);

}  // namespace korvado
