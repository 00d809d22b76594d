#include "CliHelp.h"

#include <map>

namespace korvado::cli {

namespace {

const std::map<std::string, std::string> kCommandHelp = {
    {"dump",
     "usage: korvado-cli dump FILE\n"
     "Prints the whole data file as JSON: the mode, the journal records and setups, and the nets\n"
     "with their sections, runs, pendent runs and points.\n"},
    {"check",
     "usage: korvado-cli check FILE\n"
     "Checks the data file as the program does when opening it. Prints \"ok\" and exits 0, or prints\n"
     "what is wrong on standard error and exits 2. Values that make no sense (NaN, infinity,\n"
     "setups that are not positive, readings and heights beyond any survey) and names holding\n"
     "control characters are listed there one per line.\n"},
    {"resave",
     "usage: korvado-cli resave IN OUT [--no-backup]\n"
     "Reads IN and writes its data to OUT; OUT is replaced only after a complete write. An OUT\n"
     "that existed is kept first as OUT.bak unless --no-backup is given.\n"},
    {"adjust",
     "usage: korvado-cli adjust FILE --net N [--rebuild-points] [--fixed NAME=VALUE]... [--sweeps K]\n"
     "                          [--save OUT [--no-backup]] [--decimal-separator C]\n"
     "On net N (from 0): optionally rebuilds the point table with zero elevations, sets each fixed\n"
     "point's elevation, then runs K adjustment sweeps (default 1). Prints JSON with the mean square\n"
     "error of every sweep, each as soon as it ends, and the points after the last one. --save\n"
     "writes the adjusted data, keeping an OUT that existed as OUT.bak unless --no-backup is given.\n"},
    {"lsq",
     "usage: korvado-cli lsq FILE --net N [--rebuild-points] [--fixed NAME=VALUE]... [--sigma-setup S]\n"
     "                       [--save OUT] [--decimal-separator C]\n"
     "Least-squares adjustment of net N (from 0) after the same optional point-table rebuild and fixed\n"
     "elevations as adjust; S is the a-priori standard deviation of one setup (default 0.5). Prints JSON\n"
     "with the degrees of freedom, sigma0, the chi-square test, every point's elevation and sigma and\n"
     "every section's residual, redundancy number and w. --save writes the adjusted heights.\n"},
    {"report",
     "usage: korvado-cli report FILE --net N [--section S] [--decimal-separator C]\n"
     "       korvado-cli report FILE --net N [--pdf OUT.pdf] [--html OUT.html] [--xlsx OUT.xlsx]\n"
     "                          [--lsq [--sigma-setup S]] [--draft] [--class tech|iv|custom] [--coefficient K]\n"
     "                          [--heights m|mm] [--sections-by-w] [TITLE OPTIONS] [--decimal-separator C]\n"
     "Prints the elevation table of section S of net N, or without --section the whole net's\n"
     "report, one \"name<TAB>elevation\" line per row. With --pdf, --html or --xlsx it writes the net's\n"
     "adjustment statement and catalogue of heights instead, as a PDF file (no display needed),\n"
     "a web page or an Excel workbook (sheets Сводка, Звенья, Невязки, Каталог, Точность): the net\n"
     "diagram, the loops and lines against the class tolerance (as loops) and, with --lsq, the\n"
     "least-squares adjustment (as lsq) with its residuals and sigmas.\n"
     "The heights must be adjusted ones (equal to the least-squares heights within 0.01 mm):\n"
     "otherwise the command exits 2, unless --draft is given; then every page says\n"
     "\"Отметки не уравнены\". --heights gives the unit of the heights (default m, 4 decimals;\n"
     "mm, 2 decimals); --sections-by-w lists the sections by |w| descending.\n"
     "TITLE OPTIONS, each with a text: --object, --levelling-class, --instrument, --observer,\n"
     "--survey-dates, --computed-by, --computed-on, --checked-by, --checked-on.\n"},
    {"loops",
     "usage: korvado-cli loops FILE --net N [--class tech|iv|custom] [--coefficient K]\n"
     "Prints JSON with the independent closed loops of net N and the lines from its first benchmark\n"
     "to every other benchmark of the same part, each with its points, sections (index in the net,\n"
     "direction), setups n, misclosure f and allowed misclosure k*sqrt(n) mm: k is 10 for tech\n"
     "(the default), 5 for iv, K for custom.\n"},
    {"diagram",
     "usage: korvado-cli diagram FILE --net N --svg OUT.svg [--lsq [--sigma-setup S]]\n"
     "Draws net N as an SVG picture: benchmarks as triangles, nodal points as circles, pendent points\n"
     "as small hollow circles, every section as one path with an arrow and its (n, h); sections of\n"
     "loops and lines over the technical tolerance in red. With --lsq the net is first adjusted by\n"
     "least squares (as lsq, the file is not changed): the suspect section thick red, every adjusted\n"
     "point with its sigma.\n"},
    {"import",
     "usage: korvado-cli import IN [--into FILE.kor] --out OUT.kor [--technical] [--no-backup]\n"
     "Reads a digital level's file IN (Leica GSI-8/16 or DiNi M5, recognised by content) and appends\n"
     "one record per levelling line to the journal of FILE.kor, or to a new journal (high-precision\n"
     "unless --technical; with --into the file's mode holds), then writes OUT.kor. Lines the journal\n"
     "cannot take are left out. Prints JSON: every line with its start and end point, method,\n"
     "stations, height difference (mm), whether it was imported and why not. An OUT.kor that existed\n"
     "is kept as OUT.kor.bak unless --no-backup is given.\n"},
};

}  // namespace

bool IsKnownCommand(const std::string& command) { return kCommandHelp.count(command) > 0; }

std::string HelpText(const std::string& command) {
  const auto found = kCommandHelp.find(command);
  if (found != kCommandHelp.end()) return found->second;
  return "usage: korvado-cli COMMAND [ARGUMENTS]\n"
         "Batch work with Korvado data files (.kor).\n\n"
         "Commands:\n"
         "  dump FILE             the whole file as JSON\n"
         "  check FILE            checks the file; \"ok\" or the reason\n"
         "  resave IN OUT         reads and writes again\n"
         "  adjust FILE --net N   point table, fixed elevations and adjustment sweeps\n"
         "  lsq FILE --net N      least-squares adjustment with accuracy figures\n"
         "  report FILE --net N   the elevation table of a section or the net report\n"
         "  loops FILE --net N    loop and line misclosures against the tolerance\n"
         "  diagram FILE --net N --svg OUT.svg [--lsq]   the net diagram as SVG\n"
         "  import IN --out OUT   a digital level's file into a journal\n\n"
         "Numbers are printed with \".\" unless --decimal-separator gives another character.\n"
         "korvado-cli COMMAND --help describes one command.\n";
}

}  // namespace korvado::cli
