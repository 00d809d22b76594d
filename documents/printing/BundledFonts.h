#pragma once
// The report and the diagram are set in DejaVu Sans. Linux has it; the
// Windows package ships it in a "fonts" folder beside the program, which is
// made known to Qt here, so that pages are laid out alike on every system.

namespace korvado {

// Registers every font file of the fonts folder beside the executable, once
// per process; without that folder it does nothing. Needs a QGuiApplication.
void RegisterBundledFonts();

}  // namespace korvado
