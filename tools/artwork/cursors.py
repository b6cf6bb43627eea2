"""The program's 32 x 32 monochrome cursors, drawn on a character grid:
'k' black, 'w' white, '.' transparent."""

ARROW = ['k...........',
         'kk..........',
         'kwk.........',
         'kwwk........',
         'kwwwk.......',
         'kwwwwk......',
         'kwwwwwk.....',
         'kwwwwwwk....',
         'kwwwwwwwk...',
         'kwwwwwwwwk..',
         'kwwwwwkkkkk.',
         'kwwkwwk.....',
         'kwk.kwwk....',
         'kk..kwwk....',
         'k....kwwk...',
         '.....kwwk...',
         '......kk....']

HAND = ['.....kk.........',
        '....kwwk........',
        '....kwwk........',
        '....kwwk........',
        '....kwwkkk......',
        '....kwwkwwkkk...',
        '.kk.kwwkwwkwwkk.',
        'kwwkkwwkwwkwwkwk',
        'kwwwkwwwwwwwwwwk',
        '.kwwkwwwwwwwwwwk',
        '..kwwwwwwwwwwwwk',
        '..kwwwwwwwwwwwk.',
        '...kwwwwwwwwwwk.',
        '...kwwwwwwwwwk..',
        '....kwwwwwwwwk..',
        '....kkkkkkkkkk..']

NO_ENTRY = ['...kkkkk...',
            '..kwwwwwk..',
            '.kwkkkkkwk.',
            'kwkkwwwkkwk',
            'kwkwwwkkwwk',
            'kwkwwkkwkwk',
            'kwkwkkwwkwk',
            'kwkkkwwkkwk',
            '.kwkkkkkwk.',
            '..kwwwwwk..',
            '...kkkkk...']


class Grid:
    def __init__(self):
        self.cells = [['.'] * 32 for _ in range(32)]

    def art(self, x, y, rows):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != '.' and 0 <= x + dx < 32 and 0 <= y + dy < 32:
                    self.cells[y + dy][x + dx] = ch

    def put(self, x, y, ch):
        self.cells[y][x] = ch

    def rect(self, x, y, w, h, edge, inside=None):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                border = yy in (y, y + h - 1) or xx in (x, x + w - 1)
                if border:
                    self.put(xx, yy, edge)
                elif inside:
                    self.put(xx, yy, inside)

    def dotted_rect(self, x, y, w, h):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                if yy in (y, y + h - 1) or xx in (x, x + w - 1):
                    self.put(xx, yy, 'k' if (xx + yy) % 2 else 'w')

    def rows(self):
        return [''.join(row) for row in self.cells]


def _mirrored(rows, width):
    return [row.ljust(width, '.')[::-1] for row in rows]


def gutter():
    """An arrow pointing up and to the right, shown over the line-number gutter."""
    grid = Grid()
    grid.art(0, 0, _mirrored(ARROW, 12))
    return grid.rows(), (11, 0)


def branch_tool():
    """A cross hair with a small parallel branch beside it."""
    grid = Grid()
    for i in range(0, 15):
        if abs(i - 7) > 1:
            grid.put(i, 7, 'k')
            grid.put(7, i, 'k')
    grid.art(16, 16, ['kkkkkkkkkkk',
                      'k.........k',
                      'k.........k',
                      'k.........k',
                      'kkkkkkkkkkk'])
    grid.art(15, 15, ['w'])
    return grid.rows(), (7, 7)


def _drag(box_rows):
    grid = Grid()
    grid.dotted_rect(6, 16, 13, 9)
    grid.art(0, 0, ARROW)
    if box_rows:
        grid.rect(14, 20, 11, 11, 'k', 'w')
        grid.art(16, 22, box_rows)
    return grid.rows(), (0, 0)


def drag_copy():
    return _drag(['...k...', '...k...', '...k...', 'kkkkkkk', '...k...', '...k...', '...k...'])


def drag_move():
    return _drag(None)


def drag_delete():
    return _drag(['k.....k', '.k...k.', '..k.k..', '...k...', '..k.k..', '.k...k.', 'k.....k'])


def hand():
    grid = Grid()
    grid.art(0, 0, HAND)
    return grid.rows(), (5, 0)


def hand_no_entry():
    grid = Grid()
    grid.art(0, 0, HAND)
    grid.art(14, 14, NO_ENTRY)
    return grid.rows(), (5, 0)


def _split(vertical_bars):
    """Two bars with arrows away from them on both sides, centred on (15, 15); built
    for bars that run up and down and turned for the other direction."""
    grid = Grid()
    for y in range(8, 23):
        for x in (13, 17):
            grid.put(x, y, 'w')
        grid.put(14, y, 'k')
        grid.put(16, y, 'k')
    for i in range(4):
        for x in (8 + i, 22 - i):
            for y in range(15 - i, 16 + i):
                grid.put(x, y, 'k')
    rows = grid.rows()
    if not vertical_bars:
        rows = [''.join(rows[y][x] for y in range(32)) for x in range(32)]
    return rows, (15, 15)


def split_horizontal():
    return _split(True)


def split_vertical():
    return _split(False)


def drop_allowed():
    grid = Grid()
    grid.art(0, 0, ARROW)
    grid.rect(10, 18, 12, 9, 'k', 'w')
    grid.rect(10, 18, 12, 3, 'k', 'k')
    return grid.rows(), (0, 0)


def drop_refused():
    grid = Grid()
    grid.art(0, 0, ARROW)
    grid.art(10, 16, NO_ENTRY)
    return grid.rows(), (0, 0)
