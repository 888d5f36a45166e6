#include "KermitPeer.h"

#include <algorithm>
#include <random>

namespace kermit_test {
namespace {

bool IsPrefixChar(char c) {
    return (c >= 33 && c <= 62) || (c >= 96 && c <= 126);
}

}  // namespace

std::string InitParams(int maxLen, char qbin, char rept) {
    std::string p;
    p += static_cast<char>(maxLen + 32);
    p += "* @-#";
    p += qbin != 0 ? qbin : 'Y';
    p += '1';
    p += rept != 0 ? rept : ' ';
    return p;
}

Prefixes AgreedPrefixes(const std::string& params) {
    Prefixes agreed;
    if (params.size() >= 7 && IsPrefixChar(params[6])) agreed.qbin = params[6];
    if (params.size() >= 9 && params[8] == '~') agreed.rept = '~';
    return agreed;
}

std::string PeerDecode(const std::string& field, Prefixes prefixes) {
    std::string out;
    std::size_t i = 0;
    auto next = [&]() -> int {
        return i < field.size() ? static_cast<unsigned char>(field[i++]) : -1;
    };
    while (i < field.size()) {
        int c = next();
        int count = 1;
        if (prefixes.rept != 0 && c == prefixes.rept) {
            count = next() - 32;
            c = next();
        }
        int high = 0;
        if (prefixes.qbin != 0 && c == prefixes.qbin) {
            high = 128;
            c = next();
        }
        if (c == '#') {
            c = next();
            const int low = c & 127;
            if ((low >= 64 && low <= 95) || low == 63) c ^= 64;
        }
        if (c < 0 || count < 1) return out + "<TRUNCATED GROUP>";
        out.append(static_cast<std::size_t>(count), static_cast<char>(c | high));
    }
    return out;
}

std::vector<std::string> PeerEncode(const std::string& data, Prefixes prefixes,
                                    std::size_t maxField) {
    std::vector<std::string> fields;
    std::string field;
    std::size_t i = 0;
    while (i < data.size()) {
        std::string group;
        std::size_t run = 1;
        while (prefixes.rept != 0 && run < 94 && i + run < data.size() && data[i + run] == data[i])
            ++run;
        if (run >= 3) {
            group += prefixes.rept;
            group += static_cast<char>(run + 32);
        } else {
            run = 1;
        }
        int b = static_cast<unsigned char>(data[i]);
        if (prefixes.qbin != 0 && b >= 128) {
            group += prefixes.qbin;
            b &= 127;
        }
        if ((b & 127) < 32 || (b & 127) == 127) {
            group += '#';
            b ^= 64;
        } else if (b == '#' || (prefixes.qbin != 0 && b == prefixes.qbin) ||
                   (prefixes.rept != 0 && b == prefixes.rept)) {
            group += '#';
        }
        group += static_cast<char>(b);
        if (field.size() + group.size() > maxField) {
            fields.push_back(field);
            field.clear();
        }
        field += group;
        i += run;
    }
    if (!field.empty()) fields.push_back(field);
    return fields;
}

void ReceivingPeer::Answer(ScriptedPort& port, const Packet& p) {
    const Prefixes agreed = AgreedPrefixes(params);
    if (p.type == 'S') {
        // The answer to an S carries a type-1 check, whatever was in force.
        port.Feed(MakePacket(p.seq, 'Y', params, '\r', 1));
        // Type 2 or 3 from here on when both sides named it.
        const bool agreed = params.size() >= 8 && p.data.size() >= 8 && params[7] == p.data[7];
        port.checkType = agreed && (params[7] == '2' || params[7] == '3') ? params[7] - '0' : 1;
        return;
    }
    if (p.type == 'F' || p.type == 'X') {
        headerType = p.type;
        header = PeerDecode(p.data, agreed);
    }
    if (p.type == 'D' && p.seq != lastDataSeq) {
        content += PeerDecode(p.data, agreed);
        lastDataSeq = p.seq;
    }
    port.FeedPacket(p.seq, 'Y');
}

std::vector<Packet> SendingScript(const std::string& name, const std::string& content,
                                  const std::string& params) {
    const Prefixes agreed = AgreedPrefixes(params);
    std::vector<Packet> script;
    int seq = 0;
    script.push_back({seq++, 'S', params});
    const auto header = PeerEncode(name, agreed);
    script.push_back({seq++, 'F', header.empty() ? std::string() : header.front()});
    for (const std::string& field : PeerEncode(content, agreed))
        script.push_back({seq++ & 63, 'D', field});
    script.push_back({seq++ & 63, 'Z', ""});
    script.push_back({seq & 63, 'B', ""});
    return script;
}

std::string RandomRuns(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s;
    while (s.size() < n) {
        const bool single = std::uniform_int_distribution<int>(0, 3)(rng) != 0;
        const std::size_t run =
            single ? 1 : std::uniform_int_distribution<std::size_t>(2, 200)(rng);
        s.append(std::min(run, n - s.size()), static_cast<char>(rng() & 0xFF));
    }
    return s;
}

}  // namespace kermit_test
