"""The 16 x 16 pictures of the toolbars and tree image lists.

Each glyph is a function drawing onto a 16 x 16 canvas whose background is the mask
colour of the strip it goes into; no glyph uses a mask colour itself."""

from canvas import Canvas

BLACK = (0, 0, 0)
DARK = (80, 80, 80)
GREY = (150, 150, 150)
PAPER = (255, 255, 236)
BLUE = (0, 70, 170)
LIGHT_BLUE = (110, 170, 230)
RED = (205, 30, 30)
YELLOW = (250, 205, 40)
OCHRE = (185, 135, 0)
GREEN = (20, 140, 40)
LIGHT_GREEN = (130, 210, 120)
CYAN = (0, 140, 160)
ORANGE = (235, 125, 0)
PURPLE = (120, 60, 160)

PALETTE = {'k': BLACK, 'd': DARK, 'g': GREY, 'p': PAPER, 'b': BLUE, 'B': LIGHT_BLUE, 'r': RED,
           'y': YELLOW, 'Y': OCHRE, 'n': GREEN, 'N': LIGHT_GREEN, 'c': CYAN, 'o': ORANGE, 'm': PURPLE}


# Shared parts -------------------------------------------------------------------------

def page(c, x0=2, y0=1, x1=12, y1=14):
    """A sheet of paper with a folded top-right corner."""
    fold = 3
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if x - (x1 - fold) <= y - y0:
                c.put(x, y, PAPER)
    c.line(x0, y0, x1 - fold, y0, DARK)
    c.line(x1 - fold, y0, x1, y0 + fold, DARK)
    c.line(x1, y0 + fold, x1, y1, DARK)
    c.line(x0, y1, x1, y1, DARK)
    c.line(x0, y0, x0, y1, DARK)
    c.line(x1 - fold, y0, x1 - fold, y0 + fold, DARK)
    c.line(x1 - fold, y0 + fold, x1, y0 + fold, DARK)


def text_lines(c, x0, y0, x1, rows, colour=GREY):
    for i in range(rows):
        c.line(x0, y0 + 2 * i, x1 - (i % 3) * 2, y0 + 2 * i, colour)


def folder(c, colour=YELLOW, edge=OCHRE):
    c.fill_rect(1, 4, 14, 10, colour)
    c.fill_rect(1, 3, 6, 2, colour)
    c.frame_rect(1, 4, 14, 10, edge)
    c.line(1, 3, 6, 3, edge)
    c.line(1, 3, 1, 4, edge)
    c.line(6, 3, 7, 4, edge)
    c.line(2, 6, 13, 6, PAPER)


def star(c, x, y):
    c.art(x, y, ['..y..',
                 'y.y.y',
                 '.yyy.',
                 'y.y.y',
                 '..y..'], PALETTE)


def arrow_down(c, x, y, colour):
    c.fill_rect(x + 2, y, 3, 4, colour)
    for i in range(4):
        c.line(x + i, y + 4 + i, x + 6 - i, y + 4 + i, colour)


def arrow_right(c, x, y, colour):
    c.fill_rect(x, y + 2, 4, 3, colour)
    for i in range(4):
        c.line(x + 4 + i, y + i, x + 4 + i, y + 6 - i, colour)


def cross(c, x, y, colour=RED):
    """A bold x in a 5 x 5 cell."""
    for i in range(5):
        c.put(x + i, y + i, colour)
        c.put(x + 4 - i, y + i, colour)
        c.put(x + i + 1, y + i, colour)
        c.put(x + 5 - i, y + i, colour)


def contact(c, y, negated=False, colour=BLUE):
    """-| |- across the cell at row y."""
    c.line(0, y, 5, y, colour)
    c.line(10, y, 15, y, colour)
    c.line(5, y - 3, 5, y + 3, colour)
    c.line(10, y - 3, 10, y + 3, colour)
    if negated:
        c.line(6, y + 2, 9, y - 2, colour)


def coil(c, y, colour=BLUE, start=0):
    """-( )- across the cell at row y, its left lead beginning at column start."""
    c.line(start, y, 4, y, colour)
    c.line(11, y, 15, y, colour)
    c.art(4, y - 3, ['.b....b.',
                     'b......b',
                     'b......b',
                     'b......b',
                     'b......b',
                     'b......b',
                     '.b....b.'], {'b': colour})


def rails(c, colour=DARK):
    c.line(0, 0, 0, 15, colour)
    c.line(15, 0, 15, 15, colour)


def grid(c, colour=BLUE, header=LIGHT_BLUE):
    c.fill_rect(1, 2, 14, 12, PAPER)
    c.fill_rect(1, 2, 14, 3, header)
    c.frame_rect(1, 2, 14, 12, colour)
    for y in (4, 7, 10):
        c.line(1, y, 14, y, colour)
    c.line(5, 2, 5, 13, colour)


def chip(c, body=DARK, pins=GREY):
    c.fill_rect(3, 3, 10, 10, body)
    for i in range(4, 12, 2):
        c.line(i, 1, i, 2, pins)
        c.line(i, 13, i, 14, pins)
        c.line(1, i, 2, i, pins)
        c.line(13, i, 14, i, pins)


def module(c, face=LIGHT_BLUE, edge=BLUE):
    c.fill_rect(3, 1, 10, 14, face)
    c.frame_rect(3, 1, 10, 14, edge)
    for y in range(3, 13, 2):
        c.put(5, y, GREEN)
        c.line(7, y, 10, y, edge)


def plc(c):
    c.fill_rect(2, 6, 12, 9, GREY)
    c.frame_rect(2, 6, 12, 9, DARK)
    c.fill_rect(4, 8, 4, 2, GREEN)
    c.line(4, 12, 11, 12, DARK)


# Standard toolbar ---------------------------------------------------------------------

def new_project(c):
    page(c)
    star(c, 10, 0)


def open_project(c):
    folder(c)
    arrow_right(c, 8, 0, GREEN)


def save_project(c):
    c.art(0, 0, ['................',
                 '.bbbbbbbbbbbbb..',
                 '.bBppppppppBBb..',
                 '.bBppppppppBBb..',
                 '.bBppppppppBBb..',
                 '.bBppppppppBBb..',
                 '.bBBBBBBBBBBBb..',
                 '.bBBBBBBBBBBBb..',
                 '.bBBgggggggBBb..',
                 '.bBBggkkggggBb..',
                 '.bBBggkkggggBb..',
                 '.bBBggkkggggBb..',
                 '.bBBgggggggBBb..',
                 '..bbbbbbbbbbbb..',
                 '................',
                 '................'], PALETTE)


def close_project(c):
    folder(c)
    cross(c, 9, 9)


def print_preview(c):
    page(c, 1, 1, 10, 14)
    text_lines(c, 3, 5, 8, 4)
    c.art(6, 6, ['.kkk..',
                 'kBBBk.',
                 'kBBBk.',
                 'kBBBk.',
                 '.kkkk.',
                 '....kk',
                 '.....k'], PALETTE)


def print_document(c):
    c.art(0, 0, ['................',
                 '....kkkkkkk.....',
                 '....kpppppk.....',
                 '....kpggppk.....',
                 '....kppppppk....',
                 '..kkkkkkkkkkkk..',
                 '.kggggggggggggk.',
                 '.kggggggggggnnk.',
                 '.kggggggggggggk.',
                 '.kkkkkkkkkkkkkk.',
                 '.kgkpppppppkgk..',
                 '...kpggggppk....',
                 '...kppppppppk...',
                 '...kkkkkkkkkk...',
                 '................',
                 '................'], PALETTE)


def cut(c):
    c.art(0, 0, ['................',
                 '....k.....k.....',
                 '....k.....k.....',
                 '....kk...kk.....',
                 '.....k...k......',
                 '.....kk.kk......',
                 '......kkk.......',
                 '.......k........',
                 '......b.b.......',
                 '....bbb.bbb.....',
                 '...b..b.b..b....',
                 '...b..b.b..b....',
                 '...b..b.b..b....',
                 '....bb...bb.....',
                 '................',
                 '................'], PALETTE)


def copy(c):
    page(c, 1, 1, 9, 10)
    page(c, 5, 5, 14, 15)
    text_lines(c, 7, 9, 12, 3, BLUE)


def paste(c):
    c.fill_rect(1, 2, 10, 12, OCHRE)
    c.frame_rect(1, 2, 10, 12, DARK)
    c.fill_rect(4, 1, 4, 3, GREY)
    c.frame_rect(4, 1, 4, 3, DARK)
    page(c, 6, 6, 14, 15)
    text_lines(c, 8, 10, 12, 3, BLUE)


def curved_arrow(c, mirrored):
    rows = ['................',
            '................',
            '..k.............',
            '..kk...kkkkk....',
            '..kbk.kbbbbbkk..',
            '..kbbkbbkkkbbbk.',
            '..kbbbbk....kbbk',
            '..kbbbbk.....kbk',
            '..kbbbbbk....kbk',
            '..kkkkkkkk...kbk',
            '............kbbk',
            '...........kbbk.',
            '.........kkbbk..',
            '.........kkkk...',
            '................',
            '................']
    if mirrored:
        rows = [row[::-1] for row in rows]
    c.art(0, 0, rows, PALETTE)


def undo(c):
    curved_arrow(c, False)


def redo(c):
    curved_arrow(c, True)


# Project toolbar ----------------------------------------------------------------------

def new_subroutine(c):
    page(c)
    c.art(4, 6, ['.bb.', 'b...', '.bb.', '...b', 'bbb.'], PALETTE)
    star(c, 10, 0)


def new_interrupt(c):
    page(c)
    c.art(3, 5, ['...rr.', '..rr..', '.rrrr.', '...rr.', '..rr..', '.r....'], PALETTE)
    star(c, 10, 0)


def show_global_names(c):
    """A name tag."""
    c.fill_rect(3, 4, 12, 8, YELLOW)
    c.frame_rect(3, 4, 12, 8, OCHRE)
    c.line(0, 8, 3, 5, OCHRE)
    c.line(0, 8, 3, 11, OCHRE)
    c.fill_rect(5, 7, 2, 2, DARK)
    c.line(8, 7, 12, 7, BLUE)
    c.line(8, 9, 11, 9, BLUE)


def cross_reference(c):
    grid(c)
    c.line(8, 9, 13, 12, RED)
    c.line(8, 12, 13, 9, RED)


# Ladder toolbar -----------------------------------------------------------------------

def new_network(c):
    rails(c)
    c.line(0, 8, 15, 8, BLUE)
    star(c, 10, 0)


def left_contact(c):
    contact(c, 8)
    c.fill_rect(0, 13, 6, 2, GREEN)


def right_contact(c):
    contact(c, 8)
    c.fill_rect(10, 13, 6, 2, GREEN)


def parallel_contact(c):
    c.line(0, 4, 15, 4, BLUE)
    c.line(1, 4, 1, 11, BLUE)
    c.line(14, 4, 14, 11, BLUE)
    c.line(1, 11, 5, 11, BLUE)
    c.line(10, 11, 14, 11, BLUE)
    c.line(5, 8, 5, 14, BLUE)
    c.line(10, 8, 10, 14, BLUE)


def function_block(c):
    c.line(0, 5, 3, 5, BLUE)
    c.line(12, 5, 15, 5, BLUE)
    c.fill_rect(3, 1, 10, 14, PAPER)
    c.frame_rect(3, 1, 10, 14, BLUE)
    c.fill_rect(3, 1, 10, 3, LIGHT_BLUE)
    c.line(4, 8, 6, 8, GREY)
    c.line(4, 11, 6, 11, GREY)


def parallel_branch(c):
    c.line(0, 4, 15, 4, BLUE)
    c.line(3, 4, 3, 12, BLUE)
    c.line(3, 12, 12, 12, BLUE)
    c.line(12, 4, 12, 12, BLUE)
    c.put(3, 4, RED)
    c.put(12, 4, RED)


def parallel_coil(c):
    c.line(0, 3, 15, 3, BLUE)
    c.line(2, 3, 2, 11, BLUE)
    coil(c, 11, start=2)


def delete_element(c):
    contact(c, 6, colour=GREY)
    cross(c, 8, 9)


def delete_network(c):
    rails(c)
    c.line(0, 5, 15, 5, GREY)
    cross(c, 5, 9)


# PLC toolbar --------------------------------------------------------------------------

def compile_project(c):
    page(c)
    text_lines(c, 4, 5, 9, 3)
    c.art(7, 8, ['.......n', '......nn', 'n....nn.', 'nn..nn..', '.nnnn...', '..nn....'], PALETTE)


def download(c):
    plc(c)
    arrow_down(c, 5, 0, GREEN)


def monitor(c):
    c.fill_rect(1, 2, 14, 9, DARK)
    c.fill_rect(2, 3, 12, 7, LIGHT_GREEN)
    c.line(2, 8, 5, 5, GREEN)
    c.line(5, 5, 8, 7, GREEN)
    c.line(8, 7, 13, 3, GREEN)
    c.fill_rect(6, 11, 4, 2, GREY)
    c.fill_rect(4, 13, 8, 1, DARK)


def force(c):
    c.art(2, 1, ['rrrrrrrrrr',
                 'rrrrrrrrrr',
                 'rr........',
                 'rr........',
                 'rrrrrrr...',
                 'rrrrrrr...',
                 'rr........',
                 'rr........',
                 'rr........',
                 'rr........'], PALETTE)
    arrow_down(c, 8, 8, BLUE)


def unforce(c):
    c.art(2, 1, ['gggggggggg',
                 'gggggggggg',
                 'gg........',
                 'gg........',
                 'ggggggg...',
                 'ggggggg...',
                 'gg........',
                 'gg........',
                 'gg........',
                 'gg........'], PALETTE)
    cross(c, 9, 10)


# Instruction tree (bitmap 180) --------------------------------------------------------

def ld_group(c):
    folder(c, LIGHT_BLUE, BLUE)
    contact(c, 10, colour=DARK)


def ld_instruction(c):
    contact(c, 8)


def il_instruction(c):
    text_lines(c, 2, 4, 13, 5, DARK)


def il_group(c):
    folder(c)
    text_lines(c, 3, 8, 12, 3, DARK)


# Project tree (bitmap 187) ------------------------------------------------------------

def project(c):
    c.fill_rect(2, 2, 12, 12, LIGHT_BLUE)
    c.frame_rect(2, 2, 12, 12, BLUE)
    c.fill_rect(4, 4, 3, 3, YELLOW)
    c.fill_rect(9, 4, 3, 3, GREEN)
    c.fill_rect(4, 9, 3, 3, RED)
    c.fill_rect(9, 9, 3, 3, PURPLE)


def programs_folder(c):
    folder(c)


def ld_program(c):
    page(c)
    c.line(4, 4, 4, 12, BLUE)
    c.line(10, 4, 10, 12, BLUE)
    c.line(4, 6, 10, 6, BLUE)
    c.line(4, 10, 10, 10, BLUE)


def status_table(c):
    grid(c, GREEN, LIGHT_GREEN)


def hardware_configuration(c):
    c.fill_rect(1, 3, 14, 10, GREY)
    c.frame_rect(1, 3, 14, 10, DARK)
    for x in (2, 6, 10):
        c.fill_rect(x, 4, 3, 8, LIGHT_BLUE)
        c.put(x + 1, 5, GREEN)


def configuration_folder(c):
    folder(c, LIGHT_GREEN, GREEN)


def resources_folder(c):
    folder(c, (240, 170, 90), ORANGE)


def global_variable_table(c):
    grid(c)


def pc_communication(c):
    c.fill_rect(1, 2, 9, 7, DARK)
    c.fill_rect(2, 3, 7, 5, LIGHT_BLUE)
    c.fill_rect(3, 10, 5, 2, GREY)
    c.line(10, 11, 14, 11, BLUE)
    c.line(14, 11, 14, 5, BLUE)
    c.fill_rect(12, 3, 3, 3, DARK)


def main_program(c):
    page(c)
    c.art(3, 6, ['k...k', 'kk.kk', 'k.k.k', 'k...k', 'k...k'], PALETTE)


def il_program(c):
    page(c)
    text_lines(c, 4, 5, 9, 4, BLUE)


def init_data_table(c):
    grid(c, PURPLE, (200, 170, 230))


# Module tree (bitmap 211) -------------------------------------------------------------

def cpu_model(c):
    chip(c)
    c.fill_rect(6, 6, 4, 4, YELLOW)


def expansion_model(c):
    module(c)


def module_group(c):
    folder(c)


# Menu bar system images (bitmap 9407) and tab group commands (bitmap 9422) ------------

def window_restore(c):
    c.frame_rect(5, 2, 9, 7, BLACK)
    c.line(5, 3, 13, 3, BLACK)
    c.fill_rect(2, 6, 9, 7, c.background)
    c.frame_rect(2, 6, 9, 7, BLACK)
    c.line(2, 7, 10, 7, BLACK)


def window_minimize(c):
    c.fill_rect(4, 11, 7, 2, BLACK)


def window_maximize(c):
    c.frame_rect(2, 2, 12, 11, BLACK)
    c.line(2, 3, 13, 3, BLACK)


def window_close(c):
    for i in range(8):
        c.put(4 + i, 4 + i, BLACK)
        c.put(5 + i, 4 + i, BLACK)
        c.put(11 - i, 4 + i, BLACK)
        c.put(12 - i, 4 + i, BLACK)


def new_horizontal_tab_group(c):
    c.fill_rect(1, 1, 14, 6, PAPER)
    c.frame_rect(1, 1, 14, 6, BLUE)
    c.fill_rect(1, 9, 14, 6, PAPER)
    c.frame_rect(1, 9, 14, 6, BLUE)
    c.fill_rect(1, 9, 5, 2, LIGHT_BLUE)


def new_vertical_tab_group(c):
    c.fill_rect(1, 1, 6, 14, PAPER)
    c.frame_rect(1, 1, 6, 14, BLUE)
    c.fill_rect(9, 1, 6, 14, PAPER)
    c.frame_rect(9, 1, 6, 14, BLUE)
    c.fill_rect(9, 1, 6, 2, LIGHT_BLUE)


def strip(glyphs, mask):
    """The glyphs side by side, each 16 x 16, on the mask colour."""
    result = Canvas(16 * len(glyphs), 16, mask)
    for i, draw in enumerate(glyphs):
        cell = Canvas(16, 16, mask)
        draw(cell)
        result.paste(cell, 16 * i, 0)
    return result
