"""Writes bottom-up BMP files for the pictures our scripts draw."""
import struct


def bmp_file(width, height, bits_per_pixel, pixels):
    """A whole .bmp file around `pixels`: rows bottom-up, each padded to 4 bytes."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits_per_pixel, 0, len(pixels),
                       0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels
