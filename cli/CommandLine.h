#pragma once
// The command line as the program's UTF-8 text, and a console that shows it.

#include <string>
#include <vector>

namespace korvado::cli {

// The arguments after the program's name. Windows hands main() its arguments
// in the ANSI code page, which loses any name outside it; there they are read
// from the wide command line instead.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes a Windows console show the UTF-8 output as text; elsewhere nothing.
void UseUtf8Console();

}  // namespace korvado::cli
