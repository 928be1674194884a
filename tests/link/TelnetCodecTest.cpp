#include <gtest/gtest.h>

#include "link/TelnetCodec.h"

namespace velnar::link {
namespace {

// What a serial server sends, split where it may be, and what each side gets.
TEST(TelnetCodecTest, SignBytesSurviveTelnetAndTheServerGetsItsAnswers)
{
    struct Case {
        const char* name;
        Bytes fromServer;
        Bytes data;
        Bytes reply;
    };
    const Case cases[] = {
        {"a doubled 0xFF is one data byte", {0x06, 0xFF, 0xFF, 0xFE}, {0x06, 0xFF, 0xFE}, {}},
        {"the COM-port option agreed needs no answer", {0xFF, 0xFD, 44, 0xFF, 0xFB, 0x00}, {}, {}},
        {"echo refused once, asked twice", {0xFF, 0xFB, 0x01, 0xFF, 0xFB, 0x01, 0x06}, {0x06}, {0xFF, 0xFE, 0x01}},
        {"an unknown option declined", {0xFF, 0xFD, 0x18}, {}, {0xFF, 0xFC, 0x18}},
        {"a confirmation carrying 0xFF", {0xFF, 0xFA, 44, 101, 0, 0, 0xFF, 0xFF, 0x80, 0xFF, 0xF0, 0xFE}, {0xFE}, {}},
    };
    for (const Case& c : cases) {
        for (std::size_t split = 0; split <= c.fromServer.size(); ++split) {
            TelnetCodec codec;
            Bytes data;
            Bytes reply;
            codec.Take(c.fromServer.data(), split, data, reply);
            codec.Take(c.fromServer.data() + split, c.fromServer.size() - split, data, reply);
            EXPECT_EQ(data, c.data) << c.name << ", split at " << split;
            EXPECT_EQ(reply, c.reply) << c.name << ", split at " << split;
        }
    }
    TelnetCodec codec;
    Bytes data;
    Bytes reply;
    const Bytes agreed = {0xFF, 0xFD, 44, 0xFF, 0xFA, 44, 101, 0, 0, 0x25, 0x80, 0xFF, 0xF0};
    codec.Take(agreed.data(), agreed.size(), data, reply);
    EXPECT_TRUE(codec.ComPortAgreed());
    EXPECT_TRUE(codec.Confirmed(kComPortSetBaudRate));
    EXPECT_FALSE(codec.Confirmed(kComPortSetDataSize));

    Bytes out;
    for (std::uint8_t byte : {0x06, 0xFF, 0x0D, 0x00})
        TelnetCodec::AppendData(out, byte);
    EXPECT_EQ(out, (Bytes{0x06, 0xFF, 0xFF, 0x0D, 0x00}));
}

}  // namespace
}  // namespace velnar::link
