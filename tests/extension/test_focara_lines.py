#!/usr/bin/env python3
"""The Inkscape extension run as Inkscape runs it, headless: its script with
Debian's inkex on a drawing with a selection; then Inkscape reads the result.

Needs FOCARA (the built focara) and FOCARA_EXTENSION_DIR (extensions/inkscape)
in the environment. Exits 77 (skipped) without Debian's inkex."""

import math
import os
import re
import subprocess
import sys
import tempfile
import unittest

INKEX = "/usr/share/inkscape/extensions"
SKIPPED = 77

DRAWING = """<svg xmlns="http://www.w3.org/2000/svg"
  xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
  width="210mm" height="297mm" viewBox="0 0 210 297">
<g inkscape:groupmode="layer" id="layer1" inkscape:label="Drawing">
<rect id="face" x="50" y="60" width="40" height="30" fill="red"/>
</g>
</svg>
"""

MM = 72 / 25.4  # points per millimetre, the drawing's user unit


class Extension(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.drawing = os.path.join(self.folder.name, "drawing.svg")
        with open(self.drawing, "w", encoding="utf-8") as out:
            out.write(DRAWING)

    def tearDown(self):
        self.folder.cleanup()

    def run_extension(self, *args):
        script = os.path.join(os.environ["FOCARA_EXTENSION_DIR"], "focara_lines.py")
        env = dict(os.environ, PYTHONPATH=INKEX)
        run = subprocess.run([sys.executable, script, *args, self.drawing], capture_output=True, text=True,
                             env=env, check=False)
        self.assertEqual(run.returncode, 0, run.stderr)
        result = os.path.join(self.folder.name, "result.svg")
        with open(result, "w", encoding="utf-8") as out:
            out.write(run.stdout)
        return result

    def test_adds_a_layer_of_lines_centred_on_the_selection(self):
        sys.path.insert(0, INKEX)
        import inkex  # pylint: disable=import-outside-toplevel

        result = self.run_extension("--id=face", "--lines=40", "--length=50", "--distance=20", "--stroke=0",
                                    "--seed=3")
        svg = inkex.load_svg(result).getroot()
        layers = [g for g in svg if isinstance(g, inkex.Group) and g.get("inkscape:groupmode") == "layer"]
        self.assertEqual([g.label for g in layers], ["Drawing", "Focus lines"])
        lines = layers[1]
        paths = [p for p in lines if isinstance(p, inkex.PathElement)]
        self.assertEqual(len(paths), 40)
        self.assertEqual(paths[0].get("stroke"), "none")
        # The first line starts 20 pt right of the rectangle's centre (70, 75) mm.
        first = lines.transform.apply_to_point(paths[0].path.end_points.__next__())
        # The dialog keeps two places of a point, so the centre moves by up to 0.005 pt.
        self.assertAlmostEqual(first.x, 70 + 20 / MM, places=2)
        self.assertAlmostEqual(first.y, 75, places=2)
        for path in paths:
            for point in path.path.end_points:
                p = lines.transform.apply_to_point(point)
                # The far end spans the width, 10 pt, to each side of the line.
                self.assertLess(math.hypot(p.x - 70, p.y - 75), (math.hypot(20 + 50, 10) + 0.1) / MM)

        # Inkscape itself reads the new layer and its lines.
        query = subprocess.run(["inkscape", "--query-all", result], capture_output=True, text=True, check=False)
        self.assertEqual(query.returncode, 0, query.stderr)
        ids = [line.split(",")[0] for line in query.stdout.splitlines()]
        self.assertIn(lines.get("id"), ids)
        self.assertIn(paths[0].get("id") or ids[-1], ids)

    def test_reaches_the_page_corners_and_reports_a_missing_focara(self):
        result = self.run_extension("--reach_edges=true", "--lines=12")
        with open(result, encoding="utf-8") as text:
            self.assertEqual(len(re.findall(r"<path", text.read())), 12)
        env = dict(os.environ, PYTHONPATH=INKEX, FOCARA="no-such-focara")
        script = os.path.join(os.environ["FOCARA_EXTENSION_DIR"], "focara_lines.py")
        run = subprocess.run([sys.executable, script, self.drawing], capture_output=True, text=True, env=env,
                             check=False)
        self.assertNotEqual(run.returncode, 0)
        self.assertIn("focara was not found", run.stderr)


if __name__ == "__main__":
    try:
        sys.path.insert(0, INKEX)
        import inkex  # noqa: F401  pylint: disable=unused-import,import-outside-toplevel
    except ImportError as missing:
        print("skipped: Debian's inkex cannot be imported:", missing)
        sys.exit(SKIPPED)
    unittest.main()
