"""Screenshots of one X window as plain RGB rows, compared region by region.

xwd is the fastest grabber we have (import takes seconds under load); its dump is parsed
here so the checks need nothing beyond the standard library. Shots are kept as PNG files
for a human to look at.
"""

import struct
import subprocess
import time
import zlib

_HEADER_FIELDS = 25
_LSB_FIRST = 0


class Image:
    """An RGB picture: `rows[y]` is a bytes object of 3 * width bytes."""

    def __init__(self, width, height, rows):
        self.width = width
        self.height = height
        self.rows = rows

    @staticmethod
    def from_xwd(data):
        fields = struct.unpack(">%dI" % _HEADER_FIELDS, data[: 4 * _HEADER_FIELDS])
        header_size, _version, _format, depth, width, height = fields[:6]
        byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
        red_mask, green_mask, blue_mask, ncolors = fields[14], fields[15], fields[16], fields[19]
        if bits_per_pixel != 32 or depth != 24 or byte_order != _LSB_FIRST:
            raise ValueError("unexpected xwd layout: depth %d, %d bits, byte order %d"
                             % (depth, bits_per_pixel, byte_order))
        if (red_mask, green_mask, blue_mask) != (0xFF0000, 0x00FF00, 0x0000FF):
            raise ValueError("unexpected colour masks")
        offset = header_size + 12 * ncolors
        rows = []
        for y in range(height):
            start = offset + y * bytes_per_line
            line = data[start : start + 4 * width]
            if len(line) != 4 * width:
                raise ValueError("xwd dump is short")
            rgb = bytearray(3 * width)
            rgb[0::3] = line[2::4]
            rgb[1::3] = line[1::4]
            rgb[2::3] = line[0::4]
            rows.append(bytes(rgb))
        return Image(width, height, rows)

    def region(self, rect):
        """The bytes of each row of rect = (x, y, width, height), clipped to the picture."""
        x, y, w, h = rect
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.width, x + w), min(self.height, y + h)
        return [self.rows[r][3 * x0 : 3 * x1] for r in range(y0, y1)]

    def save_png(self, path):
        raw = b"".join(b"\x00" + row for row in self.rows)

        def chunk(kind, body):
            crc = zlib.crc32(kind + body) & 0xFFFFFFFF
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

        ihdr = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
                    + chunk(b"IDAT", zlib.compress(raw, 1)) + chunk(b"IEND", b""))


def grab(window_id, timeout=20):
    dump = subprocess.run(["xwd", "-silent", "-id", str(window_id)], check=True,
                          stdout=subprocess.PIPE, timeout=timeout).stdout
    return Image.from_xwd(dump)


def difference(a, b, rect):
    """Mean absolute difference per colour channel over rect, 0 to 255.

    Every second pixel of every second row is enough to tell screens apart, and rows that
    are byte for byte the same cost nothing.
    """
    total = 0
    count = 0
    for ra, rb in zip(a.region(rect)[::2], b.region(rect)[::2]):
        samples = len(ra) // 6 * 3
        count += samples
        if ra == rb:
            continue
        for channel in range(3):
            total += sum(abs(p - q) for p, q in zip(ra[channel::6], rb[channel::6]))
    return total / count if count else 0.0


def brightness(image, rect):
    """Mean and standard deviation of the channel values over rect."""
    values = 0
    squares = 0
    count = 0
    for row in image.region(rect)[::2]:
        values += sum(row)
        squares += sum(v * v for v in row)
        count += len(row)
    if count == 0:
        return 0.0, 0.0
    mean = values / count
    return mean, max(0.0, squares / count - mean * mean) ** 0.5


STILL = 0.25  # mean channel difference below which two grabs show the same picture


def grabs_until_rest(take, alive, rest, timeout, frames=None):
    """Grabs with take() until the whole picture has stood still for `rest` seconds.

    Returns every grab, the resting picture last, or None when alive() turned false or the
    picture kept changing for `timeout` seconds. A grab or a frame can come late on a loaded
    machine, so the time runs from the last change seen, not from the first grab.
    """
    frames = list(frames or [])
    deadline = time.monotonic() + timeout
    changed_at = time.monotonic()
    while time.monotonic() < deadline and alive():
        frames.append(take())
        last = frames[-1]
        whole = (0, 0, last.width, last.height)
        if len(frames) < 2 or difference(last, frames[-2], whole) > STILL:
            changed_at = time.monotonic()
        elif time.monotonic() - changed_at >= rest:
            return frames
        time.sleep(0.15)
    return None
