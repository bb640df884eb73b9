// The --help texts; kept apart from the parser so the wording is easy to edit.
#include "probe_options.h"

namespace {

const char kProgramHelp[] =
    "tesmir-probe: a SAORI host on the command line, for trying Tesmir.dll\n"
    "(or any SAORI/1.0 module) without a ghost.\n"
    "\n"
    "Usage:\n"
    "  tesmir-probe request [options] COMMAND [ARGUMENT...] [-- COMMAND ...]...\n"
    "  tesmir-probe watch [--margin N] [--buttonnum N] [--duration SECONDS] ...\n"
    "  tesmir-probe request --help | tesmir-probe watch --help\n"
    "\n"
    "  request  sends requests to the module and prints each response exactly,\n"
    "           line ends shown as \\r and \\n.\n"
    "  watch    opens a window, sends create, config and start, and shows the\n"
    "           controller state the module reports.\n"
    "\n"
    "Exit status: 0 success, 1 the module answered a failure (or sent nothing),\n"
    "2 usage error, 3 the module could not be loaded.\n";

const char kRequestHelp[] =
    "Usage: tesmir-probe request [--module PATH] [--virtual TIMELINE]\n"
    "                            REQUEST [-- REQUEST]...\n"
    "       tesmir-probe request [--module PATH] [--virtual TIMELINE] --file FILE\n"
    "\n"
    "Loads the module once, sends the requests in order (state carries from one\n"
    "to the next: create, then start, ...), prints every response exactly and\n"
    "unloads the module.\n"
    "\n"
    "A REQUEST is its arguments (Argument0, Argument1, ...) with these options:\n"
    "  --command WORD          first-line command (default EXECUTE), e.g. \"GET Version\"\n"
    "  --charset NAME          Charset line and encoding (default UTF-8; Shift_JIS,\n"
    "                          EUC-JP, ISO-2022-JP; \"none\": no line, sent as Shift_JIS)\n"
    "  --security-level VALUE  adds a SecurityLevel line (e.g. local, external)\n"
    "  --header \"Key: Value\"   adds a header line (repeatable)\n"
    "Requests are separated by a lone \"--\". Arguments that start with \"--\" can\n"
    "only be sent from a file.\n"
    "\n"
    "  --file FILE       raw requests, one per block, blocks separated by blank\n"
    "                    lines; lines starting with # are comments. Each line is\n"
    "                    sent with CR LF, the block ends with an empty line, and\n"
    "                    the text (UTF-8 in the file) is encoded in the charset\n"
    "                    its Charset line names (Shift_JIS without one).\n"
    "  --module PATH     the module to load (default: Tesmir.dll beside the probe)\n"
    "  --virtual FILE    play FILE through the virtual controller (test dinput8.dll\n"
    "                    beside the module; under wine also WINEDLLOVERRIDES=dinput8=n,b)\n"
    "\n"
    "Example:\n"
    "  tesmir-probe request create 1234 -- config margin 300 -- --command \"GET Version\"\n"
    "\n"
    "Exit status: 0 when every response was 2xx, 1 otherwise, 2 usage error,\n"
    "3 the module could not be loaded.\n";

const char kWatchHelp[] =
    "Usage: tesmir-probe watch [--module PATH] [--margin N] [--buttonnum N]\n"
    "                          [--duration SECONDS] [--virtual TIMELINE] [--raw]\n"
    "\n"
    "Loads the module, creates a window, sends create with its handle, the given\n"
    "config settings and start, then shows every OnTesmirState notification:\n"
    "axes X Y Z Rx Ry Rz (-1000..1000, 0 inside the dead zone), the hat as a\n"
    "direction (N, NE, ... or centred) and the buttons that are pressed (just\n"
    "now), held, or released (just now); buttons count from 0 (button i is\n"
    "Reference(7+i)). In a console the view updates in place; into a pipe or a\n"
    "file one line is written per change. Stops on Ctrl+C or after --duration,\n"
    "then sends stop and unloads the module.\n"
    "\n"
    "  --margin N        config margin N (dead zone, 0..1000, module default 200)\n"
    "  --buttonnum N     config buttonnum N (buttons reported, 0..128, default 32)\n"
    "  --duration S      stop after S seconds (e.g. 2 or 1.5)\n"
    "  --raw             print the notification text itself (line ends shown)\n"
    "  --module PATH     the module to load (default: Tesmir.dll beside the probe)\n"
    "  --virtual FILE    play FILE through the virtual controller (test dinput8.dll\n"
    "                    beside the module; under wine also WINEDLLOVERRIDES=dinput8=n,b)\n"
    "\n"
    "Exit status: 0 after a clean stop, 1 when the module refused a command or\n"
    "sent no notification, 2 usage error, 3 the module could not be loaded.\n";

}  // namespace

std::string HelpText(Subcommand subcommand) {
  switch (subcommand) {
    case Subcommand::kRequest: return kRequestHelp;
    case Subcommand::kWatch: return kWatchHelp;
    case Subcommand::kNone: break;
  }
  return kProgramHelp;
}
