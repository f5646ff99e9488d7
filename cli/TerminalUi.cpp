#include "cli/TerminalUi.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace vd::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

/// The first Ctrl-C asks the running operation to stop at its next step (so the radio is
/// left through the cancel path); a second one ends the program at once.
void OnInterrupt(int) {
    interrupted = 1;
    std::signal(SIGINT, SIG_DFL);
}

/// Reads a line from the controlling terminal, optionally without echo; false when there is
/// no terminal.
bool ReadFromTerminal(const std::string& prompt, bool echo, std::string& line) {
    const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    termios saved{};
    const bool isTerminal = ::tcgetattr(fd, &saved) == 0;
    if (!isTerminal) {
        ::close(fd);
        return false;
    }
    if (::write(fd, prompt.data(), prompt.size()) < 0) {
        ::close(fd);
        return false;
    }
    if (!echo) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    line.clear();
    char c = 0;
    bool gotLine = false;
    while (::read(fd, &c, 1) == 1) {
        if (c == '\n' || c == '\r') {
            gotLine = true;
            break;
        }
        line += c;
    }
    if (!echo) {
        ::tcsetattr(fd, TCSAFLUSH, &saved);
        [[maybe_unused]] ssize_t ignored = ::write(fd, "\n", 1);
    }
    ::close(fd);
    return gotLine && interrupted == 0;
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
    std::signal(SIGINT, OnInterrupt);
}

TerminalUi::~TerminalUi() {
    std::signal(SIGINT, SIG_DFL);
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
    if (ReadFromTerminal(prompt + ": ", false, text)) {
        return true;
    }
    refusal_ = "the radio asks for a password: give it with --password";
    return false;
}

bool TerminalUi::AskYesNo(const std::string& question) {
    if (assumeYes) {
        return true;
    }
    std::string answer;
    if (!ReadFromTerminal(question + " [y/N] ", true, answer)) {
        refusal_ = "not confirmed: there is no terminal to ask \"" + question +
                   "\"; give --yes to confirm";
        return false;
    }
    return answer == "y" || answer == "Y" || answer == "yes";
}

void TerminalUi::ShowMessage(const std::string& text, MessageStyle) {
    std::cerr << text << '\n';
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
    if (!quiet && stderrIsTerminal_) {
        return std::make_unique<TerminalBar>();
    }
    return std::make_unique<SilentProgress>();
}

void TerminalUi::BackupSaved(const std::string& path) {
    std::cerr << "backup: " << path << '\n';
}

void TerminalUi::AppendOutputLine(const std::string& line) {
    if (!quiet && !stderrIsTerminal_) {
        std::cerr << line << '\n';
    }
}

} // namespace vd::cli
