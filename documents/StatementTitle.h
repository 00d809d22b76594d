#pragma once
// The parts of a statement that make it a document to sign: the title block
// at its head and the lines for the signatures at its foot.

#include "AdjustmentStatement.h"

namespace korvado {

// The job's fields that are filled in, then the file, the net, the time and the program.
ReportPart TitlePart(const TKorNet& net, const ReportStamp& stamp, const TitleBlock& title);

// «Вычислил» and «Проверил», each a line to sign with the name and the date.
ReportPart SignaturesPart(const TitleBlock& title);

}  // namespace korvado
