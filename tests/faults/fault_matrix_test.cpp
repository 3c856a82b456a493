// The fault matrix: every program of the tool chain against every way its files can go
// wrong. Rows are the twelve programs, columns the faults; a cell runs the real program
// in a scratch folder arranged to provoke its fault.
//
// A cell where the fault is a failure checks the exit status, the report, the console
// lines written before the fault and that every result written before it is still in
// its file, whole: it compares with a run on the input cut before the fault, whose files
// (without their closing lines) the failed run must have left exactly. A cell where the
// fault is defined as no failure (a truncated last record read as zeros, blank lines,
// lone CR line ends, character 26, long lines) compares with a run on the input that
// fault is defined to be the same as. A cell that cannot apply says why.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "e2e/e2e.h"

namespace {

using e2e::Files;

// ---------------------------------------------------------------- text of the inputs

// The lines of `text`, each with its own line end (LF, CR LF or a lone CR).
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool end = text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    if (end) {
      lines.push_back(text.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string joined(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to && i < parts.size(); ++i) text += parts[i];
  return text;
}

// Records of a fixed number of lines.
std::vector<std::string> records_of(const std::string& text, int lines_per_record) {
  std::vector<std::string> lines = lines_of(text);
  std::vector<std::string> records;
  for (std::size_t i = 0; i < lines.size(); i += lines_per_record) {
    records.push_back(joined(lines, i, i + lines_per_record));
  }
  return records;
}

std::string without_line_end(const std::string& line) {
  std::size_t end = line.find_first_of("\r\n");
  return end == std::string::npos ? line : line.substr(0, end);
}

// `text` with line `line` (from 1) of record `record` (from 1) changed by `change`,
// which sees the line without its line end.
std::string with_line(const std::string& text, int lines_per_record, int record, int line,
                      const std::function<std::string(const std::string&)>& change) {
  std::vector<std::string> lines = lines_of(text);
  std::size_t at = static_cast<std::size_t>((record - 1) * lines_per_record + line - 1);
  std::string bare = without_line_end(lines.at(at));
  lines[at] = change(bare) + lines[at].substr(bare.size());
  return joined(lines, 0, lines.size());
}

// The file cut in the middle of line `line` of its last record, without a line end.
std::string cut_in_last_record(const std::string& text, int lines_per_record, int line) {
  std::vector<std::string> lines = lines_of(text);
  std::size_t first = (records_of(text, lines_per_record).size() - 1) * lines_per_record;
  std::size_t at = first + line - 1;
  std::string bare = without_line_end(lines.at(at));
  return joined(lines, 0, at) + bare.substr(0, bare.size() / 2);
}

std::string without_last_line(const std::string& text) {
  std::vector<std::string> lines = lines_of(text);
  return joined(lines, 0, lines.size() - 1);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string data(const std::string& relative) { return e2e::test_data(relative); }

// Collection records picked by their position (from 1) in a file of tests/data/graphs.
std::string collection(const std::string& file, const std::vector<int>& positions) {
  std::vector<std::string> records = records_of(data("graphs/" + file), 4);
  std::string text;
  for (int p : positions) text += records.at(p - 1);
  return text;
}

// ---------------------------------------------------------------- the programs

// What the failure report leaves of an output beside the records: a protocol has no
// count and time lines (and no closing line end), the verifier's report no closing line.
enum class Tail { None, Protocol, Report };

struct Output {
  std::string name;
  Tail tail = Tail::None;
};

struct Program {
  std::string name;
  Files inputs;               // small valid inputs
  std::string record_input;   // the input the record faults go into
  int lines_per_record = 1;   // of record_input
  int bad_line = 1;           // line of a record whose first token is spoiled
  std::string missing_input;  // the input taken away (the last one opened)
  Files left_by_missing_input;
  std::vector<Output> outputs;       // in the order of creation
  bool outputs_in_sequence = false;  // each output closed before the next is created
};

// Text of an output once its closing lines, written only at a normal end, are taken away.
std::string without_closing_lines(const std::string& text, Tail tail) {
  if (tail == Tail::Report) {
    return replaced(text, "Vsetky grafy maju platne dominujuce kruznice.\r\n", "");
  }
  if (tail == Tail::None) return text;
  std::size_t count_line = text.rfind("Bolo najdenych ");
  if (count_line == std::string::npos) return text;
  std::string list = text.substr(0, count_line);
  // The closing line end ends a partly filled list line, or stands alone after a full one.
  if (list.size() >= 2 && list.compare(list.size() - 2, 2, "\r\n") == 0) list.resize(list.size() - 2);
  return list;
}

const std::string LOGMERGE_1 = e2e::crlf(
    {"11 12 13 14 15 16 17 18 19 20", "21 22", "Bolo najdenych 5 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych 12",
     "Trvalo to celkovo: 00:30:00.50"});
const std::string LOGMERGE_2 = e2e::crlf(
    {"", "Bolo najdenych 7 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych 0",
     "Trvalo to celkovo: 01:45:10.60"});
const std::string LOGMERGE_3 = e2e::crlf(
    {"31 32 33", "Bolo najdenych 0 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych 3",
     "Trvalo to celkovo: 00:00:00.00"});

const std::string FOUR_DOM = data("tools/four_dom.c");
const std::string FOUR_DOM_BROKEN = data("tools/four_dom_broken.c");
// Records 1002 (its cycle repeats a vertex) and 1004 (its cycle is cut short) fail, the
// others pass.
const std::string MIXED_DOM = joined(records_of(FOUR_DOM_BROKEN, 7), 0, 2) + joined(records_of(FOUR_DOM, 7), 2, 4);
const std::string PICK_PROTOCOL = e2e::crlf(
    {"1001 1002 1004", "Bolo najdenych 1 dominujucich kruznic, nebolo najdenych 3", "Trvalo to celkovo: 00:00:01.00"});

const std::string PAIRMERGE_1 = data("import/s26_first3_2dbp.c");
const std::string PAIRMERGE_2 = e2e::crlf({"4", "Dominujuca kruznica: (0)", "Pre tento graf nie je najdena dominujuca kruznica.", ""});
const std::string PAIRMERGE_3 = e2e::crlf({"5", "Dominujuca kruznica: (0)", "Pre tento graf nie je najdena dominujuca kruznica.", ""});

Program cycle_search(const std::string& name, const std::string& input, const std::string& result,
                     const std::string& protocol, const std::string& graphs) {
  return Program{.name = name,
                 .inputs = {{input, graphs}},
                 .record_input = input,
                 .lines_per_record = 4,
                 .bad_line = 3,
                 .missing_input = input,
                 // The result file is created before the input is opened, the protocol after.
                 .left_by_missing_input = {{result, ""}},
                 .outputs = {{result}, {protocol, Tail::Protocol}}};
}

Program pair_search(const std::string& name, const std::string& input, const std::string& result,
                    const std::string& protocol) {
  return Program{.name = name,
                 .inputs = {{input, data("pairsearch/s30_snarks_3.c")}},
                 .record_input = input,
                 .lines_per_record = 7,
                 .bad_line = 3,
                 .missing_input = input,
                 // The input is opened before anything is created.
                 .left_by_missing_input = {},
                 .outputs = {{result}, {protocol, Tail::Protocol}}};
}

std::vector<Output> split_parts() {
  std::vector<Output> parts;
  for (int part = 1; part <= 29; ++part) parts.push_back({"s30_c4_dom_" + std::to_string(part) + ".c"});
  return parts;
}

const std::map<std::string, Program>& programs() {
  static const std::map<std::string, Program> all = [] {
    std::vector<Program> list = {
        cycle_search("cyclesearch1", "s26_c4.c", "s26_c4_dom.c", "protokol.txt", collection("cubic_g5_14.c", {1, 2, 3, 4})),
        cycle_search("cyclesearch2", "s30_c4.c", "s30_c4_dom.c", "protokol.txt", collection("cubic_g5_14.c", {1, 2, 3, 4})),
        cycle_search("cyclesearch2x", "s30_26251.c", "s30_26251_dom.c", "protokol_26251.txt",
                     collection("cubic_g5_14.c", {1, 2, 3, 4})),
        cycle_search("cyclesearch3", "s28_c4.c", "s28_c4_dom.c", "protokol.txt", collection("snarks_26.c", {1, 2, 3, 4})),
        cycle_search("cyclesearch3x", "s30_26251.c", "s30_26251_dom.c", "protokol_26251.txt",
                     collection("snarks_26.c", {5, 1}) + collection("cubic_g5_14.c", {1}) + collection("snarks_26.c", {2})),
        pair_search("pairsearch", "s30_c4_dom_vyb.c", "s30_c4_2dbp_vyb.c", "protokol_vyb.txt"),
        pair_search("pairsearchx", "s30_26251_dom.c", "s30_26251_2dbp.c", "protokol_26251.txt"),
        Program{.name = "cyclecheck",
                .inputs = {{"s30_26251_dom.c", MIXED_DOM}},
                .record_input = "s30_26251_dom.c",
                .lines_per_record = 7,
                .bad_line = 3,
                .missing_input = "s30_26251_dom.c",
                .left_by_missing_input = {},
                .outputs = {{"protokol.txt", Tail::Report}}},
        Program{.name = "graphpick",
                .inputs = {{"protokol.txt", PICK_PROTOCOL}, {"s30_c4_dom.c", FOUR_DOM}},
                .record_input = "s30_c4_dom.c",
                .lines_per_record = 7,
                .bad_line = 1,
                .missing_input = "s30_c4_dom.c",
                .left_by_missing_input = {{"s30_c4_dom_vyb.c", ""}},
                .outputs = {{"s30_c4_dom_vyb.c"}}},
        Program{.name = "graphsplit",
                .inputs = {{"s30_c4_dom.c", FOUR_DOM}},
                .record_input = "s30_c4_dom.c",
                .lines_per_record = 7,
                .missing_input = "s30_c4_dom.c",
                .left_by_missing_input = {},
                .outputs = split_parts(),
                .outputs_in_sequence = true},
        Program{.name = "logmerge",
                .inputs = {{"protokol_1.txt", LOGMERGE_1}, {"protokol_2.txt", LOGMERGE_2}, {"protokol_3.txt", LOGMERGE_3}},
                .record_input = "protokol_1.txt",
                .missing_input = "protokol_3.txt",
                // The merged list so far, without the end of its partly filled last line.
                .left_by_missing_input = {{"protokol.txt", "11 12 13 14 15 16 17 18 19 20\r\n21 22"}},
                .outputs = {{"protokol.txt", Tail::Protocol}}},
        Program{.name = "pairmerge",
                .inputs = {{"s28_c4_2dbp_1.c", PAIRMERGE_1}, {"s28_c4_2dbp_2.c", PAIRMERGE_2}, {"s28_c4_2dbp_3.c", PAIRMERGE_3}},
                .record_input = "s28_c4_2dbp_1.c",
                .missing_input = "s28_c4_2dbp_3.c",
                .left_by_missing_input = {{"s28_c4_2dbp.c", PAIRMERGE_1 + PAIRMERGE_2}},
                .outputs = {{"s28_c4_2dbp.c"}}},
    };
    std::map<std::string, Program> by_name;
    for (Program& p : list) by_name[p.name] = p;
    return by_name;
  }();
  return all;
}

// ---------------------------------------------------------------- running a cell

// How a scratch folder is spoiled before the run, beside its input files.
using Arrangement = std::function<void(const e2e::Scratch&)>;

e2e::Run run_in_scratch(const std::string& program, const Files& inputs, const Arrangement& arrange = {}) {
  e2e::Scratch scratch;
  for (const auto& [name, bytes] : inputs) scratch.write(name, bytes);
  if (arrange) arrange(scratch);
  e2e::Run run = scratch.run(program);
  for (const auto& [name, bytes] : inputs) run.files.erase(name);  // outputs only
  return run;
}

Arrangement symlink_to(const std::string& name, const std::string& target) {
  return [=](const e2e::Scratch& s) { ASSERT_EQ(::symlink(target.c_str(), s.file(name).c_str()), 0) << name; };
}

constexpr const char* KERNEL_READ_ONLY_FILE = "/sys/kernel/notes";

Arrangement directory_named(const std::string& name) {
  return [=](const e2e::Scratch& s) { ASSERT_EQ(::mkdir(s.file(name).c_str(), 0755), 0) << name; };
}

struct Expectation {
  enum class Kind { Failure, Same } kind = Kind::Same;
  int code = 0;  // the exit status of the run (and of a Same reference run)
  // The run compared with; without one, `outputs` are the files expected.
  std::optional<Files> reference{};
  Files outputs{};
  // Failure with a reference: the outputs equal the reference's without their closing
  // lines; when not exact (a write that fails only at the end) each output lies between
  // that and the reference's whole file.
  bool exact = true;
  std::optional<std::set<std::string>> present{};  // outputs left, when not all the reference's
};

Expectation failure(int code, Files outputs) {
  return {.kind = Expectation::Kind::Failure, .code = code, .outputs = std::move(outputs)};
}
Expectation failure_after(int code, Files reference) {
  return {.kind = Expectation::Kind::Failure, .code = code, .reference = std::move(reference)};
}
Expectation same_as(Files reference) { return {.kind = Expectation::Kind::Same, .reference = std::move(reference)}; }

struct Cell {
  std::string program{};
  std::string fault{};
  std::string not_applicable{};  // why the fault cannot arise for this program
  Files inputs{};
  Arrangement arrange{};
  Expectation expect{};
};

void PrintTo(const Cell& cell, std::ostream* os) { *os << cell.program << " / " << cell.fault; }

Tail tail_of(const Program& p, const std::string& output) {
  for (const Output& o : p.outputs) {
    if (o.name == output) return o.tail;
  }
  return Tail::None;
}

// Names the first difference instead of printing whole files.
void expect_same_text(const std::string& got, const std::string& want, const std::string& what) {
  if (got == want) return;
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  std::size_t from = at < 40 ? 0 : at - 40;
  ADD_FAILURE() << what << ": " << got.size() << " bytes instead of " << want.size() << ", first difference at "
                << at << "\n got: " << ::testing::PrintToString(got.substr(from, 80))
                << "\nwant: " << ::testing::PrintToString(want.substr(from, 80));
}

bool is_prefix(const std::string& prefix, const std::string& text) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// "Runtime error <code> at $<8 hex>", trace lines, an empty line.
void expect_report(const std::string& report, int code) {
  const std::string head = "Runtime error " + std::to_string(code) + " at $";
  ASSERT_TRUE(is_prefix(head, report)) << "not the report of code " << code << ":\n" << report;
  const std::string address = report.substr(head.size(), 10);
  EXPECT_EQ(address.find_first_not_of("0123456789ABCDEF"), 8u) << report;
  EXPECT_EQ(address.substr(8), "\r\n") << report;
  EXPECT_GE(report.size(), head.size() + 12 + 2);
  EXPECT_EQ(report.substr(report.size() - 4), "\r\n\r\n") << "the report ends with an empty line";
}

void check_failure(const Program& p, const Cell& cell, const e2e::Run& run) {
  const Expectation& x = cell.expect;
  EXPECT_EQ(run.exit_code, x.code) << run.out;
  if (!x.reference) {
    expect_report(run.out, x.code);
    EXPECT_EQ(run.files, x.outputs);
    return;
  }
  e2e::Run ref = run_in_scratch(p.name, *x.reference);
  ASSERT_EQ(ref.exit_code, 0) << "the reference run fails:\n" << ref.out;
  // The console lines of the records before the fault, then the report.
  ASSERT_TRUE(is_prefix(ref.out, run.out)) << "console:\n" << run.out << "\nreference:\n" << ref.out;
  expect_report(run.out.substr(ref.out.size()), x.code);

  std::set<std::string> present;
  if (x.present) {
    present = *x.present;
  } else {
    for (const auto& [name, bytes] : ref.files) present.insert(name);
  }
  std::set<std::string> left;
  for (const auto& [name, bytes] : run.files) left.insert(name);
  EXPECT_EQ(left, present) << "outputs left by the failed run";

  for (const auto& [name, bytes] : run.files) {
    if (ref.files.count(name) == 0) continue;
    std::string whole = e2e::without_duration(ref.files[name]);
    std::string before = without_closing_lines(whole, tail_of(p, name));
    std::string got = e2e::without_duration(bytes);
    if (x.exact) {
      expect_same_text(got, before, name);
    } else {
      EXPECT_TRUE(is_prefix(before, got) && is_prefix(got, whole)) << "in " << name << ":\n" << got;
    }
  }
}

// The same exit status (`code` for both runs), console and outputs as the reference run.
void check_same(const Program& p, const Cell& cell, const e2e::Run& run) {
  const Expectation& x = cell.expect;
  Files expected = x.outputs;
  std::string out;
  if (x.reference) {
    e2e::Run ref = run_in_scratch(p.name, *x.reference);
    ASSERT_EQ(ref.exit_code, x.code) << "the reference run:\n" << ref.out;
    expected = ref.files;
    out = ref.out;
  }
  EXPECT_EQ(run.exit_code, x.code) << run.out;
  expect_same_text(run.out, out, "standard output");
  ASSERT_EQ(run.files.size(), expected.size());
  for (const auto& [name, bytes] : expected) {
    ASSERT_EQ(run.files.count(name), 1u) << "missing " << name;
    expect_same_text(e2e::without_duration(run.files.at(name)), e2e::without_duration(bytes), name);
  }
}

// ---------------------------------------------------------------- the columns

constexpr int BAD_RECORD = 3;      // the record that carries a bad token
constexpr int RECORDS_BEFORE_26 = 2;

Files with_input(const Program& p, const std::string& name, const std::string& bytes) {
  Files inputs = p.inputs;
  inputs[name] = bytes;
  return inputs;
}
Files with_record_input(const Program& p, const std::string& bytes) { return with_input(p, p.record_input, bytes); }
const std::string& record_input(const Program& p) { return p.inputs.at(p.record_input); }

Cell missing_input(const Program& p) {
  Files inputs = p.inputs;
  inputs.erase(p.missing_input);
  return {.inputs = inputs, .expect = failure(2, p.left_by_missing_input)};
}

// The first output's name leads into a directory that does not exist.
Cell missing_directory(const Program& p) {
  return {.inputs = p.inputs, .arrange = symlink_to(p.outputs.front().name, "gone/" + p.outputs.front().name),
          .expect = failure(3, {})};
}

// The first output is a file of an earlier run that may not be written: it keeps its
// bytes. Permissions do not stop the superuser, so then the name leads to a file of the
// kernel's that nobody may write.
Cell output_read_only(const Program& p) {
  const std::string name = p.outputs.front().name;
  const std::string old = "from an earlier run\r\n";
  if (::geteuid() != 0) {
    return {.inputs = p.inputs,
            .arrange = [=](const e2e::Scratch& s) {
              s.write(name, old);
              ASSERT_EQ(::chmod(s.file(name).c_str(), 0444), 0);
            },
            .expect = failure(5, {{name, old}})};
  }
  if (::access(KERNEL_READ_ONLY_FILE, F_OK) != 0) return {.not_applicable = std::string("no ") + KERNEL_READ_ONLY_FILE};
  // The folder's listing reads the kernel's file through the name: it is unchanged.
  return {.inputs = p.inputs, .arrange = symlink_to(name, KERNEL_READ_ONLY_FILE),
          .expect = failure(5, {{name, e2e::read_file(KERNEL_READ_ONLY_FILE)}})};
}

// The last output to be created is a directory: every earlier output stays as it was.
Cell output_not_creatable(const Program& p) {
  Cell cell{.inputs = p.inputs, .arrange = directory_named(p.outputs.back().name)};
  if (p.outputs_in_sequence) {
    // The outputs before it are complete, as in a run without the fault.
    cell.expect = failure_after(5, p.inputs);
    std::set<std::string> earlier;
    for (std::size_t i = 0; i + 1 < p.outputs.size(); ++i) earlier.insert(p.outputs[i].name);
    cell.expect.present = earlier;
  } else {
    // Nothing is written before the last file is created.
    Files earlier;
    for (std::size_t i = 0; i + 1 < p.outputs.size(); ++i) earlier[p.outputs[i].name] = "";
    cell.expect = failure(5, earlier);
  }
  return cell;
}

// The first output leads to a full disk. Its writes are buffered, so the failure may come
// only when it is flushed at its close; the other files are flushed before the report.
Cell write_fails(const Program& p) {
  Expectation x = failure_after(28, p.inputs);
  x.exact = false;
  std::set<std::string> others;
  for (std::size_t i = 1; i < p.outputs.size() && !p.outputs_in_sequence; ++i) others.insert(p.outputs[i].name);
  x.present = others;
  return {.inputs = p.inputs, .arrange = symlink_to(p.outputs.front().name, "/dev/full"), .expect = x};
}

std::string spoil_first_token(const std::string& line) {
  std::size_t at = line.find_first_not_of(" \t");
  return line.substr(0, at) + "x" + line.substr(at);
}

// Record 3 carries a token that is not a number: the run stops there, with records 1 and
// 2 done as in a run on them alone.
Cell bad_number(const Program& p) {
  const std::string& text = record_input(p);
  std::string bad = with_line(text, p.lines_per_record, BAD_RECORD, p.bad_line, spoil_first_token);
  std::string before = joined(records_of(text, p.lines_per_record), 0, BAD_RECORD - 1);
  return {.inputs = with_record_input(p, bad), .expect = failure_after(106, with_record_input(p, before))};
}

Cell blank_lines_only(const Program& p) {
  return {.inputs = with_record_input(p, "\r\n \t\r\n\r\n\n\r\n"), .expect = same_as(with_record_input(p, ""))};
}

Cell lone_cr(const Program& p) {
  return {.inputs = with_record_input(p, replaced(record_input(p), "\r\n", "\r")), .expect = same_as(p.inputs)};
}

// Character 26 after record 2 ends the file there, whatever follows it.
Cell code_26(const Program& p) {
  std::vector<std::string> records = records_of(record_input(p), p.lines_per_record);
  std::string before = joined(records, 0, RECORDS_BEFORE_26);
  std::string after = joined(records, RECORDS_BEFORE_26, records.size());
  return {.inputs = with_record_input(p, before + "\x1a" + after), .expect = same_as(with_record_input(p, before))};
}

std::string padded(const std::string& line) { return line + std::string(300, ' '); }
std::string with_long_text(const std::string& line) { return line + " " + std::string(300, 'z'); }
std::string cut_to_255(const std::string& line) { return line.substr(0, 255); }
std::string long_row(const std::string& line) { return line + std::string(300, '7'); }

struct LineChange {
  int record, line;
  std::string (*change)(const std::string&);
};

// Lines made longer than 255 characters by what the reading skips: the same run.
Cell long_lines_read_as_numbers(const Program& p, const std::vector<LineChange>& changes) {
  std::string text = record_input(p);
  for (const LineChange& c : changes) text = with_line(text, p.lines_per_record, c.record, c.line, c.change);
  return {.inputs = with_record_input(p, text), .expect = same_as(p.inputs)};
}

// A line copied as text keeps its first 255 characters.
Cell long_lines_copied(const Program& p, int line) {
  std::string text = record_input(p);
  std::string longer = with_line(text, p.lines_per_record, 2, line, long_row);
  return {.inputs = with_record_input(p, longer),
          .expect = same_as(with_record_input(p, with_line(longer, p.lines_per_record, 2, line, cut_to_255)))};
}

// ---------------------------------------------------------------- the matrix

const std::vector<std::string> COLUMNS = {"MissingInput",   "MissingDirectory",    "OutputNotCreatable", "OutputReadOnly",
                                          "WriteFails",     "BadNumber",           "TruncatedLastRecord",
                                          "BlankLinesOnly", "LoneCR",              "Code26InTheMiddle",
                                          "LongLines"};

bool is_cycle_search(const std::string& name) { return name.rfind("cyclesearch", 0) == 0; }
bool is_pair_search(const std::string& name) { return name.rfind("pairsearch", 0) == 0; }

Cell not_applicable(const std::string& reason) { return {.not_applicable = reason}; }

// Where a cell is particular to its program, it is built here; every other cell follows
// its column's rule.
Cell build_cell(const Program& p, const std::string& fault) {
  const std::string& n = p.name;
  if (fault == "MissingInput") return missing_input(p);
  if (fault == "MissingDirectory") return missing_directory(p);
  if (fault == "OutputNotCreatable") return output_not_creatable(p);
  if (fault == "OutputReadOnly") return output_read_only(p);
  if (fault == "WriteFails") return write_fails(p);
  if (fault == "BadNumber") {
    if (n == "graphsplit") return not_applicable("copies lines as text and reads no number");
    if (n == "pairmerge") return not_applicable("copies lines as text and reads no number");
    if (n == "logmerge") {
      // A list token that is not a number is listed as 0.
      std::string bad = with_line(LOGMERGE_1, 1, 2, 1, spoil_first_token);
      return {.inputs = with_record_input(p, bad),
              .expect = same_as(with_record_input(p, with_line(LOGMERGE_1, 1, 2, 1, [](const std::string& l) {
                                                    return "0" + l.substr(l.find(' '));
                                                  })))};
    }
    return bad_number(p);
  }
  if (fault == "TruncatedLastRecord") {
    const std::string& text = record_input(p);
    std::string before = joined(records_of(text, p.lines_per_record), 0, records_of(text, p.lines_per_record).size() - 1);
    if (is_cycle_search(n)) {
      // Row 3 cut short leaves neighbours of the shorter graph outside it: a record the
      // tables cannot hold.
      return {.inputs = with_record_input(p, cut_in_last_record(text, 4, 4)), .expect = failure_after(106, with_record_input(p, before))};
    }
    if (is_pair_search(n)) {
      // The missing cycle vertices read as 0, which names no vertex.
      return {.inputs = with_record_input(p, cut_in_last_record(text, 7, 7)), .expect = failure_after(106, with_record_input(p, before))};
    }
    if (n == "cyclecheck") {
      // Every missing integer reads as 0: the cut cycle fails.
      std::string cut = cut_in_last_record(text, 7, 7);
      std::string zeros;
      for (int i = 0; i < 40; ++i) zeros += " 0";
      return {.inputs = with_record_input(p, cut), .expect = same_as(with_record_input(p, cut + zeros + "\r\n"))};
    }
    if (n == "logmerge") {
      // A protocol cut before its count line is that of a run that stopped early.
      Files inputs = p.inputs;
      inputs["protokol_3.txt"] = "31 32 33";
      Expectation x = failure_after(106, p.inputs);
      return {.inputs = inputs, .expect = x};
    }
    // The line copiers take the cut line as it is, and give it its line end.
    std::string cut = n == "pairmerge" ? cut_in_last_record(without_last_line(text), 1, 1) : cut_in_last_record(text, 7, 4);
    return {.inputs = with_record_input(p, cut), .expect = same_as(with_record_input(p, cut + "\r\n"))};
  }
  if (fault == "BlankLinesOnly") {
    if (n == "pairmerge" || n == "graphsplit") {
      // Blank lines are lines like any other: copied, with the system's line ends.
      return {.inputs = with_record_input(p, "\r\n \t\r\n\n"), .expect = same_as(with_record_input(p, "\r\n \t\r\n\r\n"))};
    }
    if (n == "logmerge") {
      // A list line of blanks holds no token (a tab would be one, read as 0); without a
      // count line the merge stops as for an empty protocol.
      Expectation x = same_as(with_record_input(p, ""));
      x.code = 106;
      return {.inputs = with_record_input(p, "\r\n   \r\n\n"), .expect = x};
    }
    return blank_lines_only(p);
  }
  if (fault == "LoneCR") return lone_cr(p);
  if (fault == "Code26InTheMiddle") {
    if (n == "logmerge") {
      // Nothing after it is read, not even a further count line.
      std::string junk = e2e::crlf({"41 42", "Bolo najdenych 99 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych 2"});
      return {.inputs = with_record_input(p, LOGMERGE_1 + "\x1a" + junk), .expect = same_as(p.inputs)};
    }
    return code_26(p);
  }
  if (fault == "LongLines") {
    if (is_cycle_search(n)) {
      // Text after the graph number is skipped, blanks after a row end no entry.
      return long_lines_read_as_numbers(p, {{2, 1, with_long_text}, {2, 2, padded}, {2, 3, padded}, {2, 4, padded}});
    }
    if (is_pair_search(n) || n == "cyclecheck") {
      // Blanks after a row, and anything after the cycle, are skipped.
      return long_lines_read_as_numbers(p, {{2, 3, padded}, {2, 4, padded}, {2, 5, padded}, {2, 7, with_long_text}});
    }
    if (n == "logmerge") {
      // Blanks past the 255th character of a list line, and of the count line, are lost
      // with the rest of the line: no number is.
      return long_lines_read_as_numbers(p, {{1, 1, padded}, {3, 1, padded}});
    }
    return long_lines_copied(p, 3);
  }
  ADD_FAILURE() << "no column " << fault;
  return {};
}

std::vector<Cell> matrix() {
  std::vector<Cell> cells;
  for (const auto& [name, program] : programs()) {
    for (const std::string& fault : COLUMNS) {
      Cell cell = build_cell(program, fault);
      cell.program = name;
      cell.fault = fault;
      cells.push_back(cell);
    }
  }
  return cells;
}

class FaultMatrix : public ::testing::TestWithParam<Cell> {};

TEST_P(FaultMatrix, Cell) {
  const Cell& cell = GetParam();
  if (!cell.not_applicable.empty()) GTEST_SKIP() << "does not apply: " << cell.not_applicable;
  const Program& p = programs().at(cell.program);
  e2e::Run run = run_in_scratch(p.name, cell.inputs, cell.arrange);
  if (cell.expect.kind == Expectation::Kind::Failure) {
    check_failure(p, cell, run);
  } else {
    check_same(p, cell, run);
  }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, FaultMatrix, ::testing::ValuesIn(matrix()),
                         [](const auto& info) { return info.param.program + "_" + info.param.fault; });

}  // namespace
