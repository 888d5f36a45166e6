#!/usr/bin/env python3
"""Writes the seed corpora under corpus/<target>/ (run from anywhere)."""
import os
import pathlib

here = pathlib.Path(__file__).resolve().parent


def crc16(data):
    """Kermit's CRC-16: CCITT polynomial, reflected, starting at 0."""
    crc = 0
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0x8408 if crc & 1 else crc >> 1
    return crc


assert crc16(b"123456789") == 0x2189


def block_check(body, check):
    s = sum(body)
    if check == 3:
        c = crc16(body)
        return bytes([((c >> 12) & 15) + 32, ((c >> 6) & 63) + 32, (c & 63) + 32])
    if check == 2:
        return bytes([((s >> 6) & 63) + 32, (s & 63) + 32])
    return bytes([((s + ((s >> 6) & 3)) & 63) + 32])


def packet(seq, kind, data=b"", eol=b"\r", check=1):
    """A packet with block check `check` (S and I always carry type 1)."""
    if isinstance(data, str):
        data = data.encode("latin-1")
    if kind in "SI":
        check = 1
    body = bytes([len(data) + 34 + check, seq + 32, ord(kind)]) + data
    return b"\x01" + body + block_check(body, check) + eol


def long_packet(seq, kind, data, eol=b"\r", check=1):
    """A long packet: LEN 0, LENX1, LENX2 and the header's own check."""
    if isinstance(data, str):
        data = data.encode("latin-1")
    lenx = len(data) + check
    head = bytes([32, seq + 32, ord(kind), lenx // 95 + 32, lenx % 95 + 32])
    hs = sum(head)
    body = head + bytes([((hs + ((hs & 192) >> 6)) & 63) + 32]) + data
    return b"\x01" + body + block_check(body, check) + eol


# The line's silences: 0xFF k is not delivered but keeps the line silent for
# 2^(k % 14) ms; 0xFF 0xFF delivers 0xFF.
def silence(ms_log2):
    return bytes([0xFF, ms_log2])


PACKET_END = silence(6)      # 64 ms: longer than the wait for the byte after a check
TIMEOUT_10S = silence(13) * 2  # 16 s: longer than a peer time-out of 10 s


def write(target, name, content):
    folder = here / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(content)


PARAMS = b"~* @-#Y1~"
PARAMS_8BIT = b"~* @-#&1~"
PARAMS_CHECK2 = b"~* @-#Y2~"
# What C-Kermit sends: block check 3 and capability fields (CAPAS and on).
PARAMS_CKERMIT = b'~! @-#Y3~^>J)0___B"U1A'
PARAMS_CHECK1_CAPAS = b"~* @-#Y1~* "

# Packet reader: the block check in force (0: 1, 1: 2, 2: 3), then the line's bytes.
write("fuzz_packet_reader", "ack", b"\x00" + packet(0, "Y", PARAMS))
write("fuzz_packet_reader", "noise-then-packet",
      b"\x00" + b"\x00\xff\xff junk\r" + packet(5, "D", "Pine#M#J"))
write("fuzz_packet_reader", "restart", b"\x00" + b"\x01\x2b\x21" + packet(1, "Z"))
write("fuzz_packet_reader", "bad-length", b"\x00" + b"\x01\x22" + b"\x01\x7f" + packet(2, "B"))
write("fuzz_packet_reader", "bad-check",
      b"\x00" + packet(3, "D", "abc")[:-2] + b"!\r" + packet(3, "D", "abc"))
write("fuzz_packet_reader", "check2", b"\x01" + packet(4, "D", "Spruce 28#M#J", check=2)
      + packet(4, "D", "Spruce 28#M#J", check=2)[:-2] + b"!\r" + packet(5, "Z", check=2))
write("fuzz_packet_reader", "check3", b"\x02" + packet(0, "S", PARAMS_CKERMIT)
      + packet(6, "D", "Pine 31#M#J~(A", check=3) + packet(7, "Y", check=3)
      + packet(7, "Y", check=3)[:-3] + b"!!\r")
write("fuzz_packet_reader", "no-eol", b"\x02" + packet(8, "Z", eol=b"", check=3) + PACKET_END
      + packet(9, "B", eol=b"", check=3) + b"Y")

# Receive side: first byte answers the overwrite question (0 yes, 1 no, 2 cancel).
def transfer(name, content, answer=0, params=PARAMS):
    stream = packet(0, "S", params) + packet(1, "F", name)
    seq = 2
    for chunk in content:
        stream += packet(seq, "D", chunk)
        seq += 1
    return bytes([answer]) + stream + packet(seq, "Z") + packet(seq + 1, "B")


write("fuzz_receive", "file", transfer("PLOT7.DAT", ["Pine 31#M#J", "~%Spruce"]))
write("fuzz_receive", "file-8bit", transfer("TR\xc5D.DAT", ["&A&#M~#&b"], params=PARAMS_8BIT))
write("fuzz_receive", "overwrite-no", transfer("TREES.DAT", ["new"], answer=1))
write("fuzz_receive", "overwrite-cancel", transfer("TREES.DAT", ["new"], answer=2))
write("fuzz_receive", "hostile-names", bytes([0]) + transfer("../../escape.txt", ["x"])[1:]
      + transfer("a/b\\C:CON", ["y"])[1:] + transfer("#A#B..#?", ["z"])[1:])
write("fuzz_receive", "get", b"\x00" + packet(0, "R", "TREES.DAT") + packet(0, "Y", PARAMS)
      + packet(1, "Y") + packet(2, "Y") + packet(3, "Y") + packet(4, "Y"))
write("fuzz_receive", "get-outside", b"\x00" + packet(0, "R", "../secret.txt")
      + packet(0, "R", "..") + packet(0, "R", "/etc/passwd"))
write("fuzz_receive", "generic", b"\x00" + packet(0, "G", "D") + packet(0, "Y", PARAMS)
      + packet(1, "Y") + packet(2, "Y") + packet(3, "Y") + packet(4, "Y") + packet(0, "G", "L")
      + packet(0, "G", "Q") + packet(0, "I", PARAMS) + packet(0, "X") + packet(0, "E", "bye"))
write("fuzz_receive", "repeat-name", transfer("~~A~~B", ["x"]))


def transfer_checked(name, content, check, params, answer=0, eol=b"\r"):
    """A transfer with the block check `check` after the Send-Init exchange."""
    stream = packet(0, "S", params) + packet(1, "F", name, eol=eol, check=check)
    seq = 2
    for chunk in content:
        stream += packet(seq, "D", chunk, eol=eol, check=check)
        seq += 1
    stream += packet(seq, "Z", eol=eol, check=check) + packet(seq + 1, "B", eol=eol, check=check)
    return bytes([answer]) + stream


# Byte 3: answer yes, and the S of an answer to R or G proposes check 3.
write("fuzz_receive", "file-check3-capas",
      transfer_checked("PLOT9.DAT", ["Pine 31#M#J", "~%Spruce"], 3, PARAMS_CKERMIT))
write("fuzz_receive", "file-check2", transfer_checked("PLOT2.DAT", ["Birch 12#M#J"], 2, PARAMS_CHECK2))
write("fuzz_receive", "file-no-eol",
      transfer_checked("PLOT3.DAT", ["Ash 7"], 3, PARAMS_CKERMIT, eol=PACKET_END))
# A get whose closing B is never answered, then a refused get, then a generic command.
write("fuzz_receive", "get-check3-silent-break", b"\x03" + packet(0, "R", "TREES.DAT")
      + packet(0, "Y", PARAMS_CKERMIT) + b"".join(packet(s, "Y", check=3) for s in range(1, 4))
      + TIMEOUT_10S * 5 + packet(0, "R", "MISSING.DAT") + packet(0, "G", "D")
      + packet(0, "Y", PARAMS) + b"".join(packet(s, "Y") for s in range(1, 5)))
# I proposes check 3 and a G D comes with check 3 anyway (C-Kermit sends type 1).
write("fuzz_receive", "generic-after-init-check3", b"\x00" + packet(0, "I", PARAMS_CKERMIT)
      + packet(0, "G", "D", check=3) + packet(0, "Y", PARAMS_CKERMIT)
      + b"".join(packet(s, "Y") for s in range(1, 5)))
write("fuzz_receive", "get-missing-then-file", b"\x00" + packet(0, "R", "NOSUCH.DAT")
      + packet(0, "R", "TREES.DAT") + packet(0, "Y", PARAMS_CHECK1_CAPAS)
      + b"".join(packet(s, "Y") for s in range(1, 5)))

def batch(files, check=1, params=PARAMS, answer=0, discard=()):
    """One transaction carrying several files; the files at `discard` end with Z "D"."""
    stream = packet(0, "S", params)
    seq = 1
    for index, (name, content) in enumerate(files):
        stream += packet(seq, "F", name, check=check)
        seq += 1
        for chunk in content:
            stream += packet(seq % 64, "D", chunk, check=check)
            seq += 1
        stream += packet(seq % 64, "Z", "D" if index in discard else "", check=check)
        seq += 1
    return bytes([answer]) + stream + packet(seq % 64, "B", check=check)


# Several files in one transaction, an empty one among them; a discarded one;
# a batch whose second file replaces the file served to a get, then that get.
write("fuzz_receive", "batch", batch([("A.DAT", ["Pine 31#M#J"]), ("B.DAT", []),
                                      ("C.DAT", ["~%Spruce", "Ash"])]))
write("fuzz_receive", "batch-check3-discard",
      batch([("D.DAT", ["Birch 12"]), ("E.DAT", ["gone"]), ("F.DAT", ["kept"])], check=3,
            params=PARAMS_CKERMIT, answer=3, discard=(1,)))
write("fuzz_receive", "batch-replace-then-get",
      batch([("G.DAT", ["x"]), ("TREES.DAT", ["half"])], discard=(1,))
      + packet(0, "R", "TREES.DAT.part") + packet(0, "R", "TREES.DAT")
      + packet(0, "Y", PARAMS) + b"".join(packet(s, "Y") for s in range(1, 5)))

# Sender: first byte picks the file (0 empty, 1 text, 2 all bytes, 3 runs);
# then the receiver's answers.
acks = packet(0, "Y", PARAMS) + b"".join(packet(s, "Y") for s in range(1, 12))
write("fuzz_send_acks", "text", b"\x01" + acks)
write("fuzz_send_acks", "binary-8bit", b"\x02" + packet(0, "Y", PARAMS_8BIT)
      + b"".join(packet(s, "Y") for s in range(1, 12)))
write("fuzz_send_acks", "runs", b"\x03" + acks)
# Bit 2 of the first byte: this side proposes check 3.
acks3 = packet(0, "Y", PARAMS_CKERMIT) + b"".join(packet(s, "Y", check=3) for s in range(1, 12))
write("fuzz_send_acks", "text-check3", b"\x05" + acks3)
write("fuzz_send_acks", "binary-check3", b"\x06" + acks3)
write("fuzz_send_acks", "check3-answered-1", b"\x05" + packet(0, "Y", PARAMS_CHECK1_CAPAS)
      + b"".join(packet(s, "Y") for s in range(1, 12)))
write("fuzz_send_acks", "check2-not-proposed", b"\x01" + packet(0, "Y", PARAMS_CHECK2)
      + b"".join(packet(s, "Y") for s in range(1, 12)))
# The text file goes in S, F, D, Z: B (seq 4) is never answered; each attempt
# waits the peer's 10 s.
write("fuzz_send_acks", "closing-break-silent", b"\x05" + packet(0, "Y", PARAMS_CKERMIT[:1] + b"*"
      + PARAMS_CKERMIT[2:]) + b"".join(packet(s, "Y", check=3) for s in range(1, 4))
      + TIMEOUT_10S * 5)
write("fuzz_send_acks", "closing-break-no-eol", b"\x01" + packet(0, "Y", PARAMS)
      + b"".join(packet(s, "Y") for s in range(1, 4)) + packet(4, "Y", eol=b"") + PACKET_END)
write("fuzz_send_acks", "empty-naks", b"\x00" + packet(0, "N") + packet(0, "S", "(* @-#N1 ")
      + packet(1, "N") + packet(1, "Y") + packet(2, "E", "Disk full"))

# Long packets and windows. The reader with long packets in force (first
# byte 3: check 1, long packets); a receiver answering C-Kermit's offer of
# long packets and a window of 30, its data packets out of order; a sender
# proposing both (first byte 0x1a: all bytes, long packets of 300, window 4)
# to a peer that agrees, answered out of order with a NAK among them.
LONG_TEXT = ("Pine 31.5;Spruce 28.0;" * 40)[:700]
write("fuzz_packet_reader", "long", b"\x03" + long_packet(5, "D", LONG_TEXT) + packet(6, "Z"))
write("fuzz_receive", "file-long-window", b"\x03" + packet(0, "S", PARAMS_CKERMIT)
      + packet(1, "F", "LONG.DAT", check=3) + long_packet(3, "D", LONG_TEXT, check=3)
      + long_packet(2, "D", LONG_TEXT, check=3) + packet(5, "Z", check=3)
      + long_packet(4, "D", LONG_TEXT, check=3) + long_packet(2, "D", LONG_TEXT, check=3)
      + packet(5, "Z", check=3) + packet(6, "B", check=3))
PARAMS_LONG_WINDOW = PARAMS + b"&$#("
write("fuzz_send_acks", "long-window", b"\x1a" + packet(0, "Y", PARAMS_LONG_WINDOW) + packet(1, "Y")
      + packet(3, "Y") + packet(2, "N") + packet(2, "Y") + packet(4, "Y") + packet(5, "N")
      + packet(6, "N") + packet(5, "Y") + packet(6, "Y") + packet(7, "Y") + packet(8, "Y"))

# Attribute packets. A peer that names them (CAPAS 8) sends an A after each
# F: a dated binary file at its length, one that comes shorter, a text file
# whose length differs, one too large for any disk (refused, then discarded
# by its Z), a hostile field; under C-Kermit's window of 30 too.
PARAMS_ATTRIBUTES = PARAMS + b"("
A_DATED = '""B8#120190704 13:14:15!!11!9'
A_SHORT = '1"99'
A_TEXT = '"!A#(19990101!!11#999'
A_HUGE = '1418000000000000000000'
A_HOSTILE = '1~12#(20211301!*abc"'


def attribute_batch(files, check=1, params=PARAMS_ATTRIBUTES, answer=0):
    """One transaction; each file is (name, attribute field, data chunks, Z field)."""
    stream = packet(0, "S", params)
    seq = 1
    for name, attributes, content, z in files:
        stream += packet(seq % 64, "F", name, check=check)
        stream += packet((seq + 1) % 64, "A", attributes, check=check)
        seq += 2
        for chunk in content:
            stream += packet(seq % 64, "D", chunk, check=check)
            seq += 1
        stream += packet(seq % 64, "Z", z, check=check)
        seq += 1
    return bytes([answer]) + stream + packet(seq % 64, "B", check=check)


write("fuzz_receive", "attributes", attribute_batch(
    [("DATED.DAT", A_DATED, ["Pine 31#M#J"], ""), ("SHORT.DAT", A_SHORT, ["abc"], ""),
     ("NOTES.TXT", A_TEXT, ["x#M#J"], "")]))
write("fuzz_receive", "attributes-refused", attribute_batch(
    [("TREES.DAT", A_HUGE, [], "D"), ("AFTER.DAT", A_HOSTILE, ["ok"], "")]))
write("fuzz_receive", "attributes-refused-data-anyway", attribute_batch(
    [("HUGE.DAT", A_HUGE, ["sent anyway"], "")]))
write("fuzz_receive", "attributes-window-check3", attribute_batch(
    [("WIN.DAT", A_DATED, ["Pine 31#M#J"], ""), ("WSHORT.DAT", A_SHORT, ["a", "b"], "")],
    check=3, params=PARAMS_CKERMIT, answer=3))
write("fuzz_send_acks", "long-window-refused", b"\x1a" + packet(0, "Y", PARAMS + b".$#(")
      + packet(1, "Y") + packet(2, "Y", "N1") + packet(3, "Y") + packet(4, "Y"))
write("fuzz_send_acks", "long-attributes-taken", b"\x09" + packet(0, "Y", PARAMS + b"*!#(")
      + packet(1, "Y") + packet(2, "Y", "Y") + b"".join(packet(s, "Y") for s in range(3, 12)))
for name, field in [("dated", A_DATED), ("text", A_TEXT), ("huge", A_HUGE),
                    ("hostile", A_HOSTILE),
                    ("ckermit", '"#AMJ*!A#120210304 05:06:07!!11"18,#644-!3@ '),
                    ("short-dates", '#&960131#,210131 14:05#(20000229'),
                    ("refusal", "N1!")]:
    write("fuzz_attributes", name, field.encode("latin-1"))

# Data coding: bin prefix choice, repeat flag, packet length, then data.
write("fuzz_decode_encode", "text", b"\x00\x01\x54" + b"Pine 31.5\r\nSpruce ~~~ #&\r\n")
write("fuzz_decode_encode", "all-bytes", b"\x04\x01\x00" + bytes(range(256)) * 2)
write("fuzz_decode_encode", "runs", b"\x3b\x00\x30" + b"\x00" * 200 + b"#" * 95 + b"\xff" * 3)

# Peer parameters: length, then the field.
for name, p in [("default", PARAMS), ("eight-bit", PARAMS_8BIT), ("short", b"("),
                ("padded", b"^*#A-#&1~"), ("odd", b"\x7f\x7f\x7f\x7f\x7f###"),
                ("qbin-is-qctl", b"~* @-##1~"), ("qbin-is-rept", b"~* @-#~1~"),
                ("qctl-is-rept", b"~* @-~&1~"), ("check2", PARAMS_CHECK2),
                ("ckermit-check3-capas", PARAMS_CKERMIT), ("check1-capas", PARAMS_CHECK1_CAPAS),
                ("check3-nine", b"~* @-#Y3~"), ("attributes-only", PARAMS + b"("),
                ("attributes-continued", PARAMS + b")!"),
                ("attributes-long-window", PARAMS + b".$#(")]:
    write("fuzz_peer_params", name, bytes([len(p)]) + p)

# Language files: two shipped ones and a few small oddities.
lang = here.parent / "resources" / "lang"
for code in ["ENG", "DEU"]:
    source = lang / f"Corvix-{code}.xml"
    if source.exists():
        write("fuzz_app_language_file", code, source.read_bytes())
write("fuzz_app_language_file", "small",
      b'<?xml version="1.0"?>\n<texts><t id="25" text="Ready"/><g><t id="0x10" text="A"/></g></texts>')
write("fuzz_app_language_file", "broken", b"<texts><t id='1' text='x'></texts>")
write("fuzz_app_language_file", "utf16", '<?xml version="1.0" encoding="UTF-16"?><a><b i="3" t="\u00c5"/></a>'.encode("utf-16"))

# Command lines: arguments separated by NUL.
for name, args in [("file", ["C:\\data\\PLOT.TXT"]), ("kermit", ["KERMIT", "BAUD9600", "COM4", "x.TXT"]),
                   ("folder", ["/dev/ttyUSB0", "D:\\in"]), ("quotes", ['"my file.m$x"', "BAUD-7"])]:
    write("fuzz_app_command_line", name, b"\x00".join(a.encode() for a in args))
