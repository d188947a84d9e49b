// The window's wiring against the map of its old names: every "signal → handler" the map's
// controls table names is connected in the running window, and nothing else is.
#include <QMetaMethod>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"

namespace zorna::app::testing {
namespace {

using Wire = std::tuple<std::string, std::string, std::string>;  // control, signal, handler

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The controls table's rows: "| name | what | file | signal → handler; ... |".
std::set<Wire> MapOfWiring() {
  std::ifstream map(ZORNA_NAMES_MAP);
  std::set<Wire> wires;
  bool in_controls = false;
  for (std::string line; std::getline(map, line);) {
    if (line.rfind("## ", 0) == 0) in_controls = line == "## Controls";
    if (!in_controls || line.rfind("| ", 0) != 0) continue;
    std::vector<std::string> cells;
    for (size_t at = 1, bar; (bar = line.find('|', at)) != std::string::npos; at = bar + 1)
      cells.push_back(Trimmed(line.substr(at, bar - at)));
    if (cells.size() != 4 || cells[0] == "Old name") continue;
    std::string pairs = cells[3] + ";";
    for (size_t at = 0, end; (end = pairs.find(';', at)) != std::string::npos; at = end + 1) {
      const std::string pair = Trimmed(pairs.substr(at, end - at));
      const auto arrow = pair.find("→");
      if (arrow == std::string::npos) continue;
      wires.insert({cells[0], Trimmed(pair.substr(0, arrow)), Trimmed(pair.substr(arrow + 3))});
    }
  }
  return wires;
}

QMetaMethod SignalNamed(const QObject* sender, const QByteArray& name) {
  const QMetaObject* meta = sender->metaObject();
  for (int i = 0; i < meta->methodCount(); ++i) {
    const QMetaMethod method = meta->method(i);
    if (method.methodType() == QMetaMethod::Signal && method.name() == name) return method;
  }
  return {};
}

using WiringTest = AppTest;

TEST_F(WiringTest, EverySignalTheMapNamesReachesItsHandlerAndNoOtherIsMade) {
  Start();
  TMainZorna& m = Main();
  PartsOf(m).BtnGallery->click();  // the library and the maintenance panel are made when opened
  const std::set<Wire> mapped = MapOfWiring();
  ASSERT_GT(mapped.size(), 80u) << "the map's controls table was not read";
  std::set<Wire> made;
  for (const Wiring& w : PartsOf(m).wiring) {
    ASSERT_TRUE(w.sender) << w.handler;
    made.insert({w.sender->objectName().toStdString(), w.signal.toStdString(), w.handler});
  }
  for (const Wire& wire : mapped) {
    EXPECT_TRUE(made.count(wire)) << "not connected: " << std::get<0>(wire) << " "
                                  << std::get<1>(wire) << " → " << std::get<2>(wire);
  }
  for (const Wire& wire : made) {
    EXPECT_TRUE(mapped.count(wire)) << "not in docs/names.md: " << std::get<0>(wire) << " "
                                    << std::get<1>(wire) << " → " << std::get<2>(wire);
  }
  // Each recorded connection is one Qt holds: taking it away finds it.
  for (const Wiring& w : PartsOf(m).wiring) {
    EXPECT_TRUE(QObject::disconnect(w.sender, SignalNamed(w.sender, w.signal), &m, QMetaMethod()))
        << w.sender->objectName().toStdString() << " " << w.signal.toStdString();
  }
}

}  // namespace
}  // namespace zorna::app::testing
