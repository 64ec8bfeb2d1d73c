#!/usr/bin/python3
"""The label "32 chars long" reads under a dark and a light desktop theme
(Qt's gtk3 platform theme with GTK's Adwaita and Adwaita:dark) and with no
platform theme: its text against the window's background, measured on a
screenshot, reaches the WCAG 2 contrast of 4.5:1; under a light theme the text
is black, as the label's record gives it.

Usage: theme_contrast.py <program> <artifacts dir>"""

import sys
import time
from collections import Counter

from desktop_session import CONTENT_HEIGHT, LABEL, DesktopSession, fail

READABLE = 4.5

THEMES = [
    # name, environment, background is dark, text must be black
    ("dark", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}, True, False),
    ("light", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita"}, False, True),
    ("none", {"QT_QPA_PLATFORMTHEME": None}, False, True),
]


def luminance(rgb):
    def linear(channel):
        c = channel / 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(first, second):
    a, b = luminance(first), luminance(second)
    return (max(a, b) + 0.05) / (min(a, b) + 0.05)


def measure(desktop, name, env):
    """The label's background (its commonest colour) and its text pixel
    of the strongest contrast against it."""
    program = desktop.start_program(name=name, **env)
    window = program.wait_for_window()
    time.sleep(1.0)  # the first paint
    shot = desktop.screenshot(name + ".png", window)
    width, height = desktop.window_size(window)
    left, top, box_width, box_height = LABEL
    rows = desktop.pixels(shot, (left, height - CONTENT_HEIGHT + top, box_width, box_height))
    program.end()
    counts = Counter(pixel for row in rows for pixel in row)
    background = counts.most_common(1)[0][0]
    text = max(counts, key=lambda pixel: contrast(pixel, background))
    return background, text


def main(program, artifacts):
    problems = []
    with DesktopSession(program, artifacts) as desktop:
        for name, env, dark, black in THEMES:
            background, text = measure(desktop, name, env)
            ratio = contrast(text, background)
            print("%s: text %s on %s, %.2f:1" % (name, text, background, ratio))
            if dark != (luminance(background) < 0.18):
                problems.append("%s: the background %s is not %s: the theme did not take"
                                % (name, background, "dark" if dark else "light"))
            if ratio < READABLE:
                problems.append("%s: the label's text %s on %s reads at %.2f:1, below %.1f:1"
                                % (name, text, background, ratio, READABLE))
            if black and text != (0, 0, 0):
                problems.append("%s: the label's darkest text is %s, not black" % (name, text))
    if problems:
        fail("\n".join(problems))


if __name__ == "__main__":
    main(*sys.argv[1:3])
