#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace qp::app {
namespace {

std::string lowered(const std::string& word) {
  std::string out = word;
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// The option's name without its "/" or "--" lead, or empty for a word that is no option.
std::string optionName(const std::string& word) {
  if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
    return word.substr(2);
  }
  if (word.size() > 1 && word.front() == '/') {
    return word.substr(1);
  }
  return {};
}

}  // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& args) {
  CommandLine line;
  for (const std::string& word : args) {
    const std::string name = optionName(lowered(word));
    const bool gnuOnly = word.compare(0, 2, "--") == 0;
    if (name == "tray") {
      line.tray = true;
    } else if (name == "kill") {
      line.kill = true;
    } else if (name == "uninstall") {
      line.uninstall = true;
    } else if (name == "silent") {
      line.silent = true;
    } else if (gnuOnly && name == "help") {
      line.help = true;
    } else if (gnuOnly && name == "version") {
      line.version = true;
    } else {
      line.unknown.push_back(word);
    }
  }
  return line;
}

std::string CommandLine::usage() {
  return "Usage: quillophone [/tray] [/kill] [/uninstall [/silent]]\n"
         "Quillophone, the voice-note program for the desktop. Options are compared without\n"
         "regard to case and may also be written --tray, --kill, --uninstall, --silent.\n\n"
         "  /tray       start in the notification area without opening the window (ends at\n"
         "              once when \"keep running in the tray\" is off)\n"
         "  /kill       end the running Quillophone, then end\n"
         "  /uninstall  end the running Quillophone and remove the settings, the log-on entry\n"
         "              and, after asking, the notes\n"
         "  /silent     with /uninstall: ask nothing and keep the notes\n"
         "  --help      this text\n"
         "  --version   the program's version\n\n"
         "A second start hands its request to the Quillophone already running and ends.\n"
         "Notes live in folders under <Documents>/Quillophone ($QUILLOPHONE_NOTES_DIR when set);\n"
         "settings in $XDG_CONFIG_HOME/Tolvane Electronics/TolvaneQP.conf (~/.config by\n"
         "default); the log-on entry is $XDG_CONFIG_HOME/autostart/quillophone.desktop.\n";
}

}  // namespace qp::app
