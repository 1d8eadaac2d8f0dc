#!/usr/bin/python3
"""Draw the catalogue pictures (GIF) into data/Images.

Needs Pillow from Debian:   apt-get install python3-pil
(The labels use DejaVu Sans from fonts-dejavu-core when it is installed and
fall back to Pillow's built-in font otherwise.)

Usage:  /usr/bin/python3 scripts/draw_pictures.py [output-folder]

Pictures drawn:
  Photo*.gif  shaded line drawing of each product family (about 160 x 120)
  Dim*.gif    side view with the length dimensions (about 200 x 90)
  Flg*.gif    face view of each flange type (64 x 64)
  WG.gif      shown while no family is chosen
  NA.gif      stand-in for a missing picture
  brenmoor.bmp  maker's logo for the about box (150 x 36; white shows through)
  splashimage.gif  start-up plate, in colour (432 x 288, the splash window's size)
The photos are rendered from simple solid models (rectangular tubes, plates
and cylinders) with a painter's-algorithm renderer, drawn four times larger
and scaled down for smooth lines.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont, ImageOps

SS = 4  # supersampling factor
FONT_FILES = ["/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
              "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"]


def font(size, bold=False):
    path = FONT_FILES[1 if bold else 0]
    if os.path.exists(path):
        return ImageFont.truetype(path, size)
    return ImageFont.load_default()


# ---------------------------------------------------------------------------
# Small vector helpers
# ---------------------------------------------------------------------------
def add(a, b):
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def mul(a, k):
    return (a[0] * k, a[1] * k, a[2] * k)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
            a[0] * b[1] - a[1] * b[0])


def norm(a):
    n = math.sqrt(dot(a, a)) or 1.0
    return mul(a, 1.0 / n)


def rotate_about(v, axis, ang):
    """Rodrigues rotation of v about a unit axis."""
    c, s = math.cos(ang), math.sin(ang)
    return add(add(mul(v, c), mul(cross(axis, v), s)),
               mul(axis, dot(axis, v) * (1 - c)))


# ---------------------------------------------------------------------------
# Scene of planar faces
# ---------------------------------------------------------------------------
class Face:
    def __init__(self, pts, normal, edges=True, shade=None, bias=0.0,
                 outline=(0, 0, 0), silhouette=None, two_sided=False):
        self.pts = pts
        self.normal = norm(normal)
        n = len(pts)
        self.edges = [edges] * n if isinstance(edges, bool) else list(edges)
        self.shade = shade          # fixed grey level, or None for lighting
        self.bias = bias            # nudges overlays in front of their base
        self.outline = outline
        # per edge: None, or the outward normal of the neighbouring face;
        # such an edge is drawn only when that neighbour faces away
        self.silhouette = silhouette or [None] * n
        self.two_sided = two_sided


class Scene:
    def __init__(self):
        self.faces = []

    def face(self, *a, **k):
        f = Face(*a, **k)
        self.faces.append(f)
        return f

    # -- solids ---------------------------------------------------------
    def sweep(self, frames, a, b, feature=None, shade=None, caps=(False, False)):
        """Rectangular tube through frames (centre, tangent, u, v); a along
        u, b along v. Cross edges are drawn at the frames in `feature`."""
        last = len(frames) - 1
        feature = {0, last} if feature is None else set(feature) | {0, last}

        def corners(fr, i):
            c, t, u, v = fr
            aa = a[i] if isinstance(a, (list, tuple)) else a
            bb = b[i] if isinstance(b, (list, tuple)) else b
            return [add(add(c, mul(u, s1 * aa / 2)), mul(v, s2 * bb / 2))
                    for s1, s2 in ((1, 1), (-1, 1), (-1, -1), (1, -1))]

        rings = [corners(fr, i) for i, fr in enumerate(frames)]
        for i in range(last):
            r0, r1 = rings[i], rings[i + 1]
            u = norm(add(frames[i][2], frames[i + 1][2]))
            v = norm(add(frames[i][3], frames[i + 1][3]))
            normals = [v, mul(u, -1), mul(v, -1), u]
            for k in range(4):
                k2 = (k + 1) % 4
                pts = [r0[k], r0[k2], r1[k2], r1[k]]
                self.face(pts, normals[k],
                          edges=[i in feature, True, i + 1 in feature, True],
                          shade=shade)
        for idx, sign, on in ((0, -1, caps[0]), (last, 1, caps[1])):
            if on:
                self.face(rings[idx], mul(frames[idx][1], sign), shade=shade)

    def box(self, centre, t, u, v, lt, a, b, shade=None):
        """Box of length lt along t centred on centre."""
        c0 = add(centre, mul(t, -lt / 2))
        c1 = add(centre, mul(t, lt / 2))
        self.sweep([(c0, t, u, v), (c1, t, u, v)], a, b, shade=shade,
                   caps=(True, True))

    def cylinder(self, centre, axis, radius, length, n=28, shade=None,
                 caps=(True, True), all_edges=False):
        axis = norm(axis)
        ref = (0, 0, 1) if abs(axis[2]) < 0.9 else (1, 0, 0)
        e1 = norm(cross(axis, ref))
        e2 = cross(axis, e1)
        c0 = add(centre, mul(axis, -length / 2))
        c1 = add(centre, mul(axis, length / 2))
        angs = [2 * math.pi * (i + 0.5) / n for i in range(n)]
        dirs = [add(mul(e1, math.cos(t)), mul(e2, math.sin(t))) for t in angs]
        ring0 = [add(c0, mul(d, radius)) for d in dirs]
        ring1 = [add(c1, mul(d, radius)) for d in dirs]
        for i in range(n):
            j = (i + 1) % n
            nrm = norm(add(dirs[i], dirs[j]))
            prev_n = norm(add(dirs[i - 1], dirs[i]))
            next_n = norm(add(dirs[j], dirs[(j + 1) % n]))
            pts = [ring0[i], ring0[j], ring1[j], ring1[i]]
            if all_edges:
                self.face(pts, nrm, shade=shade)
            else:
                self.face(pts, nrm, edges=[True, False, True, False],
                          silhouette=[None, next_n, None, prev_n],
                          shade=shade)
        if caps[0]:
            self.face(list(reversed(ring0)), mul(axis, -1), shade=shade)
        if caps[1]:
            self.face(ring1, axis, shade=shade)
        return c0, c1, e1, e2

    def disc(self, centre, normal, radius, n=20, shade=None, bias=0.02,
             edges=True, e1=None):
        normal = norm(normal)
        if e1 is None:
            ref = (0, 0, 1) if abs(normal[2]) < 0.9 else (1, 0, 0)
            e1 = norm(cross(normal, ref))
        e2 = cross(normal, e1)
        pts = [add(centre, add(mul(e1, radius * math.cos(2 * math.pi * i / n)),
                               mul(e2, radius * math.sin(2 * math.pi * i / n))))
               for i in range(n)]
        self.face(pts, normal, shade=shade, bias=bias, edges=edges)

    def rect(self, centre, normal, u, v, a, b, shade=None, bias=0.02,
             edges=True):
        pts = [add(add(centre, mul(u, s1 * a / 2)), mul(v, s2 * b / 2))
               for s1, s2 in ((1, 1), (-1, 1), (-1, -1), (1, -1))]
        self.face(pts, normal, shade=shade, bias=bias, edges=edges)

    def flange(self, end, outward, u, v, a, b, kind="cover", thick=0.35):
        """Flange plate on a tube end. `end` is the centre of the end face,
        `outward` points away from the tube, (u, v) span the aperture."""
        outward = norm(outward)
        c = add(end, mul(outward, -thick / 2))
        face_c = end
        hole = 62
        if kind in ("cover", "gasket", "cprg", "cprf"):
            if kind in ("cprg", "cprf"):
                w, h = a + 1.1, b + 1.1
            else:
                w = h = max(a, b) + 1.2
            self.box(c, outward, u, v, thick, w, h)
            self.rect(face_c, outward, u, v, a, b, shade=hole)
            if kind in ("cprg", "cprf"):
                xs = [-(w / 2 - 0.28) + i * (w - 0.56) / 4 for i in range(5)]
                holes = [(x, s * (h / 2 - 0.28)) for x in xs for s in (1, -1)]
                holes += [(s * (w / 2 - 0.28), 0.0) for s in (1, -1)]
            else:
                d = w / 2 - 0.3
                holes = [(sx * d, sy * d) for sx in (1, -1) for sy in (1, -1)]
            for x, y in holes:
                self.disc(add(face_c, add(mul(u, x), mul(v, y))), outward,
                          0.1, n=10, shade=hole)
            if kind in ("gasket", "cprg"):
                self.rect(face_c, outward, u, v, a + 0.45, b + 0.45,
                          shade=235, bias=0.01)
                self.rect(face_c, outward, u, v, a + 0.25, b + 0.25,
                          shade=None, bias=0.015)
                self.rect(face_c, outward, u, v, a, b, shade=hole, bias=0.03)
        else:  # round cover or choke
            r = max(a, b) / 2 + 0.75
            c0, c1, e1, e2 = self.cylinder(c, outward, r, thick)
            self.rect(face_c, outward, u, v, a, b, shade=hole)
            if kind == "choke":
                self.disc(face_c, outward, r - 0.3, n=36, shade=None,
                          bias=0.01)
                self.disc(face_c, outward, r - 0.42, n=36, shade=None,
                          bias=0.012)
                self.rect(face_c, outward, u, v, a, b, shade=hole, bias=0.03)
            for i in range(4 if kind == "round" else 8):
                ang = math.pi / 4 + i * (math.pi / 2 if kind == "round" else math.pi / 4)
                p = add(face_c, add(mul(u, math.cos(ang) * (r - 0.16)),
                                    mul(v, math.sin(ang) * (r - 0.16))))
                self.disc(p, outward, 0.08, n=10, shade=hole, bias=0.04)

    # -- rendering --------------------------------------------------------
    def render(self, size, yaw, pitch, margin=6, line=1.3, light=None):
        W, H = size
        cy, sy = math.cos(math.radians(yaw)), math.sin(math.radians(yaw))
        cp, sp = math.cos(math.radians(pitch)), math.sin(math.radians(pitch))

        def view(p):
            x, y, z = p
            x1, z1 = x * cy + z * sy, -x * sy + z * cy
            y2, z2 = y * cp - z1 * sp, y * sp + z1 * cp
            return (x1, y2, z2)

        light = norm(light or (-0.45, 0.65, 0.62))
        items = []
        for f in self.faces:
            n = view(f.normal)
            if n[2] <= 1e-6 and not f.two_sided:
                continue
            vp = [view(p) for p in f.pts]
            depth = sum(p[2] for p in vp) / len(vp) + f.bias
            items.append((depth, f, vp, n))
        if not items:
            return Image.new("L", size, 255)
        xs = [p[0] for _, _, vp, _ in items for p in vp]
        ys = [p[1] for _, _, vp, _ in items for p in vp]
        minx, maxx, miny, maxy = min(xs), max(xs), min(ys), max(ys)
        scale = min((W - 2 * margin) / (maxx - minx or 1),
                    (H - 2 * margin) / (maxy - miny or 1))
        ox = (W - (maxx - minx) * scale) / 2
        oy = (H - (maxy - miny) * scale) / 2
        img = Image.new("L", (W * SS, H * SS), 255)
        d = ImageDraw.Draw(img)
        lw = max(1, int(round(line * SS)))

        def P(p):
            return ((ox + (p[0] - minx) * scale) * SS,
                    (oy + (maxy - p[1]) * scale) * SS)

        for depth, f, vp, n in sorted(items, key=lambda it: it[0]):
            pts = [P(p) for p in vp]
            if f.shade is None:
                lum = max(0.0, dot(n, light))
                fill = int(168 + 87 * lum)
            else:
                fill = f.shade
            d.polygon(pts, fill=fill)
            drawn = []
            for k in range(len(pts)):
                draw_edge = f.edges[k]
                sil = f.silhouette[k]
                if sil is not None:
                    draw_edge = view(norm(sil))[2] <= 1e-6
                drawn.append(draw_edge)
                if draw_edge:
                    d.line([pts[k], pts[(k + 1) % len(pts)]], fill=0, width=lw)
            # round the joints of thick lines
            r = lw / 2.0
            for k in range(len(pts)):
                if drawn[k] or drawn[k - 1]:
                    x, y = pts[k]
                    d.ellipse([x - r, y - r, x + r, y + r], fill=0)
        return img.resize(size, Image.LANCZOS)


# ---------------------------------------------------------------------------
# Paths
# ---------------------------------------------------------------------------
X, Y, Z = (1.0, 0.0, 0.0), (0.0, 1.0, 0.0), (0.0, 0.0, 1.0)


def straight_frames(p0, t, u, v, length, n=6):
    return [(add(p0, mul(t, length * i / n)), t, u, v) for i in range(n + 1)]


def bend_frames(leg_a, leg_b, radius, plane_axis, n_arc=14, n_leg=4):
    """Legs along +x then +y, bending in the xy plane. plane_axis tells which
    cross-section direction lies in the bend plane ('v' for an E bend, where
    the narrow side turns, 'u' for an H bend)."""
    frames = []
    for i in range(n_leg + 1):
        c = (leg_a * i / n_leg, 0.0, 0.0)
        frames.append((c, X, None, None))
    cx, cy = leg_a, radius
    for i in range(1, n_arc + 1):
        th = -math.pi / 2 + (math.pi / 2) * i / n_arc
        c = (cx + radius * math.cos(th), cy + radius * math.sin(th), 0.0)
        t = (-math.sin(th), math.cos(th), 0.0)
        frames.append((c, t, None, None))
    for i in range(1, n_leg + 1):
        c = (leg_a + radius, radius + leg_b * i / n_leg, 0.0)
        frames.append((c, Y, None, None))
    out = []
    for c, t, _, _ in frames:
        inplane = norm(cross(Z, t))
        if plane_axis == "v":
            out.append((c, t, Z, inplane))
        else:
            out.append((c, t, inplane, Z))
    return out


def miter_frames(leg, width, plane_axis, n=5):
    """Two legs (along +x, then +y, each `leg` long to the other's centre
    line) joined by a flat plate across the outer corner: leg A stops and
    leg B starts where their inner walls meet."""
    pts = [((leg - width / 2) * i / n, 0.0, 0.0) for i in range(n + 1)]
    frames = [(p, X) for p in pts]
    frames += [((leg, width / 2 + (leg - width / 2) * i / n, 0.0), Y)
               for i in range(n + 1)]
    out = []
    for c, t in frames:
        inplane = norm(cross(Z, t))
        out.append((c, t, Z, inplane) if plane_axis == "v"
                   else (c, t, inplane, Z))
    return out, n


def twist_frames(length, start, end, ang0, ang1, n=24, axis=X, u0=Z, v0=Y):
    frames = []
    for i in range(n + 1):
        x = length * i / n
        if x <= start:
            ang = ang0
        elif x >= end:
            ang = ang1
        else:
            s = (x - start) / (end - start)
            ang = ang0 + (ang1 - ang0) * (0.5 - 0.5 * math.cos(math.pi * s))
        u = rotate_about(u0, axis, ang)
        v = rotate_about(v0, axis, ang)
        frames.append((mul(axis, x), axis, u, v))
    return frames


# ---------------------------------------------------------------------------
# Photos
# ---------------------------------------------------------------------------
A, B = 2.0, 1.0  # broad and narrow inside size of the drawn waveguide


def end_flanges(s, frames, kinds, a=A, b=B, thick=0.35):
    """Flanges whose back faces sit on the two ends of a tube."""
    c0, t0, u0, v0 = frames[0]
    c1, t1, u1, v1 = frames[-1]
    if kinds[0]:
        s.flange(add(c0, mul(t0, -thick)), mul(t0, -1), u0, v0, a, b,
                 kinds[0], thick)
    if kinds[1]:
        s.flange(add(c1, mul(t1, thick)), t1, u1, v1, a, b, kinds[1], thick)


def wall(a):
    return a + 0.3  # outside size of the tube


def photo_straight():
    s = Scene()
    fr = straight_frames((0, 0, 0), X, Z, Y, 9.0, n=8)
    s.sweep(fr, wall(A), wall(B))
    end_flanges(s, fr, ("cover", "choke"))
    return s.render((160, 120), yaw=-35, pitch=22)


def photo_bend(plane):
    s = Scene()
    fr = bend_frames(2.6, 2.6, 2.2, plane)
    s.sweep(fr, wall(A), wall(B))
    end_flanges(s, fr, ("cover", "cover"))
    return s.render((160, 120), yaw=-28, pitch=24)


def photo_miter(plane):
    s = Scene()
    width = wall(B) if plane == "v" else wall(A)
    fr, corner = miter_frames(4.2, width, plane)
    s.sweep(fr, wall(A), wall(B), feature={corner, corner + 1})
    end_flanges(s, fr, ("cover", "cover"))
    return s.render((160, 120), yaw=-28, pitch=24)


def photo_twist():
    s = Scene()
    fr = twist_frames(6.0, 1.2, 4.8, 0.0, math.pi / 2)
    s.sweep(fr, wall(A), wall(B))
    end_flanges(s, fr, ("cover", "cover"))
    return s.render((160, 120), yaw=-38, pitch=20)


def photo_flex():
    s = Scene()
    n = 40
    fr = twist_frames(10.0, 1.0, 9.0, 0.0, math.pi / 2, n=n)
    a = [wall(A) + (0.25 if (i % 2 and 3 < i < n - 3) else 0.0)
         for i in range(n + 1)]
    b = [wall(B) + (0.25 if (i % 2 and 3 < i < n - 3) else 0.0)
         for i in range(n + 1)]
    s.sweep(fr, a, b, feature=set(range(4, n - 3)), shade=None)
    end_flanges(s, fr, ("cover", "cover"))
    return s.render((160, 120), yaw=-35, pitch=22)


def photo_step_twist():
    s = Scene()
    steps = [0.0, 30.0, 60.0, 90.0]
    seg = 1.5
    for i, deg in enumerate(steps):
        ang = math.radians(deg)
        u = rotate_about(Z, X, ang)
        v = rotate_about(Y, X, ang)
        s.box((seg * (i + 0.5), 0, 0), X, u, v, seg, wall(A), wall(B))
    end = seg * len(steps)
    s.flange((-0.35, 0, 0), mul(X, -1), Z, Y, A, B, "cover")
    s.flange((end + 0.35, 0, 0), X, Y, mul(Z, -1), A, B, "cover")
    return s.render((160, 120), yaw=-30, pitch=26)


def photo_taper():
    s = Scene()
    n = 12
    frames, a, b = [], [], []
    for i in range(n + 1):
        x = 7.0 * i / n
        k = 0.0 if x < 1.5 else (1.0 if x > 5.5 else (x - 1.5) / 4.0)
        frames.append(((x, 0, 0), X, Z, Y))
        a.append(wall(A * 0.75) + k * (wall(A * 1.1) - wall(A * 0.75)))
        b.append(wall(B * 0.75) + k * (wall(B * 1.1) - wall(B * 0.75)))
    s.sweep(frames, a, b, feature={4, 8})
    s.flange((-0.35, 0, 0), mul(X, -1), Z, Y, A * 0.75, B * 0.75, "cover")
    s.flange((7.35, 0, 0), X, Z, Y, A * 1.1, B * 1.1, "cover")
    return s.render((160, 120), yaw=-36, pitch=22)


def photo_coax():
    s = Scene()
    fr = straight_frames((0, 0, 0), X, Z, Y, 5.0, n=5)
    s.sweep(fr, wall(A), wall(B), caps=(False, True))
    s.flange((-0.35, 0, 0), mul(X, -1), Z, Y, A, B, "cover")
    top = wall(B) / 2
    # hex nut, body, coupling sleeve and centre pin
    s.cylinder((3.6, top + 0.18, 0), Y, 0.55, 0.36, n=6, all_edges=True)
    s.cylinder((3.6, top + 0.8, 0), Y, 0.34, 0.9)
    s.cylinder((3.6, top + 1.45, 0), Y, 0.42, 0.4, n=8, all_edges=True)
    s.disc((3.6, top + 1.65, 0), Y, 0.22, n=16, shade=200)
    s.disc((3.6, top + 1.65, 0), Y, 0.06, n=8, shade=60, bias=0.05)
    return s.render((160, 120), yaw=-32, pitch=26)


def photo_window():
    s = Scene()
    # two plates clamping the window, seen from the front
    s.flange((0.0, 0, 0), mul(X, -1), Z, Y, A + 0.3, B + 0.3, "gasket",
             thick=0.3)
    s.box((0.45, 0, 0), X, Z, Y, 0.6, A + 1.7, B + 1.7)
    s.rect((0.0, 0, 0), mul(X, -1), Z, Y, A + 0.3, B + 0.3, shade=215,
           bias=0.05)
    # hatch the window pane
    for k in range(-3, 4):
        x0 = k * 0.3
        p0 = (0.0, -(B + 0.3) / 2 + 0.05, x0 - 0.15)
        p1 = (0.0, (B + 0.3) / 2 - 0.05, x0 + 0.15)
        s.face([p0, p1, p1], mul(X, -1), edges=[True, False, False],
               shade=215, bias=0.06)
    s.box((0.9, 0, 0), X, Z, Y, 0.3, A + 1.5, B + 1.5)
    return s.render((160, 120), yaw=40, pitch=18)


def photo_wg(size=(160, 120)):
    s = Scene()
    fr = straight_frames((0, 0, 3.5), X, Z, Y, 7.0, n=7)
    s.sweep(fr, wall(A), wall(B))
    end_flanges(s, fr, ("cover", "cover"))
    fr = bend_frames(2.0, 2.0, 2.0, "u")
    fr = [(add(c, (8.5, -1.5, -2.0)), t, u, v) for c, t, u, v in fr]
    s.sweep(fr, wall(A), wall(B))
    end_flanges(s, fr, ("choke", "cover"))
    return s.render(size, yaw=-30, pitch=24)


# ---------------------------------------------------------------------------
# Flanges (face view)
# ---------------------------------------------------------------------------
def flange_picture(kind):
    size = 64
    img = Image.new("L", (size * SS, size * SS), 255)
    d = ImageDraw.Draw(img)
    lw = int(1.3 * SS)
    k = SS

    def R(x0, y0, x1, y1, **kw):
        d.rectangle([x0 * k, y0 * k, x1 * k, y1 * k], **kw)

    def C(x, y, r, **kw):
        d.ellipse([(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], **kw)

    cx = cy = 32
    if kind in ("cover", "gasket"):
        R(6, 6, 58, 58, fill=225, outline=0, width=lw)
        if kind == "gasket":
            d.rounded_rectangle([14 * k, 20 * k, 50 * k, 44 * k], radius=5 * k,
                                outline=0, width=lw, fill=200)
            d.rounded_rectangle([17 * k, 23 * k, 47 * k, 41 * k], radius=3 * k,
                                outline=0, width=lw, fill=225)
        for x in (12, 52):
            for y in (12, 52):
                C(x, y, 3, fill=255, outline=0, width=lw)
        R(19, 25, 45, 39, fill=40, outline=0, width=lw)
    elif kind in ("cprg", "cprf"):
        R(3, 12, 61, 52, fill=225, outline=0, width=lw)
        if kind == "cprg":
            d.rounded_rectangle([12 * k, 20 * k, 52 * k, 44 * k], radius=3 * k,
                                outline=0, width=lw, fill=200)
            R(15, 23, 49, 41, fill=225, outline=0, width=lw)
        for x in (8, 20, 32, 44, 56):
            for y in (16.5, 47.5):
                C(x, y, 2.2, fill=255, outline=0, width=lw)
        for x in (7.5, 56.5):
            C(x, 32, 2.2, fill=255, outline=0, width=lw)
        R(18, 26, 46, 38, fill=40, outline=0, width=lw)
    else:  # round cover, choke
        C(cx, cy, 28, fill=225, outline=0, width=lw)
        if kind == "choke":
            C(cx, cy, 19, fill=200, outline=0, width=lw)
            C(cx, cy, 16, fill=225, outline=0, width=lw)
        n = 8 if kind == "choke" else 4
        for i in range(n):
            a = math.pi / 4 + i * 2 * math.pi / n
            C(cx + 24 * math.cos(a), cy + 24 * math.sin(a), 2.2, fill=255,
              outline=0, width=lw)
        R(20, 26, 44, 38, fill=40, outline=0, width=lw)
    return img.resize((size, size), Image.LANCZOS)


# ---------------------------------------------------------------------------
# Length drawings (side views with dimensions)
# ---------------------------------------------------------------------------
class Sketch:
    def __init__(self, w=200, h=90):
        self.w, self.h = w, h
        self.img = Image.new("L", (w * SS, h * SS), 255)
        self.d = ImageDraw.Draw(self.img)
        self.lw = int(1.3 * SS)
        self.thin = int(0.8 * SS)
        self.font = font(9 * SS)

    def line(self, pts, thin=False, fill=0):
        self.d.line([(x * SS, y * SS) for x, y in pts], fill=fill,
                    width=self.thin if thin else self.lw, joint="curve")

    def rect(self, x0, y0, x1, y1, fill=235):
        self.d.rectangle([x0 * SS, y0 * SS, x1 * SS, y1 * SS], fill=fill,
                         outline=0, width=self.lw)

    def poly(self, pts, fill=235):
        self.d.polygon([(x * SS, y * SS) for x, y in pts], fill=fill)
        self.line(list(pts) + [pts[0]])

    def arrow(self, p, direction):
        x, y = p
        dx, dy = direction
        L, Wd = 5.0, 2.2
        px, py = -dy, dx
        pts = [(x, y), (x - dx * L + px * Wd, y - dy * L + py * Wd),
               (x - dx * L - px * Wd, y - dy * L - py * Wd)]
        self.d.polygon([(a * SS, b * SS) for a, b in pts], fill=0)

    def text(self, x, y, s, anchor="mm"):
        self.d.text((x * SS, y * SS), s, fill=0, font=self.font, anchor=anchor)

    def hdim(self, x0, x1, y, label, ext_from=None):
        """Horizontal dimension between x0 and x1 at height y."""
        if ext_from is not None:
            for x, yf in zip((x0, x1), ext_from):
                self.line([(x, yf), (x, y + (2 if y > yf else -2))], thin=True)
        self.line([(x0, y), (x1, y)], thin=True)
        self.arrow((x0, y), (-1, 0))
        self.arrow((x1, y), (1, 0))
        tw = self.d.textlength(label, font=self.font) / SS + 6
        xm = (x0 + x1) / 2
        self.d.rectangle([(xm - tw / 2) * SS, (y - 6) * SS, (xm + tw / 2) * SS,
                          (y + 6) * SS], fill=255)
        self.text(xm, y, label)

    def vdim(self, y0, y1, x, label, ext_from=None):
        if ext_from is not None:
            for y, xf in zip((y0, y1), ext_from):
                self.line([(xf, y), (x + (2 if x > xf else -2), y)], thin=True)
        self.line([(x, y0), (x, y1)], thin=True)
        self.arrow((x, y0), (0, -1))
        self.arrow((x, y1), (0, 1))
        ym = (y0 + y1) / 2
        tw = self.d.textlength(label, font=self.font) / SS
        self.d.rectangle([(x - tw / 2 - 2) * SS, (ym - 6) * SS,
                          (x + tw / 2 + 2) * SS, (ym + 6) * SS], fill=255)
        self.text(x, ym, label)

    def done(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


def side_flanges(k, x0, x1, yc, half=14, t=4):
    k.rect(x0 - t, yc - half, x0, yc + half)
    k.rect(x1, yc - half, x1 + t, yc + half)


def dim_straight():
    k = Sketch()
    yc = 38
    k.rect(28, yc - 8, 172, yc + 8)
    side_flanges(k, 28, 172, yc)
    k.hdim(24, 176, 72, "L", ext_from=(yc + 16, yc + 16))
    return k.done()


def dim_twist(preset="Preset Length"):
    k = Sketch()
    yc = 36
    x0, x1 = 50, 150
    k.rect(x0, yc - 6, x0 + 20, yc + 6)
    k.rect(x1 - 20, yc - 12, x1, yc + 12)
    k.poly([(x0 + 20, yc - 6), (x1 - 20, yc - 12), (x1 - 20, yc + 12),
            (x0 + 20, yc + 6)])
    k.line([(x0 + 20, yc - 6), (x1 - 20, yc + 12)], thin=True)
    k.line([(x0 + 20, yc + 6), (x1 - 20, yc - 12)], thin=True)
    k.rect(x0 - 4, yc - 15, x0, yc + 15)
    k.rect(x1, yc - 15, x1 + 4, yc + 15)
    k.hdim(x0 - 4, x1 + 4, 72, preset, ext_from=(yc + 17, yc + 17))
    return k.done()


def dim_step_twist():
    k = Sketch()
    yc = 36
    x0, w = 56, 22
    heights = [6, 9, 11, 12]
    for i, h in enumerate(heights):
        k.rect(x0 + i * w, yc - h, x0 + (i + 1) * w, yc + h)
    x1 = x0 + 4 * w
    k.rect(x0 - 4, yc - 15, x0, yc + 15)
    k.rect(x1, yc - 15, x1 + 4, yc + 15)
    k.hdim(x0 - 4, x1 + 4, 72, "Preset Length", ext_from=(yc + 17, yc + 17))
    return k.done()


def dim_taper():
    k = Sketch()
    yc = 36
    x0, x1 = 40, 160
    k.poly([(x0, yc - 6), (x0 + 25, yc - 6), (x1 - 25, yc - 12), (x1, yc - 12),
            (x1, yc + 12), (x1 - 25, yc + 12), (x0 + 25, yc + 6), (x0, yc + 6)])
    k.line([(x0 + 25, yc - 6), (x0 + 25, yc + 6)], thin=True)
    k.line([(x1 - 25, yc - 12), (x1 - 25, yc + 12)], thin=True)
    k.rect(x0 - 4, yc - 11, x0, yc + 11)
    k.rect(x1, yc - 17, x1 + 4, yc + 17)
    k.text(x0 - 2, yc - 20, "Small", anchor="mm")
    k.text(x1 + 2, yc - 26, "Large", anchor="mm")
    k.hdim(x0 - 4, x1 + 4, 74, "Preset Length", ext_from=(yc + 13, yc + 19))
    return k.done()


def dim_flex():
    k = Sketch()
    yc = 38
    x0, x1 = 30, 170
    k.rect(x0, yc - 9, x1, yc + 9, fill=200)
    x = x0 + 8
    while x < x1 - 6:
        k.line([(x, yc - 9), (x, yc + 9)], thin=True)
        x += 5
    k.rect(x0 - 8, yc - 10, x0, yc + 10)
    k.rect(x1, yc - 10, x1 + 8, yc + 10)
    side_flanges(k, x0 - 8, x1 + 8, yc)
    k.hdim(x0 - 12, x1 + 12, 72, "L", ext_from=(yc + 16, yc + 16))
    return k.done()


def dim_bend(miter=False, label_plane="", wg=12):
    k = Sketch()
    # leg A runs from the left flange face to the centre line of leg B,
    # leg B from the bottom flange face up to the centre line of leg A;
    # wg is the drawn width of the guide (narrow side for E-plane parts)
    xa0, yc = 40, 20          # leg A: flange face at xa0, centre line yc
    xc = 140                  # centre line of leg B
    yb1 = 80                  # leg B flange face
    r_in, r_out = 8, 8 + wg
    if miter:
        outline = [(xa0, yc - wg / 2), (xc + wg / 2 - 6, yc - wg / 2),
                   (xc + wg / 2, yc - wg / 2 + 6), (xc + wg / 2, yb1),
                   (xc - wg / 2, yb1), (xc - wg / 2, yc + wg / 2),
                   (xa0, yc + wg / 2)]
        k.poly(outline)
        k.line([(xc - wg / 2, yc + wg / 2), (xc + wg / 2 - 3, yc - wg / 2 + 3)],
               thin=True)
    else:
        # outer and inner arcs around centre (xc - r, yc + r)
        ccx, ccy = xc - wg / 2 - r_in, yc + wg / 2 + r_in
        pts = [(xa0, yc - wg / 2), (ccx, yc - wg / 2)]
        for i in range(1, 16):
            a = -math.pi / 2 + (math.pi / 2) * i / 15
            pts.append((ccx + r_out * math.cos(a), ccy + r_out * math.sin(a)))
        pts += [(xc + wg / 2, yb1), (xc - wg / 2, yb1)]
        inner = []
        for i in range(15, -1, -1):
            a = -math.pi / 2 + (math.pi / 2) * i / 15
            inner.append((ccx + r_in * math.cos(a), ccy + r_in * math.sin(a)))
        pts += inner + [(xa0, yc + wg / 2)]
        k.poly(pts)
    k.rect(xa0 - 4, yc - 11, xa0, yc + 11)
    k.rect(xc - 11, yb1, xc + 11, yb1 + 4)
    k.line([(xa0 + 2, yc), (xc + 14, yc)], thin=True, fill=120)
    k.line([(xc, yc - 14), (xc, yb1 - 2)], thin=True, fill=120)
    k.hdim(xa0 - 4, xc, 60, "Leg A", ext_from=(yc + 12, yc + 8))
    k.vdim(yc, yb1 + 4, 170, "Leg B", ext_from=(xc + 8, xc + 12))
    if label_plane:
        k.text(8, 80, label_plane, anchor="lm")
    return k.done()


def dim_coax():
    k = Sketch()
    yc = 52
    x0, x1 = 40, 150
    k.rect(x0, yc - 9, x1, yc + 9)
    k.rect(x0 - 4, yc - 16, x0, yc + 16)
    cx = 120
    k.rect(cx - 8, yc - 13, cx + 8, yc - 9)
    k.rect(cx - 5, yc - 30, cx + 5, yc - 13)
    k.rect(cx - 6, yc - 38, cx + 6, yc - 30)
    k.line([(cx, yc - 44), (cx, yc - 38)])
    k.text(cx + 12, yc - 32, "Coax", anchor="lm")
    k.text(x0 - 2, yc + 26, "Flange", anchor="mm")
    k.text(95, yc + 26, "Length N/A", anchor="mm")
    return k.done()


def dim_window():
    k = Sketch()
    yc = 45
    x = 92
    k.rect(x - 14, yc - 30, x - 6, yc + 30)
    k.rect(x + 6, yc - 30, x + 14, yc + 30)
    k.rect(x - 6, yc - 26, x + 6, yc + 26, fill=215)
    for i in range(-4, 5):
        k.line([(x - 5, yc + i * 5 - 3), (x + 5, yc + i * 5 + 3)], thin=True)
    k.text(x + 24, yc - 12, "Window", anchor="lm")
    k.text(x + 24, yc + 8, "Length N/A", anchor="lm")
    k.text(x - 24, yc - 2, "Flange", anchor="rm")
    return k.done()


# ---------------------------------------------------------------------------
# Odds and ends
# ---------------------------------------------------------------------------
def not_available():
    w, h = 100, 60
    img = Image.new("L", (w * SS, h * SS), 255)
    d = ImageDraw.Draw(img)
    d.rectangle([2 * SS, 2 * SS, (w - 3) * SS, (h - 3) * SS], outline=0,
                width=SS)
    f = font(10 * SS)
    d.text((w / 2 * SS, 22 * SS), "Picture", fill=0, font=f, anchor="mm")
    d.text((w / 2 * SS, 38 * SS), "not available", fill=0, font=f,
           anchor="mm")
    return img.resize((w, h), Image.LANCZOS)


NAVY = (0, 0, 128)
COPPER = (200, 122, 46)
WHITE = (255, 255, 255)


def about_logo():
    """The maker's name over a copper rule, small enough for the about box."""
    w, h = 150, 36
    img = Image.new("RGB", (w * SS, h * SS), WHITE)
    d = ImageDraw.Draw(img)
    d.text((w / 2 * SS, 14 * SS), "BRENMOOR", fill=NAVY, font=font(22 * SS, True),
           anchor="mm")
    d.rectangle([10 * SS, 29 * SS, (w - 10) * SS, 31 * SS], fill=COPPER)
    return img.resize((w, h), Image.LANCZOS)


def splash():
    w, h = 432, 288
    band = 60
    img = Image.new("RGB", (w, h), WHITE)
    photo = ImageOps.colorize(photo_wg((230, 172)), black=(16, 24, 96), white=WHITE,
                              mid=(214, 160, 96))
    img.paste(photo, (w - 236, h - 184))
    # The lettering goes over the picture's white margin.
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, w, band], fill=NAVY)
    d.rectangle([0, band, w, band + 3], fill=COPPER)
    d.text((18, band / 2), "BRENMOOR", fill=WHITE, font=font(30, True), anchor="lm")
    d.text((w - 18, band / 2 + 6), "Waveguide Assemblies", fill=(200, 208, 255),
           font=font(12), anchor="rm")
    d.text((18, 100), "Corvane 38", fill=NAVY, font=font(34, True), anchor="lm")
    d.text((20, 132), "Catalogue configurator", fill=(64, 64, 64), font=font(13),
           anchor="lm")
    d.text((20, 150), "for waveguide assemblies", fill=(64, 64, 64), font=font(13),
           anchor="lm")
    d.text((20, h - 22), "Loading the catalogue ...", fill=(96, 96, 96), font=font(11),
           anchor="ls")
    d.rectangle([0, h - 6, w, h], fill=NAVY)
    return img


def save_gif(img, path):
    img.convert("L").save(path, "GIF")


PICTURES = {
    "PhotoCoax.gif": photo_coax,
    "PhotoTwist.gif": photo_twist,
    "PhotoEBend.gif": lambda: photo_bend("v"),
    "PhotoFlexTwist.gif": photo_flex,
    "PhotoHBend.gif": lambda: photo_bend("u"),
    "PhotoMiterH.gif": lambda: photo_miter("u"),
    "PhotoMiterE.gif": lambda: photo_miter("v"),
    "PhotoWindow.gif": photo_window,
    "PhotoStraight.gif": photo_straight,
    "PhotoStepTwist.gif": photo_step_twist,
    "PhotoTaper.gif": photo_taper,
    "DimCoax.gif": dim_coax,
    "DimTwist.gif": dim_twist,
    "DimEBend.gif": lambda: dim_bend(False, "E plane", 8),
    "DimFlexTwist.gif": dim_flex,
    "DimHBend.gif": lambda: dim_bend(False, "H plane", 14),
    "DimMiterH.gif": lambda: dim_bend(True, "H plane", 14),
    "DimMiterE.gif": lambda: dim_bend(True, "E plane", 8),
    "DimWindow.gif": dim_window,
    "DimStraight.gif": dim_straight,
    "DimStepTwist.gif": dim_step_twist,
    "DimTaper.gif": dim_taper,
    "FlgCover.gif": lambda: flange_picture("cover"),
    "FlgChoke.gif": lambda: flange_picture("choke"),
    "FlgCPRG.gif": lambda: flange_picture("cprg"),
    "FlgCPRF.gif": lambda: flange_picture("cprf"),
    "FlgGasket.gif": lambda: flange_picture("gasket"),
    "FlgRound.gif": lambda: flange_picture("round"),
    "WG.gif": photo_wg,
    "NA.gif": not_available,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "data", "Images")
    os.makedirs(out, exist_ok=True)
    for name, fn in PICTURES.items():
        save_gif(fn(), os.path.join(out, name))
    # The splash keeps its colours: an adaptive palette rather than grey.
    splash().convert("P", palette=Image.ADAPTIVE, colors=256).save(
        os.path.join(out, "splashimage.gif"), "GIF")
    about_logo().save(os.path.join(out, "brenmoor.bmp"), "BMP")
    print("wrote %d pictures to %s" % (len(PICTURES) + 2, os.path.normpath(out)))


if __name__ == "__main__":
    main()
