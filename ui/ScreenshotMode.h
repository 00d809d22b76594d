#pragma once
// Pictures of the pages and dialogs for the documentation. When the variable
// KORVADO_SCREENSHOT holds "<view>:<png file>", the program keys in a small
// example job, shows the view (journal, netsystem, adjustment, elevation,
// report, netname, typepoint, equi, netsbrowser, originaltitude, about),
// saves the screen area of its window and ends. The view "jobfile" saves the
// adjusted example job as a data file instead.

namespace korvado {

class TMainForm;

void StartScreenshotIfAsked(TMainForm& form);

}  // namespace korvado
