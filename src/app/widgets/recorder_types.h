// The recorder's core types for the Qt layer. Qt defines `signals` as a keyword, which would rewrite
// SignalSet's member of that name: the core's headers are read here with the keyword put aside, and a file
// that reads the member says `#undef signals` after its includes (it declares no signals itself).
#pragma once

#pragma push_macro("signals")
#undef signals
#include "recorder/black_box.h"
#include "recorder/recorder.h"
#include "recorder/recording.h"
#include "recorder/recording_file.h"
#include "recorder/signal_set.h"
#include "recorder/trigger.h"
#pragma pop_macro("signals")
