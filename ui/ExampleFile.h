#pragma once
// Where the worked example of the user's guide lies: installed beside the
// program's shared data, and copied there in the build tree too.

#include <QString>

namespace korvado {

// The example's path; it may not exist when the program was moved on its own.
QString ExampleDataFilePath();

}  // namespace korvado
