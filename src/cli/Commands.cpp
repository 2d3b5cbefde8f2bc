// The commands of tarvikctl over the core: data files, the device link and the simulated mouse.
#include "cli/Commands.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <string_view>

#include "app/DeviceStack.h"
#include "cli/ConsoleSink.h"
#include "cli/Emulate.h"
#include "cli/RecordReport.h"
#include "device/Commands.h"
#include "device/Discovery.h"
#include "device/EventListener.h"
#include "device/Handshake.h"
#include "device/Sequences.h"
#include "macros/MacroSlot.h"
#include "macros/MacroStore.h"
#include "settings/ConfigFile.h"
#include "settings/DataLocation.h"
#include "settings/InterfaceSettings.h"
#include "simulator/ControlSocket.h"
#include "ui/Language.h"
#include "ui/TextCatalogue.h"

namespace tarvik::cli {

const char* const kUsage =
    "usage: tarvikctl [--simulate[=SENSOR]] [--data-dir DIR] [--wire-log FILE] COMMAND [ARGS]\n"
    "commands:\n"
    "  status    find the mouse and print its connection, scrambling, sensor type and report lengths\n"
    "  apply     write config.bin to the mouse as OK does (desktop pointer settings untouched)\n"
    "  listen    print each notice of the mouse until interrupted (Ctrl+C)\n"
    "  show      print config.bin: buttons of both modes, DPI stages, report rate, lighting, macros\n"
    "  macros    list the macros of record.ini with their line counts\n"
    "  compile   compile record.ini into the macro slots of config.bin, save it, print the slots\n"
    "  captions  print the 24 button captions of the interface language from str.ini\n"
    "  press KIND VALUE   make a running `tarvik --simulate` send an event: dpi N, rate CODE,\n"
    "                     matrix N or macro N\n"
    "  emulate   create the mouse as kernel HID devices through /dev/uhid (root; see emulate --help)\n"
    "options:\n"
    "  --simulate[=SENSOR]  use the built-in simulated mouse (sensor type 0-3, default 0)\n"
    "  --data-dir DIR       keep config.bin, str.ini and record.ini in DIR\n"
    "  --wire-log FILE      record every transfer and pause with the mouse in FILE\n"
    "  --help               this text; COMMAND --help for one command\n";

namespace {

// What every command may need: the data files, the language and the record, with the
// device link built only when a command talks to the mouse.
class Tool {
public:
    Tool(const CliOptions& options, std::ostream& out, std::ostream& err)
        : options(options),
          out(out),
          err(err),
          exe(currentExecutablePath()),
          paths(resolveDataPaths(options.dataDir, exe, processEnv)),
          catalogue(ApplyCatalogue(ReadLanguage(paths.strIni))),
          noticeTexts(catalogue, record, image.sensorTypeInUse),
          sink(out, err, noticeTexts) {
        file.path = paths.configBin;
    }

    // Puts the factory "config.bin" in place when the data folder has none, then loads it.
    void loadRecord() {
        ensureConfigFile(paths, findFactoryConfig(exe));
        LoadConfig(file, record, sink);
    }

    // Builds the device link and runs discovery and the handshake; true when the mouse
    // answered the scrambled handshake. Notices of the search are shown unless `quiet`.
    bool connect(bool quiet = false) {
        stack.emplace(options.simulateSensor);
        std::string error;
        if (options.wireLog && !stack->logWireTo(*options.wireLog, &error)) {
            err << "tarvikctl: " << error << '\n';
            return false;
        }
        stack->watch(link);
        sink.setQuiet(quiet);
        scan = ScanForMouse(link, stack->backend(), sink);
        if (scan == MouseScan::Opened) {
            Handshake(link, stack->clock(), sink);
        } else {
            sink.notice(kNoticeMouseNotDetected, 0);
            link.connected = 0;
        }
        sink.setQuiet(false);
        return link.connected.load() == 1;
    }

    DeviceContext context() { return {link, stack->clock(), sink, image}; }

    // One line that says why there is no connection and what to do, and its exit code.
    int noMouse() {
        switch (scan) {
        case MouseScan::NotOpenable:
            err << "tarvikctl: the mouse (04D9:A09F) is connected, but this user may not open its /dev/hidraw "
                   "node: install the udev rule \"70-tarvik.rules\", then unplug the mouse and plug it in again.\n";
            return kExitMouseNotOpenable;
        case MouseScan::Absent:
            err << "tarvikctl: no Tarvik mouse (04D9:A09F) is connected: plug it in, or try --simulate.\n";
            return kExitNoMouse;
        case MouseScan::Opened:
        case MouseScan::Failed: break;
        }
        err << "tarvikctl: the Tarvik mouse (04D9:A09F) did not answer: unplug it and plug it in again.\n";
        return kExitNoMouse;
    }

    const CliOptions& options;
    std::ostream& out;
    std::ostream& err;
    std::filesystem::path exe;
    DataPaths paths;
    TextCatalogue catalogue;
    ConfigRecord record;
    ConfigFile file;
    DeviceImage image;
    DeviceLink link;
    RecordNoticeTexts noticeTexts;
    ConsoleSink sink;
    std::optional<DeviceStack> stack;
    MouseScan scan = MouseScan::Absent;
};

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (auto b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x", b);
        text += digits;
    }
    return text;
}

int status(Tool& tool) {
    if (!tool.connect()) return tool.noMouse();
    auto ctx = tool.context();
    readSensorSettings(ctx);
    std::uint16_t eventLength = 0;
    const bool events = tool.link.eventReader(&eventLength) != nullptr;
    tool.out << "mouse:           connected" << (tool.stack->simulated() ? " (simulated)" : "") << '\n'
             << "command channel: " << (tool.link.scrambled ? "scrambled" : "plain") << '\n'
             << "sensor type:     " << int(tool.image.sensorSettings[0]) << '\n'
             << "report lengths:  feature " << tool.link.featureReportLength << ", input "
             << tool.link.commandInputLength << ", output " << tool.link.commandOutputLength << ", event "
             << (events ? std::to_string(eventLength) : std::string("(no event collection)")) << '\n';
    return kExitOk;
}

// The device sequences report no transfer errors; a mouse unplugged during them shows here
// as no longer listed (a look at the list only, nothing goes to the mouse).
bool mouseStillListed(platform::HidBackend& backend) {
    const auto paths = backend.enumerate();
    if (!paths) return false;
    for (const std::string& path : *paths)
        if (const auto id = backend.identity(path); id && id->vendor == kMouseVendor && id->product == kMouseProduct)
            return true;
    return false;
}

int apply(Tool& tool) {
    tool.loadRecord();
    if (!tool.connect()) return tool.noMouse();
    auto ctx = tool.context();
    SyncSensorSettings(ctx);
    // The captions saved with the record: the defaults on a first run, as the Basic page
    // resets them, else those of "str.ini".
    const Captions captions = tool.file.firstRunFlag == 0
                                  ? defaultCaptions(tool.catalogue)
                                  : LoadInterfaceSettings(tool.paths.strIni, tool.catalogue.captionSection()).captions;
    bool captionsSaved = false;
    ApplySettings(ctx, tool.record, [&] {
        SaveConfig(tool.file, tool.record, tool.sink);
        captionsSaved = !SaveCaptions(tool.paths.strIni, tool.catalogue.captionSection(), captions);
    });
    if (!mouseStillListed(tool.stack->backend())) {
        tool.err << "tarvikctl: the mouse went away during the apply, so it may hold only part of "
                 << tool.paths.configBin.string() << " (saved); plug it in and apply again\n";
        return kExitFailed;
    }
    tool.out << "applied " << tool.paths.configBin.string() << " to the mouse (sensor type "
             << int(tool.image.sensorTypeInUse) << ")\n"
             << "  report rate code " << int(tool.record.reportRateCode) << ", DPI codes "
             << hex(tool.image.dpiCodes) << ", lighting " << hex(tool.image.lightEffect) << '\n'
             << "  saved " << tool.paths.configBin.string()
             << (captionsSaved ? " and the captions in " + tool.paths.strIni.string() : std::string()) << '\n';
    if (!captionsSaved) tool.err << "tarvikctl: could not save the captions in " << tool.paths.strIni.string() << '\n';
    return captionsSaved ? kExitOk : kExitFailed;
}

// Blocks SIGINT and SIGTERM (in every thread started later) and returns a descriptor that
// becomes readable when one arrives, so the wait below needs no signal handler.
int interruptFd() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

int listen(Tool& tool) {
    const int interrupt = interruptFd();
    tool.loadRecord();
    const bool connected = tool.connect();
    EventListener listener(tool.link, tool.sink);
    if (connected) listener.resume();
    auto ctx = tool.context();
    const DiscoveryHooks hooks{[] {}, [&] { listener.resume(); }, [] { return false; }};

    std::optional<simulator::ControlServer> control;
    if (auto* sim = tool.stack->simulated()) {
        control.emplace([sim](int code, int value) {
            sim->emitEvent(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value));
        });
        std::string error;
        if (!control->listen(simulator::controlSocketPath(), &error)) {
            tool.err << "tarvikctl: " << error << '\n';
            control.reset();
        }
    }
    tool.err << "listening for the mouse's notices; Ctrl+C ends\n";
    platform::DeviceMonitor* monitor = tool.stack->monitor();
    for (;;) {
        std::array<pollfd, 3> fds{{{interrupt, POLLIN, 0},
                                   {monitor ? monitor->fd() : -1, POLLIN, 0},
                                   {control ? control->fd() : -1, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
        if (fds[0].revents) break;
        if (fds[1].revents)
            while (auto change = monitor->next()) OnDeviceChange(*change, tool.stack->backend(), ctx, hooks);
        if (fds[2].revents) control->serviceOne();
    }
    listener.stop();
    ::close(interrupt);
    return kExitOk;
}

int show(Tool& tool) {
    tool.loadRecord();
    std::uint8_t sensorType = 0;
    if (tool.connect(/*quiet=*/true)) {
        auto ctx = tool.context();
        readSensorSettings(ctx);
        sensorType = tool.image.sensorSettings[0];
    }
    tool.out << tool.paths.configBin.string() << '\n' << recordReport(tool.record, sensorType, tool.catalogue);
    return kExitOk;
}

int macros(Tool& tool) {
    const auto list = listMacros(tool.paths.recordIni);
    if (list.empty()) tool.out << "no macros in " << tool.paths.recordIni.string() << '\n';
    for (std::size_t i = 0; i < list.size(); ++i)
        tool.out << i + 1 << "  " << list[i].name << "  " << list[i].lineCount << " lines"
                 << (i >= kMacroSlotCount ? "  (beyond slot 12: not compiled)" : "") << '\n';
    return kExitOk;
}

int compile(Tool& tool) {
    tool.loadRecord();
    CompileMacroSlots(tool.paths.recordIni, tool.record);
    SaveConfig(tool.file, tool.record, tool.sink);
    for (int slot = 1; slot <= static_cast<int>(kMacroSlotCount); ++slot)
        tool.out << "slot " << slot << ": " << slotHex(macroSlot(tool.record, slot)) << '\n';
    return kExitOk;
}

int captions(Tool& tool) {
    const auto section = tool.catalogue.captionSection();
    const Captions loaded = LoadInterfaceSettings(tool.paths.strIni, section).captions;
    tool.out << "[" << section << "] of " << tool.paths.strIni.string() << '\n';
    for (int mode = 0; mode < 2; ++mode)
        for (std::size_t b = 0; b < kButtonCount; ++b)
            tool.out << captionKey(mode, b) << '=' << (mode == 0 ? loaded.modeA : loaded.modeB)[b] << '\n';
    return kExitOk;
}

int press(Tool& tool) {
    const auto& words = tool.options.words;
    int value = -1;
    if (words.size() == 2) {
        try {
            std::size_t used = 0;
            value = std::stoi(words[1], &used);
            if (used != words[1].size()) value = -1;
        } catch (const std::exception&) {
            value = -1;
        }
    }
    if (words.size() != 2 || !simulator::pressEventCode(words[0]) || value < 0 || value > 255) {
        tool.err << "tarvikctl: press takes a kind and a value: dpi 1-4, rate 1|2|4|8, matrix 1|2 or macro 1-12\n";
        return kExitUsage;
    }
    std::string error;
    if (!simulator::sendPress(words[0], value, &error)) {
        tool.err << "tarvikctl: " << error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

struct CommandRow {
    std::string_view name;
    int (*run)(Tool&);
    std::string_view help;
};

int emulateCommand(Tool& tool) { return emulate(tool.options, tool.out, tool.err); }

const std::array<CommandRow, 9> kCommands{{
    {"status", status, "tarvikctl status: find the mouse, run the handshake and print the connection, the\n"
                       "scrambling, the sensor type and the report lengths. Exit code 3 when no mouse answers,\n"
                       "4 when the mouse is connected but this user may not open it.\n"},
    {"apply", apply, "tarvikctl apply: load config.bin, synchronise the sensor settings and write the whole\n"
                     "configuration to the mouse as OK does, then save config.bin and the captions. The desktop's\n"
                     "pointer settings are not touched.\n"},
    {"listen", listen, "tarvikctl listen: print each notice of the mouse (DPI stage, report rate, key matrix,\n"
                       "macro switched on the mouse; mouse found or lost) as its English text until Ctrl+C.\n"
                       "With --simulate, `tarvikctl press` from another terminal makes the mouse send events.\n"},
    {"show", show, "tarvikctl show: print config.bin in readable form: the buttons of both key modes, the DPI\n"
                   "stages, the report rate, the lighting and the macro slots, in the interface language.\n"},
    {"macros", macros, "tarvikctl macros: list the macros of record.ini in store order with their line counts.\n"},
    {"compile", compile, "tarvikctl compile: compile record.ini into the macro slots of config.bin, save it and\n"
                         "print each slot's 128 bytes in hex.\n"},
    {"captions", captions, "tarvikctl captions: print the 24 button captions of the interface language (str.ini).\n"},
    {"press", press, "tarvikctl press KIND VALUE: make a running `tarvik --simulate` (or `tarvikctl --simulate\n"
                     "listen`) send an event report: dpi 1-4, rate 1|2|4|8, matrix 1|2, macro 1-12.\n"},
    {"emulate", emulateCommand, kEmulateHelp},
}};

}  // namespace

int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    if (options.command.empty() || options.command == "help") {
        const std::string_view topic = options.words.empty() ? "" : std::string_view(options.words.front());
        for (const auto& row : kCommands)
            if (row.name == topic) return (out << row.help, kExitOk);
        out << kUsage;
        return options.command.empty() && !options.help ? kExitUsage : kExitOk;
    }
    for (const auto& row : kCommands) {
        if (row.name != options.command) continue;
        if (options.help) return (out << row.help, kExitOk);
        Tool tool(options, out, err);
        return row.run(tool);
    }
    err << "tarvikctl: unknown command '" << options.command << "'\n\n" << kUsage;
    return kExitUsage;
}

}  // namespace tarvik::cli
