#include "link/TelnetCodec.h"

namespace velnar::link {

namespace {

constexpr std::uint8_t kIac = 255;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kSe = 240;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;

// A server answers a client's command n with n + 100.
constexpr int kServerOffset = 100;

// SET-CONTROL values.
constexpr std::uint8_t kControlNoFlow = 1;
constexpr std::uint8_t kControlDtrOn = 8;
constexpr std::uint8_t kControlDtrOff = 9;
constexpr std::uint8_t kControlRtsOn = 11;
constexpr std::uint8_t kControlRtsOff = 12;

void AppendCommand(Bytes& out, std::uint8_t verb, std::uint8_t option)
{
    out.insert(out.end(), {kIac, verb, option});
}

void AppendComPort(Bytes& out, std::uint8_t command, const Bytes& value)
{
    out.insert(out.end(), {kIac, kSb, kComPort, command});
    for (std::uint8_t byte : value)
        TelnetCodec::AppendData(out, byte);
    out.insert(out.end(), {kIac, kSe});
}

std::uint8_t ParityCode(Parity parity)
{
    switch (parity) {
    case Parity::None: return 1;
    case Parity::Odd: return 2;
    case Parity::Even: return 3;
    case Parity::Mark: return 4;
    case Parity::Space: return 5;
    }
    return 1;
}

bool WantedOption(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

}  // namespace

Bytes TelnetCodec::Opening()
{
    Bytes out;
    AppendCommand(out, kWill, kBinary);
    AppendCommand(out, kDo, kBinary);
    AppendCommand(out, kWill, kSuppressGoAhead);
    AppendCommand(out, kDo, kSuppressGoAhead);
    AppendCommand(out, kWill, kComPort);
    return out;
}

Bytes TelnetCodec::LineSettings(const LineFormat& format)
{
    const auto speed = static_cast<std::uint32_t>(format.bitsPerSecond);
    Bytes out;
    AppendComPort(out, kComPortSetBaudRate,
                  {static_cast<std::uint8_t>(speed >> 24), static_cast<std::uint8_t>(speed >> 16),
                   static_cast<std::uint8_t>(speed >> 8), static_cast<std::uint8_t>(speed)});
    AppendComPort(out, kComPortSetDataSize, {static_cast<std::uint8_t>(format.dataBits)});
    AppendComPort(out, kComPortSetParity, {ParityCode(format.parity)});
    AppendComPort(out, kComPortSetStopSize, {static_cast<std::uint8_t>(format.stopBits == 2 ? 2 : 1)});
    return out;
}

Bytes TelnetCodec::NoFlowControl()
{
    Bytes out;
    AppendComPort(out, kComPortSetControl, {kControlNoFlow});
    return out;
}

Bytes TelnetCodec::ModemLines(bool dtr, bool rts)
{
    Bytes out;
    AppendComPort(out, kComPortSetControl, {dtr ? kControlDtrOn : kControlDtrOff});
    AppendComPort(out, kComPortSetControl, {rts ? kControlRtsOn : kControlRtsOff});
    return out;
}

void TelnetCodec::AppendData(Bytes& out, std::uint8_t byte)
{
    out.push_back(byte);
    if (byte == kIac)
        out.push_back(kIac);
}

void TelnetCodec::Take(const std::uint8_t* bytes, std::size_t count, Bytes& data, Bytes& reply)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = bytes[i];
        switch (state_) {
        case State::Data:
            if (byte == kIac)
                state_ = State::Command;
            else
                data.push_back(byte);
            break;
        case State::Command:
            if (byte == kIac) {
                data.push_back(byte);
                state_ = State::Data;
            } else if (byte >= kWill && byte <= kDont) {
                verb_ = byte;
                state_ = State::Option;
            } else if (byte == kSb) {
                sub_.clear();
                state_ = State::Sub;
            } else {
                state_ = State::Data;  // go-ahead, no-operation and the like
            }
            break;
        case State::Option:
            Negotiate(verb_, byte, reply);
            state_ = State::Data;
            break;
        case State::Sub:
            if (byte == kIac)
                state_ = State::SubCommand;
            else
                sub_.push_back(byte);
            break;
        case State::SubCommand:
            if (byte == kSe) {
                Subnegotiation();
                state_ = State::Data;
            } else {
                sub_.push_back(byte);  // a doubled 0xFF within the subnegotiation
                state_ = State::Sub;
            }
            break;
        }
    }
}

void TelnetCodec::Negotiate(std::uint8_t verb, std::uint8_t option, Bytes& reply)
{
    if (option == kComPort && verb == kDo)
        comPortAgreed_ = true;
    if (option == kComPort && verb == kDont)
        comPortRefused_ = true;
    std::uint8_t answer = 0;
    switch (verb) {
    case kDo: answer = WantedOption(option) ? kWill : kWont; break;
    case kWill: answer = WantedOption(option) && option != kComPort ? kDo : kDont; break;
    default: return;  // a refusal needs no answer
    }
    // Options the client offered itself were answered by the offer.
    const bool offered = answer == kWill || (answer == kDo && (option == kBinary || option == kSuppressGoAhead));
    const int key = answer << 8 | option;
    if (offered || !answered_.insert(key).second)
        return;
    AppendCommand(reply, answer, option);
}

void TelnetCodec::Subnegotiation()
{
    if (sub_.size() >= 2 && sub_[0] == kComPort && sub_[1] > kServerOffset)
        confirmed_.insert(sub_[1] - kServerOffset);
}

}  // namespace velnar::link
