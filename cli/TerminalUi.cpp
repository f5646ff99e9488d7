#include "cli/TerminalUi.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <sstream>
#include <termios.h>
#include <unistd.h>

namespace vd::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

/// The signals that stop an operation: Ctrl-C, kill and a closed terminal.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

/// The first stop signal asks the running operation to stop at its next step (so the radio
/// is left through the cancel path) and breaks off a question at once; a second one ends the
/// program (the handler resets itself).
void OnInterrupt(int) {
    interrupted = 1;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND; // no SA_RESTART: a read of the terminal returns at once
    for (int signal : kStopSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

/// How a question on the terminal ended.
enum class TerminalAnswer { Line, EndOfInput, Interrupted, NoTerminal };

/// Reads a line from the controlling terminal, optionally without echo; the terminal's
/// settings are restored however the read ends.
TerminalAnswer ReadFromTerminal(const std::string& prompt, bool echo, std::string& line) {
    const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return TerminalAnswer::NoTerminal;
    }
    termios saved{};
    const bool isTerminal = ::tcgetattr(fd, &saved) == 0;
    if (!isTerminal) {
        ::close(fd);
        return TerminalAnswer::NoTerminal;
    }
    if (::write(fd, prompt.data(), prompt.size()) < 0) {
        ::close(fd);
        return TerminalAnswer::NoTerminal;
    }
    if (!echo) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    line.clear();
    char c = 0;
    TerminalAnswer answer = TerminalAnswer::EndOfInput;
    while (interrupted == 0) {
        const ssize_t got = ::read(fd, &c, 1);
        if (got != 1) {
            break; // end of input (Ctrl-D), or a signal broke the read off
        }
        if (c == '\n' || c == '\r') {
            answer = TerminalAnswer::Line;
            break;
        }
        line += c;
    }
    if (interrupted != 0) {
        answer = TerminalAnswer::Interrupted;
    }
    if (!echo) {
        ::tcsetattr(fd, TCSAFLUSH, &saved);
    }
    if (!echo || answer != TerminalAnswer::Line) {
        [[maybe_unused]] ssize_t ignored = ::write(fd, "\n", 1);
    }
    ::close(fd);
    return answer;
}

/// A bar on a terminal: "[#####     ]  42% text", redrawn in place.
class TerminalBar : public IProgressDisplay {
public:
    ~TerminalBar() override {
        if (drawn_) {
            std::cerr << '\n';
        }
    }
    bool Show(const std::string& text, bool) override {
        std::cerr << '\r' << text << "\033[K" << std::flush;
        drawn_ = true;
        return interrupted != 0;
    }

private:
    bool drawn_ = false;
};

/// No bar: the output lines carry the progress, or nothing is shown.
class SilentProgress : public IProgressDisplay {
public:
    bool Show(const std::string&, bool) override { return interrupted != 0; }
};

} // namespace

TerminalUi::TerminalUi() : stderrIsTerminal_(::isatty(STDERR_FILENO) == 1) {
    interrupted = 0;
    InstallStopHandlers();
}

TerminalUi::~TerminalUi() {
    for (int signal : kStopSignals) {
        std::signal(signal, SIG_DFL);
    }
}

bool TerminalUi::ChooseDevice(int, const std::string& presetModel, DeviceChoice& choice) {
    choice.model = presetModel.empty() ? model : presetModel;
    choice.port = port;
    return !choice.model.empty();
}

bool TerminalUi::AskText(const std::string&, const std::string& prompt, std::string& text) {
    // the same password opens every session of one command (a write reads the radio first)
    if (password) {
        text = *password;
        return true;
    }
    switch (ReadFromTerminal(prompt + ": ", false, text)) {
    case TerminalAnswer::Line:
        return true;
    case TerminalAnswer::EndOfInput:
    case TerminalAnswer::Interrupted:
        return false; // cancelled by the person
    case TerminalAnswer::NoTerminal:
        break;
    }
    refusal_ = "the radio asks for a password: give it with --password";
    return false;
}

bool TerminalUi::AskYesNo(const std::string& question) {
    if (assumeYes) {
        return true;
    }
    std::string answer;
    switch (ReadFromTerminal(question + " [y/N] ", true, answer)) {
    case TerminalAnswer::Line:
        return answer == "y" || answer == "Y" || answer == "yes";
    case TerminalAnswer::EndOfInput: // Ctrl-D: no
    case TerminalAnswer::Interrupted:
        return false;
    case TerminalAnswer::NoTerminal:
        break;
    }
    refusal_ =
        "not confirmed: there is no terminal to ask \"" + question + "\"; give --yes to confirm";
    return false;
}

void TerminalUi::ShowMessage(const std::string& text, MessageStyle style) {
    // a result of several lines ("Host read all data", "Data read completed") reads as one
    std::string line;
    std::istringstream lines(text);
    for (std::string part; std::getline(lines, part);) {
        const size_t first = part.find_first_not_of(" \t\r");
        const size_t last = part.find_last_not_of(" \t\r");
        if (first != std::string::npos) {
            line += (line.empty() ? "" : ": ") + part.substr(first, last - first + 1);
        }
    }
    if (hideSuccess && style == MessageStyle::Information) {
        held_ = line;
        return;
    }
    std::cerr << line << '\n';
}

bool TerminalUi::ChooseOpenFile(const std::string&, const std::string&, std::string& path) {
    path = openFile;
    return !path.empty();
}

bool TerminalUi::ChooseSaveFile(const std::string&, const std::string&, std::string& path) {
    path = saveFile;
    return !path.empty();
}

bool TerminalUi::ShowPortOptions() {
    return false;
}

std::unique_ptr<IProgressDisplay> TerminalUi::CreateProgressDisplay() {
    if (!quiet && showProgress && stderrIsTerminal_) {
        return std::make_unique<TerminalBar>();
    }
    return std::make_unique<SilentProgress>();
}

void TerminalUi::BackupSaved(const std::string& path) {
    std::cerr << "backup: " << path << '\n';
}

void TerminalUi::AppendOutputLine(const std::string& line) {
    if (!quiet && showProgress && !stderrIsTerminal_) {
        std::cerr << line << '\n';
    }
}

} // namespace vd::cli
