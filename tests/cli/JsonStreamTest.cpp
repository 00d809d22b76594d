// A document written member by member must be byte for byte what the whole
// tree's dump(2) prints: korvado-cli's output is read by other programs.

#include <gtest/gtest.h>

#include <sstream>

#include "JsonStream.h"

namespace korvado::cli {
namespace {

using Json = nlohmann::ordered_json;

// Writes `whole` through the stream, arrays element by element.
std::string Streamed(const Json& whole) {
  std::ostringstream out;
  JsonObjectStream document(out);
  for (const auto& [key, value] : whole.items()) {
    if (value.is_array())
      document.ArrayMember(key, value.size(), [&](size_t k) { return value[k]; });
    else
      document.Member(key, value);
  }
  document.End();
  return out.str();
}

TEST(JsonStream, PrintsExactlyWhatTheWholeTreePrints) {
  const Json nested = {{"name", "Рп «7»\t\"x\""}, {"sigma", nullptr}, {"refs", {1, -2, 3}}, {"empty", Json::object()}};
  const Json sweep = {{"iteration", 1}, {"mu", 0.1}};
  const Json point = {{"name", "A"}, {"elevation", 100.25}};
  const Json deep = {{"a", Json::array({Json{{"b", {1, 2}}}})}};
  std::vector<Json> documents(5, Json::object());
  documents[1]["dof"] = 3.0;
  documents[1]["points"] = Json::array();
  documents[2]["points"] = Json::array({nested, nested});
  documents[2]["chi2"] = {{"value", 1.5}, {"passed", true}};
  documents[3]["sweeps"] = Json::array({sweep, sweep});
  documents[3]["points"] = Json::array({point});
  documents[4]["deep"] = Json::array({deep});
  documents[4]["text"] = "строка";
  documents[4]["values"] = Json::array({1, 2.5, "x", nullptr, true});
  for (const Json& whole : documents) EXPECT_EQ(Streamed(whole), whole.dump(2) + "\n") << whole.dump();
}

TEST(JsonStream, NestedObjectsAndElementsKeepTheirIndentation) {
  std::ostringstream out;
  WriteNested(out, Json{{"a", Json::array({1, Json{{"b", 2}}})}}, 2);
  EXPECT_EQ(out.str(), "    {\n      \"a\": [\n        1,\n        {\n          \"b\": 2\n        }\n      ]\n    }");
  std::ostringstream inner;
  JsonObjectStream object(inner, 1);
  object.Member("k", Json{{"x", 1}});
  object.End();
  EXPECT_EQ(inner.str(), "{\n    \"k\": {\n      \"x\": 1\n    }\n  }");
}

}  // namespace
}  // namespace korvado::cli
