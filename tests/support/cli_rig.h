// A zovactl command run in-process: a scratch folder, a link to a simulated controller, and what the
// command printed on standard output.
#pragma once

#include <cstdio>
#include <string>

#include "cli/cli_context.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::test {

class CliRig : public ScratchDir {
 protected:
  explicit CliRig(int axes = 4) : sim(axes) {
    ctx.ui = &sim.ui;
    ctx.link = &sim.link;
    ctx.out = std::tmpfile();
  }
  ~CliRig() override { std::fclose(ctx.out); }
  CliRig(const CliRig&) = delete;
  CliRig& operator=(const CliRig&) = delete;

  // What the commands printed since the last call; messages and the wire log start afresh too.
  std::string takeOutput() {
    std::fflush(ctx.out);
    std::rewind(ctx.out);
    std::string text;
    for (int c = std::fgetc(ctx.out); c != EOF; c = std::fgetc(ctx.out)) text += static_cast<char>(c);
    std::fclose(ctx.out);
    ctx.out = std::tmpfile();
    return text;
  }
  void clear() {
    (void)takeOutput();
    sim.ui.clear();
    sim.wire.clear();
  }

  SimRig sim;
  cli::Context ctx;
};

}  // namespace zova::test
