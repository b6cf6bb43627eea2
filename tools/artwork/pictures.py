"""The larger pictures: the start-up picture, the icons and the detection animation."""

from canvas import Canvas
import glyphs

# A 5 x 7 bitmap font with the characters the start-up picture writes.
FONT = {
    'T': ['#####', '..#..', '..#..', '..#..', '..#..', '..#..', '..#..'],
    'e': ['.....', '.....', '.###.', '#...#', '#####', '#....', '.###.'],
    's': ['.....', '.....', '.####', '#....', '.###.', '....#', '####.'],
    'a': ['.....', '.....', '.###.', '....#', '.####', '#...#', '.####'],
    'r': ['.....', '.....', '#.##.', '##..#', '#....', '#....', '#....'],
    'o': ['.....', '.....', '.###.', '#...#', '#...#', '#...#', '.###.'],
    'n': ['.....', '.....', '#.##.', '##..#', '#...#', '#...#', '#...#'],
    'V': ['#...#', '#...#', '#...#', '#...#', '#...#', '.#.#.', '..#..'],
    'R': ['####.', '#...#', '#...#', '####.', '#.#..', '#..#.', '#...#'],
    'P': ['####.', '#...#', '#...#', '####.', '#....', '#....', '#....'],
    'L': ['#....', '#....', '#....', '#....', '#....', '#....', '#####'],
    'C': ['.###.', '#...#', '#....', '#....', '#....', '#...#', '.###.'],
    'O': ['.###.', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'G': ['.###.', '#...#', '#....', '#.###', '#...#', '#...#', '.###.'],
    'A': ['.###.', '#...#', '#...#', '#####', '#...#', '#...#', '#...#'],
    'M': ['#...#', '##.##', '#.#.#', '#.#.#', '#...#', '#...#', '#...#'],
    'I': ['.###.', '..#..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    'N': ['#...#', '##..#', '#.#.#', '#..##', '#...#', '#...#', '#...#'],
    'E': ['#####', '#....', '#....', '####.', '#....', '#....', '#####'],
    '1': ['..#..', '.##..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    '2': ['.###.', '#...#', '....#', '...#.', '..#..', '.#...', '#####'],
    '5': ['#####', '#....', '####.', '....#', '....#', '#...#', '.###.'],
    '9': ['.###.', '#...#', '#...#', '.####', '....#', '...#.', '.##..'],
    '.': ['.....', '.....', '.....', '.....', '.....', '.##..', '.##..'],
    ' ': ['.....'] * 7,
}


def draw_text(canvas, x, y, text, scale, colour, shadow=None):
    """Writes text with the bitmap font, each font pixel a scale x scale square."""
    for ch in text:
        rows = FONT[ch]
        for row_index, row in enumerate(rows):
            for col_index, bit in enumerate(row):
                if bit == '#':
                    px, py = x + col_index * scale, y + row_index * scale
                    if shadow:
                        canvas.fill_rect(px + scale // 3 + 1, py + scale // 3 + 1, scale, scale, shadow)
                    canvas.fill_rect(px, py, scale, scale, colour)
        x += 6 * scale


def text_width(text, scale):
    return len(text) * 6 * scale - scale


TILE_COLOURS = [(230, 180, 40), (40, 150, 200), (200, 70, 60), (90, 170, 90), (235, 235, 225)]


def splash():
    """600 x 450: a mosaic of square tiles above the product name and version."""
    c = Canvas(600, 450, (0, 0, 0))
    c.vertical_gradient((14, 30, 70), (18, 86, 118))
    tile, gap = 22, 4
    for row in range(5):
        for col in range(19):
            # A diagonal band of coloured tiles that fades out to the right.
            if (col + row) % 3 == 0 or col < 4 - row:
                colour = TILE_COLOURS[(col * 7 + row * 3) % len(TILE_COLOURS)]
            else:
                colour = (40, 70, 110) if (col + row) % 2 else (30, 58, 98)
            c.fill_rect(52 + col * (tile + gap), 40 + row * (tile + gap), tile, tile, colour)
    title, scale = 'Tessaron', 10
    draw_text(c, (600 - text_width(title, scale)) // 2, 200, title, scale, (250, 250, 245), (8, 20, 45))
    c.fill_rect(52, 296, 496, 3, (230, 180, 40))
    subtitle = 'R2 PLC PROGRAMMING ENVIRONMENT'
    draw_text(c, (600 - text_width(subtitle, 3)) // 2, 320, subtitle, 3, (200, 220, 235))
    version = 'V1.9.5.1'
    draw_text(c, 548 - text_width(version, 3), 400, version, 3, (200, 220, 235))
    return c


def application_icon(size):
    """Four tiles of the mosaic on a dark square."""
    c = Canvas(size, size, (255, 0, 255))
    c.fill_rect(0, 0, size, size, (14, 40, 86))
    unit = size // 16
    half = (size - 3 * unit) // 2
    colours = TILE_COLOURS[:4]
    for i, colour in enumerate(colours):
        x = unit + (i % 2) * (half + unit)
        y = unit + (i // 2) * (half + unit)
        c.fill_rect(x, y, half, half, colour)
    return c


def document_icon(size):
    """A sheet with ladder rungs, for the document windows."""
    scale = size // 16
    small = Canvas(16, 16, (255, 0, 255))
    glyphs.ld_program(small)
    c = Canvas(size, size, (255, 0, 255))
    for y in range(16):
        for x in range(16):
            c.fill_rect(x * scale, y * scale, scale, scale, small.get(x, y))
    return c


DETECT_BACKGROUND = (255, 255, 255)
DETECT_PALETTE = [DETECT_BACKGROUND, glyphs.DARK, glyphs.GREY, glyphs.LIGHT_BLUE, glyphs.GREEN,
                  glyphs.BLUE, glyphs.YELLOW, glyphs.LIGHT_GREEN]


def detection_scene(lit_dot):
    """A PC on the left and a PLC on the right, joined by a line of dots of which
    lit_dot (or none for -1) is lit."""
    c = Canvas(48, 32, DETECT_BACKGROUND)
    c.frame_rect(0, 0, 48, 32, glyphs.GREY)
    c.fill_rect(3, 7, 12, 10, glyphs.DARK)
    c.fill_rect(4, 8, 10, 8, glyphs.LIGHT_BLUE)
    c.fill_rect(7, 18, 4, 2, glyphs.GREY)
    c.fill_rect(5, 20, 8, 2, glyphs.DARK)
    c.fill_rect(34, 8, 11, 16, glyphs.GREY)
    c.frame_rect(34, 8, 11, 16, glyphs.DARK)
    for y in range(11, 22, 3):
        c.fill_rect(36, y, 2, 2, glyphs.GREEN)
        c.line(39, y, 42, y, glyphs.BLUE)
    for i in range(5):
        colour = glyphs.YELLOW if i == lit_dot else glyphs.LIGHT_GREEN
        c.fill_rect(17 + 3 * i, 14, 2, 2, colour if lit_dot >= 0 else glyphs.GREY)
    return c
