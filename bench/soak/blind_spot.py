#!/usr/bin/env python3
"""How often a damaged packet passes the 6-bit block check, and how often the
packet-end rule still catches it.

Takes the data packets C-Kermit sent in soak runs (the peer-packets.log files
that `line_soak --keep-all DIR` keeps), damages copies of them with one or two
bit flips or lost bytes at random places (the EOL included), and reads each
through the same steps as Corvix's packet reader: once ending the packet at
its check, as the reader did before, and once also requiring a control
character or the next mark after the check. A damaged packet that is read as
a good data packet, different from what was sent, is a pass.

    bench/soak/blind_spot.py [--trials N] DIR...
"""
import argparse
import glob
import os
import random

MARK, CR = 1, 13


def block_check(s):
    return ((s + ((s >> 6) & 3)) & 63) + 32


def read_first(line, packet_end):
    """The first packet read from `line`, as the reader takes it: LEN to check
    when it is taken as good, else None. A mark restarts the packet at LEN."""
    at = line.index(MARK) + 1
    while at < len(line):
        length = line[at] - 35
        if line[at] == MARK:
            at += 1
            continue
        if not 0 <= length <= 94:
            return None
        packet = line[at:at + length + 4]  # LEN, SEQ, TYPE, data, check
        if MARK in packet:
            at += packet.index(MARK) + 1
            continue
        if len(packet) < length + 4 or packet[-1] != block_check(sum(packet[:-1])):
            return None
        end = line[at + length + 4]
        if packet_end and end != MARK and 32 <= (end & 127) < 127:
            return None
        return packet
    return None  # waits for more


def data_packets(folders):
    packets = []
    for folder in folders:
        for log in glob.glob(os.path.join(folder, '**', 'peer-packets.log'), recursive=True):
            for line in open(log, encoding='latin-1'):
                body = line.rstrip('\n')[8:]
                if not line.startswith('s-') or not body.startswith('^A'):
                    continue
                packet = body[2:].encode('latin-1')
                # C-Kermit leaves some control characters unprefixed, and
                # writes some as ^X: keep the packets without either
                if packet[2:3] == b'D' and b'^' not in packet and \
                        all(32 <= c & 127 < 127 for c in packet):
                    packets.append(packet)
    return packets


def damage(packet, faults, kind, rng):
    wire = bytearray([MARK]) + packet + bytes([CR])
    for place in sorted(rng.sample(range(1, len(wire)), faults), reverse=True):
        if kind == 'flip':
            wire[place] ^= 1 << rng.randrange(8)
        else:
            del wire[place]
    return bytes(wire) + bytes([MARK])  # the next packet, or the same sent again


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--trials', type=int, default=200000)
    parser.add_argument('folders', nargs='+')
    args = parser.parse_args()
    packets = data_packets(args.folders)
    if not packets:
        raise SystemExit('no data packets found')
    rng = random.Random(1)
    print(f'{len(packets)} data packets of C-Kermit, {args.trials} damaged copies per row')
    print('| damage | passes the check alone | passes with the packet-end rule |')
    print('|---|---:|---:|')
    for kind in ('flip', 'drop'):
        for faults in (1, 2):
            passes = [0, 0]
            for _ in range(args.trials):
                packet = rng.choice(packets)
                line = damage(packet, faults, kind, rng)
                for rule in (0, 1):
                    got = read_first(line, rule == 1)
                    passes[rule] += got is not None and got != packet and got[2] == ord('D')
            what = f'{faults} bit flip{"s" if faults > 1 else ""}' if kind == 'flip' else \
                f'{faults} lost byte{"s" if faults > 1 else ""}'
            print(f'| {what} | {passes[0] / args.trials:.2e} | {passes[1] / args.trials:.2e} |')


if __name__ == '__main__':
    main()
