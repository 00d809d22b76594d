#pragma once
// Pictures of the pages and dialogs for the documentation: the main window
// keys in a small example job, shows the view (journal, netsystem, adjustment,
// elevation, report, netname, typepoint, equi, netsbrowser, originaltitude,
// buildnet, buildnetpreview, about, settlements), saves the screen area of its window into
// the png file and ends. The view "jobfile" saves the adjusted example job as
// a data file instead.

#include <QString>

namespace korvado {

class TMainForm;

void StartScreenshot(TMainForm& form, const QString& view, const QString& file);

}  // namespace korvado
