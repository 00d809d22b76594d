#pragma once
// Pictures of the pages and dialogs for the documentation. When the variable
// KORVADO_SCREENSHOT holds "<view>:<png file>", the program fills a small
// journal, shows the view (journal, netsystem, adjustment, elevation, netname,
// typepoint, about, originaltitude), saves the screen area of its window and ends.

namespace korvado {

class TMainForm;

void StartScreenshotIfAsked(TMainForm& form);

}  // namespace korvado
