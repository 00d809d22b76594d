#pragma once
// The question at start about a recovery copy left by a program that ended
// without saving.

#include <QWidget>

#include "RecoveryCopy.h"

namespace korvado {

enum class RecoveryAnswer { Restore, Remove, Later };

RecoveryAnswer AskRecovery(QWidget* parent, const RecoveryRecord& record);

}  // namespace korvado
