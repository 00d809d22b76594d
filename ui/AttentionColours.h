#pragma once
// The colours of a row that asks for the surveyor's attention: a loop over
// its tolerance, the section least squares suspects of a blunder.

#include <QColor>

namespace korvado {

inline const QColor kAttentionText(200, 0, 0);
inline const QColor kAttentionBackground(255, 228, 228);

}  // namespace korvado
