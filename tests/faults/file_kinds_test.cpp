// Every file reader of zovactl given a path that is not an ordinary readable text file: each refuses at once
// with "FILE: why", exits 3, and sends nothing to the controller.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/port_stack.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::cli {
namespace {

namespace fs = std::filesystem;

// A command that reads a file; "FILE" and "DIR" in its arguments stand for the bad path and its folder.
struct Reader {
  const char* name;
  int (*run)(Context&, const Args&);
  Args args;
  const char* fileName = "bad.dat";
};

// What the path names: made by `make`, over a small file first when `overFile` is set.
struct Kind {
  const char* name;
  bool overFile;
  void (*make)(const fs::path&);
  std::string description;
};

class FileKinds : public test::ScratchDir {};

TEST_F(FileKinds, EveryReaderRefusesWhatIsNotAReadableRegularFile) {
  const Reader readers[] = {
      {"compile", RunCompile, {"FILE"}},
      {"list", RunList, {"FILE"}},
      {"program send", RunProgram, {"send", "5", "FILE"}},
      {"program send-all", RunProgram, {"send-all", "DIR"}, "ZOVAPRG00.dat"},  // the first file the check reads
      {"loc", RunLoc, {"send", "all", "--file", "FILE"}},
      {"sft", RunSft, {"send", "all", "--file", "FILE"}},
      {"syspara", RunSysPara, {"send", "--file", "FILE"}},
      {"axpara", RunAxPara, {"send", "--file", "FILE"}},
      {"firmware", RunFirmware, {"FILE"}, "bad.hex"},
  };
  std::vector<Kind> kinds = {
      {"folder", false, [](const fs::path& p) { fs::create_directory(p); }, std::strerror(EISDIR)},
      {"too large (sparse)", true, [](const fs::path& p) { fs::resize_file(p, (1ull << 31) + 1); },
       std::strerror(EFBIG)},
      {"missing", false, [](const fs::path&) {}, std::strerror(ENOENT)},
      {"UTF-16", false, [](const fs::path& p) { write(p.string(), std::string("[\0E\0O\0F\0]\0\r\0\n\0", 14)); },
       "UTF-16 파일입니다: UTF-8로 저장하십시오"},
      {"CR only", false, [](const fs::path& p) { write(p.string(), ";\r[EOF]\r"); },
       "줄 끝이 CR뿐입니다: CR LF나 LF 줄 끝으로 저장하십시오"},
  };
#ifndef _WIN32  // FIFOs, device nodes and unreadable modes are POSIX's
  kinds.push_back({"FIFO", false, [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }, "일반 파일이 아닙니다"});
  kinds.push_back(
      {"device", false, [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, "일반 파일이 아닙니다"});
  // Root reads every file whatever its mode.
  if (::geteuid() != 0) {
    kinds.push_back(
        {"unreadable", true, [](const fs::path& p) { fs::permissions(p, fs::perms::none); }, std::strerror(EACCES)});
  }
#endif

  int folders = 0;
  for (const Reader& reader : readers) {
    for (const Kind& kind : kinds) {
      const fs::path folder = dir / std::to_string(++folders);
      fs::create_directories(folder);
      const std::string file = (folder / reader.fileName).string();
      if (kind.overFile) write(file, "[EOF]\r\n");
      kind.make(file);
      Args args = reader.args;
      for (std::string& arg : args) arg = arg == "FILE" ? file : arg == "DIR" ? folder.string() : arg;
      SCOPED_TRACE(std::string(reader.name) + " on " + kind.name);
      test::SimRig rig{3};
      Context ctx;
      ctx.ui = &rig.ui;
      ctx.link = &rig.link;
      ctx.options.axes = 3;
      EXPECT_EQ(reader.run(ctx, args), kExitFile);
      ASSERT_FALSE(rig.ui.messages.empty());
      EXPECT_EQ(rig.ui.messages.back().text, file + ": " + kind.description);
      EXPECT_EQ(rig.wire.text(), "") << "nothing is sent";
    }
  }
}

// The wire trace is written, not read: a FIFO nobody reads is refused at once instead of hanging the command.
TEST_F(FileKinds, ATraceNobodyReadsIsRefusedWithoutWaiting) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no FIFOs";
#else
  const std::string fifo = path("trace");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Options options;
  options.port = "sim";
  options.traceFile = fifo;
  RecordingUi ui;
  std::string error;
  int status = kExitOk;
  EXPECT_EQ(MakePortStack(options, "", {}, ui, error, status), nullptr);
  EXPECT_EQ(std::tuple(status, error), std::tuple(kExitFile, fifo + ": " + std::strerror(ENXIO)));
#endif
}

}  // namespace
}  // namespace zova::cli
