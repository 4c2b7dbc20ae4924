// Program transfer: compiles source files and sends their programs to the controller, and fetches programs
// back into source files, one program or programs 0 to 31 in one go. The program window drives it.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language/compiler.h"
#include "language/program_store.h"
#include "link/link.h"
#include "base/translation.h"
#include "base/ui.h"

namespace zova::programs {

inline constexpr int kModeSingle = 0;
inline constexpr int kModeAll = 1;
inline constexpr int kFirstProgram = 0;
inline constexpr int kLastProgram = 31;  // the window never transfers program 32

inline constexpr int kProgramBarIndex = 0;
inline constexpr int kCommentBarIndex = 1;

// Messages are looked up with Tr where they are shown.
inline constexpr std::string_view kMsgNoTransFile = TrMark("File Open 메뉴에서 전송할 화일명을 입력하십시요.");
inline constexpr std::string_view kMsgNoRecvFile = TrMark("File Open 메뉴에서 저장할 화일명을 입력하십시요.");
inline constexpr std::string_view kMsgProgramNumberRange = TrMark(" 0 ~ 31 까지 입력하십시요.");
// All mode: a program whose compile showed errors is not sent; the message names its file.
inline constexpr std::string_view kMsgNotCompiled = TrMark("컴파일 오류가 있어 전송하지 않았습니다: ");

// What a transfer did, for callers that report more than the messages (the command line's exit status).
struct TransferReport {
  bool refused = false;    // nothing was exchanged: no file or folder chosen, or a number outside 0..31
  int failed = 0;          // programs whose exchange failed (message shown)
  bool lineDead = false;   // a handshake timed out: the transfer ended there
  bool cancelled = false;  // the operator asked to stop: the programs before it went across, no more
  int transferred = 0;     // programs acknowledged by the controller, or received and written
  int notCompiled = 0;     // transmit: programs not sent because their compile showed messages
  int rejected = 0;        // receive: blocks with a wrong checksum (answered DLE, no file written)
  int notSaved = 0;        // receive: listing files that could not be written (message shown)
  // receive: "FILE:LINE: why" for each written line that does not compile back to what the controller holds;
  // the file stays as written, the controller's image as listing.
  std::vector<std::string> notCompilingBack;
  Outcome failure;  // why the last program that failed did (the line, the controller)

  // The whole transfer in one outcome, the worst first: refused, cancelled, failed, a wrong checksum, a
  // source that did not compile, a listing not written, a listing that does not compile back (Different).
  [[nodiscard]] Outcome outcome() const;
};

class ProgramTransfer {
 public:
  // The store is the program-wide one: compiling and receiving overwrite its image and comment table.
  ProgramTransfer(language::ProgramStore& store, language::LanguageConfig config);
  // The machine the programs are compiled for, once the operator has chosen it.
  void setConfig(language::LanguageConfig config) { config_ = config; }

  // --- state the program window sets and reads ---
  int TxProgramNo = 0;        // "TEV File #" of the transmit frame
  int RxProgramNo = 0;        // "TEV File #" of the receive frame
  std::string TransFolder;    // folder of the last "Trans File Open" choice
  std::string RecvFolder;     // folder of the last "Receive File Open" choice
  std::string TransFileName;  // "PC File Name" of the transmit frame
  std::string RecvFileName;   // "PC File Name" of the receive frame
  // All mode: called with each program number before its transfer, for the "TEV File #" box.
  std::function<void(int)> onProgramNumber;
  // How a compile problem names its place: "FILE:LINE: message" (the command line), or the compiler's
  // message with the file and line below it (the windows).
  bool problemsAsFileLine = false;

  // The File Open dialogs' results: the folder and the "PC File Name" box.
  void ChooseTransFile(std::string_view chosen);
  void ChooseRecvFile(std::string_view chosen);

  // Compiles and sends TxProgramNo from TransFileName (single), or programs 0..31 from TransFolder (all).
  // A program whose compile showed any message is not sent; in all mode every file is compiled first and
  // nothing is sent when any of them has a problem. A failed exchange shows the link error box and
  // all mode goes on with the next program; a handshake that times out shows only its own message and
  // ends the transfer, as the line is dead.
  TransferReport SendPrograms(Link& link, int mode);

  // Sends program `program` (0..31) as the store holds it, its presence flag, step count, image and comment
  // table, without compiling: a program going back exactly as it was fetched. Failures as in SendPrograms.
  TransferReport SendStoredProgram(Link& link, int program);

  // Fetches RxProgramNo into RecvFileName (single), or programs 0..31 into RecvFolder (all), writing each
  // program's source text. A block with a wrong checksum is answered DLE and leaves its file alone; failed
  // exchanges are handled as in SendPrograms.
  TransferReport ReceivePrograms(Link& link, int mode);

  // The program editor's transfers, on the text it shows rather than a file. SendSource compiles `source`
  // (bytes, as a file would hold them) as TxProgramNo and sends it as SendPrograms sends one program;
  // ReceiveSource fetches RxProgramNo and hands back its source text instead of writing a file.
  TransferReport SendSource(Link& link, std::string_view source);
  TransferReport ReceiveSource(Link& link, std::string& source);

  // Fetches program `program` (0..31) into the store, its image and comment table, without writing a file;
  // `block` gets its program block as the controller sent it (2050 bytes, or the single 0x00 of an empty
  // program). Failures as in ReceivePrograms.
  TransferReport ReceiveStoredProgram(Link& link, int program, std::vector<std::uint8_t>& block);

  // Writes the image and comment table as source text to the single-mode file or program n's all-mode file.
  // The file is replaced whole or not at all; a failure shows the "Error" message and returns false.
  bool WriteProgramListing(Ui& ui, int program, int mode);

 private:
  // Counts one program's outcome into the report; false when the transfer must end. Before another program
  // follows a failed one, the line settles.
  static bool GoOn(Link& link, const Outcome& outcome, TransferReport& report, bool more);
  // Discards what arrives until the line has been quiet for `quiet`.
  static void Settle(Link& link, Duration quiet);

  // Compiles `source` as `program` into `store`, showing each problem with its place; true when there is none.
  bool compileForSending(Ui& ui, language::ProgramStore& store, int program, const std::string& name,
                         std::string_view source);
  // The same for a source file; a file that cannot be read shows the system's reason and the path.
  bool compileFileForSending(Ui& ui, language::ProgramStore& store, int program, const std::string& path);
  [[nodiscard]] std::string problemText(std::string_view name, int line, std::string_view message) const;
  // Refuses a single-mode program number outside 0..31 (after a message) and honours a cancel request.
  static bool singleMayStart(Ui& ui, int program, TransferReport& report);
  Outcome sendOne(Link& link, int program);
  // Writes the received program's file, or puts its source text into `listing`, or its program block into
  // `received` (no file), when one is given.
  Outcome receiveOne(Link& link, int program, int mode, std::string* listing = nullptr,
                     std::vector<std::uint8_t>* received = nullptr);

  language::ProgramStore& store_;
  language::LanguageConfig config_;
  std::vector<std::string> notCompilingBack_;  // gathered by WriteProgramListing for the running receive
  // The operations progress is reported under: the editor's transfers have bars of their own.
  Job sendJob_ = Job::ProgramSend;
  Job receiveJob_ = Job::ProgramReceive;
  // Reports progress as `as` for as long as it lives.
  class ReportAs {
   public:
    ReportAs(Job& job, Job as) : job_(job), before_(std::exchange(job, as)) {}
    ~ReportAs() { job_ = before_; }
    ReportAs(const ReportAs&) = delete;
    ReportAs& operator=(const ReportAs&) = delete;

   private:
    Job& job_;
    Job before_;
  };
};

}  // namespace zova::programs
