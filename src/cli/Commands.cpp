// The commands of tarvikctl over the core: data files, the device link and the simulated mouse.
#include "cli/Commands.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <ostream>
#include <string_view>

#include "base/SafeFile.h"
#include "cli/CommandTable.h"
#include "cli/CompletionWords.h"
#include "cli/ConsoleSink.h"
#include "cli/Emulate.h"
#include "cli/RecordReport.h"
#include "cli/SetCommand.h"
#include "device/Commands.h"
#include "device/Discovery.h"
#include "device/EventListener.h"
#include "device/Handshake.h"
#include "device/Sequences.h"
#include "macros/MacroSlot.h"
#include "macros/MacroStore.h"
#include "session/DeviceStack.h"
#include "session/PressSocket.h"
#include "session/RecordDocument.h"
#include "session/SignalFd.h"
#include "settings/ConfigFile.h"
#include "settings/DataLocation.h"
#include "settings/InterfaceSettings.h"
#include "ui/Language.h"
#include "ui/TextCatalogue.h"

namespace tarvik::cli {

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
    ConfigLoad loadRecord() {
        ensureConfigFile(paths, findFactoryConfig(exe));
        return LoadConfig(file, record, sink);
    }

    // Loads the record a command is going to write, holding the data-folder lock from here to
    // the command's end so another save of these files waits for this load and save. A file
    // that cannot be loaded stops the command with one message saying why, before anything
    // reaches the mouse or the disk.
    bool loadRecordToWrite() {
        ensureConfigFile(paths, findFactoryConfig(exe));
        writeLock.emplace(paths.configBin);
        const ConfigLoad load = ReadConfigFile(file, record);
        if (!load.loaded())
            err << "tarvikctl: cannot load " << paths.configBin.string() << ": " << load.reason()
                << "; nothing was changed\n";
        return load.loaded();
    }

    // Saves "config.bin"; false with the reason told when it could not be written.
    bool saveRecord() {
        const std::error_code error = SaveConfig(file, record, sink);
        if (error) err << "tarvikctl: could not save " << paths.configBin.string() << ": " << error.message() << '\n';
        return !error;
    }

    // Builds the device link and runs discovery and the handshake; true when the mouse
    // answered the scrambled handshake. Notices of the search are shown unless `quiet`.
    // A wire log that cannot be written stops here, said once (see noMouse).
    bool connect(bool quiet = false) {
        stack.emplace(options.simulateSensor);
        if (seams && seams->simulator && stack->simulated()) seams->simulator(*stack->simulated());
        std::string error;
        if (options.wireLog && !stack->logWireTo(*options.wireLog, &error)) {
            err << "tarvikctl: " << error << '\n';
            wireLogFailed = true;
            return false;
        }
        stack->watch(link);
        sink.setQuiet(quiet);
        scan = ScanForMouse(link, stack->backend(), sink);
        if (scan == MouseScan::Opened) {
            Handshake(link, stack->clock(), sink);
        } else {
            sink.notice(noticeNumber(NoticeCode::MouseNotFound), 0);
            link.connected = 0;
        }
        sink.setQuiet(false);
        return link.connected.load() == 1;
    }

    DeviceContext context() { return {link, stack->clock(), sink, image}; }

    // The captions saved with the record: the defaults on a first run, as the Basic page
    // resets them, else those of "str.ini".
    Captions savedCaptions() const {
        return file.firstRunFlag == 0 ? defaultCaptions(catalogue)
                                      : LoadInterfaceSettings(paths.strIni, catalogue.captionSection()).captions;
    }

    // One line that says why there is no connection and what to do, and its exit code; a wire
    // log that could not be written was said already by connect() and is a usage error.
    int noMouse() {
        if (wireLogFailed) return kExitUsage;
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
    const CommandSeams* seams = nullptr;
    std::optional<DataFolderLock> writeLock;
    MouseScan scan = MouseScan::Absent;
    bool wireLogFailed = false;
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

// Writes the loaded record to the connected, synchronised mouse and saves it with `captions`.
int applyLoaded(Tool& tool, const Captions& captions) {
    auto ctx = tool.context();
    bool configSaved = false;
    std::error_code captionsError;
    const ApplyOutcome outcome = ApplySettings(ctx, tool.record, [&] {
        configSaved = tool.saveRecord();
        captionsError = SaveCaptions(tool.paths.strIni, tool.catalogue.captionSection(), captions);
    });
    if (outcome.mouseStopped) {
        tool.err << "tarvikctl: " << outcome.describe() << '\n';
    } else {
        tool.out << "applied " << tool.paths.configBin.string() << " to the mouse (sensor type "
                 << int(tool.image.sensorTypeInUse) << ")\n"
                 << "  report rate code " << int(tool.record.reportRateCode) << ", DPI codes "
                 << hex(tool.image.dpiCodes) << ", lighting " << hex(tool.image.lightEffect) << '\n';
    }
    if (captionsError)
        tool.err << "tarvikctl: could not save the captions in " << tool.paths.strIni.string() << ": "
                 << captionsError.message() << '\n';
    const bool saved = configSaved && !captionsError;
    if (saved)
        tool.out << "  saved " << tool.paths.configBin.string() << " and the captions in " << tool.paths.strIni.string()
                 << '\n';
    return saved && !outcome.mouseStopped ? kExitOk : kExitFailed;
}

int apply(Tool& tool) {
    if (!tool.loadRecordToWrite()) return kExitFailed;
    if (!tool.connect()) return tool.noMouse();
    auto ctx = tool.context();
    SyncSensorSettings(ctx);
    return applyLoaded(tool, tool.savedCaptions());
}

// Connects for set and default; false when the command must stop: no mouse for --apply, or
// a wire log that cannot be written. Without --apply a missing mouse leaves sensor type 0.
bool reachMouse(Tool& tool, bool toMouse) {
    if (tool.connect(/*quiet=*/!toMouse)) {
        auto ctx = tool.context();
        toMouse ? SyncSensorSettings(ctx) : readSensorSettings(ctx);
        return true;
    }
    if (toMouse || tool.wireLogFailed) return false;
    tool.err << "tarvikctl: no mouse answered; DPI values are those of sensor type 0\n";
    return true;
}

// set and default: the mouse is asked for its sensor type when DPI values are named, and is
// needed with --apply; a refused setting changes neither file and sends no setting. Words
// that need no sensor type are checked before the mouse is looked for.
int edit(Tool& tool, SetResult (*run)(std::span<const std::string>, SetTarget&)) {
    std::vector<std::string> words = tool.options.words;
    const bool toMouse = takeApplyFlag(words);
    if (!tool.loadRecordToWrite()) return kExitFailed;
    const bool needsSensor = run == runSet && needsSensorType(words);
    Captions captions = tool.savedCaptions();
    SetTarget target{tool.record, captions, tool.catalogue, 0, tool.paths.recordIni};
    SetResult result = needsSensor ? SetResult{} : run(words, target);
    if (needsSensor || result.done) {
        if ((toMouse || needsSensor) && !reachMouse(tool, toMouse)) return tool.noMouse();
        target.sensorType = tool.image.sensorSettings[0];
        if (needsSensor) result = run(words, target);
    }
    if (!result.done) {
        tool.err << "tarvikctl: " << result.message << "; nothing was changed\n";
        return kExitUsage;
    }
    tool.out << result.message << '\n';
    if (toMouse) return applyLoaded(tool, captions);
    if (!tool.saveRecord()) return kExitFailed;
    if (const std::error_code error = SaveCaptions(tool.paths.strIni, tool.catalogue.captionSection(), captions)) {
        tool.err << "tarvikctl: could not save the captions in " << tool.paths.strIni.string() << ": "
                 << error.message() << '\n';
        return kExitFailed;
    }
    tool.out << "  saved " << tool.paths.configBin.string() << " and the captions in " << tool.paths.strIni.string()
             << '\n';
    return kExitOk;
}

int set(Tool& tool) { return edit(tool, runSet); }
int restoreDefault(Tool& tool) { return edit(tool, runDefault); }

int listen(Tool& tool) {
    // Blocked before any thread starts, so only the poll below sees Ctrl+C and SIGTERM.
    const UniqueFd interrupt = blockedSignalsFd({SIGINT, SIGTERM});
    tool.loadRecord();
    const bool connected = tool.connect();
    if (tool.wireLogFailed) return tool.noMouse();
    EventListener listener(tool.link, tool.sink);
    if (connected) listener.resume();
    auto ctx = tool.context();
    const DiscoveryHooks hooks{[] {}, [&] { listener.resume(); }, [] { return false; }};

    std::unique_ptr<simulator::ControlServer> control;
    if (auto* sim = tool.stack->simulated()) {
        std::string error;
        control = listenForPresses(*sim, &error);
        if (!control) tool.err << "tarvikctl: " << error << '\n';
    }
    tool.err << "listening for the mouse's notices; Ctrl+C ends\n";
    platform::DeviceMonitor* monitor = tool.stack->monitor();
    for (;;) {
        std::array<pollfd, 3> fds{{{interrupt.get(), POLLIN, 0},
                                   {monitor ? monitor->fd() : -1, POLLIN, 0},
                                   {control ? control->fd() : -1, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
        if (fds[0].revents) break;
        if (fds[1].revents)
            while (auto change = monitor->next()) OnDeviceChange(*change, tool.stack->backend(), ctx, hooks);
        if (fds[2].revents) control->serviceOne();
    }
    listener.stop();
    return kExitOk;
}

// Reads config.bin, or the factory file while the data folder has none, without creating
// either: show only looks.
int show(Tool& tool) {
    std::error_code ec;
    const bool missing = !std::filesystem::exists(std::filesystem::symlink_status(tool.paths.configBin, ec));
    const std::filesystem::path factory = missing ? findFactoryConfig(tool.exe) : std::filesystem::path();
    const std::filesystem::path& source = missing ? factory : tool.paths.configBin;
    if (missing && factory.empty()) {
        tool.err << "tarvikctl: there is no " << tool.paths.configBin.string()
                 << " yet and no factory config.bin is installed to show instead\n";
        return kExitFailed;
    }
    tool.file.path = source;
    if (const ConfigLoad load = ReadConfigFile(tool.file, tool.record); !load.loaded()) {
        tool.err << "tarvikctl: cannot read " << source.string() << ": " << load.reason() << '\n';
        return kExitFailed;
    }
    std::uint8_t sensorType = 0;
    if (tool.connect(/*quiet=*/true)) {
        auto ctx = tool.context();
        readSensorSettings(ctx);
        sensorType = tool.image.sensorSettings[0];
    } else if (tool.wireLogFailed) {
        return tool.noMouse();
    }
    tool.out << tool.paths.configBin.string()
             << (missing ? " (not made yet: the factory settings of " + factory.string() + ")" : std::string()) << '\n'
             << recordReport(tool.record, sensorType, tool.catalogue);
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
    if (!tool.loadRecordToWrite()) return kExitFailed;
    std::vector<std::string> cutMacros;
    if (const std::error_code error = CompileMacroSlots(tool.paths.recordIni, tool.record, &cutMacros)) {
        tool.err << "tarvikctl: cannot read " << tool.paths.recordIni.string() << ": " << error.message()
                 << "; nothing was changed\n";
        return kExitFailed;
    }
    for (const auto& name : cutMacros)
        tool.err << "tarvikctl: macro \"" << name << "\" does not fit its slot: only its first " << kMacroRecordCount
                 << " records were compiled\n";
    if (!tool.saveRecord()) return kExitFailed;
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

// Writes config.bin (the factory file while there is none) as a JSON document: to FILE,
// replaced whole as config.bin is, or to standard output.
int exportRecord(Tool& tool) {
    std::error_code ec;
    const bool missing = !std::filesystem::exists(std::filesystem::symlink_status(tool.paths.configBin, ec));
    tool.file.path = missing ? findFactoryConfig(tool.exe) : tool.paths.configBin;
    if (const ConfigLoad load = ReadConfigFile(tool.file, tool.record); !load.loaded()) {
        tool.err << "tarvikctl: cannot read "
                 << (missing ? std::string("the factory config.bin") : tool.file.path.string()) << ": " << load.reason()
                 << '\n';
        return kExitFailed;
    }
    // The captions go with the buttons, so an import shows them as the window saved them.
    const Captions captions = missing ? defaultCaptions(tool.catalogue) : tool.savedCaptions();
    const std::string document = toDocument(tool.record, &captions);
    if (tool.options.words.empty()) return (tool.out << document, kExitOk);
    const std::filesystem::path target = tool.options.words[0];
    if (const std::error_code error = writeFileAtomically(target, document)) {
        tool.err << "tarvikctl: could not write " << target.string() << ": " << error.message() << '\n';
        return kExitFailed;
    }
    tool.out << "exported " << tool.file.path.string() << " to " << target.string() << '\n';
    return kExitOk;
}

// A document larger than this is no export of a record (one is about 13 KB).
constexpr std::uintmax_t kMaxDocumentBytes = 1 << 20;

// Checks the whole document before anything is touched; only a document every rule accepts
// replaces config.bin, saved under the data-folder lock as every command saves it.
int importRecord(Tool& tool) {
    if (tool.options.words.size() != 1) {
        tool.err << "tarvikctl: import takes the FILE to read (a document written by `tarvikctl export`)\n";
        return kExitUsage;
    }
    const std::filesystem::path source = tool.options.words[0];
    const auto refuse = [&](const std::string& why) {
        tool.err << "tarvikctl: " << source.string() << ": " << why << "; " << tool.paths.configBin.string()
                 << " was not changed\n";
        return kExitUsage;
    };
    std::string text;
    std::uintmax_t size = 0;
    if (const std::error_code error = readWholeFile(source, text, kMaxDocumentBytes, &size))
        return refuse("cannot read it: " + error.message());
    if (size > kMaxDocumentBytes)
        return refuse("it is " + std::to_string(size) + " bytes long, far more than a record's document");
    DocumentError problem;
    std::optional<Captions> captions;
    const std::optional<ConfigRecord> record = fromDocument(text, &problem, &captions);
    if (!record) return refuse((problem.path.empty() ? "" : problem.path + ": ") + problem.reason);
    // The whole record is replaced, so a config.bin that cannot be loaded does not stop the
    // import: the save keeps its old bytes beside it and says where.
    ensureConfigFile(tool.paths, findFactoryConfig(tool.exe));
    tool.writeLock.emplace(tool.paths.configBin);
    ReadConfigFile(tool.file, tool.record);
    tool.record = *record;
    if (!tool.saveRecord()) return kExitFailed;
    tool.out << "imported " << source.string() << " into " << tool.paths.configBin.string() << '\n';
    if (!captions) return kExitOk;
    if (const std::error_code error = SaveCaptions(tool.paths.strIni, tool.catalogue.captionSection(), *captions)) {
        tool.err << "tarvikctl: could not save the captions in " << tool.paths.strIni.string() << ": "
                 << error.message() << '\n';
        return kExitFailed;
    }
    tool.out << "  and the captions in " << tool.paths.strIni.string() << '\n';
    return kExitOk;
}

// The values each kind of press takes, as the mouse sends them: bit n set when n is one.
struct PressValues {
    std::string_view kind;
    std::string_view text;
    std::uint16_t allowed;
};

constexpr std::uint16_t valueBits(std::initializer_list<int> values) {
    std::uint16_t bits = 0;
    for (int v : values) bits = static_cast<std::uint16_t>(bits | (1u << v));
    return bits;
}

constexpr std::array<PressValues, 4> kPressValues{{
    {"dpi", "1-4", valueBits({1, 2, 3, 4})},
    {"rate", "1|2|4|8", valueBits({1, 2, 4, 8})},
    {"matrix", "1|2", valueBits({1, 2})},
    {"macro", "1-12", valueBits({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})},
}};

int press(Tool& tool) {
    const auto& words = tool.options.words;
    const auto row =
        words.size() == 2 ? std::ranges::find(kPressValues, words[0], &PressValues::kind) : kPressValues.end();
    if (row == kPressValues.end()) {
        tool.err << "tarvikctl: press takes a kind and a value: dpi 1-4, rate 1|2|4|8, matrix 1|2 or macro 1-12\n";
        return kExitUsage;
    }
    int value = -1;
    const auto [end, ec] = std::from_chars(words[1].data(), words[1].data() + words[1].size(), value);
    if (ec != std::errc() || end != words[1].data() + words[1].size() || value < 0 || value > 15 ||
        (row->allowed & (1u << value)) == 0) {
        tool.err << "tarvikctl: " << row->kind << " takes " << row->text << '\n';
        return kExitUsage;
    }
    std::string error;
    if (!simulator::sendPress(words[0], value, &error)) {
        tool.err << "tarvikctl: " << error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

// The hidden `complete WHAT` the shell completions call: one word per line of a fixed list,
// or of the macro names of record.ini, which only the user's files know.
int complete(Tool& tool) {
    const auto& words = tool.options.words;
    const std::string_view what = words.empty() ? std::string_view() : std::string_view(words.front());
    if (what == "macros") {
        for (const auto& macro : listMacros(tool.paths.recordIni)) tool.out << macro.name << '\n';
        return kExitOk;
    }
    for (const auto& list : wordLists()) {
        if (list.name != what) continue;
        for (const auto& word : list.words) tool.out << word << '\n';
        return kExitOk;
    }
    tool.err << "tarvikctl: complete takes macros or one of the word lists:";
    for (const auto& list : wordLists()) tool.err << ' ' << list.name;
    tool.err << '\n';
    return kExitUsage;
}

struct CommandRow {
    std::string_view name;
    int (*run)(Tool&);
    std::size_t maxWords = 0;  // words the command takes after its name
};

int emulateCommand(Tool& tool) { return emulate(tool.options, tool.out, tool.err); }

const std::array<CommandRow, 14> kCommands{{
    {"status", status},
    {"apply", apply},
    {"listen", listen},
    {"show", show},
    {"macros", macros},
    {"compile", compile},
    {"captions", captions},
    {"press", press, 2},
    {"emulate", emulateCommand, 4},
    {"set", set, 32},
    {"default", restoreDefault, 2},
    {"export", exportRecord, 1},
    {"import", importRecord, 1},
    {"complete", complete, 1},
}};

}  // namespace

int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err, const CommandSeams& seams) {
    if (options.command.empty() || options.command == "help") {
        // "help --help" asks about help itself.
        const std::string_view topic = !options.words.empty() ? std::string_view(options.words.front())
                                       : options.command == "help" && options.help ? "help"
                                                                                   : "";
        if (const std::string help = commandHelp(topic); !help.empty()) return (out << help, kExitOk);
        out << usageText();
        return options.command.empty() && !options.help ? kExitUsage : kExitOk;
    }
    if (const std::string help = commandHelp(options.command); options.help && !help.empty())
        return (out << help, kExitOk);
    for (const auto& row : kCommands) {
        if (row.name != options.command) continue;
        if (options.words.size() > row.maxWords) {
            err << "tarvikctl: " << row.name << " takes "
                << (row.maxWords == 0 ? std::string("no arguments") : std::to_string(row.maxWords) + " arguments")
                << "; '" << options.words[row.maxWords] << "' is one too many\n";
            return kExitUsage;
        }
        Tool tool(options, out, err);
        tool.seams = &seams;
        return row.run(tool);
    }
    err << "tarvikctl: unknown command '" << options.command << "'\n\n" << usageText();
    return kExitUsage;
}

}  // namespace tarvik::cli
