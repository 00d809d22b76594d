#pragma once
// A settlement job for the pictures: a house with twelve marks and four
// reference benchmarks levelled in six cycles (the files and the project
// written into the working folder), computed and shown in «Осадки».

namespace korvado {

class TMainForm;
class SettlementView;

SettlementView* ShowSampleSettlements(TMainForm& form);

}  // namespace korvado
