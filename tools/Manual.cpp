// The manual page, the bash completion and the version text, all made from the tool's own
// command tree, so that they say what --help says.
#include <fribidi.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cairo.h>
#include <sqlite3.h>
#include <zlib.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "Allocator.h"
#include "Commands.h"

namespace brisklet::cli {
namespace {

// The visible subcommands of a command (hidden ones have no group).
std::vector<const CLI::App*> Commands(const CLI::App& app) {
  return app.get_subcommands([](const CLI::App* sub) { return !sub->get_group().empty(); });
}

std::vector<const CLI::Option*> Options(const CLI::App& app) {
  return app.get_options([](const CLI::Option* o) { return !o->get_group().empty(); });
}

// Text for troff: backslashes doubled, a leading dot or quote escaped.
std::string Roff(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\\' ? std::string("\\\\") : c == '-' ? std::string("\\-") : std::string(1, c);
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out = "\\&" + out;
  return out;
}

std::string Synopsis(const CLI::App& command, const std::string& path) {
  std::string line = path;
  for (const CLI::Option* o : Options(command)) {
    if (!o->nonpositional()) line += " " + o->get_name(true);
  }
  bool options = false;
  for (const CLI::Option* o : Options(command)) options = options || (o->nonpositional() && o->get_name() != "--help");
  return options ? line + " [OPTIONS]" : line;
}

void DescribeCommand(std::ostream& out, const CLI::App& command, const std::string& path) {
  auto subs = Commands(command);
  if (subs.empty()) {
    out << ".TP\n.B " << Roff(Synopsis(command, path)) << "\n" << Roff(command.get_description()) << "\n";
    for (const CLI::Option* o : Options(command)) {
      if (!o->nonpositional() || o->get_name() == "--help") continue;
      std::string type = o->get_type_name();
      std::string value = o->get_type_size() == 0 ? "" : " " + type.substr(0, type.find(':'));
      out << ".RS\n.TP\n.B " << Roff(o->get_name(false, true) + value) << "\n"
          << Roff(o->get_description()) << "\n.RE\n";
    }
  }
  for (const CLI::App* sub : subs) DescribeCommand(out, *sub, path + " " + sub->get_name());
}

// "text json sarif" of an option checked against a fixed set ("TEXT:{text,json,sarif}"), "" for others.
std::string FixedValues(const CLI::Option& o) {
  std::string type = o.get_type_name();
  size_t open = type.find('{'), close = type.rfind('}');
  if (open == std::string::npos || close == std::string::npos || close < open) return "";
  std::string values = type.substr(open + 1, close - open - 1);
  std::replace(values.begin(), values.end(), ',', ' ');
  return values;
}

void CommandWords(const CLI::App& command, const std::string& path, std::ostream& cases, std::ostream& values) {
  auto subs = Commands(command);
  std::string words;
  for (const CLI::App* sub : subs) words += sub->get_name() + " ";
  for (const CLI::Option* o : Options(command)) {
    if (!o->nonpositional()) continue;
    words += o->get_name(false, true) + " ";
    std::string fixed = FixedValues(*o);
    for (const std::string& name : o->get_lnames()) {
      if (!fixed.empty()) values << "    \"" << path << " --" << name << "\") words=\"" << fixed << "\" ;;\n";
    }
  }
  for (char& c : words) c = c == ',' ? ' ' : c;
  cases << "    \"" << path << "\") words=\"" << words << "\" ;;\n";
  for (const CLI::App* sub : subs) {
    CommandWords(*sub, path.empty() ? sub->get_name() : path + " " + sub->get_name(), cases, values);
  }
}

// "1.0.12" from the library's "(GNU FriBidi) 1.0.12" first line.
std::string FriBidiVersion() {
  std::string info = fribidi_version_info;
  info = info.substr(0, info.find('\n'));
  return info.substr(info.rfind(' ') + 1);
}

}  // namespace

std::string VersionText() {
  FT_Library library = nullptr;
  FT_Int major = 0, minor = 0, patch = 0;
  if (FT_Init_FreeType(&library) == 0) {
    FT_Library_Version(library, &major, &minor, &patch);
    FT_Done_FreeType(library);
  }
  std::ostringstream out;
  out << "brisklet " << BRISKLET_TOOL_VERSION << "\n"
      << "SQLite " << sqlite3_libversion() << ", FreeType " << major << "." << minor << "." << patch << ", FriBidi "
      << FriBidiVersion() << ", Cairo " << cairo_version_string() << ", zlib " << zlibVersion() << "; memory allocator "
      << AllocatorName();
  return out.str();
}

std::string ManualPage(const CLI::App& app) {
  std::ostringstream out;
  out << ".TH BRISKLET 1 \"\" \"brisklet " << BRISKLET_TOOL_VERSION << "\" \"User Commands\"\n"
      << ".SH NAME\nbrisklet \\- " << Roff(app.get_description().substr(app.get_description().find(" - ") + 3))
      << "\n.SH SYNOPSIS\n.B brisklet\n.I COMMAND\n[\\fIOPTIONS\\fR]\n"
      << ".SH DESCRIPTION\nBrisklet turns the panel design of a project database (display modules, displays and "
         "the elements on them) into the download records of the operator panel, stores them in the project's "
         "download store, and runs the design-rule checks, which report errors and warnings.\n"
      << ".SH COMMANDS\n";
  for (const CLI::App* command : Commands(app)) DescribeCommand(out, *command, "brisklet " + command->get_name());
  out << ".SH OPTIONS\n.TP\n.B \\-\\-help\nShow the help of the tool or of a command.\n.TP\n.B \\-\\-version\n"
         "Print the version, those of SQLite, FreeType, FriBidi, Cairo and zlib, and the memory allocator.\n"
      << ".SH EXIT STATUS\n.TP\n.B 0\nNo design error was counted.\n.TP\n.B 1\nThe compile counted design errors; "
         "dump met a record it could not read to its last byte; diff found the downloads different; merge met "
         "conflicts; status "
         "\\-\\-verify found stale units; minsize found the frame smaller than the minimum.\n"
         ".TP\n.B 2\nA run\\-time failure or bad input: a file that is not a project, a locked or read\\-only "
         "project, an element that does not exist, output that could not be written.\n"
      << ".SH ENVIRONMENT\n.TP\n.B BRISKLET_DATA_DIR\nThe folder of the message catalogue (messages.txt) and "
         "the calendar files (calendar/). Without it, the tool uses the share/brisklet folder beside its "
         "bin folder.\n"
      << ".SH FILES\n.TP\n.I share/brisklet/messages.txt\nThe numbered message catalogue.\n"
      << ".SH SEE ALSO\nsqlite3(1)\n";
  return out.str();
}

std::string BashCompletion(const CLI::App& app) {
  std::ostringstream cases, values;
  CommandWords(app, "", cases, values);
  std::ostringstream out;
  out << "# bash completion of brisklet: its commands, then each command's subcommands and options;\n"
      << "# the value of an option with fixed values is one of them; other words complete as file names.\n"
      << "_brisklet() {\n"
      << "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} path=\"\" words=\"\" i\n"
      << "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
      << "    case \"${COMP_WORDS[i]}\" in -*) ;; *) case \" $(_brisklet_words \"$path\") \" in\n"
      << "      *\" ${COMP_WORDS[i]} \"*) path=\"${path:+$path }${COMP_WORDS[i]}\" ;; esac ;; esac\n"
      << "  done\n"
      << "  words=$(_brisklet_values \"$path $prev\")\n"
      << "  if [[ -n $words ]]; then\n"
      << "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
      << "    return\n"
      << "  fi\n"
      << "  words=$(_brisklet_words \"$path\")\n"
      << "  if [[ $cur == -* || -z $path ]]; then\n"
      << "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
      << "  else\n"
      << "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\") $(compgen -f -- \"$cur\"))\n"
      << "  fi\n"
      << "}\n"
      << "_brisklet_words() {\n"
      << "  local words=\"\"\n"
      << "  case \"$1\" in\n"
      << cases.str() << "  esac\n"
      << "  echo \"$words\"\n"
      << "}\n"
      << "_brisklet_values() {\n"
      << "  local words=\"\"\n"
      << "  case \"$1\" in\n"
      << values.str() << "  esac\n"
      << "  echo \"$words\"\n"
      << "}\n"
      << "complete -o filenames -F _brisklet brisklet\n";
  return out.str();
}

void AddManualCommands(CLI::App& app) {
  app.set_version_flag(
      "--version", [] { return VersionText(); }, "Print the versions and exit");
  auto* manual = app.add_subcommand("manual", "Print the manual page (troff)")->group("");
  manual->callback([&app] { std::cout << ManualPage(app); });
  auto* completion = app.add_subcommand("completion", "Print the bash completion script")->group("");
  completion->callback([&app] { std::cout << BashCompletion(app); });
}

}  // namespace brisklet::cli
