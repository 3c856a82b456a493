#include "pair_test_support.h"

#include <memory>

#include "e2e/e2e.h"

namespace pairtest {

std::vector<Record> read_records(const std::string& bytes) {
  e2e::Scratch scratch;
  scratch.write("records.c", bytes);
  auto file = std::make_unique<graphtext::TextReader>();
  file->open(scratch.file("records.c").c_str());
  std::vector<Record> records;
  while (file->more_records()) {
    auto record = std::make_unique<Record>();
    READ_CYCLE_RECORD(*file, record->ZNACKA, record->G);
    records.push_back(*record);
  }
  file->close();
  return records;
}

std::string edges(const PARENIE& M) {
  std::string text;
  for (int16_t k = 1; k <= M.POCET_HRAN; ++k) {
    if (k > 1) text += ' ';
    text += std::to_string(M.V1[k]) + "-" + std::to_string(M.V2[k]);
  }
  return text;
}

std::string outcome(const VYSLEDOK_2DBP& v) {
  if (!v.NAJDENE) return "none";
  return "M1: " + edges(v.M1) + " / M2: " + edges(v.M2);
}

TGRAF graph(const std::vector<std::vector<int16_t>>& lists, const std::vector<int16_t>& cycle) {
  TGRAF G{};
  G.POCET_VRCHOLOV = static_cast<int16_t>(lists.size());
  for (size_t v = 1; v <= lists.size(); ++v) {
    G.POCET_SUSEDOV[v] = static_cast<int16_t>(lists[v - 1].size());
    for (size_t k = 1; k <= lists[v - 1].size(); ++k) G.SUSEDIA[v][k] = lists[v - 1][k - 1];
  }
  G.DLZKA_DOM = static_cast<int16_t>(cycle.size());
  for (size_t i = 1; i <= cycle.size(); ++i) G.DOMINUJUCA[i] = cycle[i - 1];
  return G;
}

int item_count(const TGRAF& G) {
  const int L = G.DLZKA_DOM;
  std::vector<int> position(G.POCET_VRCHOLOV + 1, 0);
  for (int i = 1; i <= L; ++i) position[G.DOMINUJUCA[i]] = i;
  auto on_cycle_next_to = [&](int a, int b) {
    const int p = position[a];
    const int before = G.DOMINUJUCA[p == 1 ? L : p - 1];
    const int after = G.DOMINUJUCA[p == L ? 1 : p + 1];
    return before == b || after == b;
  };
  int count = 0;
  for (int v = 1; v <= G.POCET_VRCHOLOV; ++v) {
    if (position[v] == 0) {
      ++count;
      continue;
    }
    for (int k = 1; k <= G.POCET_SUSEDOV[v]; ++k) {
      const int w = G.SUSEDIA[v][k];
      if (v < w && position[w] > 0 && !on_cycle_next_to(v, w)) ++count;
    }
  }
  return count;
}

}  // namespace pairtest
