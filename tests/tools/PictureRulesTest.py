"""Draws every edition's pictures and checks what the windows rely on."""
import os
import subprocess
import sys
import unittest
from collections import Counter

from PIL import Image

ROOT = os.path.join(os.path.dirname(__file__), "..", "..")
sys.path.insert(0, os.path.join(ROOT, "editions"))
import PictureTable as table  # noqa: E402

OUT = sys.argv.pop(1) if len(sys.argv) > 1 else "/tmp/mirel-pictures"
EDITIONS = (table.ZH_TW, table.ZH_CN, table.HU)
SHAPED = {"small_page", "settings_page", "region", "box"}


def draw_all():
    for edition in EDITIONS:
        subprocess.run([sys.executable, os.path.join(ROOT, "tools", "make_pictures.py"),
                        edition, os.path.join(OUT, edition)], check=True)


def load(edition, picture):
    return Image.open(os.path.join(OUT, edition, f"{picture}.bmp")).convert("RGB")


class PictureRules(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        draw_all()
        cls.rows = table.rows()

    def test_every_id_is_drawn_once_and_named_in_the_resource_script(self):
        ids = Counter(r[0] for r in self.rows)
        self.assertEqual([i for i, n in ids.items() if n > 1], [])
        for edition in EDITIONS:
            with open(os.path.join(OUT, edition, "Pictures.rc"), encoding="utf-8") as f:
                named = {int(line.split()[0]) for line in f if line[:1].isdigit()}
            self.assertEqual(named, set(ids))

    def test_shaped_windows_keep_the_outside_colour_only_outside(self):
        for edition in EDITIONS:
            for picture, role, size, _ in self.rows:
                if role not in SHAPED:
                    continue
                img = load(edition, picture)
                w, h = img.size
                self.assertEqual(img.getpixel((0, 0)), (160, 160, 160), picture)
                self.assertEqual(img.getpixel((w - 1, h - 1)), (160, 160, 160), picture)
                inside = [img.getpixel((x, y)) for x in range(20, w - 20, 7)
                          for y in range(20, h - 20, 7)]
                self.assertNotIn((160, 160, 160), inside, picture)

    def test_strips_hold_four_equal_states(self):
        for edition in EDITIONS:
            for picture, role, size, params in self.rows:
                if params.get("states") != 4:
                    continue
                w, h = load(edition, picture).size
                state = size or table.command_size(picture, edition)
                self.assertEqual((w, h), (state[0] * 4, state[1]), picture)

    def test_message_boxes_are_as_wide_as_their_window(self):
        for picture in table.BOX_TEXTS:
            self.assertEqual(load(table.HU, picture).width, 369)

    def test_keyed_pictures_leave_their_key_colour_at_the_corner(self):
        keys = {"slider_thumb": (255, 255, 255), "slider_channel": (255, 255, 255),
                "spinner_frame": (0, 255, 0), "level": (0, 255, 0), "green": (0, 255, 0)}
        for picture, role, _, _ in self.rows:
            if role in keys:
                self.assertEqual(load(table.ZH_TW, picture).getpixel((0, 0)), keys[role], picture)

    def test_progress_frames_fill_more_with_each_step(self):
        def lit(picture):
            img = load(table.ZH_TW, picture)
            return sum(1 for x in range(img.width) if img.getpixel((x, img.height // 2))[2] > 100)
        counts = [lit(160 + k) for k in range(20)]
        self.assertEqual(counts, sorted(counts))
        self.assertLess(counts[0], counts[-1])


if __name__ == "__main__":
    unittest.main()
