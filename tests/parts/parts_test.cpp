// scripts/run-parts.sh end to end: a search run over parts of its input, joined, leaves
// what one run over the whole input leaves (the result file byte for byte, the console
// lines, the protocol but for its elapsed time); a failing part leaves nothing joined.
// Every test needs GNU parallel and is skipped on a machine without it.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/e2e.h"

namespace {

const std::string SCRIPT = std::string(SOURCE_DIR) + "/scripts/run-parts.sh";

bool have_gnu_parallel() {
  return std::system("parallel --will-cite --version 2>/dev/null | grep -q 'GNU parallel'") == 0;
}

bool have_rsync() { return std::system("command -v rsync >/dev/null 2>&1") == 0; }

std::string concat(std::initializer_list<std::string_view> texts) {
  std::string text;
  for (std::string_view t : texts) text += t;
  return text;
}

// Single quotes for the shell.
std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  q += '\'';
  return q;
}

struct ScriptRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs the script in `folder` with the programs of this build; `environment` holds
// arguments of env for it: "-u NAME" options first, then NAME=value settings.
ScriptRun run_script(const std::string& folder, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment = {},
                     const std::string& bin = PROGRAM_DIR) {
  e2e::Scratch logs;
  std::string command = "cd ";
  command += quoted(folder);
  command += " && env";
  for (const auto& setting : environment) {
    command += ' ';
    command += quoted(setting);
  }
  command += " bash ";
  command += quoted(SCRIPT);
  command += " --bin ";
  command += quoted(bin);
  for (const auto& arg : args) {
    command += ' ';
    command += quoted(arg);
  }
  command += " </dev/null >";
  command += quoted(logs.file("out"));
  command += " 2>";
  command += quoted(logs.file("err"));
  int status = std::system(command.c_str());
  ScriptRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = logs.read("out");
  run.err = logs.read("err");
  return run;
}

// Every entry of a folder, folders included.
std::set<std::string> entries(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    closedir(dir);
  }
  return names;
}

mode_t mode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

// ------------------------------------------------------------------------ test inputs

using Records = std::vector<std::string>;

// The records of a file whose records are all `lines` CR LF lines long.
Records records_of(const std::string& text, int lines) {
  Records records;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    for (int i = 0; i < lines && end != std::string::npos; ++i) {
      end = text.find('\n', end);
      if (end != std::string::npos) ++end;
    }
    if (end == std::string::npos) end = text.size();
    records.push_back(text.substr(at, end - at));
    at = end;
  }
  return records;
}

Records first(Records records, std::size_t count) {
  if (records.size() > count) records.resize(count);
  return records;
}

std::string joined(const Records& records, std::size_t from = 0,
                   std::size_t to = std::string::npos) {
  std::string text;
  for (std::size_t i = from; i < records.size() && i < to; ++i) text += records[i];
  return text;
}

Records collection(const char* file) { return records_of(e2e::test_data(file), 4); }

// Dominating-cycle records of small girth-5 graphs; every 37th loses its cycle, so that
// all three kinds of 2DBP block occur (and pairsearchx counts records without a cycle as
// found, which its renumbering must follow).
Records cycle_records() {
  Records records = records_of(e2e::test_data("pairsearch/girth5_14_18.c"), 7);
  for (std::size_t i = 4; i < records.size(); i += 37) {
    std::string& r = records[i];
    std::size_t sixth = 0;
    for (int line = 0; line < 5; ++line) sixth = r.find('\n', sixth) + 1;
    r.replace(sixth, std::string::npos, "0\r\n0\r\n");
  }
  return records;
}

// Records apart by the blank lines a collection may hold: empty lines, lines of blanks
// and tabs, bare line feeds; one record has lone CR line ends; blank lines lead and trail.
std::string with_blank_lines(const Records& records) {
  const char* separators[] = {"\r\n", " \t \r\n", "\n\n", "", "\r\n\r\n"};
  std::string text = "\r\n  \r\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    std::string record = records[i];
    if (i == 2) {
      for (std::size_t at = record.find("\r\n"); at != std::string::npos;
           at = record.find("\r\n", at))
        record.erase(at + 1, 1);
    }
    text += record;
    text += separators[i % 5];
  }
  text += "\t\r\n\r\n";
  return text;
}

// ---------------------------------------------------------------------------- fixture

class RunParts : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!have_gnu_parallel())
      GTEST_SKIP() << "GNU parallel is not installed (Debian package parallel)";
  }
};

struct Program {
  const char* name;
  const char* input;
  const char* result;
  const char* protocol;
};

const Program CYCLESEARCH1{"cyclesearch1", "s26_c4.c", "s26_c4_dom.c", "protokol.txt"};
const Program CYCLESEARCH2{"cyclesearch2", "s30_c4.c", "s30_c4_dom.c", "protokol.txt"};
const Program CYCLESEARCH2X{"cyclesearch2x", "s30_26251.c", "s30_26251_dom.c",
                            "protokol_26251.txt"};
const Program CYCLESEARCH3X{"cyclesearch3x", "s30_26251.c", "s30_26251_dom.c",
                            "protokol_26251.txt"};
const Program PAIRSEARCH{"pairsearch", "s30_c4_dom_vyb.c", "s30_c4_2dbp_vyb.c", "protokol_vyb.txt"};
const Program PAIRSEARCHX{"pairsearchx", "s30_26251_dom.c", "s30_26251_2dbp.c",
                          "protokol_26251.txt"};

// The input files of a case: one file, cut by the script into four parts, or several
// files taken as the parts; one run over their concatenation is the reference.
struct Case {
  const char* label;
  const Program& program;
  std::vector<std::string> (*pieces)();
  std::size_t parts;  // part folders the run must make
};

// Runs `program` once over `whole` and over `pieces` by the script (cut into four when
// there is one piece); expects the same files and console lines and `parts` part folders.
void expect_same_as_one_run(const Program& program, const std::vector<std::string>& pieces,
                            std::size_t parts, const std::vector<std::string>& options = {},
                            const std::vector<std::string>& environment = {}) {
  std::string whole;
  for (const auto& piece : pieces) whole += piece;
  e2e::Run one = e2e::run_with(program.name, {{program.input, whole}});
  ASSERT_EQ(one.exit_code, 0) << one.out;

  e2e::Scratch folder;
  std::vector<std::string> args = {"-o", "joined", "--workdir", "work", "--keep"};
  args.insert(args.end(), options.begin(), options.end());
  if (pieces.size() == 1) args.insert(args.end(), {"-n", "4"});
  args.push_back(program.name);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    std::string name = concat({"input_", std::to_string(i + 1), ".c"});
    folder.write(name, pieces[i]);
    args.push_back(name);
  }
  ScriptRun run = run_script(folder.path(), args, environment);
  ASSERT_EQ(run.exit_code, 0) << run.err;

  std::set<std::string> part_folders;
  for (std::size_t i = 1; i <= parts; ++i)
    part_folders.insert(concat({"part_00", std::to_string(i)}));
  part_folders.insert("joblog.txt");
  EXPECT_EQ(entries(folder.file("work")), part_folders);

  EXPECT_EQ(entries(folder.file("joined")),
            (std::set<std::string>{program.result, program.protocol}));
  EXPECT_EQ(folder.read(concat({"joined/", program.result})), one.files[program.result]);
  EXPECT_EQ(e2e::without_duration(folder.read(concat({"joined/", program.protocol}))),
            e2e::without_duration(one.files[program.protocol]));
  EXPECT_EQ(run.out, one.out);
  for (const char* name : {program.result, program.protocol}) {
    EXPECT_EQ(mode(folder.file(concat({"joined/", name}))),
              mode(folder.file(concat({"work/part_001/", name}))))
        << "the joined " << name << " has the permissions of the program's own file";
  }
}

class SameAsOneRun : public RunParts, public ::testing::WithParamInterface<Case> {};

TEST_P(SameAsOneRun, ResultProtocolAndConsole) {
  const Case& c = GetParam();
  expect_same_as_one_run(c.program, c.pieces(), c.parts);
}

std::vector<std::string> one(std::string text) { return {std::move(text)}; }

const Case CASES[] = {
    {"snarks_26", CYCLESEARCH1, [] { return one(joined(collection("graphs/snarks_26.c"))); }, 4},
    // 13 graphs without a cycle; the first part lists ten of them, so its list ends in
    // an empty line that the joined list must not keep.
    {"unfound_list", CYCLESEARCH1, [] { return one(joined(collection("graphs/cubic_g5_20.c"))); },
     4},
    {"every_pair", CYCLESEARCH2X,
     [] { return one(joined(first(collection("graphs/snarks_30_first200.c"), 30))); }, 4},
    {"every_triple", CYCLESEARCH3X,
     [] { return one(joined(first(collection("graphs/snarks_30_first200.c"), 9))); }, 4},
    {"blank_lines", CYCLESEARCH2,
     [] { return one(with_blank_lines(first(collection("graphs/snarks_30_first200.c"), 23))); }, 4},
    {"fewer_records_than_parts", CYCLESEARCH1,
     [] { return one(joined(first(collection("graphs/snarks_26.c"), 3))); }, 3},
    {"no_record", CYCLESEARCH1, [] { return one("\r\n \r\n"); }, 1},
    {"pairs", PAIRSEARCH, [] { return one(joined(cycle_records())); }, 4},
    {"pairs_by_position", PAIRSEARCHX, [] { return one(joined(cycle_records())); }, 4},
    {"made_parts", PAIRSEARCHX,
     [] {
       Records r = cycle_records();
       return std::vector<std::string>{joined(r, 0, 100), joined(r, 100, 101), joined(r, 101, 1000),
                                       joined(r, 1000)};
     },
     4},
    {"made_collection_parts", CYCLESEARCH1,
     [] {
       Records r = collection("graphs/cubic_g5_20.c");
       return std::vector<std::string>{
           joined(r, 0, 2000), with_blank_lines(first(Records(r.begin() + 2000, r.end()), 700))};
     },
     2},
};

INSTANTIATE_TEST_SUITE_P(Inputs, SameAsOneRun, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------------------------ failing parts

TEST_F(RunParts, AFailingPartStopsTheRunAndNothingJoinedIsWritten) {
  Records records = collection("graphs/snarks_26.c");
  std::string& bad = records[150];  // a record of part 3
  bad[bad.find('\n') + 1] = 'x';    // the first neighbour in row 1
  e2e::Scratch folder;
  folder.write("input.c", joined(records));
  folder.write("s26_c4_dom.c", "an earlier result\r\n");

  ScriptRun run =
      run_script(folder.path(), {"-n", "4", "--workdir", "work", "cyclesearch1", "input.c"});
  EXPECT_EQ(run.exit_code, 106);
  // 280 records in four parts: the third holds records 141 to 210.
  EXPECT_NE(
      run.err.find("part 3 (part_003: records 141 to 210 of input.c) failed with exit status 106"),
      std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Runtime error 106 at $"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(entries(folder.path()), (std::set<std::string>{"input.c", "s26_c4_dom.c", "work"}));
  EXPECT_EQ(folder.read("s26_c4_dom.c"), "an earlier result\r\n");
  EXPECT_TRUE(folder.exists("work/part_003/console.txt")) << "the parts are kept for a look";
}

struct UsageError {
  const char* label;
  std::vector<std::string> args;
  const char* mentions;
};

void PrintTo(const UsageError& error, std::ostream* out) { *out << error.label; }

class RejectsUsage : public RunParts, public ::testing::WithParamInterface<UsageError> {};

TEST_P(RejectsUsage, WithExitStatus2AndNoFiles) {
  e2e::Scratch folder;
  folder.write("a.c", joined(first(collection("graphs/snarks_26.c"), 2)));
  folder.write("b.c", joined(first(collection("graphs/snarks_26.c"), 2)));
  ScriptRun run = run_script(folder.path(), GetParam().args);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find(GetParam().mentions), std::string::npos) << run.err;
  EXPECT_EQ(entries(folder.path()), (std::set<std::string>{"a.c", "b.c"}));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RejectsUsage,
    ::testing::Values(
        UsageError{"unknown_program", {"graphsplit", "a.c"}, "unknown program 'graphsplit'"},
        UsageError{"missing_input", {"cyclesearch1", "a.c", "c.c"}, "cannot read the input 'c.c'"},
        UsageError{"no_input", {"cyclesearch1"}, "at least one input"},
        UsageError{"parts_of_parts", {"-n", "2", "cyclesearch1", "a.c", "b.c"}, "several inputs"},
        UsageError{"zero_parts", {"--parts=0", "cyclesearch1", "a.c"}, "positive whole number"},
        UsageError{"unknown_option", {"--fast", "cyclesearch1", "a.c"}, "unknown option --fast"}),
    [](const auto& info) { return std::string(info.param.label); });

// ----------------------------------------------------------------------- summed times

// A stand-in for pairsearch that takes $STUB_TIME as its elapsed time, so that the sum of
// the parts' times can be checked.
const char* STUB_PAIRSEARCH =
    "#!/bin/sh\n"
    "cp s30_c4_dom_vyb.c s30_c4_2dbp_vyb.c\n"
    "printf '\\r\\nBolo najdenych 1 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych "
    "0\\r\\n"
    "Trvalo to celkovo: %s\\r\\n' \"$STUB_TIME\" > protokol_vyb.txt\n";

struct TimeSum {
  const char* part_time;
  const char* total;  // of four parts
};

void PrintTo(const TimeSum& sum, std::ostream* out) { *out << sum.part_time; }

class SumsTimes : public RunParts, public ::testing::WithParamInterface<TimeSum> {};

TEST_P(SumsTimes, InTheElapsedTimeText) {
  e2e::Scratch bin;
  bin.write("pairsearch", STUB_PAIRSEARCH);
  chmod(bin.file("pairsearch").c_str(), 0755);
  e2e::Scratch folder;
  folder.write("input.c", joined(first(cycle_records(), 4)));
  const std::string setting = concat({"STUB_TIME=", GetParam().part_time});
  ScriptRun run =
      run_script(folder.path(), {"-n", "4", "pairsearch", "input.c"}, {setting}, bin.path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::string time_line = concat({"Trvalo to celkovo: ", GetParam().total});
  EXPECT_EQ(
      folder.read("protokol_vyb.txt"),
      e2e::crlf({"",
                 "Bolo najdenych 4 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych 0",
                 time_line}));
}

INSTANTIATE_TEST_SUITE_P(Times, SumsTimes,
                         ::testing::Values(TimeSum{"00:00:00.00", "00:00:00.00"},
                                           TimeSum{"00:00:15.25", "00:01:01.00"},
                                           TimeSum{"00:14:59.99", "00:59:59.96"},
                                           TimeSum{"99:59:59.99", "399:59:59.96"},
                                           TimeSum{"123:00:00.07", "492:00:00.28"}));

// ---------------------------------------------------------------------- remote machines

// A stand-in for ssh: runs the command on this machine in the folder $FAKE_REMOTE, the
// login folder of the pretended remote machine.
const char* FAKE_SSH =
    "#!/bin/sh\n"
    "while [ $# -gt 0 ]; do\n"
    "  case \"$1\" in\n"
    "    -l|-p|-o|-i|-S|-F|-E|-b|-c|-D|-e|-I|-J|-L|-m|-O|-Q|-R|-W|-w) shift 2 ;;\n"
    "    -*) shift ;;\n"
    "    *) shift; break ;;\n"
    "  esac\n"
    "done\n"
    "[ \"${1-}\" = \"--\" ] && shift\n"
    "cd \"$FAKE_REMOTE\" && HOME=\"$FAKE_REMOTE\" exec sh -c \"$*\"\n";

struct Remote {
  const char* label;
  std::vector<std::string> options;
  bool needs_rsync;
  bool shell_unset = false;  // as under cron and batch systems
};

void PrintTo(const Remote& remote, std::ostream* out) { *out << remote.label; }

class OnRemoteMachines : public RunParts, public ::testing::WithParamInterface<Remote> {};

TEST_P(OnRemoteMachines, SameAsOneRun) {
  if (GetParam().needs_rsync && !have_rsync()) GTEST_SKIP() << "rsync is not installed";
  e2e::Scratch remote;
  e2e::Scratch tools;
  tools.write("ssh", FAKE_SSH);
  chmod(tools.file("ssh").c_str(), 0755);
  std::vector<std::string> environment;
  if (GetParam().shell_unset) environment = {"-u", "SHELL"};
  environment.push_back(concat({"PARALLEL_SSH=", tools.file("ssh")}));
  environment.push_back(concat({"FAKE_REMOTE=", remote.path()}));
  expect_same_as_one_run(PAIRSEARCHX, one(joined(first(cycle_records(), 300))), 4,
                         GetParam().options, environment);
  EXPECT_EQ(entries(remote.path()), std::set<std::string>{}) << "the remote copies are removed";
}

INSTANTIATE_TEST_SUITE_P(
    Logins, OnRemoteMachines,
    ::testing::Values(Remote{"files_sent_by_rsync", {"--sshlogin", "far"}, true},
                      Remote{"files_sent_and_local", {"-S", "far", "-S", ":"}, true},
                      Remote{"shared_folder", {"--shared", "-S", "far,:"}, false},
                      Remote{"files_sent_without_SHELL", {"-S", "far", "-S", ":"}, true, true},
                      Remote{"shared_folder_without_SHELL", {"--shared", "-S", "far,:"}, false,
                             true}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
