#pragma once
// Where the worked example of the user's guide lies, found from the
// program's own folder wherever the program is installed: beside it (a
// Windows or portable install) or under share/korvado of its prefix (a Unix
// install, and the build tree).

#include <QString>

namespace korvado {

// The example's path; when it is nowhere, where it should have been, for the message.
QString ExampleDataFilePath();
// The same for a program in programFolder.
QString ExampleDataFilePath(const QString& programFolder);

}  // namespace korvado
