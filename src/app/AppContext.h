#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <string>

#include "app/FileDialogs.h"
#include "link/ComPorts.h"

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {
class LocalClock;
class Pacer;
class PortDirectory;
class SerialLibrary;
}  // namespace velnar::link

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::app {

// The operator's port map where it is kept, and a way to try a port: open
// it by its device or address and close it again, empty when it opened,
// else why not. Without them the window offers no port map.
struct PortMapAccess {
    std::function<link::PortMapEntries()> read;
    std::function<void(const link::PortMapEntries&)> write;
    std::function<std::string(const std::string& device)> tryPort;
};

// Everything the editor's windows take from the world. main() wires the real
// ones; tests wire a recording serial line, a virtual clock, a fixed local
// time, a table of their own, a runner that records dialogs, a port list of
// their own, file dialogs that answer with their own paths and a program
// folder of their own.
struct AppContext {
    link::SerialLibrary& library;
    link::Pacer& pacer;
    const link::LocalClock& clock;
    model::MessageTable& table;
    dialogs::ModalRunner& modal;
    // The devices behind COM1 to COM9; the library opens what it names.
    link::PortDirectory& ports;
    FileDialogs& fileDialogs = PlatformFileDialogs();
    // Where the program lives: the help window reads "help.txt" from here
    // and makes it the current directory.
    QString programDirectory = QCoreApplication::applicationDirPath();
    // Where this computer keeps what each port's sign holds; empty keeps
    // nothing.
    QString stateFolder = {};
    // The settings file of what the editor remembers; empty remembers nothing.
    QString settingsFile = {};
    PortMapAccess portMap = {};
};

}  // namespace velnar::app
