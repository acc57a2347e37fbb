#!/usr/bin/python3
"""Draws every picture of editions/PictureTable.py for one edition.

usage: make_pictures.py <edition> <output folder>

Writes <id>.bmp (24-bit) for bitmaps, <id>.ico for icons and Pictures.rc
naming them all. Shapes are drawn four times larger and reduced, so edges
are smooth; shaped windows get a crisp outline in the outside colour
RGB(160,160,160), which is kept out of every inside pixel.

Sections: palette and fonts; drawing helpers; roles; output.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "editions"))
import PictureTable as table  # noqa: E402

# [SECTION] palette and fonts
BASE = (38, 44, 46)
STEEL = (87, 109, 115)
PANEL = (46, 56, 59)
ACCENT = (10, 80, 125)
ACCENT_LIGHT = (40, 140, 205)
DEEP = (22, 26, 28)
TEXT = (213, 213, 218)
TEXT_DIM = (124, 143, 151)
OUTSIDE = (160, 160, 160)
GREEN = (0, 255, 0)
WHITE = (255, 255, 255)
SCALE = 4
FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"


def font(size):
    return ImageFont.truetype(FONT_FILE, size)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


# [SECTION] drawing helpers
class Canvas:
    """A picture drawn at SCALE times its size; `done()` reduces it."""

    def __init__(self, size, fill):
        self.size = size
        self.img = Image.new("RGBA", (size[0] * SCALE, size[1] * SCALE), fill + (255,))
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def box(rect):
        return [round(v * SCALE) for v in rect]

    def rect(self, rect, fill=None, outline=None, radius=0, width=1):
        self.draw.rounded_rectangle(self.box(rect), radius * SCALE, fill=fill,
                                    outline=outline, width=width * SCALE)

    def gradient(self, rect, top, bottom, radius=0):
        x0, y0, x1, y1 = self.box(rect)
        band = Image.new("RGBA", (x1 - x0, y1 - y0))
        bd = ImageDraw.Draw(band)
        for y in range(y1 - y0):
            bd.line([(0, y), (x1 - x0, y)], fill=mix(top, bottom, y / max(1, y1 - y0 - 1)) + (255,))
        mask = Image.new("L", band.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, band.size[0] - 1, band.size[1] - 1],
                                               radius * SCALE, fill=255)
        self.img.paste(band, (x0, y0), mask)

    def line(self, points, fill, width=1):
        self.draw.line([(x * SCALE, y * SCALE) for x, y in points], fill=fill, width=width * SCALE)

    def polygon(self, points, fill):
        self.draw.polygon([(x * SCALE, y * SCALE) for x, y in points], fill=fill)

    def ellipse(self, rect, fill=None, outline=None, width=1):
        self.draw.ellipse(self.box(rect), fill=fill, outline=outline, width=width * SCALE)

    def arc(self, rect, start, end, fill, width=1):
        self.draw.arc(self.box(rect), start, end, fill=fill, width=width * SCALE)

    def done(self):
        return self.img.resize(self.size, Image.LANCZOS).convert("RGB")


def text(img, xy, s, size, fill, anchor="la", max_width=None):
    """Anti-aliased text on a finished picture, shrunk to fit max_width."""
    d = ImageDraw.Draw(img)
    f = font(size)
    while max_width and size > 8 and d.textlength(s, font=f) > max_width:
        size -= 1
        f = font(size)
    d.text(xy, s, font=f, fill=fill, anchor=anchor)


def shaped(img, radius):
    """Cuts rounded corners out of a window picture in the outside colour."""
    w, h = img.size
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius, fill=255)
    px = img.load()
    m = mask.load()
    for y in range(h):
        for x in range(w):
            if m[x, y] < 128:
                px[x, y] = OUTSIDE
            elif px[x, y] == OUTSIDE:
                px[x, y] = (161, 160, 160)
    return img


def keyed(size, draw, under, key):
    """A shape drawn with smooth edges over `under`; uncovered pixels get `key`."""
    big = Image.new("RGBA", (size[0] * SCALE, size[1] * SCALE), (0, 0, 0, 0))
    draw(ImageDraw.Draw(big), SCALE)
    small = big.resize(size, Image.LANCZOS)
    out = Image.new("RGB", size, under)
    out.paste(small, (0, 0), small)
    alpha = small.getchannel("A").load()
    px = out.load()
    for y in range(size[1]):
        for x in range(size[0]):
            if alpha[x, y] < 8:
                px[x, y] = key
            elif px[x, y] == key:
                px[x, y] = mix(key, under, 0.1)
    return out


def strip(images):
    w, h = images[0].size
    out = Image.new("RGB", (w * len(images), h))
    for n, im in enumerate(images):
        out.paste(im, (n * w, 0))
    return out


STATES = ("normal", "pressed", "hover", "disabled")


def window_chrome(c, size, title_height, mark=True):
    """Body, title strip and hairline borders shared by every window picture."""
    w, h = size
    c.gradient((0, 0, w, h), (44, 51, 54), BASE)
    c.gradient((0, 0, w, title_height), (58, 70, 74), (40, 48, 51))
    c.line([(0, title_height), (w, title_height)], fill=DEEP)
    c.line([(0, title_height + 1), (w, title_height + 1)], fill=(60, 72, 76))
    c.rect((0, 0, w - 1, h - 1), outline=STEEL, radius=12)
    if mark:  # the settings page has its web-page button there instead
        c.rect((10, title_height // 2 - 7, 14, title_height // 2 + 7), fill=ACCENT_LIGHT, radius=2)


def logo(img, xy, size):
    text(img, xy, "ORVO", size, (150, 170, 176))
    d = ImageDraw.Draw(img)
    x = xy[0] + d.textlength("ORVO ", font=font(size))
    text(img, (x, xy[1]), "MIREL", size, (230, 236, 240))


# [SECTION] roles
def small_page(spec, edition):
    size = spec["size"]
    c = Canvas(size, BASE)
    window_chrome(c, size, 37)
    w, h = size
    if spec["page"] == 0:
        mouse_glyph(c, (w // 2 - 26, 70, w // 2 + 26, 150), STEEL, (60, 72, 76))
        c.line([(w // 2 - 40, 160), (w // 2 + 40, 70)], fill=(190, 80, 70), width=3)
    else:
        c.rect((40, 150, w - 40, 176), fill=DEEP, outline=(60, 72, 76), radius=6)
    img = c.done()
    logo(img, (24, 9), 15)
    ty = 190 if spec["page"] == 0 else 110
    text(img, (w // 2, ty), spec["text"][edition], 18, TEXT, anchor="mm", max_width=w - 40)
    return shaped(img, 12)


def mouse_glyph(c, rect, fill, line):
    x0, y0, x1, y1 = rect
    c.rect(rect, fill=fill, radius=(x1 - x0) // 2)
    mid = (x0 + x1) / 2
    c.line([(mid, y0 + 2), (mid, y0 + (y1 - y0) * 0.38)], fill=line, width=2)
    c.line([(x0 + 2, y0 + (y1 - y0) * 0.38), (x1 - 2, y0 + (y1 - y0) * 0.38)], fill=line, width=2)
    c.rect((mid - 3, y0 + 10, mid + 3, y0 + 24), fill=ACCENT_LIGHT, radius=3)


def settings_page(spec, edition):
    size = spec["size"]
    w, h = size
    c = Canvas(size, BASE)
    window_chrome(c, size, 37, mark=False)
    # Profile tabs sit on a darker rail.
    c.rect((12, 46, w - 12, 86), fill=(32, 38, 40), radius=8)
    # Profile panel: the big picture with the name strip under it.
    c.gradient((12, 94, 212, 352), (52, 63, 66), PANEL, radius=10)
    c.rect((12, 94, 212, 352), outline=(66, 80, 84), radius=10)
    c.rect((40, 98, 186, 223), fill=DEEP, radius=6)
    c.rect((44, 224, 183, 244), fill=(32, 38, 40), radius=4)
    # Sensitivity panel: the two level buttons, each beside its X and Y rows.
    c.gradient((220, 94, w - 12, 352), (52, 63, 66), PANEL, radius=10)
    c.rect((220, 94, w - 12, 352), outline=(66, 80, 84), radius=10)
    for y in (146, 194, 254, 302):
        c.rect((300, y, w - 28, y + 40), fill=(40, 48, 51), radius=6)
    for top, bottom in ((146, 234), (254, 342)):
        c.line([(292, top + 6), (292, bottom - 6)], fill=(66, 80, 84), width=2)
    # Button groups area and the command bar.
    c.rect((12, 358, w - 12, 668), fill=(33, 39, 41), radius=10)
    c.gradient((0, 672, w, h), (34, 40, 42), (28, 33, 35))
    c.line([(0, 672), (w, 672)], fill=(60, 72, 76))
    img = c.done()
    logo(img, (40, 9), 16)
    heading = {table.ZH_TW: ("靈敏度", "按鍵設定"),
               table.ZH_CN: ("灵敏度", "按键设置"),
               table.HU: ("Érzékenység", "Gombok")}[edition]
    text(img, (232, 110), heading[0], 13, TEXT_DIM, anchor="lm")
    text(img, (24, 371), heading[1], 13, TEXT_DIM, anchor="lm")
    for n, axis in enumerate(("X", "Y", "X", "Y")):
        text(img, (314, (146, 194, 254, 302)[n] + 20), axis, 15, ACCENT_LIGHT, anchor="lm")
    return shaped(img, 14)


def region(spec, edition):
    img = Image.new("RGB", spec["size"], PANEL)
    return shaped(img, spec["radius"])


def green(spec, edition):
    return Image.new("RGB", spec["size"], GREEN)


def bar_frame(spec, edition):
    w, h = spec["size"]
    c = Canvas((w, h), BASE)
    c.rect((0, 0, w - 1, h - 1), fill=DEEP, outline=(66, 80, 84), radius=h // 2)
    filled = (w - 6) * (spec["frame"] + 1) / spec["frames"]
    if filled > h - 6:
        c.gradient((3, 3, 3 + filled, h - 3), ACCENT_LIGHT, ACCENT, radius=(h - 6) // 2)
        c.line([(3 + h / 2, 5), (filled - h / 4, 5)], fill=(110, 190, 235), width=1)
    else:
        c.ellipse((3, 3, h - 3, h - 3), fill=ACCENT)
    return c.done()


def spinner_frame(spec, edition):
    size = spec["size"]
    w, h = size
    cx, cy, r = w / 2, h / 2, min(w, h) / 2 - 8

    def draw(d, s):
        for n in range(8):
            age = (spec["frame"] - n) % 8
            a = math.radians(n * 45 - 90)
            x, y = cx + r * math.cos(a), cy + r * math.sin(a)
            rad = 5.5 - age * 0.45
            col = mix(ACCENT_LIGHT, STEEL, age / 7)
            d.ellipse([(x - rad) * s, (y - rad) * s, (x + rad) * s, (y + rad) * s], fill=col + (255,))
    return keyed(size, draw, BASE, GREEN)


def button_face(size, state, accent=False, radius=5):
    w, h = size
    c = Canvas(size, BASE)
    top, bottom, edge = {
        "normal": ((70, 86, 91), (50, 61, 65), (92, 112, 118)),
        "pressed": ((30, 37, 39), (42, 51, 54), (20, 24, 26)),
        "hover": ((86, 108, 115), (62, 78, 83), (120, 150, 158)),
        "disabled": ((46, 52, 54), (42, 47, 49), (54, 60, 62)),
    }[state]
    if accent and state != "disabled":
        top, bottom = mix(top, ACCENT_LIGHT, 0.45), mix(bottom, ACCENT, 0.6)
        edge = mix(edge, ACCENT_LIGHT, 0.5)
    c.gradient((0, 0, w, h), top, bottom, radius=radius)
    c.rect((0, 0, w - 1, h - 1), outline=edge, radius=radius)
    if state == "hover":
        c.line([(radius, h - 2), (w - radius, h - 2)], fill=ACCENT_LIGHT, width=1)
    return c


def caption_colour(state):
    return {"normal": TEXT, "pressed": (190, 200, 205), "hover": WHITE,
            "disabled": (98, 106, 110)}[state]


def command(spec, edition):
    size = spec["size"] or table.command_size(spec["id"], edition)
    images = []
    for state in STATES:
        img = button_face(size, state, spec.get("accent", False)).done()
        dy = 1 if state == "pressed" else 0
        text(img, (size[0] / 2 + dy, size[1] / 2 + dy), spec["text"][edition],
             14 if size[1] >= 30 else 13, caption_colour(state), anchor="mm", max_width=size[0] - 8)
        images.append(img)
    return strip(images)


def small_caption(spec, edition):
    return command(spec, edition)


GLYPHS = {}


def glyph(name):
    def register(fn):
        GLYPHS[name] = fn
        return fn
    return register


@glyph("close")
def _close(c, w, h, col):
    m = w * 0.32
    c.line([(m, m), (w - m, h - m)], fill=col, width=2)
    c.line([(w - m, m), (m, h - m)], fill=col, width=2)


@glyph("minimise")
def _minimise(c, w, h, col):
    c.line([(w * 0.3, h * 0.64), (w * 0.7, h * 0.64)], fill=col, width=2)


@glyph("web")
def _web(c, w, h, col):
    c.ellipse((w * 0.2, h * 0.2, w * 0.8, h * 0.8), outline=col, width=1)
    c.ellipse((w * 0.38, h * 0.2, w * 0.62, h * 0.8), outline=col, width=1)
    c.line([(w * 0.2, h * 0.5), (w * 0.8, h * 0.5)], fill=col, width=1)


@glyph("pencil")
def _pencil(c, w, h, col):
    c.polygon([(w * 0.25, h * 0.75), (w * 0.3, h * 0.58), (w * 0.62, h * 0.26),
               (w * 0.74, h * 0.38), (w * 0.42, h * 0.7)], fill=col)


@glyph("info")
def _info(c, w, h, col):
    c.ellipse((w * 0.44, h * 0.2, w * 0.56, h * 0.32), fill=col)
    c.rect((w * 0.44, h * 0.4, w * 0.56, h * 0.8), fill=col, radius=1)


@glyph("dots")
def _dots(c, w, h, col):
    for n in range(3):
        x = w * (0.3 + 0.2 * n)
        c.ellipse((x - 1.5, h / 2 - 1.5, x + 1.5, h / 2 + 1.5), fill=col)


@glyph("clear")
def _clear(c, w, h, col):
    _close(c, w, h, col)


def letter_glyph(letter):
    def draw(c, w, h, col):
        pass
    draw.letter = letter
    return draw


GLYPHS["M"] = letter_glyph("M")
GLYPHS["S"] = letter_glyph("S")


def glyph_button(size, state, name, radius=5):
    c = button_face(size, state, radius=radius)
    col = caption_colour(state)
    if name == "close" and state == "hover":
        c.gradient((0, 0, size[0], size[1]), (200, 70, 60), (160, 50, 44), radius=radius)
        col = WHITE
    GLYPHS[name](c, size[0], size[1], col)
    img = c.done()
    letter = getattr(GLYPHS[name], "letter", None)
    if letter:
        text(img, (size[0] / 2, size[1] / 2), letter, 13, col, anchor="mm")
    return img


def title_button(spec, edition):
    return strip([glyph_button(spec["size"], s, spec["glyph"]) for s in STATES])


def tab(spec, edition):
    w, h = spec["size"]
    colour = table.PROFILE_COLOURS[spec["profile"]]
    images = []
    for state in STATES:
        c = Canvas((w, h), BASE)
        top, bottom = {"normal": ((58, 70, 74), (44, 53, 56)),
                       "pressed": ((28, 60, 84), ACCENT),
                       "hover": ((74, 92, 98), (54, 67, 71)),
                       "disabled": ((44, 50, 52), (40, 45, 47))}[state]
        if spec.get("lit") and state == "normal":
            top, bottom = mix(top, colour, 0.18), mix(bottom, colour, 0.1)
        c.gradient((0, 0, w, h), top, bottom, radius=6)
        c.rect((0, 0, w - 1, h - 1), outline=(24, 29, 31) if state == "pressed" else (84, 102, 108),
               radius=6)
        mark = colour if state != "disabled" else (80, 86, 88)
        c.rect((4, h - 5, w - 4, h - 3), fill=mark, radius=1)
        if spec["patch"]:
            c.rect((10, 4, 33, 26), fill=DEEP, outline=(84, 102, 108), radius=2)
        images.append(c.done())
    return strip(images)


def default_profile(spec, edition):
    w, h = spec["size"]
    colour = table.PROFILE_COLOURS[spec["profile"]]
    c = Canvas((w, h), DEEP)
    c.gradient((0, 0, w, h), (34, 41, 44), (20, 24, 26))
    cx = w / 2
    c.ellipse((cx - 52, h - 26, cx + 52, h - 12), fill=(16, 19, 20))
    mouse_glyph(c, (cx - 30, 14, cx + 30, h - 20), mix(STEEL, colour, 0.35), (40, 48, 51))
    c.line([(cx - 26, h - 42), (cx + 26, h - 42)], fill=colour, width=2)
    return c.done()


def level(spec, edition):
    size = spec["size"]
    w, h = size
    active = spec["active"]

    def draw(d, s):
        top = ACCENT if active else (66, 80, 85)
        d.rounded_rectangle([0, 0, w * s - 1, h * s - 1], 6 * s, fill=top + (255,),
                            outline=(ACCENT_LIGHT if active else (92, 112, 118)) + (255,), width=s)
    img = keyed(size, draw, PANEL, GREEN)
    label = {table.ZH_TW: "{}級", table.ZH_CN: "{}级", table.HU: "{}. szint"}[edition]
    text(img, (w / 2, h / 2), label.format(spec["level"]), 13,
         WHITE if active else TEXT_DIM, anchor="mm", max_width=w - 6)
    return img


def slider_thumb(spec, edition):
    size = spec["size"]
    w, h = size
    col = (96, 104, 108) if spec["disabled"] else (ACCENT_LIGHT if spec["axis"] == "X" else (90, 200, 190))

    def draw(d, s):
        d.rounded_rectangle([1 * s, 1 * s, (w - 1) * s, (h - 1) * s], 4 * s, fill=(230, 236, 238, 255)
                            if not spec["disabled"] else (120, 126, 128, 255))
        d.rounded_rectangle([4 * s, 5 * s, (w - 4) * s, (h - 5) * s], 2 * s, fill=col + (255,))
    return keyed(size, draw, (40, 48, 51), WHITE)


def slider_channel(spec, edition):
    size = spec["size"]
    w, h = size
    col = (70, 76, 78) if spec["disabled"] else (ACCENT if spec["axis"] == "X" else (30, 110, 104))

    def draw(d, s):
        y0, y1 = (h / 2 - 3) * s, (h / 2 + 3) * s
        d.rounded_rectangle([2 * s, y0, (w - 2) * s, y1], 3 * s, fill=(20, 24, 26, 255),
                            outline=col + (255,), width=s)
    return keyed(size, draw, (40, 48, 51), WHITE)


def group_frame(spec, edition):
    w, h = spec["size"]
    c = Canvas((w, h), (33, 39, 41))
    c.gradient((0, 0, w, h), (48, 58, 61), (40, 48, 51), radius=8)
    edge = [(84, 102, 108), (40, 140, 205), (150, 120, 60)][spec["mode"]]
    c.rect((0, 0, w - 1, h - 1), outline=mix(edge, PANEL, 0.35), radius=8)
    c.rect((w - 38, 8, w - 10, 36), fill=(36, 43, 46), radius=14)
    img = c.done()
    text(img, (w - 24, 22), str(spec["group"] + 1), 14, TEXT_DIM, anchor="mm")
    return img


def group_title(spec, edition):
    state = STATES[spec["state"]]
    c = button_face(spec["size"], state, accent=spec["mode"] == 1)
    w, h = spec["size"]
    col = caption_colour(state)
    c.polygon([(w - 20, 13), (w - 10, 13), (w - 15, 19)], fill=col)
    return shaped(c.done(), 5)


def group_button(spec, edition):
    return shaped(glyph_button(spec["size"], STATES[spec["state"]], spec["glyph"], radius=4), 4)


def scroll_strips(spec, edition):
    w, n = 16, 9
    images = []
    for k in range(n):
        c = Canvas((w, w), (30, 36, 38))
        if k in (0, 1, 2, 3):  # up, down, left, right arrows
            c.rect((1, 1, w - 1, w - 1), fill=(56, 68, 72), radius=3)
            a = [[(5, 10), (11, 10), (8, 6)], [(5, 6), (11, 6), (8, 10)],
                 [(10, 5), (10, 11), (6, 8)], [(6, 5), (6, 11), (10, 8)]][k]
            c.polygon(a, fill=TEXT)
        elif k in (4, 5):  # vertical and horizontal thumbs
            c.rect((3, 1, 13, 15) if k == 4 else (1, 3, 15, 13), fill=STEEL, radius=3)
        elif k == 8:
            pass
        else:  # vertical and horizontal tracks
            c.rect((7, 0, 9, 16) if k == 6 else (0, 7, 16, 9), fill=(44, 53, 56))
        images.append(c.done())
    out = Image.new("RGB", (w, w * n))
    for k, im in enumerate(images):
        out.paste(im, (0, k * w))
    return out


def list_tile(spec, edition):
    img = Image.new("RGB", spec["size"], (52, 62, 64))
    ImageDraw.Draw(img).line([(0, 15), (15, 15)], fill=(49, 58, 60))
    return img


def header_fill(spec, edition):
    c = Canvas(spec["size"], PANEL)
    c.gradient((0, 0, 1, 18), (66, 80, 85), (48, 58, 61))
    c.line([(0, 17), (1, 17)], fill=DEEP)
    return c.done()


def header_end(spec, edition):
    img = header_fill({"size": (4, 18)}, edition)
    ImageDraw.Draw(img).line([(0, 0), (0, 17)], fill=(84, 102, 108))
    return img


def header_edge(spec, edition):
    img = header_fill({"size": (4, 18)}, edition)
    d = ImageDraw.Draw(img)
    d.line([(2, 3), (2, 14)], fill=DEEP)
    d.line([(3, 3), (3, 14)], fill=(84, 102, 108))
    return img


def scroll_arrow(spec, edition):
    w, h = spec["size"]
    c = Canvas((w, h), (30, 36, 38))
    c.rect((1, 0, w - 1, h - 1), fill=(56, 68, 72), radius=3)
    pts = [(5, 10), (13, 10), (9, 5)] if spec["up"] else [(5, 5), (13, 5), (9, 10)]
    c.polygon(pts, fill=TEXT)
    return c.done()


def scroll_track(spec, edition):
    img = Image.new("RGB", spec["size"], (30, 36, 38))
    ImageDraw.Draw(img).line([(8, 0), (9, 0)], fill=(48, 58, 61))
    return img


def scroll_thumb(spec, edition):
    w, h = spec["size"]
    c = Canvas((w, h), (30, 36, 38))
    c.gradient((3, 1, w - 3, h - 1), (104, 128, 135), STEEL, radius=4)
    for y in (h / 2 - 4, h / 2, h / 2 + 4):
        c.line([(6, y), (w - 6, y)], fill=(60, 74, 78))
    return c.done()


def scroll_cap(spec, edition):
    return header_fill({"size": (18, 18)}, edition)


BOX_MARKS = [(75, 94), (241, 94), (75, 159), (241, 159)]


def box(spec, edition):
    size = spec["size"]
    w, h = size
    c = Canvas(size, BASE)
    window_chrome(c, size, 35)
    layout = spec["layout"]
    if layout == "profile":
        c.rect((48, 108, 160, 130), fill=(24, 29, 31), outline=(66, 80, 84), radius=4)
        c.rect((48, 138, 195, 262), fill=DEEP, outline=(66, 80, 84), radius=6)
    elif layout == "export":
        c.rect((63, 144, 309, 170), fill=(24, 29, 31), outline=(66, 80, 84), radius=4)
    elif layout == "modes":
        for n, (x, y) in enumerate(BOX_MARKS):
            c.ellipse((x - 16, y + 2, x - 6, y + 12), fill=table.PROFILE_COLOURS[n])
    elif layout in ("text",):
        c.rect((16, 92, w - 16, 200), fill=(42, 50, 53), radius=8)
    c.line([(24, h - 62), (w - 24, h - 62)], fill=(52, 62, 65))
    img = c.done()
    text(img, (26, 17), spec["title"][edition], 15, TEXT, anchor="lm", max_width=w - 80)
    line = spec["line"]
    if line:
        y = {"bar": 108, "spinner": 180, "modes": 68}.get(layout, 108)
        text(img, (w / 2, y), line[edition], 14, TEXT, anchor="mm", max_width=w - 30)
    for label, (x, y) in spec["labels"]:
        text(img, (x, y), label[edition], 13, TEXT_DIM, anchor="ls")
    return shaped(img, 12)


ICON_STYLE = [
    ("dot", STEEL), ("key", (110, 190, 235)), ("key", (150, 160, 164)),
    ("mouse", (110, 190, 235)), ("mouse", (150, 160, 164)), ("down", (92, 190, 110)),
    ("up", (92, 190, 110)), ("dot", STEEL), ("note", (232, 150, 52)), ("move", (64, 156, 222)),
    ("if", (232, 150, 52)), ("goto", (200, 110, 200)), ("eq", (92, 190, 110)), ("stop", (190, 80, 70)),
]


def command_icon(spec, edition):
    kind, col = ICON_STYLE[spec["icon"]]
    c = Canvas((16, 16), (0, 0, 0))
    c.img = Image.new("RGBA", c.img.size, (0, 0, 0, 0))
    c.draw = ImageDraw.Draw(c.img)
    if kind == "key":
        c.rect((1, 3, 15, 13), fill=col, radius=3)
        c.rect((4, 6, 12, 9), fill=(30, 36, 38), radius=1)
    elif kind == "mouse":
        mouse_glyph(c, (4, 1, 12, 15), col, (30, 36, 38))
    elif kind in ("down", "up"):
        pts = [(3, 5), (13, 5), (8, 12)] if kind == "down" else [(3, 11), (13, 11), (8, 4)]
        c.polygon(pts, fill=col)
    elif kind == "note":
        c.ellipse((2, 9, 8, 14), fill=col)
        c.rect((6, 2, 8, 12), fill=col)
        c.polygon([(8, 2), (14, 4), (8, 6)], fill=col)
    elif kind == "move":
        c.line([(2, 8), (14, 8)], fill=col, width=2)
        c.line([(8, 2), (8, 14)], fill=col, width=2)
    elif kind == "if":
        c.polygon([(8, 1), (15, 8), (8, 15), (1, 8)], fill=col)
    elif kind == "goto":
        c.arc((2, 3, 14, 15), 180, 360, fill=col, width=2)
        c.polygon([(10, 8), (15, 8), (13, 12)], fill=col)
    elif kind == "eq":
        c.rect((2, 4, 14, 6), fill=col)
        c.rect((2, 10, 14, 12), fill=col)
    elif kind == "stop":
        c.rect((3, 3, 13, 13), fill=col, radius=2)
    else:
        c.ellipse((5, 5, 11, 11), fill=col)
    return c.img.resize((16, 16), Image.LANCZOS)


def app_icon(spec, edition):
    s = 256
    c = Canvas((s, s), (0, 0, 0))
    c.img = Image.new("RGBA", c.img.size, (0, 0, 0, 0))
    c.draw = ImageDraw.Draw(c.img)
    c.gradient((8, 8, s - 8, s - 8), (58, 70, 74), BASE, radius=56)
    c.rect((8, 8, s - 8, s - 8), outline=STEEL, radius=56, width=6)
    mouse_glyph(c, (84, 44, 172, 212), (200, 210, 214), (58, 70, 74))
    return c.img.resize((s, s), Image.LANCZOS)


ROLES = {name: fn for name, fn in globals().items() if callable(fn)}


# [SECTION] output
def main():
    edition, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    lines = ["// Pictures of one edition, written by tools/make_pictures.py.",
             "#pragma code_page(65001)", ""]
    for picture, role, size, params in table.rows():
        spec = dict(params, id=picture, size=size)
        img = ROLES[role](spec, edition)
        if role in ("app_icon", "command_icon"):
            name = f"{picture}.ico"
            sizes = [(16, 16), (32, 32), (48, 48), (256, 256)] if role == "app_icon" else [(16, 16)]
            img.save(os.path.join(out, name), sizes=sizes)
            lines.append(f'{picture} ICON "{name}"')
        else:
            name = f"{picture}.bmp"
            img.save(os.path.join(out, name))
            lines.append(f'{picture} BITMAP "{name}"')
    with open(os.path.join(out, "Pictures.rc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
