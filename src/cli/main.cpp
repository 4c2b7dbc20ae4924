// zovactl: every operation of the program without windows.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/port_stack.h"
#include "link/connection.h"
#include "link/line_settings.h"
#include "link/link.h"
#include "net/network_address.h"
#include "base/translation.h"
#include "options/help_text.h"
#include "options/language_option.h"
#include "options/whole_number_option.h"
#include "zova/version.h"

#ifdef ZOVA_HAVE_QT_SERIAL
#include "app/qt/serial_port_factory.h"
#endif

namespace zova::cli {

namespace {

constexpr const char* kSynopsis = "zovactl [OPTIONS] COMMAND [ARGS...]";

// The lines of a command's synopsis, one form each.
std::vector<std::string> Forms(const Command& c) {
  std::vector<std::string> forms;
  for (std::string_view rest = c.synopsis; !rest.empty();) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    forms.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return forms;
}

// The program's help: the options as CLI11 parses them, every command's synopsis, the exit codes.
// A command's help is its synopsis and what it does.
class Help final : public options::HelpFormatter {
 public:
  std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode mode) const override {
    if (app->get_parent() != nullptr) {
      if (const Command* command = FindCommand(app->get_name())) return commandHelp(*command);
      app = app->get_parent();  // `zovactl help --help`
    }
    // "Usage:" as GNU programs spell it, which help2man reads as the manual page's synopsis.
    std::string text =
        get_label("Usage") + ": " + kSynopsis + "\n" + make_groups(app, mode) + "\n" + Tr("commands") + ":\n";
    // Synopsis and description in two columns, as the options are: help2man turns both into lists.
    const std::size_t column = get_column_width();
    for (const Command& c : AllCommands()) {
      // A command of several forms, or a long one, has its description below, where it reads for all.
      const std::vector<std::string> forms = Forms(c);
      for (std::size_t i = 0; i < forms.size(); ++i) text += (i > 0 ? "\n  " : "  ") + forms[i];
      text += forms.size() > 1 || forms[0].size() + 4 > column ? "\n" + std::string(column, ' ')
                                                               : std::string(column - forms[0].size() - 2, ' ');
      text += options::WrapText(Tr(c.help), options::kHelpColumns - column, column) + "\n";
    }
    return text + "\n" +
           options::WrapText(Tr("exit status: 0 success, 1 controller or link failed, 2 wrong usage, 3 file error, "
                                "4 differences found; 128 + the signal's number when Ctrl-C, SIGTERM or SIGHUP "
                                "ended the operation early (141, as for SIGPIPE, when standard output was closed)"),
                             options::kHelpColumns) +
           "\n";
  }

 private:
  // Each form of the command on a usage line, then what it does.
  static std::string commandHelp(const Command& c) {
    std::string text;
    std::size_t indent = 0;
    for (const std::string& form : Forms(c)) {
      if (text.empty()) {
        text = Tr("usage: zovactl {1}", {"[OPTIONS] " + form});
        indent = options::DisplayWidth(std::string_view(text).substr(0, text.find("zovactl")));
      } else {
        text += std::string(indent, ' ') + "zovactl [OPTIONS] " + form;
      }
      text += "\n";
    }
    return text + "\n" + options::WrapText(Tr(c.help), options::kHelpColumns) + "\n";
  }
};

bool parseSeconds(const std::string& text, double& out) {
  char* end = nullptr;
  out = std::strtod(text.c_str(), &end);
  return end != text.c_str() && *end == '\0' && out > 0 && out < 1e6;
}

// The options before the command, and one subcommand per command. A command reads its own words
// (prefix_command), as it did before CLI11 stood in front of it.
void Define(CLI::App& app, Options& o, std::string& simOptions, std::string& language) {
  auto help = std::make_shared<Help>();
  help->column_width(31);  // the longest option and its value, and two blanks
  app.formatter(help);
  // An option given twice is a mistake in the script, not a choice between its values.
  app.option_defaults()->group(Tr("options"))->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  app.set_help_flag("-h,--help", Tr("print this help; zovactl COMMAND --help prints one command's"));
  app.set_version_flag("--version", "zovactl " + VersionNumber(), Tr("print the program's version"));
  const CLI::Validator seconds(
      [](std::string& text) {
        double value = 0;
        return parseSeconds(text, value) ? std::string() : Tr("expected seconds above 0: {1}", {text});
      },
      "");
  // A network address is checked here, so a malformed one is refused before anything opens.
  const CLI::Validator address(
      [](std::string& text) {
        net::NetworkAddress parsed;
        std::string error;
        return !net::IsNetworkPortName(text) || net::ParseNetworkAddress(text, parsed, error) ? std::string() : error;
      },
      "");
  app.add_option("--port", o.port,
                 Tr("serial device, COMn, sim for a built-in simulated controller, or a serial device server: {1}",
                    {Tr(net::kNetworkPortForms)}))
      ->option_text("DEVICE")
      ->check(address);
  // Checked for every port, the simulated one too, so a script learns of a typo before it meets a device.
  const CLI::Validator settings(
      [](std::string& text) {
        LineSettings line;
        std::string error;
        return ParseLineSettings(text, line, error) ? std::string() : error;
      },
      "");
  app.add_option("--settings", o.settings,
                 Tr("line settings, e.g. 9600,n,8,1 (default: stored settings, else 9600,n,8,1)"))
      ->option_text("S")
      ->check(settings);
  app.add_option("--axes", o.axes, Tr("configured axis count, 2 to 6"))
      ->option_text("N")
      ->check(options::WholeNumber(2, 6));
  app.add_option("--machine-type", o.machineType, Tr("PLC family 0, 1 or 2 (default 0)"))
      ->option_text("T")
      ->check(options::WholeNumber(0, 2));
  app.add_option("--timeout", o.timeoutSeconds, Tr("bound on every wait after the handshake (default 5)"))
      ->option_text("SECONDS")
      ->check(seconds);
  app.add_option("--handshake-timeout", o.handshakeTimeoutSeconds, Tr("bound on each handshake wait (default 100)"))
      ->option_text("SECONDS")
      ->check(seconds);
  app.add_option("--trace", o.traceFile, Tr("write every byte sent (>) and received (<) with time stamps"))
      ->option_text("FILE");
  app.add_option("--sim-options", simOptions,
                 Tr("options of the simulated controller (with --port sim; see zovasim --help)"))
      ->option_text("\"OPTS\"");
  app.add_flag("--quiet", o.quiet, Tr("no progress output"));
  options::AddLanguageOption(app, language);
  app.require_subcommand(1);
  for (const Command& c : AllCommands()) app.add_subcommand(c.name)->prefix_command();
  app.add_subcommand("help")->group("")->prefix_command();  // the older spelling of --help, kept out of the list
}

int RefuseWords(const Command& c, const std::string& why);

// Wrong usage: why, and the usage line, on standard error; the command's usage once one is named.
int Refuse(const CLI::App& app, const CLI::ParseError& e) {
  std::string why = options::ParseErrorReason(e);
  if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr && !app.remaining().empty() &&
      app.remaining().front().starts_with("-")) {
    why = Tr("unknown option {1}", {app.remaining().front()});
  }
  if (!app.get_subcommands().empty()) {
    if (const Command* command = FindCommand(app.get_subcommands().front()->get_name())) {
      return RefuseWords(*command, why);
    }
  }
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr && app.get_subcommands().empty()) {
    // CLI11 names only the missing command; the word that stood in its place says more.
    const std::vector<std::string> words = app.remaining();
    why = words.empty()                    ? Tr("no command given")
          : words.front().starts_with("-") ? Tr("unknown option {1}", {words.front()})
                                           : Tr("unknown command {1}", {words.front()});
  }
  const std::string usage = Tr("usage: zovactl {1}", {"[OPTIONS] COMMAND [ARGS...] (zovactl --help)"});
  std::fprintf(stderr, "zovactl: %s\n%s\n", why.c_str(), usage.c_str());
  return kExitUsage;
}

// The options a command reads itself, from its synopsis, which therefore names every one: each `--name`, and
// whether a value word follows it.
std::vector<std::pair<std::string, bool>> CommandOptions(const Command& c) {
  std::vector<std::string> words;
  for (const std::string& form : Forms(c)) {
    std::string word;
    for (const char ch : form + " ") {
      if (ch == ' ' || ch == '|') {
        if (!word.empty()) words.push_back(word);
        word.clear();
      } else if (ch != '[' && ch != ']') {
        word += ch;
      }
    }
  }
  std::vector<std::pair<std::string, bool>> options;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!words[i].starts_with("--")) continue;
    const bool value = i + 1 < words.size() && std::isupper(static_cast<unsigned char>(words[i + 1][0])) != 0;
    options.emplace_back(words[i], value);
  }
  return options;
}

// What a word after the command is: one of the command's options (and whether it takes a value), an
// option it does not have, or an operand. `-5` and `-` are operands.
enum class Word { Operand, Option, OptionWithValue, Foreign };
Word Classify(const Command& c, const std::string& word) {
  if (!word.starts_with("--") &&
      !(word.size() > 1 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1])))) {
    return Word::Operand;
  }
  const std::string name = word.substr(0, word.find('='));
  for (const auto& [option, value] : CommandOptions(c)) {
    if (name == option) return value && name == word ? Word::OptionWithValue : Word::Option;
  }
  return Word::Foreign;
}

// The line with the program's options that stand after the command (`backup DIR --quiet`) moved in front
// of it, where they mean the same; parsed again, they meet the same checks, and one given on both sides is
// refused as given twice. The command's own options of the same name stay where they are.
std::vector<std::string> GlobalsInFront(const CLI::App& app, const Command& c, const std::vector<std::string>& words,
                                        std::size_t args) {
  const std::size_t at = words.size() - args - 1;  // the command word
  std::vector<std::string> globals, rest;
  for (std::size_t i = at + 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    const Word kind = Classify(c, word);
    const CLI::Option* global =
        kind == Word::Foreign ? app.get_option_no_throw(word.substr(0, word.find('='))) : nullptr;
    if (global == nullptr || global == app.get_help_ptr() || global == app.get_version_ptr()) {
      rest.push_back(word);
      if (kind == Word::OptionWithValue && i + 1 < words.size()) rest.push_back(words[++i]);
      continue;
    }
    globals.push_back(word);
    if (global->get_items_expected_max() > 0 && word.find('=') == std::string::npos && i + 1 < words.size()) {
      globals.push_back(words[++i]);
    }
  }
  if (globals.empty()) return words;
  std::vector<std::string> line(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(at));
  line.insert(line.end(), globals.begin(), globals.end());
  line.push_back(words[at]);
  line.insert(line.end(), rest.begin(), rest.end());
  return line;
}

// The first word after the command that is an option neither it nor the program has; empty when none.
std::string ForeignOption(const Command& c, const Args& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Word kind = Classify(c, args[i]);
    if (kind == Word::Foreign) return args[i];
    if (kind == Word::OptionWithValue) ++i;
  }
  return {};
}

// A refusal of the command's words: the program, the command and why, then the command's usage.
int RefuseWords(const Command& c, const std::string& why) {
  const std::string program = std::string("zovactl ") + c.name;
  std::fprintf(stderr, "%s: %s\n", program.c_str(), why.c_str());
  for (const std::string& form : Forms(c)) {
    const std::string usage = Tr("usage: zovactl {1}", {"[OPTIONS] " + form});
    std::fprintf(stderr, "%s\n", usage.c_str());
  }
  return kExitUsage;
}

// Parses the line; an exit status where the line alone ends the program (help, version, wrong usage).
std::optional<int> Parse(CLI::App& app, const std::vector<std::string>& words) {
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::CallForHelp&) {
    std::fputs(app.help().c_str(), stdout);  // the chosen command's, or the program's
    return kExitOk;
  } catch (const CLI::CallForVersion& e) {
    std::printf("%s\n", e.what());
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    return Refuse(app, e);
  }
  return std::nullopt;
}

// Opens the port where the command needs one, runs the command, and closes the port again.
int RunCommand(const Command& command, Context& ctx, const Args& args, const std::string& simOptions) {
  if (!command.needsPort) return command.run(ctx, args);
  const Options& options = ctx.options;
  Ui& ui = *ctx.ui;
  if (options.port.empty()) {
    ui.messageBox(Tr("this command needs --port DEVICE (or --port sim)"));
    return kExitUsage;
  }
  std::string error;
  int failure = kExitUsage;
  std::unique_ptr<PortStack> stack = MakePortStack(options, simOptions, ctx.ports, ui, error, failure);
  if (!stack) {
    ui.messageBox(error);
    return failure;
  }
  Link link(stack->port(), ui, systemClock());
  ApplyTimeouts(options, link);
  Connection connection(link);
  // The open says why a trace cannot be written; nothing went out then.
  // A network connection that ended says why, after the operation's own message.
  auto linkFault = [&stack, &ui](int status) {
    if (const std::string fault = stack->port().linkFault(); status == kExitLink && !fault.empty()) {
      ui.messageBox(fault);
    }
    return status;
  };
  if (!connection.Open(command.linkCheck)) {
    // A stop while connecting or during the link check is a stop, not a failed line.
    if (InterruptWatch::received() != 0) return kExitInterrupted;
    return linkFault(stack->traceFault().empty() ? kExitLink : kExitFile);
  }
  ctx.link = &link;
  ctx.connection = &connection;
  ctx.lineSettings = stack->settings();
  int status = linkFault(command.run(ctx, args));
  // A wait given up at the operator's request fails the operation like silence would; it was a stop.
  if (link.StoppedByOperator && status != kExitOk) status = kExitInterrupted;
  stack->port().close();  // writes what the trace still holds
  if (const std::string fault = stack->traceFault(); !fault.empty()) {
    ui.messageBox(fault);
    return status == kExitOk ? kExitFile : status;
  }
  return status;
}

// Every failure leaves a line on standard error, also where the operation itself had nothing to show.
int Conclude(CliUi& terminal, int status) {
  if (const int signal = InterruptWatch::received(); signal != 0 && status == kExitInterrupted) {
    const std::string why =
        Tr("interrupted by {1}; stopped after the last complete exchange", {signal == SIGINT          ? "Ctrl-C"
                                                                            : signal == kSignalHangUp ? "SIGHUP"
                                                                                                      : "SIGTERM"});
    std::fprintf(stderr, "zovactl: %s\n", why.c_str());
    return 128 + signal;
  }
  // Also where the operation printed only at its end: what it printed is lost, so it did not succeed.
  if (terminal.outputLost()) {
    // A reader that went away (| head) ends the program as SIGPIPE would have, which shells expect of a
    // writer to a closed pipe; any other failed write is a file that could not be written.
    const bool pipe = WritesToPipe(stdout);
    const std::string why =
        pipe ? Tr("standard output was closed by its reader; stopped after the last complete exchange")
             : Tr("standard output could not be written; stopped after the last complete exchange");
    std::fprintf(stderr, "zovactl: %s\n", why.c_str());
    return pipe ? 128 + kSignalPipe : kExitFile;
  }
  if (status == kExitOk || terminal.messageCount > 0) return status;
  const char* why = status == kExitUsage       ? TrMark("the input was refused")
                    : status == kExitFile      ? TrMark("a file could not be read or written")
                    : status == kExitDifferent ? TrMark("the controller and the backup differ")
                                               : TrMark("the controller or the link failed");
  const std::string line = Tr("{1} (exit {2})", {Tr(why), std::to_string(status)});
  std::fprintf(stderr, "zovactl: %s\n", line.c_str());
  return status;
}

}  // namespace

int Main(int argc, char** argv) {
  options::ChooseLanguage(argc, argv);
  Options options;
  std::string simOptions;
  std::string language;
  auto app = std::make_unique<CLI::App>("", "zovactl");
  Define(*app, options, simOptions, language);
  if (argc <= 1) {
    std::fputs(app->help().c_str(), stdout);
    return kExitUsage;
  }
  std::vector<std::string> words(argv, argv + argc);
  if (const std::optional<int> end = Parse(*app, words)) return *end;
  const std::string name = app->get_subcommands().front()->get_name();
  if (name == "help") {
    std::fputs(app->get_formatter()->make_help(app.get(), "", CLI::AppFormatMode::Normal).c_str(), stdout);
    return kExitOk;
  }
  const Command* command = FindCommand(name);
  if (std::vector<std::string> line =
          GlobalsInFront(*app, *command, words, app->get_subcommands().front()->remaining().size());
      line != words) {
    options = Options();
    simOptions.clear();
    app = std::make_unique<CLI::App>("", "zovactl");
    Define(*app, options, simOptions, language);
    words = std::move(line);
    if (const std::optional<int> end = Parse(*app, words)) return *end;
  }
  const Args args = app->get_subcommands().front()->remaining();
  if (std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
      args.end()) {
    std::fputs(app->get_subcommands().front()->help().c_str(), stdout);
    return kExitOk;
  }
  if (const std::string foreign = ForeignOption(*command, args); !foreign.empty()) {
    return RefuseWords(*command, Tr("unknown option {1}", {foreign}));
  }

  CliUi terminal(stderr, !options.quiet);
  Context ctx;
  ctx.command = command->name;
  ctx.options = options;
  ctx.ui = &terminal;
#ifdef ZOVA_HAVE_QT_SERIAL
  ctx.ports = app::QtPortMakers(false);  // serial devices through QSerialPort; the ports block while they wait
#endif
  if (command->takesNoArguments && !args.empty()) {
    return RefuseWords(*command, Tr("unexpected word {1}", {args.front()}));
  }
  if (command->check != nullptr) {
    if (const int refused = command->check(ctx, args); refused != kExitOk) return Conclude(terminal, refused);
  }
  InterruptWatch interrupts;
  const int status = RunCommand(*command, ctx, args, simOptions);
  return Conclude(terminal, status);
}

}  // namespace zova::cli

int main(int argc, char** argv) { return zova::cli::Main(argc, argv); }
