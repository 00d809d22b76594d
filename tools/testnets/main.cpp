// korvado-testnets: writes a generated net as a data file, and in the
// survey format of a cave-survey reducer for comparing least-squares
// results, and compares the two results.
//
//   korvado-testnets write SHAPE POINTS OUT.kor [OUT.svx]
//   korvado-testnets compare SHAPE POINTS LSQ.json DUMP3D.txt
//
// The reducer stores its results in centimetres, so the survey file holds
// each height's departure from the true heights, scaled: departures stay
// small and the stored centimetres keep a millionth of a millimetre.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "DataFile.h"
#include "GeneratedNets.h"

namespace korvado {
namespace {

constexpr double kSurveyMetresPerMillimetre = 1e4;
constexpr double kSigmaPerSetup = 0.5;
constexpr double kAgreement = 1e-6;  // mm

double TruthOf(const GeneratedNet& made, const std::string& name) {
  return made.truth[static_cast<size_t>(GeneratedPointNumber(name))];
}

void WriteSurvey(const GeneratedNet& made, const std::string& path) {
  std::ofstream out(path);
  out.precision(17);
  out << "*begin net\n*case preserve\n*data cartesian from to easting northing altitude\n";
  const TKorNet& net = made.net;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint)
      out << "*fix " << net.PointNames[p] << " 0 0 "
          << (net.PointElevations.GetItem(p) - TruthOf(made, net.PointNames[p])) * kSurveyMetresPerMillimetre << "\n";
  double lastSetups = -1;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const double setups = net.SectionSetups.GetItem(s);
    if (setups != lastSetups)
      out << "*sd altitude " << kSigmaPerSetup * std::sqrt(setups) * kSurveyMetresPerMillimetre << " metres\n";
    lastSetups = setups;
    const double departure =
        net.SectionHeights.GetItem(s) - (TruthOf(made, net.SectionEnds[s]) - TruthOf(made, net.SectionStarts[s]));
    out << net.SectionStarts[s] << ' ' << net.SectionEnds[s] << " 0 0 " << departure * kSurveyMetresPerMillimetre
        << "\n";
  }
  out << "*end net\n";
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// The largest difference (mm) between the two programs' heights; every
// point of the net must be in both.
int Compare(const GeneratedNet& made, const std::string& jsonPath, const std::string& dumpPath) {
  std::ifstream jsonFile(jsonPath);
  const nlohmann::json result = nlohmann::json::parse(jsonFile);
  std::map<std::string, double> theirs;
  std::ifstream dump(dumpPath);
  for (std::string line; std::getline(dump, line);) {
    if (line.rfind("NODE ", 0) != 0) continue;
    std::istringstream fields(line.substr(5));
    double x = 0, y = 0, z = 0;
    std::string label;
    fields >> x >> y >> z >> label;  // label is [net.NAME]
    const std::string name = label.substr(5, label.size() - 6);
    theirs[name] = TruthOf(made, name) + z / kSurveyMetresPerMillimetre;
  }
  double worst = 0.0;
  size_t compared = 0;
  for (const auto& point : result.at("points")) {
    const auto found = theirs.find(point.at("name").get<std::string>());
    if (found == theirs.end()) {
      std::cerr << "missing in the peer's result: " << point.at("name") << "\n";
      return 1;
    }
    worst = std::max(worst, std::abs(point.at("elevation").get<double>() - found->second));
    ++compared;
  }
  std::printf("%zu points, largest difference %.3g mm\n", compared, worst);
  return worst <= kAgreement ? 0 : 1;
}

int Run(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const std::optional<NetShape> shape = argc > 2 ? NetShapeFromName(argv[2]) : std::nullopt;
  if (!shape || argc < 5 || (command != "write" && command != "compare")) {
    std::cerr << "usage: korvado-testnets write chain|loop|grid|random POINTS OUT.kor [OUT.svx]\n"
                 "       korvado-testnets compare SHAPE POINTS LSQ.json DUMP3D.txt\n";
    return 2;
  }
  const GeneratedNet made = GenerateNet(*shape, std::stoi(argv[3]));
  if (command == "compare") return argc == 6 ? Compare(made, argv[4], argv[5]) : 2;
  TNetList nets;
  nets.NetAt(*nets.AddNet(made.net.Name)) = made.net;
  WriteDataFile(argv[4], TKorData(), nets);
  if (argc > 5) WriteSurvey(made, argv[5]);
  return 0;
}

}  // namespace
}  // namespace korvado

int main(int argc, char** argv) {
  try {
    return korvado::Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "korvado-testnets: " << error.what() << "\n";
    return 2;
  }
}
