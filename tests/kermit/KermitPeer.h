#pragma once

#include <string>
#include <vector>

#include "ScriptedPort.h"

namespace kermit_test {

// The prefixes a transaction agreed on, as the far side uses them; 0 is off.
struct Prefixes {
    char qbin = 0;
    char rept = 0;
};

// Nine Send-Init parameters as a peer announces them: MAXL, TIME 10 s, no
// padding, EOL CR, "#" quoting, QBIN (0 sends "Y"), block check 1, REPT (0
// sends a blank).
std::string InitParams(int maxLen = 94, char qbin = 0, char rept = 0);

// What a peer that announced `params` uses after the engine's answer: the
// engine always offers "~" and accepts any valid 8-bit prefix.
Prefixes AgreedPrefixes(const std::string& params);

// The far side's own data coding, written from the protocol rules.
std::string PeerDecode(const std::string& field, Prefixes prefixes);
std::vector<std::string> PeerEncode(const std::string& data, Prefixes prefixes,
                                    std::size_t maxField = 90);

// A receiving peer: acknowledges every packet, answers S with `params`, and
// decodes the header and the data (a repeated D packet is taken once). It
// uses block check 2 or 3 after the S when both sides named it.
struct ReceivingPeer {
    std::string params = InitParams();
    char headerType = 0;
    std::string header;
    std::string content;
    int lastDataSeq = -1;

    void Answer(ScriptedPort& port, const Packet& p);
};

// The packets of a one-file transaction as a sending peer sends them:
// S (with `params`), F, D..., Z, B, sequence numbers from 0.
std::vector<Packet> SendingScript(const std::string& name, const std::string& content,
                                  const std::string& params = InitParams());

// Runs of random length of random bytes, so that repeat groups, controls,
// 8-bit bytes and the prefix characters all occur.
std::string RandomRuns(std::size_t n, unsigned seed);

}  // namespace kermit_test
