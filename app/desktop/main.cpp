// The desktop program's entry: chooses the language, starts Qt, puts the system's MIDI
// output behind the mapper and runs the application object.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Canzet.h"
#include "app/KeyboardRelay.h"
#include "app/Language.h"
#include "app/desktop/CommandLine.h"
#include "app/desktop/DisplayCheck.h"
#include "app/desktop/LocaleLanguage.h"
#include "app/desktop/ProgramVersion.h"
#include "app/desktop/ProgressExport.h"
#include "app/desktop/SoundLineWords.h"
#include "input/midi/alsa/AlsaMidiIn.h"
#include "input/midi/jack/JackMidiIn.h"
#include "midi/MidiMapper.h"
#include "midi/system/MidiDevices.h"
#include "platform/CWinApp.h"
#include "platform/Resources.h"
#include "platform/qt/QtBackend.h"
#include "res/EmbeddedResources.h"
#include "staff/StaffControl.h"

namespace {
struct StartupMessage {
    QtMsgType type;
    QString text;
};
std::vector<StartupMessage> g_startupMessages;
DisplayChoice g_displayChoice;

// Qt explains a display it cannot open over several lines and then aborts. Hold its
// messages back while it starts: on that failure say so briefly and leave with status 1,
// without a core dump; otherwise pass them on once it has started.
void HoldStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string lastLine = text.trimmed().section(u'\n', -1).toStdString();
        std::fprintf(stderr, "%s\n", CannotOpenDisplayMessage(g_displayChoice, lastLine).c_str());
        std::_Exit(1);
    }
    g_startupMessages.push_back({type, text});
}

void PassOnStartupMessages() {
    for (const StartupMessage& message : g_startupMessages) {
        qt_message_output(message.type, QMessageLogContext(), message.text);
    }
    g_startupMessages.clear();
}

// Qt's own texts (a message box's button) in Chinese, from the system's Qt translations;
// English needs none. Without the translation file they stay English.
void InstallToolkitTranslation(Language language, QTranslator& translator) {
    if (language == Language::Chinese &&
        translator.load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before the toolkit starts, so that --help and a bad option
    // answer with or without a display, in the language the line or the locale asks for.
    const std::vector<std::string> args(argv, argv + argc);
    const Language language =
        LanguageOnCommandLine(args).value_or(LanguageOfLocale(EnvironmentLocale()));
    SetResourceBytes(EmbeddedResourceBytes());
    UseLanguage(language);
    const CommandLine commandLine = ParseCommandLine(args);
    // Nothing but this thread runs yet: the libraries read the environment on theirs.
    PrepareSoundEnvironment(commandLine.sound);
    switch (commandLine.action) {
        case CommandLine::Action::Help:
            std::fputs(HelpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("canzet %s\n", ProgramVersion().c_str());
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "%s\n", commandLine.error.c_str());
            return 2;
        case CommandLine::Action::ExportProgress:
            return ExportProgress(commandLine.progressFile, commandLine.exportFile);
        case CommandLine::Action::ExportDays:
            return ExportDays(commandLine.progressFile, commandLine.exportFile);
        case CommandLine::Action::Run:
            break;
    }
    // The toolkit is given only its own options; it keeps pointers into these strings.
    std::vector<std::string> toolkitArguments = commandLine.toolkitArguments;
    std::vector<char*> toolkitArgv;
    for (std::string& argument : toolkitArguments) {
        toolkitArgv.push_back(argument.data());
    }
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = static_cast<int>(toolkitArguments.size());

    g_displayChoice = {std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                       std::getenv("QT_QPA_PLATFORM"), commandLine.toolkitArguments};
    if (!HasDisplay(g_displayChoice)) {
        std::fprintf(stderr, "%s\n", kNoDisplayMessage);
        return 1;
    }

    // The screen's own ratio, fractions too: the staff paints its finer pictures from 1.5
    // on and Qt smooths what is between.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const QtMessageHandler qtHandler = qInstallMessageHandler(HoldStartupMessage);
    QApplication application(toolkitArgc, toolkitArgv.data());
    qInstallMessageHandler(qtHandler);
    PassOnStartupMessages();
    // Qt has taken the user's locale for the whole process; the system's reasons in the
    // sound line (strerror, the sound server's) stay English, the words they are matched
    // against and the only ones certain to be there.
    std::setlocale(LC_MESSAGES, "C");

    QTranslator toolkitTranslation;
    InstallToolkitTranslation(language, toolkitTranslation);

    QtBackend backend(kProgramName, CloseItemText(language));
    SetCurrentBackend(&backend);
    // One line on where the notes go, now and whenever that changes, in the program's language.
    SoundSettings sound = commandLine.sound;
    sound.words = SoundLineWords();
    const std::unique_ptr<MidiDevice> midi = CreateSystemMidiDevice(
        sound, [](const std::string& line) { std::fprintf(stderr, "canzet: %s\n", line.c_str()); });
    SetMidiMapperDevice(midi.get());

    // A chosen instrument may sustain, so its notes are ended rather than left to ring.
    CStaffControl::SetNotesEnd(commandLine.sound.instrument != 0);
    theApp.m_staffSetup = commandLine.staff;
    theApp.m_practiceSetup = commandLine.practice;
    theApp.m_practiceSetup.progressFile = commandLine.progressFile;

    // MIDI keyboards, through the ALSA sequencer and a JACK server where either is there;
    // each one that comes or goes is told in a line of its own.
    if (commandLine.midiEcho) {
        PlayedKeys().NameEcho(*commandLine.midiEcho);
    }
    PlayedKeys().SetTell(
        [](const std::string& line) { std::fprintf(stderr, "canzet: %s\n", line.c_str()); });
    CKeyboardRelay keyboardRelay(PlayedKeys());
    input::midi::AlsaMidiIn alsaKeyboards(keyboardRelay);
    alsaKeyboards.Open();
    input::midi::JackMidiIn jackKeyboards(keyboardRelay);
    jackKeyboards.Open();

    const int exitCode = AfxWinMain();

    jackKeyboards.Close();
    alsaKeyboards.Close();

    SetMidiMapperDevice(nullptr);
    SetCurrentBackend(nullptr);
    return exitCode;
}
