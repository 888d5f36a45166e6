#!/usr/bin/env python3
"""Writes the seed corpora under corpus/<target>/ (run from anywhere)."""
import os
import pathlib

here = pathlib.Path(__file__).resolve().parent


def packet(seq, kind, data=b"", eol=b"\r"):
    if isinstance(data, str):
        data = data.encode("latin-1")
    body = bytes([len(data) + 35, seq + 32, ord(kind)]) + data
    s = sum(body)
    return b"\x01" + body + bytes([((s + ((s >> 6) & 3)) & 63) + 32]) + eol


def write(target, name, content):
    folder = here / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(content)


PARAMS = b"~* @-#Y1~"
PARAMS_8BIT = b"~* @-#&1~"

# Packet reader: the line's bytes.
write("fuzz_packet_reader", "ack", packet(0, "Y", PARAMS))
write("fuzz_packet_reader", "noise-then-packet", b"\x00\xff junk\r" + packet(5, "D", "Pine#M#J"))
write("fuzz_packet_reader", "restart", b"\x01\x2b\x21" + packet(1, "Z"))
write("fuzz_packet_reader", "bad-length", b"\x01\x22" + b"\x01\x7f" + packet(2, "B"))
write("fuzz_packet_reader", "bad-check", packet(3, "D", "abc")[:-2] + b"!\r" + packet(3, "D", "abc"))

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

# Sender: first byte picks the file (0 empty, 1 text, 2 all bytes, 3 runs);
# then the receiver's answers.
acks = packet(0, "Y", PARAMS) + b"".join(packet(s, "Y") for s in range(1, 12))
write("fuzz_send_acks", "text", b"\x01" + acks)
write("fuzz_send_acks", "binary-8bit", b"\x02" + packet(0, "Y", PARAMS_8BIT)
      + b"".join(packet(s, "Y") for s in range(1, 12)))
write("fuzz_send_acks", "runs", b"\x03" + acks)
write("fuzz_send_acks", "empty-naks", b"\x00" + packet(0, "N") + packet(0, "S", "(* @-#N1 ")
      + packet(1, "N") + packet(1, "Y") + packet(2, "E", "Disk full"))

# Data coding: bin prefix choice, repeat flag, packet length, then data.
write("fuzz_decode_encode", "text", b"\x00\x01\x54" + b"Pine 31.5\r\nSpruce ~~~ #&\r\n")
write("fuzz_decode_encode", "all-bytes", b"\x04\x01\x00" + bytes(range(256)) * 2)
write("fuzz_decode_encode", "runs", b"\x3b\x00\x30" + b"\x00" * 200 + b"#" * 95 + b"\xff" * 3)

# Peer parameters: length, then the field.
for name, p in [("default", PARAMS), ("eight-bit", PARAMS_8BIT), ("short", b"("),
                ("padded", b"^*#A-#&1~"), ("odd", b"\x7f\x7f\x7f\x7f\x7f###"),
                ("qbin-is-qctl", b"~* @-##1~"), ("qbin-is-rept", b"~* @-#~1~"),
                ("qctl-is-rept", b"~* @-~&1~")]:
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
