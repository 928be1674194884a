// velnar-send: sends slots of a message file to the sign, for operators who
// script their sign and for tests.
#include <QCoreApplication>

#include <iostream>
#include <memory>

#include "SendCommand.h"
#include "file/MessageFile.h"
#include "link/LocalClock.h"
#include "link/Pacer.h"
#include "link/SignLink.h"
#include "link/VirtualLine.h"
#include "link/VirtualSign.h"
#include "model/MessageTable.h"
#include "serial/QtSerialLibrary.h"

using namespace velnar;

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const tools::ParsedArguments parsed = tools::ParseSendArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "velnar-send: " << parsed.error << '\n' << tools::kSendUsage;
        return 2;
    }
    const tools::SendOptions& options = *parsed.options;

    model::MessageTable table;
    const file::FileResult loaded = file::LoadMessageFile(options.file, table);
    if (!loaded.ok) {
        std::cerr << "velnar-send: cannot read " << options.file << ": " << loaded.reason << '\n';
        return 2;
    }

    link::SystemLocalClock clock;
    if (options.dryRun) {
        link::VirtualClock pacer;
        link::VirtualLine line(pacer);
        link::VirtualSign sign;
        link::AttachSign(line, sign);
        link::SignLink signLink(line, pacer, table);
        signLink.OpenLink(0);
        return tools::RunSendActions(options, table, signLink, clock, std::cout);
    }

    serial::QtSerialLibrary library;
    const std::optional<int> portIndex = tools::ComPortIndex(options.port);
    if (!portIndex)
        library.SetDeviceName(1, QString::fromStdString(options.port));
    link::SteadyClockPacer pacer;
    link::SignLink signLink(library, pacer, table);
    signLink.OpenLink(portIndex.value_or(0));
    const std::string problem = library.PortProblem(signLink.LibraryPort());
    if (!problem.empty()) {
        std::cerr << "velnar-send: cannot use the port: " << problem << '\n';
        return 1;
    }
    return tools::RunSendActions(options, table, signLink, clock, std::cout);
}
