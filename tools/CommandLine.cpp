// `brisklet help [COMMAND]` and the suggestions for an unknown command or option.
#include "CommandLine.h"

#include <algorithm>
#include <iostream>

namespace brisklet::cli {
namespace {

// Edits from one word to the other, a swap of two neighbours counting as one.
size_t Distance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

std::vector<std::string> CommandNames(const CLI::App& command) {
  std::vector<std::string> names;
  for (const CLI::App* sub : command.get_subcommands([](const CLI::App*) { return true; })) {
    names.push_back(sub->get_name());
  }
  return names;
}

const CLI::App* Subcommand(const CLI::App& command, const std::string& name) {
  auto subs = command.get_subcommands([&name](const CLI::App* sub) { return sub->get_name() == name; });
  return subs.empty() ? nullptr : subs.front();
}

std::vector<std::string> OptionNames(const CLI::App& command) {
  std::vector<std::string> names;
  for (const CLI::Option* o : command.get_options()) {
    for (const std::string& name : o->get_lnames()) names.push_back("--" + name);
  }
  return names;
}

int Unknown(const char* what, const std::string& word, const std::vector<std::string>& known) {
  std::string nearest = Nearest(word, known);
  std::cerr << "brisklet: unknown " << what << " '" << word << "'";
  if (nearest.empty()) {
    std::cerr << " (see brisklet --help)\n";
  } else {
    std::cerr << "; did you mean '" << nearest << "'?\n";
  }
  return 2;
}

// The help of `brisklet help font add`.
int Help(const CLI::App& app, int argc, const char* const* argv) {
  const CLI::App* command = &app;
  std::string path;
  for (int i = 2; i < argc; ++i) {
    const CLI::App* sub = Subcommand(*command, argv[i]);
    if (sub == nullptr) return Unknown("command", argv[i], CommandNames(*command));
    path = command == &app ? app.get_name() : path + " " + command->get_name();
    command = sub;
  }
  std::cout << command->help(path);
  return 0;
}

}  // namespace

std::string Nearest(const std::string& word, const std::vector<std::string>& known) {
  std::string nearest;
  size_t best = std::max<size_t>(2, word.size() / 3) + 1;
  for (const std::string& candidate : known) {
    size_t distance = Distance(word, candidate);
    if (distance < best) {
      best = distance;
      nearest = candidate;
    }
  }
  return nearest;
}

std::optional<int> PreParse(const CLI::App& app, int argc, const char* const* argv) {
  if (argc >= 2 && std::string(argv[1]) == "help") return Help(app, argc, argv);
  const CLI::App* command = &app;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--") break;
    if (arg.starts_with("--")) {
      std::string name = arg.substr(0, arg.find('='));
      const CLI::Option* option = command->get_option_no_throw(name);
      if (option == nullptr) return Unknown("option", name, OptionNames(*command));
      if (name == arg && option->get_type_size() != 0) ++i;  // its value
      continue;
    }
    // A word where a command has subcommands and takes no file of its own is a subcommand.
    if (arg.starts_with("-") || CommandNames(*command).empty() ||
        !command->get_options([](const CLI::Option* o) { return o->get_positional(); }).empty()) {
      continue;
    }
    const CLI::App* sub = Subcommand(*command, arg);
    if (sub == nullptr) {
      std::vector<std::string> names = CommandNames(*command);
      if (command == &app) names.push_back("help");
      return Unknown("command", arg, names);
    }
    command = sub;
  }
  return std::nullopt;
}

}  // namespace brisklet::cli
