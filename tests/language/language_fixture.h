// A fresh program store, compiler and recording Ui for each language test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "language/compiler.h"
#include "language/program_store.h"
#include "support/recording_ui.h"
#include "support/test_support.h"

namespace zova::language::testing {

using zova::test::Source;

struct LanguageRig {
  explicit LanguageRig(LanguageConfig config = {}) : compiler(store, ui.diagnostics(), config) {}

  ProgramStore store;
  RecordingUi ui;
  Compiler compiler;
};

// "0x%08X 0x%08X", so a failing comparison shows both words readably.
inline std::string Words(const Record& r) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%08X 0x%08X", static_cast<unsigned>(r.word1), static_cast<unsigned>(r.word2));
  return text;
}

}  // namespace zova::language::testing
