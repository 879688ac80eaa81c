#!/usr/bin/env python3
"""Writes the two test pages too large to write by hand, each with the page the editor must
save: `long-line` (no line break at all, its maps on one line over 100 KB) and
`hundreds-of-maps` (300 maps in the styles other tools write them). The expected pages are
built here from the written form of a block, not by running the editor."""

import sys
from pathlib import Path

IMAGES = [("../images/plan.png", 240, 160), ("../images/france.gif", 200, 180),
          ("../images/photo.jpg", 160, 120), ("../images/absente.png", 0, 0)]


def block(start_tag, source, areas, eol):
    """A regenerated block: the start tag as the page wrote it, then the editor's own lines."""
    lines = [start_tag, "<!--Source Map:|%s|-->" % source]
    lines += ['<AREA SHAPE="%s" COORDS="%s" HREF="%s"%s>' % area for area in areas]
    return eol.join(lines + ["</MAP>"])


def long_line():
    parts = ['<!DOCTYPE html><html lang="fr"><head><meta charset="utf-8"><title>Catalogue</title>'
             '</head><body><h1>Catalogue des rayons</h1>']
    expected = list(parts)
    for rayon in range(1, 5):
        filler = "".join('<p class="produit">Article n°%d-%d : chaise en chêne, %d €.</p>' % (rayon, i, 40 + i)
                         for i in range(120))
        written, areas = [], []
        for i in range(250):
            x, y = (i % 20) * 12, (i // 20) * 12
            written.append('<area shape="rect" coords="%d,%d,%d,%d" href="rayon%d/%d.html" alt="n°%d">'
                           % (x, y, x + 10, y + 10, rayon, i, i))
            areas.append(("RECT", "%d,%d,%d,%d" % (x, y, x + 10, y + 10), "rayon%d/%d.html" % (rayon, i),
                          ' ALT="n°%d"' % i))
        img = '<img src="../images/plan.png" usemap="#rayon%d">' % rayon
        parts.append(filler + img + '<map name="rayon%d"><!--Source Map:|../images/plan.png|-->' % rayon +
                     "".join(written) + '<area shape="default" href="rayon%d.html"></map>' % rayon)
        areas.append(("RECT", "0,0,240,160", "rayon%d.html" % rayon, ""))
        expected.append(filler + img + block('<map name="rayon%d">' % rayon, "../images/plan.png", areas,
                                             "\r\n"))
    parts.append("</body></html>")
    expected.append("</body></html>\r\n")
    return "".join(parts), "".join(expected)


def numbered_map(i):
    """One map in the style of page `i % 4`, written as found and as the editor writes it."""
    source, width, height = IMAGES[i % len(IMAGES)]
    name = "carte-%03d" % i
    img = '<img src="%s" usemap="#%s" alt="">\n' % (source, name)
    x = i % 50
    style = i % 4
    start_tag = '<map name="%s">' % name
    if style == 0:
        found = ('<map name="%s">\n<!--Source Map:|%s|-->\n<area shape="rect" coords="%d,1,%d,20" href="r%d.html">\n'
                 '<area shape="rect" coords="0,0,%d,%d" href="tout%d.html">\n</map>\n'
                 % (name, source, x, x + 30, i, width, height, i))
        areas = [("RECT", "%d,1,%d,20" % (x, x + 30), "r%d.html" % i, ""),
                 ("RECT", "0,0,%d,%d" % (width, height), "tout%d.html" % i, "")]
    elif style == 1:
        found = ("<MAP NAME='%s'>\n<!--Source Map:|%s|-->\n<AREA SHAPE=CIRCLE COORDS='%d,50,8' HREF='c%d.html' TITLE='Cercle %d'>\n"
                 "<AREA SHAPE=DEFAULT HREF='d%d.html'>\n</MAP>\n" % (name, source, x + 10, i, i, i))
        start_tag = "<MAP NAME='%s'>" % name
        areas = [("CIRCLE", "%d,50,8" % (x + 10), "c%d.html" % i, ' TITLE="Cercle %d"' % i),
                 ("RECT", "0,0,%d,%d" % (width, height), "d%d.html" % i, "")]
    elif style == 2:
        found = ('<map name="%s"><area coords="%d,5,%d,60,%d,60,%d,5" shape="poly" href="p%d.html" alt="Zone %d"></map>\n'
                 % (name, x, x + 20, x + 40, x, i, i))
        source = "<NONE>"
        areas = [("POLY", "%d,5,%d,60,%d,60" % (x, x + 20, x + 40), "p%d.html" % i, ' ALT="Zone %d"' % i)]
    else:
        found = ('<map name="%s">\n<!--Source Map:|%s|-->\n<area shape="default" href="defaut%d.html">\n</map>\n'
                 % (name, source, i))
        areas = [("DEFAULT", None, "defaut%d.html" % i, "")]
    if areas[-1][0] == "DEFAULT":
        tags = ['<AREA SHAPE="DEFAULT" HREF="%s">' % areas[-1][2]]
        expected = block(start_tag, source, [], "\n").replace("</MAP>", tags[0] + "\n</MAP>")
    else:
        expected = block(start_tag, source, areas, "\n")
    return img + found, img + expected + "\n"


def hundreds_of_maps():
    head = ('<!DOCTYPE html>\n<html lang="fr">\n<head>\n<meta charset="utf-8">\n'
            "<title>Toutes les cartes du site</title>\n</head>\n<body>\n")
    tail = "</body>\n</html>\n"
    pages = [numbered_map(i) for i in range(300)]
    return (head + "".join(p[0] for p in pages) + tail, head + "".join(p[1] for p in pages) + tail)


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    for name, (found, expected) in (("long-line", long_line()), ("hundreds-of-maps", hundreds_of_maps())):
        folder = root / name
        folder.mkdir(parents=True, exist_ok=True)
        (folder / "input.htm").write_bytes(found.encode("utf-8"))
        (folder / "expected.htm").write_bytes(expected.encode("utf-8"))


if __name__ == "__main__":
    main()
