"""Writers of the Windows bitmap, icon and cursor files and of animated GIF files."""

import struct


def _bitmap_info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def _bgr_rows(canvas):
    """24-bit rows bottom-up, each padded to a multiple of four bytes."""
    padding = b'\0' * ((4 - (canvas.width * 3) % 4) % 4)
    rows = []
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for r, g, b in canvas.pixels[y]:
            row += bytes((b, g, r))
        rows.append(bytes(row) + padding)
    return b''.join(rows)


def write_bmp(path, canvas):
    data = _bgr_rows(canvas)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    with open(path, 'wb') as f:
        f.write(file_header + _bitmap_info_header(canvas.width, canvas.height, 24, len(data)) + data)


def write_bmp32(path, canvas, transparent):
    """A 32-bit bitmap with alpha: pixels of the transparent colour are fully
    see-through (all four bytes 0), the others opaque."""
    data = bytearray()
    for y in reversed(range(canvas.height)):
        for r, g, b in canvas.pixels[y]:
            data += bytes((0, 0, 0, 0)) if (r, g, b) == transparent else bytes((b, g, r, 255))
    file_header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    with open(path, 'wb') as f:
        f.write(file_header + _bitmap_info_header(canvas.width, canvas.height, 32, len(data)) + bytes(data))


def _mask_rows(width, height, is_set):
    """1-bit rows bottom-up, padded to four bytes; is_set(x, y) gives the bit."""
    stride = ((width + 31) // 32) * 4
    rows = []
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if is_set(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b''.join(rows)


def _icon_image(canvas, transparent):
    """A 32-bit icon image with alpha and the AND mask; pixels of the transparent
    colour are see-through."""
    colour = bytearray()
    for y in reversed(range(canvas.height)):
        for r, g, b in canvas.pixels[y]:
            alpha = 0 if (r, g, b) == transparent else 255
            colour += bytes((b, g, r, alpha) if alpha else (0, 0, 0, 0))
    mask = _mask_rows(canvas.width, canvas.height, lambda x, y: canvas.get(x, y) == transparent)
    header = _bitmap_info_header(canvas.width, canvas.height * 2, 32, len(colour) + len(mask))
    return header + bytes(colour) + mask


def _write_directory(path, kind, entries):
    """entries: (width, height, colour count, planes or hot x, bits or hot y, image bytes)."""
    offset = 6 + 16 * len(entries)
    directory = struct.pack('<HHH', 0, kind, len(entries))
    images = b''
    for width, height, colours, field1, field2, image in entries:
        directory += struct.pack('<BBBBHHII', width % 256, height % 256, colours, 0, field1, field2,
                                 len(image), offset + len(images))
        images += image
    with open(path, 'wb') as f:
        f.write(directory + images)


def write_ico(path, canvases, transparent):
    _write_directory(path, 1, [(c.width, c.height, 0, 1, 32, _icon_image(c, transparent)) for c in canvases])


def write_cur(path, rows, hotspot):
    """A 32 x 32 monochrome cursor from 32 text rows: 'k' black, 'w' white, 'i' inverted
    screen, anything else transparent."""
    size = 32

    def cell(x, y):
        return rows[y][x] if y < len(rows) and x < len(rows[y]) else '.'

    xor = _mask_rows(size, size, lambda x, y: cell(x, y) in 'wi')
    and_mask = _mask_rows(size, size, lambda x, y: cell(x, y) not in 'kw')
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = _bitmap_info_header(size, size * 2, 1, len(xor) + len(and_mask)) + palette + xor + and_mask
    _write_directory(path, 2, [(size, size, 2, hotspot[0], hotspot[1], image)])


def _lzw_codes(indices, min_code_size):
    """The GIF variant of LZW: yields (code, width) pairs, starting with a clear code."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    yield clear, width
    prefix = ()
    for index in indices:
        candidate = prefix + (index,)
        if candidate in table:
            prefix = candidate
            continue
        yield table[prefix], width
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            yield clear, width
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            width = min_code_size + 1
        prefix = (index,)
    if prefix:
        yield table[prefix], width
    yield end, width


def _lzw_compress(indices, min_code_size):
    out, bit_buffer, bit_count = bytearray(), 0, 0
    for code, width in _lzw_codes(indices, min_code_size):
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def _sub_blocks(data):
    return b''.join(bytes((len(data[i:i + 255]),)) + data[i:i + 255] for i in range(0, len(data), 255)) + b'\0'


def write_animated_gif(path, frames, palette, delay_hundredths):
    """frames: canvases of one size whose colours all appear in the palette (at most 16
    colours); the animation loops for ever."""
    width, height = frames[0].width, frames[0].height
    colours = list(palette) + [(0, 0, 0)] * (16 - len(palette))
    index_of = {colour: i for i, colour in enumerate(palette)}
    data = b'GIF89a' + struct.pack('<HHBBB', width, height, 0xF3, 0, 0)
    data += b''.join(bytes(colour) for colour in colours)
    data += b'\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00'
    for frame in frames:
        indices = [index_of[frame.get(x, y)] for y in range(height) for x in range(width)]
        data += b'\x21\xF9\x04' + struct.pack('<BHBB', 0x04, delay_hundredths, 0, 0)
        data += b'\x2C' + struct.pack('<HHHHB', 0, 0, width, height, 0)
        data += bytes((4,)) + _sub_blocks(_lzw_compress(indices, 4))
    data += b'\x3B'
    with open(path, 'wb') as f:
        f.write(data)
