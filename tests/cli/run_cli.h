// Runs tarmaq-cli with arguments (no shell) and collects its output and exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline CliResult runCli(const std::vector<std::string>& args, const std::string& input = "") {
  char outName[] = "/tmp/tarmaq-cli-out-XXXXXX";
  char errName[] = "/tmp/tarmaq-cli-err-XXXXXX";
  char inName[] = "/tmp/tarmaq-cli-in-XXXXXX";
  int outFd = mkstemp(outName), errFd = mkstemp(errName), inFd = mkstemp(inName);
  if (write(inFd, input.data(), input.size()) < 0) return {};
  lseek(inFd, 0, SEEK_SET);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(inFd, 0);
    dup2(outFd, 1);
    dup2(errFd, 2);
    std::vector<char*> argv;
    std::string cli = TARMAQ_CLI;
    argv.push_back(cli.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(cli.c_str(), argv.data());
    _exit(127);
  }
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  close(outFd);
  close(errFd);
  close(inFd);
  CliResult r;
  r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  r.out = slurp(outName);
  r.err = slurp(errName);
  unlink(outName);
  unlink(errName);
  unlink(inName);
  return r;
}
