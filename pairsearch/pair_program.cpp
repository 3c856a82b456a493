#include "pair_program.h"

#include "graph_record.h"
#include "protocol.h"

using graphtext::RunProtocol;
using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

// The current record, program-wide as every working table of the tool chain.
TGRAF G;

// "Dominujuca kruznica: (L)", then a blank and each cycle vertex.
void write_cycle_line(TextWriter& file, const TGRAF& G) {
  file.write("Dominujuca kruznica: (");
  file.write_int(G.DLZKA_DOM);
  file.write_char(')');
  for (int16_t i = 1; i <= G.DLZKA_DOM; ++i) {
    file.write_char(' ');
    file.write_int(G.DOMINUJUCA[i]);
  }
  file.end_line();
}

void write_matching(TextWriter& file, const char* caption, const PARENIE& M) {
  file.write(caption);
  file.end_line();
  for (int16_t k = 1; k <= M.POCET_HRAN; ++k) {
    file.write_int(M.V1[k]);
    file.write_char(' ');
    file.write_int(M.V2[k]);
    file.end_line();
  }
}

// The label, then the text, as one console line.
void write_console_line(int32_t cislo, const char* text) {
  TextWriter& console = TextWriter::console();
  console.write_int(cislo);
  console.write(text);
  console.end_line();
}

// The first three lines of a no-pair or no-cycle block; the empty line closes it.
void write_block_head(TextWriter& file, int32_t cislo, const TGRAF& G, const char* verdict) {
  file.write_int(cislo);
  file.end_line();
  write_cycle_line(file, G);
  file.write(verdict);
  file.end_line();
}

class PairRun {
 public:
  PairRun(const PairProgram& program, PairSearch search) : program_(program), search_(search) {}

  int run() {
    // The input first: when it is missing, no output file is created or changed.
    F_.open(program_.input);
    VYSTUP_.create(program_.result);
    PROTOKOL_.create(program_.protocol);
    int32_t ZNACKA = 0;
    while (MORE_GRAPH_RECORDS(F_)) {
      READ_CYCLE_RECORD(F_, ZNACKA, G);
      if (G.DLZKA_DOM > 0) {
        REQUIRE_DOMINATING_CYCLE(F_, ZNACKA, G);
        search_record(ZNACKA);
      } else {
        record_without_cycle(ZNACKA);
      }
    }
    PROTOKOL_.finish_pair_search();
    F_.close();
    VYSTUP_.close();
    PROTOKOL_.close();
    return 0;
  }

 private:
  // Each record is counted before anything of it is written, so that a label by
  // position is the record's own position.
  int32_t label(int32_t ZNACKA) const {
    return program_.label == RecordLabel::GraphNumber
               ? ZNACKA
               : PROTOKOL_.NAJDENYCH + PROTOKOL_.NENAJDENYCH;
  }

  void search_record(int32_t ZNACKA) {
    graphtext::set_failure_context("searching \"%s\", record %d (graph %d)", F_.name(),
                                   F_.record_number(), ZNACKA);
    const VYSLEDOK_2DBP vysledok = search_(G);
    graphtext::set_failure_context("%s", "");
    if (vysledok.NAJDENE) {
      ++PROTOKOL_.NAJDENYCH;
      const int32_t cislo = label(ZNACKA);
      VYPISANIE(VYSTUP_, cislo, G, vysledok.M1, vysledok.M2);
      write_console_line(cislo, " Boli najdene 2DBP pre tuto dominujucu kruznicu.");
    } else {
      ++PROTOKOL_.NENAJDENYCH;
      const int32_t cislo = label(ZNACKA);
      write_console_line(cislo, " 2DBP sa nenasli pre tuto dominujucu kruznicu.");
      write_block_head(VYSTUP_, cislo, G,
                       "Pre tento graf a dominujucu kruznicu sa nenasli ziadne 2DBP.");
      VYSTUP_.end_line();
      graphtext::write_list_entry(PROTOKOL_.file, PROTOKOL_.NENAJDENYCH, cislo);
    }
  }

  void record_without_cycle(int32_t ZNACKA) {
    if (program_.no_cycle_counts_as_found) ++PROTOKOL_.NAJDENYCH;
    const int32_t cislo = label(ZNACKA);
    write_block_head(VYSTUP_, cislo, G, "Pre tento graf nie je najdena dominujuca kruznica.");
    write_console_line(cislo, " Pre tento graf nie je najdena dominujuca kruznica.");
    VYSTUP_.end_line();
  }

  const PairProgram& program_;
  PairSearch search_;
  TextReader F_;
  TextWriter VYSTUP_;
  RunProtocol PROTOKOL_;
};

}  // namespace

void VYPISANIE(TextWriter& VYSTUP, int32_t cislo, const TGRAF& G, const PARENIE& M1,
               const PARENIE& M2) {
  VYSTUP.write_int(cislo);
  VYSTUP.end_line();
  write_cycle_line(VYSTUP, G);
  write_matching(VYSTUP, "Prve bipartizujuce parenie:", M1);
  write_matching(VYSTUP, "Druhe bipartizujuce parenie:", M2);
  VYSTUP.end_line();
}

int run_pair_search(const PairProgram& program, PairSearch search) {
  PairRun run(program, search);
  return run.run();
}
