#pragma once
// How long a passing remark stays in the main window's status bar.

namespace korvado {

inline constexpr int kPassingRemarkMilliseconds = 20000;

}  // namespace korvado
