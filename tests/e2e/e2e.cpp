#include "e2e/e2e.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

namespace e2e {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string program_path(const std::string& program) {
  if (program.find('/') != std::string::npos) return program;
  return std::string(PROGRAM_DIR) + "/" + program;
}

std::string test_data(const std::string& relative) {
  return read_file(std::string(TEST_DATA_DIR) + "/" + relative);
}

Scratch::Scratch() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/e2e.XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buf.data();
}

Scratch::~Scratch() {
  // Restore permissions a test may have taken away, then remove everything.
  std::string cmd = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
  [[maybe_unused]] int rc = std::system(cmd.c_str());
}

void Scratch::write(const std::string& name, const std::string& bytes) const {
  write_file(file(name), bytes);
}

std::string Scratch::read(const std::string& name) const { return read_file(file(name)); }

bool Scratch::exists(const std::string& name) const {
  struct stat st {};
  return ::lstat(file(name).c_str(), &st) == 0;
}

Files Scratch::files() const {
  Files found;
  DIR* dir = opendir(path_.c_str());
  if (dir == nullptr) return found;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::stat(file(name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      try {
        found[name] = read(name);
      } catch (const std::exception&) {
        found[name] = "<unreadable>";
      }
    }
  }
  closedir(dir);
  return found;
}

// The words of E2E_WRAPPER, a command put before every program run (scripts/valgrind.sh
// runs the programs under valgrind this way; its error exit code fails the test).
std::vector<std::string> wrapper_words() {
  std::vector<std::string> words;
  const char* wrapper = std::getenv("E2E_WRAPPER");
  std::istringstream in(wrapper ? wrapper : "");
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

Run Scratch::run(const std::string& program, const std::vector<std::string>& args,
                 const std::string& stdin_bytes) const {
  std::string exe = program_path(program);
  std::string out_path = path_ + "/../" + std::string(std::strrchr(path_.c_str(), '/') + 1) +
                         ".stdout";
  std::string in_path = out_path + ".stdin";
  write_file(in_path, stdin_bytes);
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(path_.c_str()) != 0) _exit(127);
    int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = open(in_path.c_str(), O_RDONLY);
    if (out < 0 || in < 0) _exit(127);
    dup2(out, STDOUT_FILENO);
    dup2(in, STDIN_FILENO);
    std::vector<std::string> words = wrapper_words();
    words.push_back(exe);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Run result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = read_file(out_path);
  ::unlink(out_path.c_str());
  ::unlink(in_path.c_str());
  result.files = files();
  return result;
}

Run run_with(const std::string& program, const Files& inputs) {
  Scratch scratch;
  for (const auto& [name, bytes] : inputs) scratch.write(name, bytes);
  return scratch.run(program);
}

std::string without_duration(const std::string& text) {
  static const std::string caption = "Trvalo to celkovo: ";
  std::string result;
  std::size_t pos = 0;
  for (;;) {
    std::size_t at = text.find(caption, pos);
    if (at == std::string::npos) break;
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) end = text.size();
    result.append(text, pos, at - pos);
    result += caption + "<time>";
    pos = end;
  }
  result.append(text, pos, std::string::npos);
  return result;
}

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

void expect_files(const Run& run, const Files& expected) {
  for (const auto& [name, bytes] : expected) {
    auto it = run.files.find(name);
    if (it == run.files.end()) {
      ADD_FAILURE() << "missing file " << name;
      continue;
    }
    EXPECT_EQ(without_duration(it->second), without_duration(bytes)) << "in file " << name;
  }
  for (const auto& [name, bytes] : run.files) {
    if (expected.find(name) == expected.end()) ADD_FAILURE() << "unexpected file " << name;
  }
}

}  // namespace e2e
