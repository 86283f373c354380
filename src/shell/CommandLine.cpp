#include "CommandLine.h"

#include <string_view>

#include "app/KeyGuide.h"
#include "platform/Manual.h"
#include "platform/SettingsFile.h"
#include "platform/UserFolders.h"

namespace vortala {

CommandLine ParseCommandLine(int argc, char** argv) {
    CommandLine line;
    const auto mistake = [&line](std::string text) {
        line.action = CommandLine::Action::Mistake;
        line.mistake = std::move(text);
        return line;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        std::string_view script;
        if (arg == "--script") {
            if (i + 1 >= argc) return mistake("option '--script' needs a FILE");
            script = argv[++i];
        } else if (arg.substr(0, 9) == "--script=") {
            script = arg.substr(9);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return mistake("unknown option '" + std::string(arg) + "'");
        } else {
            return mistake("unexpected argument '" + std::string(arg) + "'");
        }
        if (script.empty()) return mistake("option '--script' needs a FILE");
        if (line.action == CommandLine::Action::Script) return mistake("option '--script' given twice");
        line.action = CommandLine::Action::Script;
        line.script = script;
    }
    return line;
}

std::string HelpText() {
    const std::string data = UserDataFolder();
    const std::string manual = FindManual();
    return "Usage: vortala [--script FILE]\n"
           "A pirate and sea-treasure video slot: five drum reels, fifteen paylines, a risk card\n"
           "game, free games, treasure chests, a barrel bonus, a ship voyage and a jackpot.\n"
           "\n"
           "Options:\n"
           "  --script FILE  play a game script in the window with real timers, then close\n"
           "  --help         show this help and exit\n"
           "  --version      show the version and exit\n"
           "\n"
           "Keys:\n" +
           KeysAsHelp() +
           "\n"
           "Files:\n"
           "  " +
           SettingsFile::DefaultPath() +
           "\n"
           "      settings, the jackpot, the helm banks and the coin pile\n"
           "  " +
           data +
           "stat.log\n"
           "      the statistics log\n"
           "  " +
           data +
           "games.jsonl\n"
           "      the journal: one line per game played\n" +
           (manual.empty() ? std::string() : "  " + manual + "\n      the player's manual (F1 twice)\n") +
           "\n"
           "Environment:\n"
           "  XDG_CONFIG_HOME     folder of the settings file (default ~/.config)\n"
           "  XDG_DATA_HOME       folder of the log and the journal (default ~/.local/share)\n"
           "  VORTALA_NO_DIALOGS  when set, messages go to standard error, not to message boxes\n"
           "  SDL_VIDEODRIVER     SDL's video driver: x11, wayland, offscreen, ...\n"
           "  SDL_AUDIODRIVER     SDL's audio driver: pulseaudio, alsa, pipewire, dummy, ...\n"
           "\n"
           "More in 'man 6 vortala'.\n";
}

}  // namespace vortala
