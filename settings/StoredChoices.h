#pragma once
// The choices the windows keep in Korvado.ini that korvado-cli takes as its
// defaults too: the a-priori σ of one setup, the class of the tolerance, and
// whether a save keeps a backup copy.

#include "SettingsValues.h"
#include "Tolerance.h"

namespace korvado {

// [Adjustment] SigmaPerSetup: a sane σ of one setup (ValueRanges), else 0.5.
double ReadSigmaPerSetup(const SettingsReader& ini);
void WriteSigmaPerSetup(SettingsWriter& ini, double sigma);

// [Tolerance] Class (tech, iv, custom; else tech) and Coefficient (k of the custom class, else 10).
Tolerance ReadTolerance(const SettingsReader& ini);
void WriteTolerance(SettingsWriter& ini, const Tolerance& tolerance);

// [Save] Backup: 1 unless set to 0.
bool ReadBackupChoice(const SettingsReader& ini);

}  // namespace korvado
