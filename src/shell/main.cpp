// gridlet: the game, its headless runs and its puzzle commands.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "drawing/headless.h"
#include "shell/entry.h"
#include "shell/puzzle_command.h"
#include "shell/fatal_error.h"
#include "shell/game_folders.h"
#include "shell/game_info.h"

namespace {

const char kUsage[] =
    "Usage:\n"
    "  gridlet                      play in a window\n"
    "  gridlet --headless SCRIPT [--scale N]\n"
    "                               play a scripted game without a display; at\n"
    "                               --scale 2 or 3 the game is drawn with that many\n"
    "                               pixels per game unit (1600 x 1200, 2400 x 1800);\n"
    "                               the options may come in any order (exit status 2\n"
    "                               when they or the script are wrong)\n"
    "  gridlet --version            the version\n"
    "  gridlet --help               this text\n"
    "\n"
    "Started in a folder that holds the game data (gfx/, lang/, themes/), the game\n"
    "reads and writes there. Installed, it reads its data from ../share/gridlet\n"
    "beside its program and keeps what it writes in $XDG_DATA_HOME/gridlet (by\n"
    "default ~/.local/share/gridlet):\n"
    "  settings.xml       display, language, player name and theme\n"
    "  preferences.xml    the play aids\n"
    "  highscore.dat      the best 100 scores\n"
    "  savegame.xml       the game in progress, for Continue\n"
    "  savegame.xml.bad   a saved game that could not be read, kept aside\n"
    "  screenshots/       screenNNN.png, taken with F12\n"
    "Themes put in its themes/ folder appear beside the installed ones; a theme\n"
    "of your own needs a name other than base (the installed base theme is used).\n"
    "\n"
    "Headless scripts, one command per line (# starts a comment; game coordinates):\n"
    "  wait N        run N fixed updates (60 per second)\n"
    "  move X Y      put the pointer at (X, Y)\n"
    "  click X Y     left click at (X, Y): held 3 updates, then 1 more update\n"
    "  rclick X Y    the same with the right button\n"
    "  key CODE      press a virtual key (27 Escape, 13 Enter, 123 F12, ...): held\n"
    "                3 updates, then 1 more update\n"
    "  keydown CODE  press a virtual key at once and keep it held, e.g. 160 Shift\n"
    "                or 162 Control around other commands; takes no update\n"
    "  keyup CODE    release it at once; keydown then keyup is a quick tap\n"
    "  type TEXT     type each character (any Latin-1 text) as key does\n"
    "  shot FILE     save the last drawn frame as PNG\n"
    "  clock N       first line only: start the virtual clock at N ms\n"
    "  quit          end the program\n";

// "--headless SCRIPT [--scale N]" with its parts in any order.
struct HeadlessArgs {
  std::string script;
  int scale = 1;
  std::string error;  // empty when the arguments are a headless run
  int status = 2;     // the exit status for the error
};

HeadlessArgs ReadHeadlessArgs(int argc, char** argv) {
  HeadlessArgs result;
  bool headless = false, scaled = false;
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--headless") {
      headless = true;
    } else if (arg == "--scale") {
      if (i + 1 >= argc || (std::strcmp(argv[i + 1], "1") != 0 && std::strcmp(argv[i + 1], "2") != 0 &&
                            std::strcmp(argv[i + 1], "3") != 0)) {
        result.error = "--scale takes 1, 2 or 3";
        return result;
      }
      scaled = true;
      result.scale = argv[++i][0] - '0';
    } else if (arg.rfind("-", 0) == 0) {
      result.error = "unknown argument \"" + arg + "\" (see gridlet --help)";
      result.status = 1;
      return result;
    } else {
      words.push_back(arg);
    }
  }
  if (!headless && !scaled) {
    result.error = "unknown argument \"" + std::string(argv[1]) + "\" (see gridlet --help)";
    result.status = 1;
  } else if (!headless) {
    result.error = "--scale needs --headless SCRIPT";
  } else if (words.size() != 1) {
    result.error = "--headless needs exactly one script";
  } else {
    result.script = words[0];
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    std::fputs("\n", stdout);
    std::fputs(PuzzleCommandHelp().c_str(), stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("gridlet %s\n", kVersionLabel);
    return 0;
  }
  int puzzle_result = RunPuzzleCommand(argc, argv);
  if (puzzle_result >= 0) return puzzle_result;
  if (argc > 1) {
    const HeadlessArgs headless = ReadHeadlessArgs(argc, argv);
    if (!headless.error.empty()) {
      std::fprintf(stderr, "gridlet: %s\n", headless.error.c_str());
      return headless.status;
    }
    drawing::SetHeadlessScale(headless.scale);
    std::string error;
    if (!drawing::StartHeadless(headless.script, error)) {
      std::fprintf(stderr, "gridlet: %s\n", error.c_str());
      return 2;
    }
  }
  std::string folder_error;
  if (!SetUpGameFolders(folder_error)) {
    std::fprintf(stderr, "gridlet: %s\n", folder_error.c_str());
    return 1;
  }
  return RunReportingFatalErrors(RunGame);
}
