#!/usr/bin/env python3
"""Focus lines (Focara): runs `focara render` for the open drawing's page,
centred on the selection (or the page), and adds the lines as a new layer."""

import os
import shutil
import subprocess
import tempfile

import inkex

# focara install-inkscape-extension writes its own path here.
FOCARA = "focara"


def colour_text(colour):
    """inkex's colour as focara's colour text; a transparent one is none."""
    if str(colour).lower() == "none" or colour.alpha == 0:
        return "none"
    rgb = colour.to_rgb()
    return "#{:02x}{:02x}{:02x}".format(rgb.red, rgb.green, rgb.blue)


class FocusLines(inkex.EffectExtension):
    def add_arguments(self, pars):
        pars.add_argument("--tab")
        pars.add_argument("--lines", type=int, default=30)
        pars.add_argument("--length", type=float, default=100)
        pars.add_argument("--reach_edges", type=inkex.Boolean, default=False)
        pars.add_argument("--distance", type=float, default=20)
        pars.add_argument("--width", type=float, default=10)
        pars.add_argument("--shape", type=int, default=0)
        pars.add_argument("--preset", type=int, default=0)
        pars.add_argument("--seed", type=int, default=1)
        pars.add_argument("--fill", type=inkex.Color, default=inkex.Color("black"))
        pars.add_argument("--stroke", type=inkex.Color, default=inkex.Color("none"))
        pars.add_argument("--stroke_width", type=float, default=1)
        pars.add_argument("--focara", default=os.environ.get("FOCARA", FOCARA))

    def focara_command(self):
        found = shutil.which(self.options.focara)
        if not found:
            raise inkex.AbortExtension(
                "focara was not found ({}): put it on PATH or run focara install-inkscape-extension".format(
                    self.options.focara))
        return found

    def effect(self):
        svg = self.svg
        points = svg.uutounit(1, "pt")  # points per user unit
        page_width = svg.viewbox_width * points
        page_height = svg.viewbox_height * points

        # The centre in the artwork's points: y up from the bottom of the page.
        box = svg.selection.bounding_box() if len(svg.selection) else None
        if box is None:
            centre_x, centre_y = page_width / 2, page_height / 2
        else:
            centre_x = box.center.x * points
            centre_y = page_height - box.center.y * points

        o = self.options
        args = [self.focara_command(), "render", "--seed", str(o.seed),
                "--page", "{:.4f}x{:.4f}pt".format(page_width, page_height),
                "--fill", colour_text(o.fill), "--stroke", colour_text(o.stroke),
                "--stroke-width", str(o.stroke_width)]
        if o.preset > 0:
            args += ["--preset", str(o.preset)]
        else:
            args += ["--set", "lineCount={}".format(o.lines), "--set", "zoomLength={}".format(o.length),
                     "--set", "zoomDistance={}".format(o.distance), "--set", "zoomWidth={}".format(o.width),
                     "--set", "shapeStyle={}".format(o.shape)]
        args += ["--set", "centerX={:.3f}".format(centre_x), "--set", "centerY={:.3f}".format(centre_y)]
        if o.reach_edges:
            args.append("--reach-edges")

        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "lines.svg")
            run = subprocess.run(args + ["-o", out], capture_output=True, text=True, check=False)
            if run.returncode != 0:
                raise inkex.AbortExtension("focara render failed: " + (run.stderr.strip() or str(run.returncode)))
            lines = inkex.load_svg(out).getroot()

        # Each layer focara wrote flips its page in points; scale it to this drawing's user units.
        to_user = inkex.Transform(scale=1 / points)
        layers = [g for g in lines if isinstance(g, inkex.Group) and g.get("inkscape:groupmode") == "layer"]
        for index, source in enumerate(layers):
            label = "Focus lines" if len(layers) == 1 else "Focus lines {}".format(index + 1)
            layer = svg.add(inkex.Layer.new(label, id=svg.get_unique_id("focus-lines")))
            layer.transform = to_user @ inkex.Transform(source.get("transform"))
            for path in source:
                if isinstance(path, inkex.PathElement):
                    layer.append(path)


if __name__ == "__main__":
    FocusLines().run()
