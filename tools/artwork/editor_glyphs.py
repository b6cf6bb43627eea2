"""The 16 x 16 pictures of the button image editor's tools and moves, and its cursors."""

import glyphs as g
from cursors import Grid

RAINBOW = [g.RED, g.YELLOW, g.GREEN, g.BLUE]


def pencil(c):
    for i in range(9):
        c.line(4 + i, 11 - i, 6 + i, 13 - i, g.YELLOW)
    c.line(3, 12, 12, 3, g.OCHRE)
    c.line(5, 14, 14, 5, g.OCHRE)
    c.line(12, 2, 15, 5, g.RED)
    c.line(2, 13, 3, 14, g.BLACK)
    c.put(2, 14, g.BLACK)


def fill(c):
    c.art(3, 2, ['....kk....',
                 '...kppk...',
                 '..kpppk...',
                 '.kpppppk..',
                 'kpppppppk.',
                 '.kpppppkbb',
                 '..kpppk.bb',
                 '...kpk..bb',
                 '....k....b'], g.PALETTE)
    c.fill_rect(1, 12, 14, 3, g.BLUE)


def pick_color(c):
    c.line(3, 12, 10, 5, g.DARK)
    c.line(4, 13, 11, 6, g.GREY)
    c.fill_rect(10, 2, 4, 4, g.BLACK)
    c.put(2, 13, g.BLUE)
    c.put(1, 14, g.BLUE)


def line(c):
    c.line(2, 13, 13, 2, g.BLACK)


def rectangle(c):
    c.frame_rect(2, 3, 12, 10, g.BLACK)


def ellipse(c):
    c.art(2, 3, ['....kkkk....',
                 '..kk....kk..',
                 '.k........k.',
                 'k..........k',
                 'k..........k',
                 'k..........k',
                 '.k........k.',
                 '..kk....kk..',
                 '....kkkk....'], g.PALETTE)


def clear(c):
    c.frame_rect(2, 2, 12, 12, g.GREY)
    g.cross(c, 4, 4)


def load(c):
    g.folder(c)
    g.arrow_down(c, 8, 1, g.BLUE)


def _arrow(c, rows):
    c.art(4, 4, rows, {'k': g.BLACK})


def move_left(c):
    _arrow(c, ['...k....', '..kk....', '.kkkkkkk', 'kkkkkkkk', '.kkkkkkk', '..kk....', '...k....'])


def move_right(c):
    _arrow(c, ['....k...', '....kk..', 'kkkkkkk.', 'kkkkkkkk', 'kkkkkkk.', '....kk..', '....k...'])


def move_up(c):
    _arrow(c, ['...k...', '..kkk..', '.kkkkk.', 'kkkkkkk', '..kkk..', '..kkk..', '..kkk..', '..kkk..'])


def move_down(c):
    _arrow(c, ['..kkk..', '..kkk..', '..kkk..', '..kkk..', 'kkkkkkk', '.kkkkk.', '..kkk..', '...k...'])


# The 12 tools in button order, then the four moves in command order.
STRIP = [pencil, fill, g.undo, g.redo, pick_color, line, g.copy, g.paste, rectangle, ellipse, clear, load,
         move_left, move_down, move_up, move_right]


def _cross_hair(grid, x, y):
    for i in range(-6, 7):
        if abs(i) > 1:
            grid.put(x + i, y, 'k')
            grid.put(x, y + i, 'k')


def shape_cursor():
    grid = Grid()
    _cross_hair(grid, 7, 7)
    return grid.rows(), (7, 7)


def pick_cursor():
    grid = Grid()
    grid.art(0, 0, ['.........kkk',
                    '........kkkkk',
                    '......kkkkkkk',
                    '.....kwkkkkk',
                    '....kwwwkkk',
                    '...kwwwwk',
                    '..kwwwwk',
                    '.kwwwwk',
                    'kwwwwk',
                    'kwwwk',
                    '.kkk'])
    return grid.rows(), (0, 10)


def fill_cursor():
    grid = Grid()
    _cross_hair(grid, 7, 7)
    grid.art(14, 12, ['....kk....',
                      '...kwwk...',
                      '..kwwwk...',
                      '.kwwwwwk..',
                      'kwwwwwwwk.',
                      '.kwwwwwkkk',
                      '..kwwwk.kk',
                      '...kwk..kk',
                      '....k....k'])
    return grid.rows(), (7, 7)


def pencil_cursor():
    grid = Grid()
    for i in range(11):
        grid.put(2 + i, 13 - i, 'k')
        grid.put(3 + i, 14 - i, 'w')
        grid.put(4 + i, 15 - i, 'k')
    grid.art(0, 13, ['kk.', 'kkk', '.k.'])
    return grid.rows(), (0, 15)
