"""A small RGB pixel canvas with the drawing operations the artwork needs."""


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.background = background
        self.pixels = [[background] * width for _ in range(height)]

    def get(self, x, y):
        return self.pixels[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill_rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def frame_rect(self, x, y, w, h, colour):
        self.line(x, y, x + w - 1, y, colour)
        self.line(x, y + h - 1, x + w - 1, y + h - 1, colour)
        self.line(x, y, x, y + h - 1, colour)
        self.line(x + w - 1, y, x + w - 1, y + h - 1, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham line, both end points included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        error = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            doubled = 2 * error
            if doubled >= dy:
                error += dy
                x0 += sx
            if doubled <= dx:
                error += dx
                y0 += sy

    def fill_ellipse(self, cx, cy, rx, ry, colour):
        for y in range(cy - ry, cy + ry + 1):
            for x in range(cx - rx, cx + rx + 1):
                if ((x - cx) / (rx + 0.5)) ** 2 + ((y - cy) / (ry + 0.5)) ** 2 <= 1.0:
                    self.put(x, y, colour)

    def art(self, x, y, rows, palette):
        """Draws a picture given as text rows; characters missing from the palette
        (such as '.') leave the canvas unchanged."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in palette:
                    self.put(x + dx, y + dy, palette[ch])

    def paste(self, other, x, y):
        for yy in range(other.height):
            for xx in range(other.width):
                self.put(x + xx, y + yy, other.get(xx, yy))

    def vertical_gradient(self, top, bottom):
        for y in range(self.height):
            t = y / max(1, self.height - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            self.pixels[y] = [colour] * self.width
