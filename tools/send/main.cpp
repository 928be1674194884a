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
#include "sign/VirtualSign.h"
#include "model/MessageTable.h"
#include "serial/QtSerialLibrary.h"
#include "serial/SystemPorts.h"

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
    using Request = tools::SendOptions::Request;
    switch (options.request) {
    case Request::Help: std::cout << tools::kSendUsage; return 0;
    case Request::Version: std::cout << "velnar-send " VELNAR_VERSION "\n"; return 0;
    case Request::ListPorts: {
        const link::PortDirectory ports = serial::SystemPortDirectory();
        serial::QtSerialLibrary library(ports);
        tools::ListPorts(ports, library, std::cout);
        return 0;
    }
    case Request::Send: break;
    }

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
        sign::VirtualSign sign;
        sign::AttachSign(line, sign);
        link::SignLink signLink(line, pacer, table);
        signLink.OpenLink(0);
        return tools::RunSendActions(options, table, signLink, clock, std::cout);
    }

    const link::PortDirectory ports = serial::SystemPortDirectory();
    serial::QtSerialLibrary library(ports);
    const std::optional<int> portIndex = tools::ComPortIndex(options.port);
    if (!portIndex)
        library.SetDeviceName(1, QString::fromStdString(options.port));
    link::SteadyClockPacer pacer;
    link::SignLink signLink(library, pacer, table);
    signLink.OpenLink(portIndex.value_or(0));
    const std::string problem = library.PortProblem(signLink.LibraryPort());
    if (!problem.empty()) {
        std::cerr << "velnar-send: cannot use the port: " << link::ExplainPortProblem(problem) << '\n';
        return 1;
    }
    return tools::RunSendActions(options, table, signLink, clock, std::cout);
}
